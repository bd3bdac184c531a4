#include "game/solver.h"
#include "random_player.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

namespace tavolin::testing {
namespace {

constexpr std::uint32_t SolvedDeals = 200;
constexpr std::uint32_t SolvedRandomGames = 100;

const SolverLimits Generous{std::chrono::milliseconds(2000), 40'000};

// A winnable answer is believed only when its line wins through the game's own calls.
void expectLineWins(const Game& game, const SolverAnswer& answer)
{
    if (answer.verdict != SolverVerdict::Winnable)
        return;
    const std::string fault = replayFault(game, answer.line);
    EXPECT_TRUE(fault.empty()) << fault;
}

// No transfer of the line is taken back later for nothing: where the next
// move of the same card takes it back to the place it came from, the line
// without the two does not win.
void expectNothingUndoneForNothing(const Game& game, const std::vector<SolverTransfer>& line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::size_t next = i + 1;
        while (next < line.size() && line[next].card != line[i].card)
            ++next;
        if (next == line.size() || line[next].to != line[i].from)
            continue;
        std::vector<SolverTransfer> without = line;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(next));
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_NE(replayFault(game, without), "") << "transfers " << i << " and " << next << " undo each other";
    }
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
        expectNothingUndoneForNothing(game, answer.line);
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

// A search that is stopped, or runs out of room for positions, says so and
// gives no line; so does a table the player is holding a card of, or one the
// game cannot make.
TEST(Solver, UndecidedWhenStoppedOrGivenABadTable)
{
    Dice dice(1);
    QuietEvents events(dice);
    Game dealt(events);
    dealSeeded(dealt, 5);
    const std::atomic<bool> cancelled{true};
    const SolverLimits noTime{std::chrono::milliseconds(0), 2'000'000};
    const SolverLimits fewPositions{std::chrono::milliseconds(5000), 6};

    Game holding(dealt);
    ASSERT_TRUE(holding.PickUpFromColumn(3));
    TableState twice = dealt.table;
    twice.columns[0].card[2] = twice.columns[5].card[4];
    TableState gap = dealt.table;
    gap.columns[2].present[1] = 0;
    TableState unknownCard = dealt.table;
    unknownCard.columns[7].card[0] = PackSize;

    struct Case {
        const char* name;
        const TableState& table;
        SolverLimits limits;
        const std::atomic<bool>* cancelled;
    };
    const Case cases[] = {
        {"cancelled", dealt.table, SolverLimits{}, &cancelled},
        {"no time", dealt.table, noTime, nullptr},
        {"few positions", dealt.table, fewPositions, nullptr},
        {"a card held", holding.table, SolverLimits{}, nullptr},
        {"a card twice", twice, SolverLimits{}, nullptr},
        {"a gap in a Column", gap, SolverLimits{}, nullptr},
        {"no such card", unknownCard, SolverLimits{}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolverAnswer answer = solvePosition(c.table, true, c.limits, c.cancelled);
        EXPECT_EQ(answer.verdict, SolverVerdict::Undecided);
        EXPECT_TRUE(answer.line.empty());
    }
    EXPECT_EQ(solvePosition(dealt.table, true, SolverLimits{}).verdict, SolverVerdict::Winnable);
}

// A clock that moves on by a millisecond each time it is read.
std::chrono::steady_clock::time_point tickingClock()
{
    static std::atomic<std::int64_t> ticks{0};
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(++ticks));
}

// The limits hold for all the searches together: a deal that needs far more
// positions is undecided within the positions given, and within the time
// given, whose clock is read after every SolverClockPositions positions.
TEST(Solver, LimitsHoldForAllSearchesTogether)
{
    AnsweringEvents events;
    Game game(events);
    dealSeeded(game, 16);
    constexpr std::uint64_t Positions = 10'000;
    const SolverAnswer counted = solvePosition(game.table, true, {std::chrono::milliseconds::max(), Positions});
    EXPECT_EQ(counted.verdict, SolverVerdict::Undecided);
    EXPECT_LE(counted.positions, Positions);
    EXPECT_GT(counted.positions, Positions - SolverClockPositions);

    constexpr int Ticks = 20;
    const SolverAnswer timed =
        solvePosition(game.table, true, {std::chrono::milliseconds(Ticks), 1'000'000, &tickingClock});
    EXPECT_EQ(timed.verdict, SolverVerdict::Undecided);
    EXPECT_LE(timed.positions, (Ticks + 1) * SolverClockPositions);
    EXPECT_GT(timed.positions, Ticks / 2 * SolverClockPositions);

    // Given enough, the same deal is won.
    EXPECT_EQ(solvePosition(game.table, true, {std::chrono::milliseconds::max(), 200'000}).verdict,
              SolverVerdict::Winnable);
}

TEST(Solver, TransferLines)
{
    const Place column3{PlaceKind::Column, 2};
    const Place room2{PlaceKind::Room, 1};
    const Place pile4{PlaceKind::Pile, 3};
    const Place column8{PlaceKind::Column, 7};
    struct Case {
        SolverTransfer transfer;
        const char* line;
    };
    const Case cases[] = {
        {{column3, room2, 0, 1, false}, "3 b"},
        {{room2, pile4, 0, 1, false}, "b h"},
        {{column3, pile4, 0, 1, false}, "3 h"},
        {{room2, column8, 0, 1, false}, "b 8"},
        {{column8, column3, 0, 4, false}, "8 3"},
        {{column3, column8, 0, 1, true}, "3 8 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(transferLine(c.transfer), c.line);
}

} // namespace
} // namespace tavolin::testing
