#include "pointer_input.h"

#include "game/words.h"

#include <QCoreApplication>

namespace tavolin {
namespace {

// An empty Column takes a card this many card steps below its first place
// while tracking, but a release only this far.
constexpr int EmptyColumnTrackSteps = 17;
constexpr int EmptyColumnDropSteps = 14;

QString targetCardText(CardCode card)
{
    return QString::fromStdString(cardText(GAME_TEXT("Pointer", "Target card is %s of %s"), card));
}

} // namespace

PointerInput::PointerInput(Game& game, const TableLayout& layout, Hand& hand, PointerFeedback& feedback)
    : game_(game), layout_(layout), hand_(hand), feedback_(feedback)
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

std::optional<Place> PointerInput::placeAt(QPoint at, int emptyColumnSteps) const
{
    const TableState& table = game_.table;
    for (int r = 0; r < RoomCount; ++r)
        if (cardRect(table.rooms[r].x, table.rooms[r].y).contains(at))
            return Place{PlaceKind::Room, r};
    for (int k = 0; k < PileCount; ++k)
        if (cardRect(table.piles[k].x, table.piles[k].y).contains(at))
            return Place{PlaceKind::Pile, k};
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = table.columns[c];
        const int top = rec.topPosition();
        const QRect place = top < 0 ? emptyColumnRect(c, emptyColumnSteps) : cardRect(rec.x[top], rec.y[top]);
        if (place.contains(at))
            return Place{PlaceKind::Column, c};
    }
    return std::nullopt;
}

// A press while a card is held is ignored: the next release decides.
void PointerInput::PickUp(QPoint at)
{
    if (const auto place = placeAt(at, EmptyColumnDropSteps))
        hand_.pickUpFrom(*place);
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
            accept(place, PointerShape::LargeArrowUp, 1,
                   QCoreApplication::translate("Pointer", "Target is free Room number %1").arg(r + 1),
                   QCoreApplication::translate("Pointer", "Target card: none"));
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
                   QCoreApplication::translate("Pointer", "Target is empty Column number %1").arg(c + 1),
                   QCoreApplication::translate("Pointer", "Target card: none"));
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
        accept(place, PointerShape::LargeArrowDown, count,
               QCoreApplication::translate("Pointer", "Target is Column number %1").arg(c + 1),
               targetCardText(rec.card[top]));
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
        const QString targetCard = pile.occupied
            ? targetCardText(pile.card)
            : QCoreApplication::translate("Pointer", "Target card: none");
        accept(place, PointerShape::LargeArrowUp, 1,
               QCoreApplication::translate("Pointer", "Target is Pile number %1").arg(k + 1), targetCard);
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
    feedback_.showStatus(0, QCoreApplication::translate("Pointer", "Cards ready for transfer: %1").arg(count));
    feedback_.showStatus(1, target);
    feedback_.showStatus(2, targetCard);
}

// Over no place the card stays held.
void PointerInput::Release(QPoint at)
{
    if (const auto place = placeAt(at, EmptyColumnDropSteps))
        hand_.releaseOver(*place);
}

} // namespace tavolin
