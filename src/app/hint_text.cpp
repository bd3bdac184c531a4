#include "hint_text.h"

namespace tavolin {
namespace {

QString cardName(CardCode card)
{
    return QString::fromStdString(cardText("%s of %s", card));
}

QString placeName(Place place)
{
    switch (place.kind) {
    case PlaceKind::Room: return QStringLiteral("Room %1").arg(place.index + 1);
    case PlaceKind::Pile: return QStringLiteral("Pile %1").arg(place.index + 1);
    case PlaceKind::Column: break;
    }
    return QStringLiteral("Column %1").arg(place.index + 1);
}

} // namespace

HintText hintText(const TableState& table, const SolverTransfer& transfer)
{
    const QString taken = transfer.cards > 1 ? QStringLiteral("%1 cards").arg(transfer.cards) : cardName(transfer.card);
    HintText text{QStringLiteral("Hint: %1 from %2").arg(taken, placeName(transfer.from)), {}};
    if (transfer.to.kind != PlaceKind::Column) {
        text.where = QStringLiteral("to %1").arg(placeName(transfer.to));
        return text;
    }
    const ColumnRec& target = table.columns[transfer.to.index];
    const int top = target.topPosition();
    if (top >= 0)
        text.where = QStringLiteral("onto the %1 in %2").arg(cardName(target.card[top]), placeName(transfer.to));
    else
        text.where = QStringLiteral("%1to the empty %2")
                         .arg(transfer.oneOfSeveral ? QStringLiteral("alone ") : QString(), placeName(transfer.to));
    return text;
}

} // namespace tavolin
