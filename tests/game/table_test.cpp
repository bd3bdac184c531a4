#include "game_fixture.h"
#include "solver_replay.h"

#include <algorithm>
#include <numeric>

namespace tavolin::testing {
namespace {

using TableTest = GameTest;

// A seed of today's clock uses all 32 bits; one that kept only the low ones
// would still deal seed 1 right. Every deal holds the whole pack.
TEST_F(TableTest, SeedsGiveTheKnownDealOrders)
{
    const struct { std::uint32_t seed; std::vector<CardCode> first, last; } deals[] = {
        {1u, {34, 10, 26, 48, 7, 29, 41, 49}, {17, 4, 21, 43}},
        {1765100000u, {5, 8, 31, 36, 32, 18, 30, 16}, {7, 47, 12, 11}},
        {0xffffffffu, {}, {}},
    };
    std::array<CardCode, PackSize> pack{};
    std::iota(pack.begin(), pack.end(), 0);
    for (const auto& deal : deals) {
        SCOPED_TRACE(deal.seed);
        dealSeeded(game, deal.seed);
        auto order = game.table.dealOrder;
        EXPECT_TRUE(deal.first.empty() || std::equal(deal.first.begin(), deal.first.end(), order.begin()));
        EXPECT_TRUE(deal.last.empty() || std::equal(deal.last.begin(), deal.last.end(), order.end() - 4));
        std::sort(order.begin(), order.end());
        EXPECT_EQ(order, pack);
        EXPECT_EQ(game.table.cardsLeft, PackSize);
    }
}

TEST_F(TableTest, DealsRowByRowAtTheGeometrysPlacesAndResetEmptiesTheTable)
{
    game.geometry.CardWidth = 142;
    game.geometry.CardHeight = 192;
    dealSeeded(game, 1);
    const TableGeometry& at = game.geometry;
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = game.table.columns[c];
        EXPECT_EQ(rec.cardCount(), c < 4 ? 7 : 6) << "column " << c;
        for (int row = 0; row < rec.cardCount(); ++row) {
            EXPECT_EQ(rec.card[row], game.table.dealOrder[row * ColumnCount + c]);
            EXPECT_EQ(std::pair(rec.x[row], rec.y[row]), std::pair(at.columnX(c), at.columnY(row)));
        }
    }
    EXPECT_TRUE(game.flags.gameInPlay && game.flags.gameOpen);
    // A reset empties the table and places the Rooms and Piles.
    game.putOnPile(0, cardNamed("AH"));
    game.table.ColumnDirty.fill(0);
    game.selection = {SelectionKind::Column, 2, 5, 9};
    game.ResetTable();
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.FreeRoomCount() + game.EmptyColumnCount(), 12);
    EXPECT_EQ(game.table.rankTable, RankTable{});
    EXPECT_FALSE(game.table.piles[0].occupied);
    EXPECT_EQ(game.table.ColumnDirty, (std::array<std::int32_t, 8>{1, 1, 1, 1, 1, 1, 1, 1}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(std::pair(game.table.rooms[i].x, game.table.rooms[i].y), std::pair(at.roomX(i), at.slotY()));
        EXPECT_EQ(std::pair(game.table.piles[i].x, game.table.piles[i].y), std::pair(at.pileX(i), at.slotY()));
    }
}

TEST_F(TableTest, PilesTakeTheirReservedSuitFromTheAceUp)
{
    table().pileUpTo("AD").pileUpTo("KS");
    for (const auto& [pile, card, takes] : {std::tuple(0, "AH", true), std::tuple(0, "2H", false),
                                            std::tuple(0, "AC", false), std::tuple(3, "AC", true),
                                            std::tuple(1, "2D", true), std::tuple(1, "3D", false),
                                            std::tuple(1, "2H", false), std::tuple(-1, "AH", false),
                                            std::tuple(4, "AC", false), std::tuple(0, "", false)})
        EXPECT_EQ(game.PileAccepts(pile, cardNamed(card)), takes) << card << " on Pile " << pile;
    for (CardCode card = 0; card < PackSize; ++card)
        EXPECT_FALSE(game.PileAccepts(2, card)) << "a King closes the Pile";
    game.table.pileSuit = {3, 2, 1, 0};
    EXPECT_TRUE(game.PileAccepts(0, cardNamed("AC")));
    EXPECT_FALSE(game.PileAccepts(3, cardNamed("AC")));
}

// The card library numbers its faces by suit, then rank.
TEST(CardCodeTest, PictureNumbers)
{
    EXPECT_EQ(faceImageNumber(cardNamed("AH")), 1);
    EXPECT_EQ(faceImageNumber(cardNamed("AD")), 14);
    EXPECT_EQ(faceImageNumber(cardNamed("KC")), 52);
    EXPECT_EQ(pileMarkImageNumber(2), 55);
}

} // namespace
} // namespace tavolin::testing
