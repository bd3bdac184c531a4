#include "game/solver.h"
#include "random_player.h"
#include "solver_replay.h"
#include "table_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tavolin::testing {
namespace {

constexpr std::uint32_t SmallPositions = 60;

// The table as the player sees it, place by place.
std::string tableKey(const Game& game)
{
    std::string key(1, game.flags.autoSuspended ? 's' : '-');
    for (const ColumnRec& column : game.table.columns) {
        for (int p = 0; p <= column.topPosition(); ++p)
            key += static_cast<char>('0' + column.card[p]);
        key += '|';
    }
    for (const SlotRec& room : game.table.rooms)
        key += room.occupied ? static_cast<char>('0' + room.card) : '.';
    return key;
}

bool isCleared(const Game& game)
{
    return std::all_of(game.table.columns.begin(), game.table.columns.end(),
                       [](const ColumnRec& column) { return column.isEmpty(); })
        && std::none_of(game.table.rooms.begin(), game.table.rooms.end(),
                        [](const SlotRec& room) { return room.occupied; });
}

DropOutcome dropOnTarget(Game& game, int target, int origin)
{
    if (target < RoomCount)
        return game.DropOnRoom(target);
    if (target < RoomCount + PileCount)
        return game.DropOnPile(target - RoomCount);
    const int column = target - RoomCount - PileCount;
    if (game.table.columns[column].isEmpty())
        return game.DropOnEmptyColumn(column);
    return column == origin ? DropOutcome::Ignored
                            : game.DropOnColumnTop(column, game.table.columns[column].topPosition());
}

// Every pick-up, every drop and both answers to the question, through the
// game's own calls: true when some sequence of them clears the table. A drop
// that is not taken leaves the card held, so the next target is tried on the
// same copy.
bool winsByTrial(const Game& start, AnsweringEvents& events)
{
    std::set<std::string> seen{tableKey(start)};
    std::vector<Game> waiting{start};
    while (!waiting.empty()) {
        const Game game = waiting.back();
        waiting.pop_back();
        for (int origin = -RoomCount; origin < ColumnCount; ++origin) {
            for (bool yes : {true, false}) {
                std::optional<Game> trial;
                auto pickUp = [&] {
                    trial.emplace(game);
                    if (!(origin < 0 ? trial->PickUpFromRoom(-1 - origin) : trial->PickUpFromColumn(origin)))
                        trial.reset();
                };
                pickUp();
                events.answer = yes;
                for (int target = 0; trial && target < RoomCount + PileCount + ColumnCount; ++target) {
                    const DropOutcome outcome = dropOnTarget(*trial, target, origin);
                    if (outcome == DropOutcome::Ignored)
                        continue;
                    if (outcome == DropOutcome::Done) {
                        trial->EndSelection(true);
                        finishAutoMoves(*trial);
                        if (isCleared(*trial))
                            return true;
                        if (seen.insert(tableKey(*trial)).second)
                            waiting.push_back(*trial);
                    }
                    pickUp();
                }
            }
        }
    }
    return false;
}

// The highest cards of some suits on a crowded table, the rest on the Piles:
// few enough cards for the trial, few enough free places to lose. With only
// the black suits left no card fits onto another, and positions are often lost.
void dealSmallPosition(Game& game, std::uint32_t seed)
{
    Dice dice(seed);
    const bool blackOnly = seed % 4 != 0;
    const int lowest = blackOnly ? 5 + dice.below(3) : 9 + dice.below(2);
    // Mostly lower cards under higher ones, as in a game that went wrong.
    std::vector<std::pair<int, CardCode>> cards;
    for (int suit = blackOnly ? 2 : 0; suit < SuitCount; ++suit)
        for (int rank = lowest; rank < RankCount; ++rank)
            cards.emplace_back(rank * 8 + dice.below(24), makeCard(rank, suit));
    std::sort(cards.begin(), cards.end());

    TableBuilder builder(game);
    for (int suit = 0; suit < SuitCount; ++suit)
        builder.pileUpTo(cardName(makeCard(blackOnly && suit < 2 ? KingRank : lowest - 1, suit)));
    for (int room = 0; room < RoomCount && dice.percent() < 85; ++room) {
        builder.room(room, cardName(cards.back().second));
        cards.pop_back();
    }
    int column = dice.below(ColumnCount);
    for (const auto& [key, card] : cards) {
        ColumnRec& rec = game.table.columns[column];
        const int top = rec.topPosition();
        rec.present[top + 1] = 1;
        rec.card[top + 1] = card;
        column = (column + 1) % ColumnCount;
    }
    if (dice.below(2) == 0)
        builder.autoMovesOn();
}

// A lost answer is exhaustive: the game's own calls, tried every way, agree.
TEST(SolverBruteForce, AgreesOnSmallPositions)
{
    AnsweringEvents events;
    int lost = 0;
    int won = 0;
    for (std::uint32_t seed = 1; seed <= SmallPositions; ++seed) {
        SCOPED_TRACE(seed);
        Game game(events);
        dealSmallPosition(game, seed);
        const SolverAnswer answer = solvePosition(game.table, game.flags.autoSuspended, SolverLimits{});
        ASSERT_NE(answer.verdict, SolverVerdict::Undecided);
        EXPECT_EQ(answer.verdict == SolverVerdict::Winnable, winsByTrial(game, events));
        if (answer.verdict == SolverVerdict::Winnable) {
            EXPECT_EQ(replayFault(game, answer.line), "");
        }
        lost += answer.verdict == SolverVerdict::Lost ? 1 : 0;
        won += answer.verdict == SolverVerdict::Winnable ? 1 : 0;
    }
    EXPECT_GT(lost, 5);
    EXPECT_GT(won, 5);
}

} // namespace
} // namespace tavolin::testing
