#include "game_fixture.h"

namespace tavolin::testing {
namespace {

TEST(CardCodeTest, NamesPicturesAndFitting)
{
    EXPECT_EQ(cardText("%s of %s", cardNamed("AH")), "Ace of Hearts");
    EXPECT_EQ(cardText("%s of %s", cardNamed("KC")), "King of Clubs");
    EXPECT_EQ(cardText("%s of %s", cardNamed("2S")), "2 of Spades");
    // The card library numbers its faces by suit, then rank.
    EXPECT_EQ(faceImageNumber(cardNamed("AH")), 1);
    EXPECT_EQ(faceImageNumber(cardNamed("AD")), 14);
    EXPECT_EQ(faceImageNumber(cardNamed("KC")), 52);
    EXPECT_EQ(pileMarkImageNumber(2), 55);

    const struct { const char* card; const char* onto; bool fits; } cases[] = {
        {"5H", "6S", true}, {"5H", "6C", true}, {"5H", "6D", false}, {"5H", "7S", false}, {"6S", "5H", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fits(cardNamed(c.card), cardNamed(c.onto)), c.fits) << c.card << " onto " << c.onto;
}

class TableTest : public GameTest {};

TEST_F(TableTest, ResetEmptiesTheTableAndPlacesRoomsAndPiles)
{
    game.random.seed(5);
    game.BuildPack();
    game.DealColumns();
    game.putOnPile(0, cardNamed("AH"));
    game.table.ColumnDirty.fill(0);
    game.selection = {SelectionKind::Column, 2, 5, 9};
    game.ResetTable();

    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.FreeRoomCount(), 4);
    EXPECT_EQ(game.EmptyColumnCount(), 8);
    EXPECT_EQ(game.table.rankTable, RankTable{});
    EXPECT_FALSE(game.table.piles[0].occupied);
    EXPECT_EQ(game.table.ColumnDirty, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game.table.rooms[i].x, game.geometry.roomX(i));
        EXPECT_EQ(game.table.piles[i].x, game.geometry.pileX(i));
        EXPECT_EQ(game.table.rooms[i].y, game.geometry.slotY());
        EXPECT_EQ(game.table.piles[i].y, game.geometry.slotY());
    }
    EXPECT_EQ(game.table.cardsLeft, 51);   // the game's counter, not the table's
}

// Rooms and Piles share a row above the Columns; nothing overlaps, whatever the card size.
TEST(GeometryTest, PlacesLieSideBySide)
{
    for (const TableGeometry geometry : {TableGeometry{}, TableGeometry{142, 192, 8, 8, 12, 18, 655}}) {
        SCOPED_TRACE(geometry.CardWidth);
        for (int i = 1; i < 4; ++i) {
            EXPECT_EQ(geometry.roomX(i), geometry.roomX(i - 1) + geometry.CardWidth);
            EXPECT_EQ(geometry.pileX(i), geometry.pileX(i - 1) + geometry.CardWidth);
        }
        EXPECT_LT(geometry.roomX(3) + geometry.CardWidth, geometry.pileX(0));
        for (int c = 1; c < ColumnCount; ++c)
            EXPECT_EQ(geometry.columnX(c), geometry.columnX(c - 1) + geometry.CardWidth + geometry.ColumnGap);
        EXPECT_GT(geometry.columnY(0), geometry.slotY() + geometry.CardHeight);
        EXPECT_EQ(geometry.columnY(5), geometry.columnY(4) + geometry.ColumnStep);
    }
}

TEST_F(TableTest, PilesTakeTheirReservedSuitFromTheAceUp)
{
    table().pileUpTo("AD").pileUpTo("KS");
    const struct { int pile; const char* card; bool takes; } cases[] = {
        {0, "AH", true},  {0, "2H", false}, {0, "AC", false}, {3, "AC", true},  {1, "2D", true},
        {1, "3D", false}, {1, "2H", false}, {2, "AS", false}, {2, "2S", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(game.PileAccepts(c.pile, cardNamed(c.card)), c.takes) << c.card << " on Pile " << c.pile;
    for (CardCode card = 0; card < PackSize; ++card)
        EXPECT_FALSE(game.PileAccepts(2, card)) << "a King closes the Pile";
    EXPECT_EQ(game.table.cardsLeft, 52 - 14);
    EXPECT_EQ(game.table.rankTable[0].onPile, (std::array<std::uint8_t, 4>{0, 1, 1, 0}));

    game.table.pileSuit = {3, 2, 1, 0};
    EXPECT_TRUE(game.PileAccepts(0, cardNamed("AC")));
    EXPECT_FALSE(game.PileAccepts(3, cardNamed("AC")));
    for (const auto& [pile, card] : {std::pair(4, 0), std::pair(-1, 0), std::pair(0, 52), std::pair(0, -4)})
        EXPECT_FALSE(game.PileAccepts(pile, card)) << pile << ' ' << card;
}

} // namespace
} // namespace tavolin::testing
