#include "game/game.h"
#include "recording_events.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(CardCodeTest, NamesAndNumbers)
{
    EXPECT_EQ(cardText("%s of %s", 0), "Ace of Hearts");
    EXPECT_EQ(cardText("%s of %s", 51), "King of Clubs");
    EXPECT_EQ(cardText("%s of %s", 6), "2 of Spades");
    EXPECT_EQ(faceImageNumber(0), 1);
    EXPECT_EQ(faceImageNumber(51), 52);
    EXPECT_EQ(faceImageNumber(makeCard(0, 1)), 14);
    EXPECT_EQ(pileMarkImageNumber(2), 55);
    EXPECT_EQ(formatText(" Rank cleared: %ss", RankNames[KingRank]), " Rank cleared: Kings");
}

TEST(CardCodeTest, FittingNeedsOneRankLowerAndTheOtherColour)
{
    const CardCode fiveHearts = makeCard(4, 0);
    EXPECT_TRUE(fits(fiveHearts, makeCard(5, 2)));    // onto Six of Spades
    EXPECT_TRUE(fits(fiveHearts, makeCard(5, 3)));    // onto Six of Clubs
    EXPECT_FALSE(fits(fiveHearts, makeCard(5, 1)));   // same colour
    EXPECT_FALSE(fits(fiveHearts, makeCard(6, 2)));   // two ranks apart
    EXPECT_FALSE(fits(makeCard(5, 2), fiveHearts));   // upwards
}

class TableTest : public ::testing::Test {
protected:
    testing::RecordingEvents events;
    Game game{events};
    void SetUp() override { game.ResetTable(); }
};

TEST_F(TableTest, ResetEmptiesAndPositionsThePlaces)
{
    game.random.seed(5);
    game.BuildPack();
    game.DealColumns();
    game.table.ColumnDirty.fill(0);
    game.selection = {SelectionKind::Column, 2, 5, 9};
    game.ResetTable();

    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.FreeRoomCount(), 4);
    EXPECT_EQ(game.EmptyColumnCount(), 8);
    EXPECT_EQ(game.table.ColumnDirty, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    const int roomXs[] = {9, 81, 153, 225};
    const int pileXs[] = {376, 448, 520, 592};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game.table.rooms[i].x, roomXs[i]);
        EXPECT_EQ(game.table.piles[i].x, pileXs[i]);
        EXPECT_EQ(game.table.rooms[i].y, 9);
        EXPECT_EQ(game.table.piles[i].y, 9);
    }
    // The counters belong to the game, not the table.
    EXPECT_EQ(game.table.cardsLeft, 52);
}

TEST_F(TableTest, EmptyPileTakesOnlyTheAceOfItsReservedSuit)
{
    const CardCode aceOfClubs = makeCard(AceRank, 3);
    EXPECT_FALSE(game.PileAccepts(0, aceOfClubs));
    EXPECT_TRUE(game.PileAccepts(3, aceOfClubs));
    EXPECT_FALSE(game.PileAccepts(3, makeCard(1, 3)));

    game.table.pileSuit = {3, 2, 1, 0};
    EXPECT_TRUE(game.PileAccepts(0, aceOfClubs));
    EXPECT_FALSE(game.PileAccepts(3, aceOfClubs));
}

TEST_F(TableTest, PileGrowsBySuitInOrderAndStopsAtTheKing)
{
    game.table.cardsLeft = 52;
    game.putOnPile(1, makeCard(0, 1));
    EXPECT_TRUE(game.PileAccepts(1, makeCard(1, 1)));
    EXPECT_FALSE(game.PileAccepts(1, makeCard(2, 1)));
    EXPECT_FALSE(game.PileAccepts(1, makeCard(1, 0)));
    EXPECT_EQ(game.table.cardsLeft, 51);
    EXPECT_EQ(game.table.rankTable[0].onPile[1], 1);

    game.table.piles[1].card = makeCard(KingRank, 1);
    for (CardCode card = 0; card < PackSize; ++card)
        EXPECT_FALSE(game.PileAccepts(1, card)) << card;
}

TEST_F(TableTest, OutOfRangeArgumentsAreRefused)
{
    EXPECT_FALSE(game.PileAccepts(4, 0));
    EXPECT_FALSE(game.PileAccepts(-1, 0));
    EXPECT_FALSE(game.PileAccepts(0, 52));
    EXPECT_FALSE(game.PileAccepts(0, -4));
}

} // namespace
} // namespace tavolin
