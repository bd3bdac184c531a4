#include "game/solver_position.h"
#include "random_player.h"
#include "solver_replay.h"
#include "table_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tavolin::testing {
namespace {

using solver::Position;

constexpr std::uint32_t CheckedGames = 400;

// The game after the transfer and its automatic moves, or nothing when the game does not make it.
std::optional<Position> modelAfter(const Game& start, AnsweringEvents& events, const Place& from, const Place& to,
                                   bool yes)
{
    Game game(events);
    copyGame(start, game);
    events.answer = yes;
    if (!pickUp(game, from) || dropOn(game, to) != DropOutcome::Done)
        return std::nullopt;
    game.EndSelection(true);
    finishAutoMoves(game);
    solver::PileSuits suits;
    return solver::positionOf(game.table, game.flags.autoSuspended, suits);
}

// The solver's own copy of the table offers exactly the transfers the game
// makes, and each leads to the table the game leaves; the number compared.
int expectTransfersAgree(const Game& table, AnsweringEvents& events)
{
    Game start(events);
    copyGame(table, start);
    finishAutoMoves(start);
    solver::PileSuits suits;
    const std::optional<Position> position = solver::positionOf(start.table, start.flags.autoSuspended, suits);
    if (!position) {
        ADD_FAILURE() << "no position";
        return 0;
    }
    std::vector<SolverTransfer> offered;
    solver::listTransfers(*position, suits, offered);
    std::set<std::uint64_t> reached;
    for (const SolverTransfer& transfer : offered) {
        SCOPED_TRACE(transferLine(transfer));
        const auto model = modelAfter(start, events, transfer.from, transfer.to, !transfer.oneOfSeveral);
        if (!model) {
            ADD_FAILURE() << "the game refuses an offered transfer";
            continue;
        }
        EXPECT_EQ(solver::applied(*position, suits, transfer), *model);
        reached.insert(solver::fingerprint(*model));
    }
    // What a transfer to a Room and one back from it leave.
    std::set<std::uint64_t> throughRoom;
    for (const SolverTransfer& toRoom : offered) {
        if (toRoom.to.kind != PlaceKind::Room)
            continue;
        const Position between = solver::applied(*position, suits, toRoom);
        std::vector<SolverTransfer> then;
        solver::listTransfers(between, suits, then);
        for (const SolverTransfer& back : then)
            if (back.from == toRoom.to)
                throughRoom.insert(solver::fingerprint(solver::applied(between, suits, back)));
    }
    // Every transfer the game makes that changes the table is offered, up to
    // the order of Columns and Rooms; one card of several may be offered as
    // that card through a Room.
    for (const Place& from : allPlaces())
        for (const Place& to : allPlaces())
            for (bool yes : {true, false}) {
                const auto model = modelAfter(start, events, from, to, yes);
                if (!model || solver::fingerprint(*model) == solver::fingerprint(*position))
                    continue;
                const std::uint64_t reachedAs = solver::fingerprint(*model);
                EXPECT_TRUE(reached.contains(reachedAs) || (!yes && throughRoom.contains(reachedAs)))
                    << "not offered: " << transferLine({from, to, 0, 1, !yes});
            }
    return static_cast<int>(offered.size());
}

// Positions of random games, the Piles reserved in a shuffled order.
TEST(SolverPosition, TransfersAgreeWithTheGameInPlay)
{
    AnsweringEvents events;
    int compared = 0;
    for (std::uint32_t seed = 1; seed <= CheckedGames; ++seed) {
        SCOPED_TRACE(seed);
        RandomGame random(seed, PlayLimits{.maxSteps = static_cast<int>(seed % 60)});
        std::rotate(random.game.table.pileSuit.begin(), random.game.table.pileSuit.begin() + seed % 4,
                    random.game.table.pileSuit.end());
        random.play();
        if (random.game.selection.isEmpty())
            compared += expectTransfersAgree(random.game, events);
    }
    EXPECT_GT(compared, 1000);
}

// What random games seldom reach: a Column near its last position or at it,
// transfers to an empty Column while the automatic moves are suspended, and
// one card of several with every Room taken.
TEST(SolverPosition, TransfersAgreeWithTheGameAtTheEdges)
{
    AnsweringEvents events;
    for (int variant = 0; variant < 6; ++variant) {
        SCOPED_TRACE(variant);
        Game game(events);
        TableBuilder builder(game);
        // A Deck of two onto the tall Column's 4H would pass its last position.
        if (variant < 2)
            builder.column(0, {"6C", "7D", "5C", "8D", "9C", "10D", "JH", "KS", "QH", "JS", "10H", "9S", "8H", "7S",
                               "6H", "5S", "4H"})
                .column(2, {"3C"});
        else
            builder.column(0, {"6C", "7D", "5C", "8D", "9C", "10D", "JH", "KS", "QH", "JS", "10H", "9S", "8H", "7S",
                               "6H", "5S", "4H", "3C"});
        builder.column(1, {"KD", "3S", "2H"}).column(3, {"QD", "AS"}).room(0, "QC").room(2, "2D");
        if (variant >= 4)
            builder.room(1, "KC").room(3, "QS");
        if (variant % 2 == 1)
            builder.autoMovesOn();
        EXPECT_GT(expectTransfersAgree(game, events), 5);
    }
}

// Positions equal up to the order of Columns and of Rooms share a fingerprint;
// a changed card order, a changed Room or the pause of the automatic moves does not.
TEST(SolverPosition, FingerprintIgnoresOnlyTheOrderOfPlaces)
{
    AnsweringEvents events;
    Game game(events);
    dealSeeded(game, 7);
    solver::PileSuits suits;
    Position position = *solver::positionOf(game.table, false, suits);
    position.room = {5, solver::NoCard, 9, solver::NoCard};
    Position swapped = position;
    std::swap(swapped.column[1], swapped.column[6]);
    std::swap(swapped.height[1], swapped.height[6]);
    swapped.room = {9, 5, solver::NoCard, solver::NoCard};
    EXPECT_EQ(solver::fingerprint(position), solver::fingerprint(swapped));
    Position reordered = position;
    std::swap(reordered.column[2][0], reordered.column[2][1]);
    EXPECT_NE(solver::fingerprint(position), solver::fingerprint(reordered));
    Position suspended = position;
    suspended.autoSuspended = true;
    EXPECT_NE(solver::fingerprint(position), solver::fingerprint(suspended));
    // The Piles are not in the fingerprint: a Room's card gone up differs by the Room alone.
    Position roomCardUp = position;
    roomCardUp.room[2] = solver::NoCard;
    EXPECT_NE(solver::fingerprint(position), solver::fingerprint(roomCardUp));
}

} // namespace
} // namespace tavolin::testing
