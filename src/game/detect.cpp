#include "game.h"
#include "transfer_walk.h"

#include <algorithm>
#include <bit>

namespace tavolin {

namespace {

constexpr int LastPosition = ColumnDepth - 1;

TopRanks topRanksOf(const Columns& columns, const ColumnTops& tops)
{
    TopRanks ranks{};
    for (int column = 0; column < ColumnCount; ++column)
        if (tops[column] >= 0 && isValidCard(columns[column].card[tops[column]]))
            ranks[rankOf(columns[column].card[tops[column]])] |= 1u << column;
    for (int rank = RankCount - 1; rank > 0; --rank)
        ranks[rank - 1] |= ranks[rank];
    return ranks;
}

// The Columns whose top card ranks from `low` to `high`.
inline unsigned columnsRanked(const TopRanks& ranks, int low, int high)
{
    return ranks[std::clamp(low, 0, RankCount)] & ~ranks[std::clamp(high + 1, 0, RankCount)];
}

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
    // The rank of each top card tells the few Columns a card can go to.
    const TopRanks ranks = topRanksOf(table.columns, tops);
    countRoomToDeck(tops, ranks);
    countColumnToColumn(tops, ranks);

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

// As PileAccepts asks, with the card each Pile takes found once for all places.
void Game::countPileMoves(const ColumnTops& tops)
{
    std::array<CardCode, PileCount> taken{};
    for (int pile = 0; pile < PileCount; ++pile)
        taken[pile] = cardPileTakes(pile);
    auto countPilesTaking = [&](CardCode card, MoveCategory category, int from) {
        if (!isValidCard(card))
            return;
        for (int pile = 0; pile < PileCount; ++pile)
            if (card == taken[pile])
                recordMove(category, from, pile);
    };
    for (int room = 0; room < RoomCount; ++room)
        if (table.rooms[room].occupied)
            countPilesTaking(table.rooms[room].card, MoveCategory::RoomToPile, room);
    for (int column = 0; column < ColumnCount; ++column)
        if (tops[column] >= 0)
            countPilesTaking(table.columns[column].card[tops[column]], MoveCategory::DeckToPile, column);
}

// A full Column takes nothing: the drop would not be carried out.
void Game::countRoomToDeck(const ColumnTops& tops, const TopRanks& ranks)
{
    for (int room = 0; room < RoomCount; ++room) {
        if (!table.rooms[room].occupied)
            continue;
        const CardCode card = table.rooms[room].card;
        // Only a top card one rank higher can take it.
        const int above = rankOf(card) + 1;
        for (unsigned columns = columnsRanked(ranks, above, above); columns != 0; columns &= columns - 1) {
            const int column = std::countr_zero(columns);
            const int top = tops[column];
            if (top < LastPosition && fits(card, table.columns[column].card[top]))
                recordMove(MoveCategory::RoomToDeck, room, column);
        }
    }
}

// The same search as a drop, with each Column's top card as a trial origin;
// a Deck counts when the drop would take it: within the capacity and the
// target Column's last position.
void Game::countColumnToColumn(const ColumnTops& tops, const TopRanks& ranks)
{
    SilentAccount silent;
    const int capacity = detection.freeSpace + 1;
    for (int source = 0; source < ColumnCount; ++source) {
        const int top = tops[source];
        if (top < 0)
            continue;
        const Selection trial{SelectionKind::Column, source, top, table.columns[source].card[top]};
        // A Deck's ranks rise from its top card: only a higher card can take any of it,
        // and a Deck that may move, one card per rank, reaches `capacity` ranks higher at most.
        const int rank = rankOf(trial.card);
        unsigned targets = columnsRanked(ranks, rank + 1, rank + capacity);
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
