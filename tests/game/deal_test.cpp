#include "game/game.h"
#include "recording_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tavolin {
namespace {

class DealTest : public ::testing::Test {
protected:
    testing::RecordingEvents events;
    Game game{events};

    void dealWithSeed(std::uint32_t seed)
    {
        game.ResetTable();
        game.random.seed(seed);
        game.flags.gameOpen = game.BuildPack();
        game.DealColumns();
    }
};

TEST(RandomGeneratorTest, FollowsTheRuntimeRecurrence)
{
    RandomGenerator random;
    random.seed(1);
    EXPECT_EQ(random.next(), 346);   // state 22695478
    EXPECT_EQ(random.next(), 130);
    EXPECT_EQ(random.next(), 10982);
}

TEST_F(DealTest, SeedOneGivesTheKnownDealOrder)
{
    dealWithSeed(1);
    const auto& order = game.table.dealOrder;
    const std::vector<CardCode> firstRow(order.begin(), order.begin() + 8);
    EXPECT_EQ(firstRow, (std::vector<CardCode>{34, 10, 26, 48, 7, 29, 41, 49}));
    const std::vector<CardCode> lastRow(order.end() - 4, order.end());
    EXPECT_EQ(lastRow, (std::vector<CardCode>{17, 4, 21, 43}));
    EXPECT_EQ(cardText("%s of %s", order[0]), "9 of Spades");
    EXPECT_EQ(cardText("%s of %s", order[51]), "Jack of Clubs");
}

// A seed of today's clock uses all 32 bits; one that kept only the low ones
// would still deal seed 1 right.
TEST_F(DealTest, LargeSeedGivesTheKnownDealOrder)
{
    dealWithSeed(1765100000u);
    const auto& order = game.table.dealOrder;
    EXPECT_EQ(std::vector<CardCode>(order.begin(), order.begin() + 8),
              (std::vector<CardCode>{5, 8, 31, 36, 32, 18, 30, 16}));
    EXPECT_EQ(std::vector<CardCode>(order.end() - 4, order.end()), (std::vector<CardCode>{7, 47, 12, 11}));
}

TEST_F(DealTest, EveryCardIsDealtOnce)
{
    for (std::uint32_t seed : {0u, 1u, 2u, 1234567u, 0xffffffffu}) {
        dealWithSeed(seed);
        std::array<CardCode, PackSize> sorted = game.table.dealOrder;
        std::sort(sorted.begin(), sorted.end());
        std::array<CardCode, PackSize> expected{};
        std::iota(expected.begin(), expected.end(), 0);
        EXPECT_EQ(sorted, expected) << "seed " << seed;
        EXPECT_EQ(game.table.cardsLeft, PackSize);
    }
}

TEST_F(DealTest, SameSeedSameDeal)
{
    dealWithSeed(1700000000u);
    const auto first = game.table.dealOrder;
    dealWithSeed(1700000000u);
    EXPECT_EQ(game.table.dealOrder, first);
    dealWithSeed(1700000001u);
    EXPECT_NE(game.table.dealOrder, first);
}

TEST_F(DealTest, DealsSevenRowsIntoFourColumnsAndSixIntoFour)
{
    dealWithSeed(1);
    const auto& columns = game.table.columns;
    for (int c = 0; c < ColumnCount; ++c)
        EXPECT_EQ(columns[c].cardCount(), c < 4 ? 7 : 6) << "column " << c;
    EXPECT_EQ(columns[0].card[0], game.table.dealOrder[0]);
    EXPECT_EQ(columns[0].card[6], game.table.dealOrder[48]);
    EXPECT_EQ(columns[7].card[5], game.table.dealOrder[47]);
    EXPECT_TRUE(game.flags.gameInPlay);
    EXPECT_TRUE(game.flags.gameOpen);
    EXPECT_EQ(game.EmptyColumnCount(), 0);
    EXPECT_EQ(game.FreeRoomCount(), 4);
    for (const RankRow& row : game.table.rankTable)
        EXPECT_EQ(row.onPile, (std::array<std::uint8_t, 4>{}));
}

TEST_F(DealTest, PlacesCardsAtTheColumnPositions)
{
    dealWithSeed(1);
    const ColumnRec& column3 = game.table.columns[3];
    EXPECT_EQ(column3.x[0], 259);
    EXPECT_EQ(column3.y[0], 112);
    EXPECT_EQ(column3.y[6], 112 + 6 * 18);
    EXPECT_EQ(game.table.columns[7].x[0], 595);
    EXPECT_EQ(column3.mode[6], DrawMode::Face);

    game.geometry.CardWidth = 142;
    game.geometry.CardHeight = 192;
    dealWithSeed(1);
    EXPECT_EQ(game.table.columns[1].x[0], 7 + 154);
    EXPECT_EQ(game.table.columns[1].y[2], 16 + 192 + 36);
}

} // namespace
} // namespace tavolin
