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

// One entry for each rank of the card the hinted card goes onto, since many
// languages choose the article, and its blend with the word before it, by
// the rank: "sur le Roi", "sur la Dame", "sull'Asso".
//: Where the hinted card goes: onto the top card of a Column, whose rank is
//: the one this entry is for; %1 is that card, %2 the Column.
constexpr const char* OntoCardOfRank[RankCount][2] = {
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "an Ace"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 2"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 3"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 4"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 5"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 6"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 7"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "an 8"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 9"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a 10"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a Jack"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a Queen"),
    QT_TRANSLATE_NOOP3("Hint", "onto the %1 in %2", "a King"),
};

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
    switch (transfer.to.kind) {
    case PlaceKind::Room:
        text.where = QCoreApplication::translate("Hint", "to %1", "a Room").arg(hintPlace(transfer.to));
        return text;
    case PlaceKind::Pile:
        text.where = QCoreApplication::translate("Hint", "to %1", "a Pile").arg(hintPlace(transfer.to));
        return text;
    case PlaceKind::Column: break;
    }
    const ColumnRec& target = table.columns[transfer.to.index];
    if (const int top = target.topPosition(); top >= 0) {
        const auto& onto = OntoCardOfRank[rankOf(target.card[top])];
        text.where = QCoreApplication::translate("Hint", onto[0], onto[1])
                         .arg(cardName(target.card[top]), hintPlace(transfer.to));
    } else {
        text.where = QCoreApplication::translate("Hint", "%1to the empty %2")
                         .arg(transfer.oneOfSeveral ? QCoreApplication::translate("Hint", "alone ") : QString(),
                              hintPlace(transfer.to));
    }
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
