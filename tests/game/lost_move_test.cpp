// The move that lost the game: games lost on purpose at a known transfer,
// recorded as the window records them, from its own reports.
#include "game/game_record.h"
#include "game/lost_move.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tavolin::testing {
namespace {

const SolverLimits Thorough{std::chrono::hours(1), 2'000'000};

// The game reports its transfers and Undo to the record, as to the window.
class RecordedGame : public AnsweringEvents {
public:
    GameRecord record;
    Game game{*this};

    void transferDone(const Transfer& transfer) override
    {
        record.transferMade(game.table, transfer, game.flags.autoSuspended);
    }
    void tableRestored() override { record.undone(); }

    bool make(const SolverTransfer& transfer)
    {
        answer = !transfer.oneOfSeveral;
        if (!pickUp(game, transfer.from))
            return false;
        if (dropOn(game, transfer.to) != DropOutcome::Done) {
            game.PutBack();
            return false;
        }
        game.EndSelection(true);
        finishAutoMoves(game);
        return true;
    }

    // Any transfer to a table not met before, until none is left or the
    // player gives up.
    void playOn()
    {
        std::vector<TableCards> seen{cardsOf(game.table, game.flags.autoSuspended)};
        for (int turn = 0; turn < 100; ++turn) {
            game.DetectMoves();
            if (!game.flags.movesLeft || !makeOneLeadingElsewhere(seen))
                return;
        }
    }

private:
    bool makeOneLeadingElsewhere(std::vector<TableCards>& seen)
    {
        for (const Place& from : allPlaces())
            for (const Place& to : allPlaces()) {
                RecordedGame trial;
                copyGame(game, trial.game);
                if (from.kind == PlaceKind::Pile || !trial.make({from, to}))
                    continue;
                const TableCards after = cardsOf(trial.game.table, trial.game.flags.autoSuspended);
                if (std::find(seen.begin(), seen.end(), after) != seen.end())
                    continue;
                seen.push_back(after);
                return make({from, to});
            }
        return false;
    }
};

Place placeNamed(char name)
{
    if (name >= '1' && name <= '8')
        return {PlaceKind::Column, name - '1'};
    return {PlaceKind::Room, name - 'a'};
}

struct Scenario {
    const char* name;
    std::uint32_t deal;
    int lineTransfers;          // made first, from the solver's winning line
    bool undoneOnce;            // then the line's next one, taken back
    const char* losing;         // then this one, "7 d", when given
    bool playedOn;              // then on until no move is left
    LostMoveFinding expected;   // LostBy: the losing transfer
};

TEST(LostMove, TheTransferThatLostIsNamed)
{
    const Scenario scenarios[] = {
        {"early, played on to the end", 3, 6, false, "4 d", true, LostMoveFinding::LostBy},
        {"late, finished with moves left", 38, 46, false, "8 b", false, LostMoveFinding::LostBy},
        {"after an Undo", 20, 5, true, "4 d", true, LostMoveFinding::LostBy},
        {"finished while still winnable", 3, 10, true, nullptr, false, LostMoveFinding::NotLost},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        RecordedGame played;
        dealSeeded(played.game, s.deal);
        played.record.dealt();
        const SolverAnswer answer = solvePosition(played.game.table, true, Thorough);
        ASSERT_EQ(answer.verdict, SolverVerdict::Winnable);
        for (int i = 0; i < s.lineTransfers; ++i)
            ASSERT_TRUE(played.make(answer.line[i]));
        if (s.undoneOnce) {
            ASSERT_TRUE(played.make(answer.line[s.lineTransfers]));
            played.game.Undo();
        }
        if (s.losing) {
            ASSERT_TRUE(played.make({placeNamed(s.losing[0]), placeNamed(s.losing[2])}));
        }
        if (s.playedOn)
            played.playOn();
        played.record.gameEnded(played.game.table, played.game.flags.autoSuspended);

        const std::vector<TableCards> tables = played.record.tables();
        ASSERT_EQ(tables.size(), played.record.steps().size() + 1);
        const LostMove found = findLostMove(tables, Thorough);
        EXPECT_EQ(found.finding, s.expected);
        if (s.expected != LostMoveFinding::LostBy)
            continue;
        EXPECT_EQ(found.transfer, static_cast<std::size_t>(s.lineTransfers));
        const GameRecord::Step& lost = played.record.steps()[found.transfer];
        EXPECT_EQ(lost.transfer.from, placeNamed(s.losing[0]));
        EXPECT_EQ(lost.transfer.to, placeNamed(s.losing[2]));
        // A few searches, not one a table.
        EXPECT_LE(found.searches, 2 + static_cast<int>(std::log2(tables.size())));
        // What makes it the losing one.
        const auto verdictOf = [](const TableCards& t) {
            return solvePosition(tableOf(t), t.autoSuspended, Thorough).verdict;
        };
        EXPECT_EQ(verdictOf(tables[found.transfer]), SolverVerdict::Winnable);
        EXPECT_EQ(verdictOf(tables[found.transfer + 1]), SolverVerdict::Lost);
    }
}

// A record that starts on a table already lost, and searches that cannot
// decide, whether stopped or given too little room.
TEST(LostMove, ALostStartAndSearchesThatDoNotDecideAreSaidSo)
{
    RecordedGame played;
    dealSeeded(played.game, 3);
    const SolverAnswer answer = solvePosition(played.game.table, true, Thorough);
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(played.make(answer.line[i]));
    ASSERT_TRUE(played.make({placeNamed('4'), placeNamed('d')}));
    played.record.dealt();
    played.playOn();
    played.record.gameEnded(played.game.table, played.game.flags.autoSuspended);
    const std::vector<TableCards> tables = played.record.tables();
    ASSERT_GT(tables.size(), 2u);
    EXPECT_EQ(findLostMove(tables, Thorough).finding, LostMoveFinding::LostFromTheDeal);

    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(findLostMove(tables, Thorough, &cancelled).finding, LostMoveFinding::Undecided);
    EXPECT_EQ(findLostMove(tables, SolverLimits{std::chrono::hours(1), 1}).finding, LostMoveFinding::Undecided);
}

} // namespace
} // namespace tavolin::testing
