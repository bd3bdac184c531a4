#include "game.h"
#include "transfer_walk.h"

#include <bit>

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
    detection.moveSlots.fill(NoMoveSlot);
    // Every count below asks for the Columns' top cards: find them once.
    ColumnTops tops{};
    int emptyColumns = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        tops[column] = table.columns[column].topPosition();
        emptyColumns += tops[column] < 0 ? 1 : 0;
    }
    detection.freeRooms = FreeRoomCount();
    detection.freeSpace = detection.freeRooms + emptyColumns;

    const bool headingsRedrawn = flags.ShowMoves && flags.HintHeaderDirty;
    if (headingsRedrawn)
        flags.HintHeaderDirty = false;
    countPileMoves(tops);
    countRoomToDeck(tops);
    countColumnToColumn(tops);

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
    detection.moveSlots[2 * index] = from + 1;
    detection.moveSlots[2 * index + 1] = to + 1;
    detection.foundFrom[index][from] = true;
}

void Game::countPileMoves(const ColumnTops& tops)
{
    for (int room = 0; room < RoomCount; ++room) {
        if (!table.rooms[room].occupied)
            continue;
        for (int pile = 0; pile < PileCount; ++pile)
            if (PileAccepts(pile, table.rooms[room].card))
                recordMove(MoveCategory::RoomToPile, room, pile);
    }
    for (int column = 0; column < ColumnCount; ++column) {
        const int top = tops[column];
        if (top < 0)
            continue;
        for (int pile = 0; pile < PileCount; ++pile)
            if (PileAccepts(pile, table.columns[column].card[top]))
                recordMove(MoveCategory::DeckToPile, column, pile);
    }
}

// A full Column takes nothing: the drop would not be carried out.
void Game::countRoomToDeck(const ColumnTops& tops)
{
    for (int room = 0; room < RoomCount; ++room) {
        if (!table.rooms[room].occupied)
            continue;
        for (int column = 0; column < ColumnCount; ++column) {
            const int top = tops[column];
            if (top >= 0 && top < LastPosition && fits(table.rooms[room].card, table.columns[column].card[top]))
                recordMove(MoveCategory::RoomToDeck, room, column);
        }
    }
}

// The same search as a drop, with each Column's top card as a trial origin;
// a Deck counts when the drop would take it: within the capacity and the
// target Column's last position.
void Game::countColumnToColumn(const ColumnTops& tops)
{
    SilentAccount silent;
    const int capacity = detection.freeSpace + 1;
    // Bit c of higherTops[rank]: Column c's top card ranks above `rank`.
    std::array<unsigned, RankCount> higherTops{};
    for (int column = 0; column < ColumnCount; ++column)
        if (tops[column] >= 0)
            for (int rank = 0; rank < rankOf(table.columns[column].card[tops[column]]); ++rank)
                higherTops[rank] |= 1u << column;
    for (int source = 0; source < ColumnCount; ++source) {
        const int top = tops[source];
        if (top < 0)
            continue;
        const Selection trial{SelectionKind::Column, source, top, table.columns[source].card[top]};
        // A Deck's ranks rise from its top card: only a higher card can take any of it.
        const int rank = rankOf(trial.card);
        unsigned targets = higherTops[rank];
        // One card per rank up to the target's: a Deck that may move reaches `capacity` ranks higher at most.
        if (rank + capacity < RankCount)
            targets &= ~higherTops[rank + capacity];
        for (; targets != 0; targets &= targets - 1) {
            const int target = std::countr_zero(targets);
            const int targetTop = tops[target];
            const int count = searchTransfer(trial, target, targetTop, silent);
            if (count > 0 && count <= capacity && targetTop + count <= LastPosition)
                recordMove(MoveCategory::ColumnToColumn, source, target);
        }
    }
}

} // namespace tavolin
