#include "game.h"
#include "search_account.h"

namespace tavolin {

namespace {

constexpr int LastPosition = ColumnDepth - 1;

} // namespace

// Counts the possible moves of four kinds and ends the game when no Room or
// Column is free and none of them is possible. Nothing while a card is held.
void Game::DetectMoves()
{
    if (!selection.isEmpty())
        return;
    detection = MoveDetection{};
    detection.slots.fill(NoMoveSlot);
    detection.freeRooms = FreeRoomCount();
    detection.freeSpace = detection.freeRooms + EmptyColumnCount();

    const bool headingsRedrawn = flags.ShowMoves && flags.HintHeaderDirty;
    if (headingsRedrawn)
        flags.HintHeaderDirty = false;
    countPileMoves();
    countRoomToDeck();
    countColumnToColumn();

    if (detection.freeSpace == 0 && !detection.anyMove()) {
        flags.movesLeft = false;
        flags.detectionOn = false;
        flags.undoEnabled = false;
        flags.finishEnabled = false;
    }
    if (flags.ShowMoves)
        events_.showMoveDetection(movePanel(headingsRedrawn));
}

void Game::recordMove(MoveCategory category, int from, int to)
{
    const int index = static_cast<int>(category);
    ++detection.counts[index];
    detection.slots[2 * index] = from + 1;
    detection.slots[2 * index + 1] = to + 1;
    detection.foundFrom[index][from] = true;
}

void Game::countPileMoves()
{
    for (int room = 0; room < RoomCount; ++room) {
        if (!table.rooms[room].occupied)
            continue;
        for (int pile = 0; pile < PileCount; ++pile)
            if (PileAccepts(pile, table.rooms[room].card))
                recordMove(MoveCategory::RoomToPile, room, pile);
    }
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnRec& rec = table.columns[column];
        const int top = rec.topPosition();
        if (top < 0)
            continue;
        for (int pile = 0; pile < PileCount; ++pile)
            if (PileAccepts(pile, rec.card[top]))
                recordMove(MoveCategory::DeckToPile, column, pile);
    }
}

// A full Column takes nothing: the drop would not be carried out.
void Game::countRoomToDeck()
{
    for (int room = 0; room < RoomCount; ++room) {
        if (!table.rooms[room].occupied)
            continue;
        for (int column = 0; column < ColumnCount; ++column) {
            const ColumnRec& rec = table.columns[column];
            const int top = rec.topPosition();
            if (top >= 0 && top < LastPosition && fits(table.rooms[room].card, rec.card[top]))
                recordMove(MoveCategory::RoomToDeck, room, column);
        }
    }
}

// The same search as a drop, with each Column's top card as a trial origin;
// a Deck counts when the drop would take it: within the capacity and the
// target Column's last position.
void Game::countColumnToColumn()
{
    SearchAccount silent;
    const int capacity = detection.freeSpace + 1;
    for (int source = 0; source < ColumnCount; ++source) {
        const ColumnRec& from = table.columns[source];
        const int top = from.topPosition();
        if (top < 0)
            continue;
        const Selection trial{SelectionKind::Column, source, top, from.card[top]};
        for (int target = 0; target < ColumnCount; ++target) {
            const int targetTop = table.columns[target].topPosition();
            if (target == source || targetTop < 0)
                continue;
            const int count = searchTransfer(trial, target, targetTop, silent);
            if (count > 0 && count <= capacity && targetTop + count <= LastPosition)
                recordMove(MoveCategory::ColumnToColumn, source, target);
        }
    }
}

} // namespace tavolin
