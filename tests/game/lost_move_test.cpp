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

    void transferDone(const Transfer& t) override { record.transferMade(game.table, t, game.flags.autoSuspended); }
    void tableRestored() override { record.undone(); }

    bool make(const SolverTransfer& transfer)
    {
        answer = !transfer.oneOfSeveral;
        const bool done = pickUp(game, transfer.from) && dropOn(game, transfer.to) == DropOutcome::Done;
        if (!game.selection.isEmpty())
            game.EndSelection(done);
        finishAutoMoves(game);
        return done;
    }

    // Transfers to tables not met before, any other one taken back, until
    // none is left.
    void playOn()
    {
        std::vector<TableCards> seen;
        for (bool moved = true; moved;) {
            seen.push_back(cardsOf(game.table, game.flags.autoSuspended));
            moved = false;
            for (const Place& from : allPlaces())
                for (const Place& to : allPlaces()) {
                    if (moved || from.kind == PlaceKind::Pile || !make({from, to}))
                        continue;
                    moved = std::find(seen.begin(), seen.end(), cardsOf(game.table, game.flags.autoSuspended))
                        == seen.end();
                    if (!moved)
                        game.Undo();
                }
        }
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
    bool playedOn;              // then on until no new table is left
    bool recordedFromTheLoss;   // the record starts after the losing transfer
    LostMoveFinding expected;   // LostBy: the losing transfer
};

// Also said: searches that do not decide, given too little room or stopped.
TEST(LostMove, TheTransferThatLostIsNamed)
{
    const Scenario scenarios[] = {
        {"early, played on to the end", 3, 6, false, "4 d", true, false, LostMoveFinding::LostBy},
        {"late, finished with moves left", 38, 46, false, "8 b", false, false, LostMoveFinding::LostBy},
        {"after an Undo", 20, 5, true, "4 d", true, false, LostMoveFinding::LostBy},
        {"finished while still winnable", 3, 10, true, nullptr, false, false, LostMoveFinding::NotLost},
        {"recorded from a lost table on", 3, 6, false, "4 d", true, true, LostMoveFinding::LostFromTheDeal},
    };
    const std::atomic<bool> stopped{true};
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        RecordedGame played;
        dealSeeded(played.game, s.deal);
        played.record.dealt();
        const SolverAnswer answer = solvePosition(played.game.table, true, Thorough);
        for (int i = 0; i < s.lineTransfers + (s.undoneOnce ? 1 : 0); ++i)
            ASSERT_TRUE(played.make(answer.line[i]));
        if (s.undoneOnce)
            played.game.Undo();
        if (s.losing && !played.make({placeNamed(s.losing[0]), placeNamed(s.losing[2])}))
            FAIL() << "the losing transfer cannot be made";
        if (s.recordedFromTheLoss)
            played.record.dealt();
        if (s.playedOn)
            played.playOn();
        played.record.gameEnded(played.game.table, played.game.flags.autoSuspended);

        const std::vector<TableCards> tables = played.record.tables();
        const LostMove found = findLostMove(tables, Thorough);
        EXPECT_EQ(found.finding, s.expected);
        EXPECT_EQ(findLostMove(tables, SolverLimits{std::chrono::hours(1), 1}).finding, LostMoveFinding::Undecided);
        EXPECT_EQ(findLostMove(tables, Thorough, &stopped).finding, LostMoveFinding::Undecided);
        if (s.expected != LostMoveFinding::LostBy)
            continue;
        EXPECT_EQ(found.transfer, static_cast<std::size_t>(s.lineTransfers));
        const GameRecord::Step& lost = played.record.steps()[found.transfer];
        EXPECT_TRUE(lost.transfer.from == placeNamed(s.losing[0]) && lost.transfer.to == placeNamed(s.losing[2]));
        EXPECT_LE(found.searches, 2 + static_cast<int>(std::log2(tables.size()))) << "a few, not one a table";
    }
}

} // namespace
} // namespace tavolin::testing
