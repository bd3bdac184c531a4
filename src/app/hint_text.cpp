#include "hint_text.h"

#include "view/table_words.h"

#include <QCoreApplication>

namespace tavolin {
namespace {

// The hint names places in words of its own, apart from the screen reader's.
QString hintPlace(Place place)
{
    switch (place.kind) {
    case PlaceKind::Room: return QCoreApplication::translate("Hint", "Room %1").arg(place.index + 1);
    case PlaceKind::Pile: return QCoreApplication::translate("Hint", "Pile %1").arg(place.index + 1);
    case PlaceKind::Column: break;
    }
    return QCoreApplication::translate("Hint", "Column %1").arg(place.index + 1);
}

QString takenCards(const SolverTransfer& transfer)
{
    return transfer.cards > 1 ? QCoreApplication::translate("Hint", "%1 cards").arg(transfer.cards)
                              : cardName(transfer.card);
}

} // namespace

HintText hintText(const TableState& table, const SolverTransfer& transfer)
{
    const QString taken = takenCards(transfer);
    HintText text{QCoreApplication::translate("Hint", "Hint: %1 from %2").arg(taken, hintPlace(transfer.from)), {}};
    if (transfer.to.kind != PlaceKind::Column) {
        text.where = QCoreApplication::translate("Hint", "to %1").arg(hintPlace(transfer.to));
        return text;
    }
    const ColumnRec& target = table.columns[transfer.to.index];
    const int top = target.topPosition();
    if (top >= 0)
        text.where = QCoreApplication::translate("Hint", "onto the %1 in %2")
                         .arg(cardName(target.card[top]), hintPlace(transfer.to));
    else
        text.where = QCoreApplication::translate("Hint", "%1to the empty %2")
                         .arg(transfer.oneOfSeveral ? QCoreApplication::translate("Hint", "alone ") : QString(),
                              hintPlace(transfer.to));
    return text;
}

QString transferText(const TableState& table, const SolverTransfer& transfer)
{
    return QCoreApplication::translate("Hint", "%1 from %2 %3")
        .arg(takenCards(transfer), hintPlace(transfer.from), hintText(table, transfer).where);
}

HintText losingTransferText(const SolverTransfer& transfer)
{
    return {QCoreApplication::translate("Hint", "Lost by %1 to %2").arg(takenCards(transfer), hintPlace(transfer.to)),
            QCoreApplication::translate("Hint", "Undo takes it back.")};
}

} // namespace tavolin
