#include "pointer_input.h"

namespace tavolin {
namespace {

// An empty Column takes a card this many card steps below its first place
// while tracking, but a release only this far.
constexpr int EmptyColumnTrackSteps = 17;
constexpr int EmptyColumnDropSteps = 14;

QString cardName(CardCode card)
{
    return QString::fromStdString(cardText("%s of %s", card));
}

} // namespace

PointerInput::PointerInput(Game& game, const TableLayout& layout, PointerFeedback& feedback)
    : game_(game), layout_(layout), feedback_(feedback)
{
}

void PointerInput::FormMouseDown(Qt::MouseButton button, QPoint at)
{
    if (game_.flags.gameInPlay && button == Qt::LeftButton)
        PickUp(at);
}

void PointerInput::FormMouseMove(QPoint at)
{
    if (game_.flags.gameInPlay)
        TrackTarget(at);
}

void PointerInput::FormMouseUp(Qt::MouseButton button, QPoint at)
{
    if (game_.flags.gameInPlay && !game_.selection.isEmpty() && button == Qt::LeftButton)
        Release(at);
}

QRect PointerInput::cardRect(int x, int y) const
{
    return QRect(x, y, layout_.CardWidth, layout_.CardHeight);
}

QRect PointerInput::emptyColumnRect(int column, int steps) const
{
    const ColumnRec& rec = game_.table.columns[column];
    return QRect(rec.x[0], rec.y[0], layout_.CardWidth, steps * layout_.ColumnStep);
}

// Only the top card of a Column or a Room's card can be taken; Piles never give one back.
void PointerInput::PickUp(QPoint at)
{
    if (!game_.selection.isEmpty())
        return;
    bool taken = false;
    for (int c = 0; c < ColumnCount && !taken; ++c) {
        const ColumnRec& rec = game_.table.columns[c];
        const int top = rec.topPosition();
        if (top >= 0 && cardRect(rec.x[top], rec.y[top]).contains(at))
            taken = game_.PickUpFromColumn(c);
    }
    for (int r = 0; r < RoomCount && !taken; ++r) {
        const SlotRec& room = game_.table.rooms[r];
        if (room.occupied && cardRect(room.x, room.y).contains(at))
            taken = game_.PickUpFromRoom(r);
    }
    if (!taken)
        return;
    feedback_.showHeldCard();
    originReleases_ = 0;
}

void PointerInput::TrackTarget(QPoint at)
{
    if (lastTargetRect_.contains(at))
        return;
    lastTargetRect_ = QRect();
    feedback_.setPointerShape(PointerShape::Arrow);
    if (game_.selection.isEmpty())
        return;
    for (auto scan : {&PointerInput::trackRooms, &PointerInput::trackColumns, &PointerInput::trackPiles})
        if ((this->*scan)(at) != Scan::Miss)
            return;
}

PointerInput::Scan PointerInput::trackRooms(QPoint at)
{
    if (heldCardIsAce())
        return Scan::Miss;
    for (int r = 0; r < RoomCount; ++r) {
        const SlotRec& room = game_.table.rooms[r];
        if (room.occupied)
            continue;
        const QRect place = cardRect(room.x, room.y);
        if (place.contains(at)) {
            accept(place, PointerShape::LargeArrowUp, 1, QStringLiteral("Target is free Room number %1").arg(r + 1),
                   QStringLiteral("Target card: none"));
            return Scan::Accept;
        }
    }
    return Scan::Miss;
}

PointerInput::Scan PointerInput::trackColumns(QPoint at)
{
    const Selection& held = game_.selection;
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = game_.table.columns[c];
        const int top = rec.topPosition();
        if (top < 0) {
            const QRect place = emptyColumnRect(c, EmptyColumnTrackSteps);
            if (!place.contains(at))
                continue;
            const int count = game_.TransferSearch(c, EmptyColumnTarget);
            if (count == 0)
                return Scan::Stop;
            accept(place, PointerShape::LargeArrowUp, count,
                   QStringLiteral("Target is empty Column number %1").arg(c + 1), QStringLiteral("Target card: none"));
            return Scan::Accept;
        }
        const QRect place = cardRect(rec.x[top], rec.y[top]);
        if (!place.contains(at))
            continue;
        if (held.kind == SelectionKind::Column && held.index == c)
            return Scan::Stop;
        const int count = game_.TransferSearch(c, top);
        const bool fits = held.kind == SelectionKind::Room
            ? top < ColumnDepth - 1
            : top + count < ColumnDepth && (count == 1 || count <= game_.Capacity());
        if (count == 0 || !fits)
            return Scan::Stop;
        accept(place, PointerShape::LargeArrowDown, count, QStringLiteral("Target is Column number %1").arg(c + 1),
               QStringLiteral("Target card is ") + cardName(rec.card[top]));
        return Scan::Accept;
    }
    return Scan::Miss;
}

PointerInput::Scan PointerInput::trackPiles(QPoint at)
{
    for (int k = 0; k < PileCount; ++k) {
        const SlotRec& pile = game_.table.piles[k];
        const QRect place = cardRect(pile.x, pile.y);
        if (!place.contains(at))
            continue;
        if (!game_.PileAccepts(k, game_.selection.card))
            return Scan::Stop;
        // An empty Pile has no card to name.
        const QString targetCard = pile.occupied ? QStringLiteral("Target card is ") + cardName(pile.card)
                                                 : QStringLiteral("Target card: none");
        accept(place, PointerShape::LargeArrowUp, 1, QStringLiteral("Target is Pile number %1").arg(k + 1), targetCard);
        return Scan::Accept;
    }
    return Scan::Miss;
}

void PointerInput::accept(const QRect& place, PointerShape shape, int count, const QString& target,
                          const QString& targetCard)
{
    feedback_.setPointerShape(shape);
    lastTargetRect_ = place;
    if (!game_.options.TransferInfo)
        return;
    feedback_.showStatus(0, QStringLiteral("Cards ready for transfer: %1").arg(count));
    feedback_.showStatus(1, target);
    feedback_.showStatus(2, targetCard);
}

// The first place under the pointer decides; over no place the card stays held.
void PointerInput::Release(QPoint at)
{
    const Selection held = game_.selection;
    if (!heldCardIsAce()) {
        for (int r = 0; r < RoomCount; ++r) {
            const SlotRec& room = game_.table.rooms[r];
            if (!cardRect(room.x, room.y).contains(at))
                continue;
            if (held.kind == SelectionKind::Room && held.index == r)
                releaseOverOrigin();
            else
                finishDrop(game_.DropOnRoom(r));
            return;
        }
    }
    for (int k = 0; k < PileCount; ++k) {
        const SlotRec& pile = game_.table.piles[k];
        if (cardRect(pile.x, pile.y).contains(at) && game_.PileAccepts(k, held.card)) {
            finishDrop(game_.DropOnPile(k));
            return;
        }
    }
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = game_.table.columns[c];
        const int top = rec.topPosition();
        if (top < 0) {
            if (!emptyColumnRect(c, EmptyColumnDropSteps).contains(at))
                continue;
            finishDrop(game_.DropOnEmptyColumn(c));
            return;
        }
        if (!cardRect(rec.x[top], rec.y[top]).contains(at))
            continue;
        if (held.kind == SelectionKind::Column && held.index == c)
            releaseOverOrigin();
        else
            finishDrop(game_.DropOnColumnTop(c, top));
        return;
    }
}

// The first release over the held card keeps it (the end of a click); the
// next one puts it back.
void PointerInput::releaseOverOrigin()
{
    if (++originReleases_ < 2)
        return;
    game_.PutBack();
    feedback_.setPointerShape(PointerShape::Arrow);
}

void PointerInput::finishDrop(DropOutcome outcome)
{
    if (outcome != DropOutcome::Ignored)
        EndSelection(outcome == DropOutcome::Done);
}

void PointerInput::EndSelection(bool carriedOut)
{
    feedback_.setPointerShape(PointerShape::Arrow);
    game_.EndSelection(carriedOut);
}

} // namespace tavolin
