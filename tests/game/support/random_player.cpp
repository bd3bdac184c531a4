#include "random_player.h"
#include "solver_replay.h"

#include <algorithm>

namespace tavolin::testing {

PlayLimits limitsFor(std::uint32_t seed)
{
    PlayLimits limits;
    if (seed % 2 == 0) {
        limits.steerPercent = 100;
        limits.patience = 150;
    }
    return limits;
}

RandomGame::RandomGame(std::uint32_t seed, PlayLimits limits)
    : dice(seed), events(dice), game(events), limits_(limits)
{
    dealSeeded(game, seed);
}

GameEnd RandomGame::play(const std::function<void(const Game&)>& check)
{
    int lastProgress = 0;
    int cardsLeft = game.table.cardsLeft;
    for (steps_ = 0; steps_ < limits_.maxSteps; ++steps_) {
        if (!game.flags.autoSuspended)
            game.AutoMoveToPiles();
        if (game.flags.detectionOn)
            game.DetectMoves();
        if (check)
            check(game);
        if (game.table.autoRank >= RankCount)
            return GameEnd::Won;
        if (!game.flags.movesLeft)
            return GameEnd::NoMoveLeft;
        if (game.table.cardsLeft < cardsLeft) {
            cardsLeft = game.table.cardsLeft;
            lastProgress = steps_;
        }
        if (steps_ - lastProgress >= limits_.patience)
            return GameEnd::GaveUp;
        act();
        if (check)
            check(game);
    }
    return GameEnd::StepLimit;
}

// One card picked up from a random place; when no place takes it, the
// player puts it back, as a player who changed their mind would.
void RandomGame::act()
{
    if (game.flags.undoEnabled && dice.percent() < limits_.undoPercent) {
        game.Undo();
        return;
    }
    // Every card that can be picked up: Room cards as -1 - room, Columns as their index.
    std::array<int, RoomCount + ColumnCount> origins{};
    int count = 0;
    for (int room = 0; room < RoomCount; ++room)
        if (game.table.rooms[room].occupied)
            origins[count++] = -1 - room;
    for (int column = 0; column < ColumnCount; ++column)
        if (!game.table.columns[column].isEmpty())
            origins[count++] = column;
    if (count == 0)
        return;
    const int origin = origins[dice.below(count)];
    const bool picked = origin < 0 ? game.PickUpFromRoom(-1 - origin) : game.PickUpFromColumn(origin);
    if (!picked)
        return;
    if (dice.percent() < limits_.putBackPercent || !dropSomewhere(origin))
        game.PutBack();
}

// Tries the places in a random order; true once a drop ended the selection.
bool RandomGame::dropSomewhere(int originColumn)
{
    Targets targets = allPlaces();
    if (dice.percent() >= limits_.steerPercent)
        return dropOnAny(targets.begin(), targets.end(), originColumn);
    const auto columns = targets.begin() + PileCount;
    const auto rooms = columns + ColumnCount;
    return dropOnAny(targets.begin(), columns, originColumn) || dropOnAny(columns, rooms, originColumn)
        || dropOnAny(rooms, targets.end(), originColumn);
}

// Tries the places from first to last in a random order; true once one took the drop.
bool RandomGame::dropOnAny(Targets::iterator first, Targets::iterator last, int originColumn)
{
    for (auto end = last; end - first > 1; --end)
        std::iter_swap(end - 1, first + dice.below(static_cast<int>(end - first)));
    return std::any_of(first, last, [&](const Place& target) { return tryDrop(target, originColumn); });
}

bool RandomGame::tryDrop(const Place& target, int originColumn)
{
    if (target == Place{PlaceKind::Column, originColumn})
        return false;
    const DropOutcome outcome = dropOn(game, target);
    if (outcome == DropOutcome::Ignored)
        return false;
    game.EndSelection(outcome == DropOutcome::Done);
    return true;
}

} // namespace tavolin::testing
