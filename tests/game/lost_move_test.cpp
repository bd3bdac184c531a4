// The move that lost the game: games lost on purpose at a known transfer,
// recorded as the window records them, from its own reports.
#include "game/game_record.h"
#include "game/lost_move.h"
#include "solver_replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

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

// "8h" or "5a": a transfer as the command line writes it, to the Pile that
// takes the card for "h".
SolverTransfer transferNamed(const Game& game, const std::string& named)
{
    const Place from = placeNamed(named[0]);
    if (named[1] != 'h')
        return {from, placeNamed(named[1])};
    const CardCode card = from.kind == PlaceKind::Room
        ? game.table.rooms[from.index].card
        : game.table.columns[from.index].card[game.table.columns[from.index].topPosition()];
    const auto& suits = game.table.pileSuit;
    const auto pile = std::find(suits.begin(), suits.end(), suitOf(card)) - suits.begin();
    return {from, {PlaceKind::Pile, static_cast<int>(pile)}};
}

struct Scenario {
    const char* name;
    std::uint32_t deal;
    // Made first: the start of a winning line, written out so that the
    // losing transfer after it stays the same whatever line the solver finds.
    const char* opening;
    bool undoneOnce;            // the opening's last transfer taken back
    const char* losing;         // then this one, "7 d", when given
    bool playedOn;              // then on until no new table is left
    bool recordedFromTheLoss;   // the record starts after the losing transfer
    LostMoveFinding expected;   // LostBy: the losing transfer
};

// Also said: searches that do not decide, given too little room or stopped.
TEST(LostMove, TheTransferThatLostIsNamed)
{
    constexpr const char* Deal3 = "5a 4b 8c 8h 58 36";
    constexpr const char* Deal38 = "63 13 67 45 64 6a 62 1b 1c 5h 5b 5d 58 a8 b8 57 5h 8h 3a 3b 3h 3h 73 83 75 76 "
                                   "bh 3b 3h 35 d6 53 56 36 4d c4 63 1c 1h 2h 36 41 4h c4 2c bh";
    const Scenario scenarios[] = {
        {"early, played on to the end", 3, Deal3, false, "4 d", true, false, LostMoveFinding::LostBy},
        {"late, finished with moves left", 38, Deal38, false, "8 b", false, false, LostMoveFinding::LostBy},
        {"after an Undo", 20, "51 87 6a 6b 2c 6d", true, "4 d", true, false, LostMoveFinding::LostBy},
        {"finished while still winnable", 3, "5a 4b 8c 8h 58 36 51 54 2d 42 68", true, nullptr, false, false,
         LostMoveFinding::NotLost},
        {"recorded from a lost table on", 3, Deal3, false, "4 d", true, true, LostMoveFinding::LostFromTheDeal},
    };
    const std::atomic<bool> stopped{true};
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        RecordedGame played;
        dealSeeded(played.game, s.deal);
        played.record.dealt();
        std::istringstream opening(s.opening);
        int made = 0;
        for (std::string named; opening >> named; ++made)
            ASSERT_TRUE(played.make(transferNamed(played.game, named))) << named;
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
        EXPECT_EQ(found.transfer, static_cast<std::size_t>(made - (s.undoneOnce ? 1 : 0)));
        const GameRecord::Step& lost = played.record.steps()[found.transfer];
        EXPECT_TRUE(lost.transfer.from == placeNamed(s.losing[0]) && lost.transfer.to == placeNamed(s.losing[2]));
        EXPECT_LE(found.searches, 2 + static_cast<int>(std::log2(tables.size()))) << "a few, not one a table";
    }
}

} // namespace
} // namespace tavolin::testing
