// Following the hints: a player who does what each hint says wins every
// winnable game without coming back to a table, on one search a game.
#include "game/hint_line.h"
#include "random_player.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tavolin::testing {
namespace {

// Counted in positions only, so that the answers do not depend on the load.
const SolverLimits Patient{std::chrono::hours(1), 2'000'000};

struct Followed {
    SolverVerdict verdict = SolverVerdict::Undecided;   // of the first search
    int searches = 0;
    std::string fault;   // empty once the game is won
};

// Asks for a hint as the window does, and makes the transfer it names
// through the game's own calls, until the game is won or a hint fails.
Followed followHints(const Game& start)
{
    AnsweringEvents events;
    Game game(events);
    copyGame(start, game);
    finishAutoMoves(game);
    HintLine line;
    Followed followed;
    std::vector<TableCards> seen{cardsOf(game.table, game.flags.autoSuspended)};
    while (game.table.cardsLeft > 0) {
        std::optional<SolverTransfer> hint = line.next(game.table, game.flags.autoSuspended);
        if (!hint) {
            const SolverAnswer answer = solvePosition(game.table, game.flags.autoSuspended, Patient);
            if (followed.searches++ == 0)
                followed.verdict = answer.verdict;
            followed.fault = "no winning line";
            if (answer.verdict != SolverVerdict::Winnable)
                return followed;
            line.keep(game.table, game.flags.autoSuspended, answer.line);
            hint = line.next(game.table, game.flags.autoSuspended);
        }
        followed.fault = "hint " + std::to_string(seen.size()) + (hint ? " " + transferLine(*hint) : std::string());
        events.answer = hint && !hint->oneOfSeveral;
        if (!hint || !pickUp(game, hint->from) || dropOn(game, hint->to) != DropOutcome::Done)
            return followed;
        game.EndSelection(true);
        finishAutoMoves(game);
        seen.push_back(cardsOf(game.table, game.flags.autoSuspended));
        if (std::find(seen.begin(), seen.end() - 1, seen.back()) != seen.end() - 1)
            return followed;
    }
    followed.fault.clear();
    return followed;
}

// Won on one search, or lost at once.
SolverVerdict expectFollowedToTheWin(const Game& game)
{
    const Followed followed = followHints(game);
    EXPECT_NE(followed.verdict, SolverVerdict::Undecided);
    EXPECT_EQ(followed.searches, 1) << "the line was searched again";
    EXPECT_EQ(followed.fault.empty(), followed.verdict == SolverVerdict::Winnable) << followed.fault;
    return followed.verdict;
}

// Deal 1796674830 sent a player round in a circle when each hint came from a
// search of its own.
TEST(HintLine, FollowingTheHintsWinsEveryDeal)
{
    std::vector<std::uint32_t> deals(1000);
    std::iota(deals.begin(), deals.end(), 1u);
    deals.push_back(1796674830u);
    for (const std::uint32_t deal : deals) {
        SCOPED_TRACE(deal);
        AnsweringEvents events;
        Game game(events);
        dealSeeded(game, deal);
        EXPECT_EQ(expectFollowedToTheWin(game), SolverVerdict::Winnable);
    }
}

// Half-played games, some right after an Undo.
TEST(HintLine, FollowingTheHintsWinsFromTheMiddleOfGames)
{
    int positions = 0;
    int lost = 0;
    for (std::uint32_t seed = 1; positions < 500; ++seed) {
        SCOPED_TRACE(seed);
        RandomGame random(seed, PlayLimits{.maxSteps = 10 + static_cast<int>(seed % 90)});
        const GameEnd end = random.play();
        if (end == GameEnd::Won || end == GameEnd::NoMoveLeft)
            continue;
        ++positions;
        lost += expectFollowedToTheWin(random.game) == SolverVerdict::Lost ? 1 : 0;
    }
    EXPECT_GT(lost, 0);
}

} // namespace
} // namespace tavolin::testing
