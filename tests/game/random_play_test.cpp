#include "random_player.h"
#include "solver_replay.h"
#include "table_check.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace tavolin::testing {
namespace {

constexpr std::uint32_t RandomDeals = 6000;
constexpr std::uint32_t CrossCheckedDeals = 300;

// The moves of the four detected kinds that a drop would carry out, found by
// trying every one of them on a copy of the game.
std::array<int, MoveCategoryCount> movesByTrial(const Game& game)
{
    std::array<int, MoveCategoryCount> counts{};
    auto tally = [&](MoveCategory category) { ++counts[static_cast<int>(category)]; };
    for (const Place& from : allPlaces())
        for (const Place& to : allPlaces()) {
            const bool fromRoom = from.kind == PlaceKind::Room, toPile = to.kind == PlaceKind::Pile;
            if (from.kind == PlaceKind::Pile || to.kind == PlaceKind::Room || from == to
                || (!toPile && game.table.columns[to.index].isEmpty()))
                continue;
            Game trial = game;
            if (pickUp(trial, from) && dropOn(trial, to) == DropOutcome::Done)
                tally(toPile ? (fromRoom ? MoveCategory::RoomToPile : MoveCategory::DeckToPile)
                             : (fromRoom ? MoveCategory::RoomToDeck : MoveCategory::ColumnToColumn));
        }
    return counts;
}

// Stops reporting after the first fault of a game: one broken table is enough to read.
class ConservationCheck {
public:
    explicit ConservationCheck(std::uint32_t seed) : seed_(seed) {}

    void operator()(const Game& game)
    {
        if (failed_)
            return;
        const std::string fault = faultBetweenPasses(game);
        if (!fault.empty()) {
            failed_ = true;
            ADD_FAILURE() << "deal " << seed_ << ": " << fault;
        }
    }

    bool failed() const { return failed_; }

private:
    std::uint32_t seed_;
    bool failed_ = false;
};

TEST(RandomPlayTest, EveryGameKeepsItsCardsAndEndsAsTheRulesSay)
{
    std::map<GameEnd, int> ends;
    for (std::uint32_t seed = 1; seed <= RandomDeals; ++seed) {
        RandomGame random(seed, limitsFor(seed));
        ConservationCheck check(seed);
        const GameEnd end = random.play(std::ref(check));
        ++ends[end];
        if (check.failed())
            break;
        const Game& game = random.game;
        switch (end) {
        case GameEnd::Won:
            EXPECT_EQ(game.table.cardsLeft, 0) << seed;
            break;
        case GameEnd::NoMoveLeft: {
            EXPECT_EQ(game.detection.freeSpace, 0) << seed;
            EXPECT_FALSE(game.flags.detectionOn) << seed;
            EXPECT_FALSE(game.flags.undoEnabled) << seed;
            const auto possible = movesByTrial(game);
            EXPECT_EQ(possible, (std::array<int, MoveCategoryCount>{})) << "deal " << seed << " was not lost";
            break;
        }
        case GameEnd::GaveUp:
        case GameEnd::StepLimit:
            EXPECT_TRUE(game.flags.movesLeft) << seed;
            EXPECT_TRUE(game.detection.anyMove() || game.detection.freeSpace > 0) << seed;
            break;
        }
    }
    EXPECT_GT(ends[GameEnd::NoMoveLeft], 0);
    RecordProperty("won", ends[GameEnd::Won]);
    RecordProperty("lost", ends[GameEnd::NoMoveLeft]);
    RecordProperty("gaveUp", ends[GameEnd::GaveUp]);
    RecordProperty("unfinished", ends[GameEnd::StepLimit]);
}

// Move detection counts exactly the moves that the drops would carry out.
TEST(RandomPlayTest, DetectionCountsWhatTheDropsAccept)
{
    for (std::uint32_t seed = 1; seed <= CrossCheckedDeals; ++seed) {
        RandomGame random(seed, limitsFor(seed));
        bool agreed = true;
        random.play([&](const Game& game) {
            if (!agreed || !game.selection.isEmpty())
                return;
            Game probe = game;
            probe.DetectMoves();
            const auto byTrial = movesByTrial(game);
            agreed = probe.detection.counts == byTrial;
            EXPECT_TRUE(agreed) << "deal " << seed << ": detected " << probe.detection.counts[0] << ' '
                                << probe.detection.counts[1] << ' ' << probe.detection.counts[2] << ' '
                                << probe.detection.counts[3] << ", by trial " << byTrial[0] << ' ' << byTrial[1]
                                << ' ' << byTrial[2] << ' ' << byTrial[3];
        });
        if (!agreed)
            break;
    }
}

} // namespace
} // namespace tavolin::testing
