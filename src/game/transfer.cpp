#include "game.h"
#include "words.h"

#include <algorithm>

namespace tavolin {

namespace {

constexpr int RoomStatusPanel = 1;
constexpr int TransferStatusPanel = 2;
constexpr int LastPosition = ColumnDepth - 1;

} // namespace

// One card, plus one more for every free Room and empty Column.
int Game::Capacity() const
{
    return FreeRoomCount() + EmptyColumnCount() + 1;
}

DropOutcome Game::DropOnRoom(int room)
{
    if (room < 0 || room >= RoomCount || !heldCardInPlace())
        return DropOutcome::Ignored;
    const CardCode held = selection.card;
    if (rankOf(held) == AceRank || table.rooms[room].occupied)
        return DropOutcome::Ignored;
    SlotRec& slot = table.rooms[room];
    slot.card = held;
    slot.mode = DrawMode::Face;
    slot.occupied = 1;
    if (selection.kind == SelectionKind::Room) {
        reportCardTransfer(RoomStatusPanel, GAME_TEXT_NOOP("Game", "Room -> free Room:  %s of %s"), held);
    } else {
        reportCardTransfer(RoomStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> free Room:  %s of %s"), held);
        flags.autoSuspended = false;
    }
    emptyOrigin();
    reportTransfer(held, 1, {PlaceKind::Room, room});
    return DropOutcome::Done;
}

DropOutcome Game::DropOnPile(int pile)
{
    if (pile < 0 || pile >= PileCount || !heldCardInPlace() || !PileAccepts(pile, selection.card))
        return DropOutcome::Ignored;
    putOnPile(pile, selection.card);
    if (selection.kind == SelectionKind::Room)
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Room -> Pile: %s of %s"), selection.card);
    else
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> Pile:  %s of %s"), selection.card);
    emptyOrigin();
    flags.autoSuspended = false;
    reportTransfer(selection.card, 1, {PlaceKind::Pile, pile});
    return DropOutcome::Done;
}

DropOutcome Game::DropOnColumnTop(int column, int position)
{
    if (column < 0 || column >= ColumnCount)
        return DropOutcome::Ignored;
    const int count = TransferSearch(column, position);
    if (count == 0)
        return DropOutcome::Ignored;
    ResetDetailsPanel();
    const ColumnRec& target = table.columns[column];
    const std::int32_t x = target.x[position];
    const std::int32_t y = target.y[position] + geometry.ColumnStep;

    if (selection.kind == SelectionKind::Room) {
        if (position == LastPosition)
            return DropOutcome::Ignored;
        placeOnColumn(column, position + 1, selection.card, x, y);
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Room -> Column:  %s of %s"), selection.card);
        emptyOrigin();
        flags.autoSuspended = false;
        reportTransfer(selection.card, 1, {PlaceKind::Column, column});
        return DropOutcome::Done;
    }
    if (position + count > LastPosition || count > Capacity())
        return refuseDeck();
    if (count == 1)
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> Column:  %s of %s"), selection.card);
    else
        reportDeckTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> Column:  %d cards"), count);
    moveDeck(selection.index, selection.position - count + 1, column, position + 1, x, y, count);
    flags.autoSuspended = false;
    reportTransfer(selection.card, count, {PlaceKind::Column, column});
    return DropOutcome::Done;
}

// Transfers to an empty Column leave autoSuspended as it is.
DropOutcome Game::DropOnEmptyColumn(int column)
{
    if (column < 0 || column >= ColumnCount || !table.columns[column].isEmpty())
        return DropOutcome::Ignored;
    const int count = TransferSearch(column, EmptyColumnTarget);
    if (count == 0)
        return DropOutcome::Ignored;
    ResetDetailsPanel();
    // Position 0 keeps the place it was dealt at.
    const std::int32_t x = table.columns[column].x[0];
    const std::int32_t y = table.columns[column].y[0];

    if (selection.kind == SelectionKind::Room) {
        placeOnColumn(column, 0, selection.card, x, y);
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Room -> Column:  %s of %s"), selection.card);
        emptyOrigin();
        reportTransfer(selection.card, 1, {PlaceKind::Column, column});
        return DropOutcome::Done;
    }
    if (count == 1) {
        reportCardTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> Column:  %s of %s"), selection.card);
        moveDeck(selection.index, selection.position, column, 0, x, y, 1);
        reportTransfer(selection.card, 1, {PlaceKind::Column, column});
        return DropOutcome::Done;
    }
    // The target itself counts among the empty Columns: one less than the capacity.
    int moving = std::min(count, Capacity() - 1);
    if (moving > 1
        && !events_.askYesNo(GAME_TEXT("Box", " Transfer to empty Column"),
                             GAME_TEXT("Box", "Move more than one card ?")))
        moving = 1;
    reportDeckTransfer(TransferStatusPanel, GAME_TEXT_NOOP("Game", "Deck -> empty Column:  %d cards"), moving);
    moveDeck(selection.index, selection.position - moving + 1, column, 0, x, y, moving);
    reportTransfer(selection.card, moving, {PlaceKind::Column, column});
    return DropOutcome::Done;
}

// The held card goes back; nothing has moved.
DropOutcome Game::refuseDeck()
{
    events_.showInformation(
        formatText(GAME_TEXT("Box", "Number of cards permitted to move: only %d.").c_str(), Capacity()));
    heldCardMode() = DrawMode::Face;
    table.ColumnDirty[selection.index] = 1;
    return DropOutcome::Refused;
}

void Game::reportCardTransfer(int panel, const char* format, CardCode card)
{
    if (options.TransferInfo)
        events_.showStatus(panel, cardText(translatedText("Game", format), card));
}

void Game::reportDeckTransfer(int panel, const char* format, int count)
{
    if (options.TransferInfo)
        events_.showStatus(panel, formatText(translatedText("Game", format).c_str(), count));
}

void Game::reportTransfer(CardCode card, int count, Place to)
{
    const PlaceKind from = selection.kind == SelectionKind::Room ? PlaceKind::Room : PlaceKind::Column;
    events_.transferDone({card, count, {from, selection.index}, to});
}

void Game::emptyOrigin()
{
    if (selection.kind == SelectionKind::Room)
        takeFromRoom(selection.index);
    else
        takeTopFromColumn(selection.index);
}

void Game::placeOnColumn(int column, int position, CardCode card, std::int32_t x, std::int32_t y)
{
    ColumnRec& rec = table.columns[column];
    rec.x[position] = x;
    rec.y[position] = y;
    rec.card[position] = card;
    rec.mode[position] = DrawMode::Face;
    rec.present[position] = 1;
    table.ColumnDirty[column] = 1;
}

// The Deck keeps its order: its lowest card lands first, the held card on top.
void Game::moveDeck(int fromColumn, int firstPosition, int toColumn, int toPosition,
                    std::int32_t x, std::int32_t firstY, int count)
{
    ColumnRec& from = table.columns[fromColumn];
    for (int k = 0; k < count; ++k) {
        const int source = firstPosition + k;
        placeOnColumn(toColumn, toPosition + k, from.card[source], x, firstY + k * geometry.ColumnStep);
        from.present[source] = 0;
        from.mode[source] = DrawMode::Vacant;
    }
    table.ColumnDirty[fromColumn] = 1;
}

} // namespace tavolin
