#include "game/solver.h"
#include "random_player.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

namespace tavolin::testing {
namespace {

constexpr std::uint32_t SolvedDeals = 200;
constexpr std::uint32_t SolvedRandomGames = 100;

const SolverLimits Generous{std::chrono::milliseconds(2000), 300'000};

// A winnable answer is believed only when its line wins through the game's own calls.
void expectLineWins(const Game& game, const SolverAnswer& answer)
{
    if (answer.verdict != SolverVerdict::Winnable)
        return;
    const std::string fault = replayFault(game, answer.line);
    EXPECT_TRUE(fault.empty()) << fault;
}

TEST(Solver, LinesForSeededDealsWin)
{
    int winnable = 0;
    for (std::uint32_t seed = 1; seed <= SolvedDeals; ++seed) {
        SCOPED_TRACE(seed);
        Dice dice(seed);
        QuietEvents events(dice);
        Game game(events);
        dealSeeded(game, seed);
        const SolverAnswer answer = solvePosition(game.table, game.flags.autoSuspended, Generous);
        winnable += answer.verdict == SolverVerdict::Winnable ? 1 : 0;
        expectLineWins(game, answer);
    }
    EXPECT_GT(winnable, 0);
}

// Positions from the middle of games, also right after an Undo.
TEST(Solver, LinesFromRandomPositionsWin)
{
    int solved = 0;
    for (std::uint32_t seed = 1; seed <= SolvedRandomGames; ++seed) {
        SCOPED_TRACE(seed);
        RandomGame random(seed, PlayLimits{.maxSteps = 20 + static_cast<int>(seed % 60)});
        random.play();
        Game game = random.game;
        if (!game.flags.gameInPlay || !game.selection.isEmpty())
            continue;
        const SolverAnswer answer = solvePosition(game.table, game.flags.autoSuspended, Generous);
        solved += answer.verdict == SolverVerdict::Winnable ? 1 : 0;
        expectLineWins(game, answer);
    }
    EXPECT_GT(solved, 0);
}

} // namespace
} // namespace tavolin::testing
