#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class UndoTest : public GameTest {
protected:
    // Every Two is up but the Two of Clubs, which lies on Column 0; the Three
    // of Hearts waits on Column 1, an Ace on Column 2.
    void SetUp() override
    {
        table().pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("AC").column(0, {"KH", "2C"})
            .column(1, {"9C", "3H"}).column(2, {"QD"}).room(0, "JS");
    }

    void transfer(int fromColumn, int toPile)
    {
        ASSERT_TRUE(game.PickUpFromColumn(fromColumn));
        ASSERT_EQ(game.DropOnPile(toPile), DropOutcome::Done);
        game.EndSelection(true);
    }
};

TEST_F(UndoTest, TakesBackTheTransferAndTheAutomaticMovesAfterIt)
{
    const TableState before = game.table;
    transfer(0, 3);
    ASSERT_TRUE(game.AutoMoveToPiles());   // the Twos are cleared, the Three goes up
    ASSERT_EQ(game.table.autoRank, 2);
    ASSERT_EQ(game.table.rankTable[1].cleared, 1);
    ASSERT_EQ(game.table.cardsLeft, before.cardsLeft - 2);
    game.table.ColumnDirty.fill(0);

    game.Undo();
    EXPECT_EQ(game.table.columns, before.columns);
    EXPECT_EQ(game.table.rooms, before.rooms);
    EXPECT_EQ(game.table.piles, before.piles);
    EXPECT_EQ(game.table.rankTable, before.rankTable);
    EXPECT_EQ(game.table.cardsLeft, before.cardsLeft);
    EXPECT_EQ(game.table.autoRank, before.autoRank);
    EXPECT_EQ(game.table.ColumnDirty, (std::array<std::int32_t, ColumnCount>{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_FALSE(game.flags.undoValid);
    EXPECT_TRUE(game.flags.autoSuspended);
    EXPECT_EQ(events.restores, 1);
}

TEST_F(UndoTest, WorksOnceOnly)
{
    transfer(0, 3);
    game.Undo();
    const TableState restored = game.table;
    game.Undo();
    EXPECT_EQ(game.table, restored);
    EXPECT_EQ(events.restores, 1);
}

TEST_F(UndoTest, AutomaticMovesWaitForTheNextTransferThatResumesThem)
{
    game.table.columns[3].present[0] = 1;
    game.table.columns[3].card[0] = card("KS");
    transfer(0, 3);
    game.Undo();
    EXPECT_FALSE(game.AutoMoveToPiles());

    // Room -> free Room and a transfer to an empty Column keep them waiting.
    ASSERT_TRUE(game.PickUpFromRoom(0));
    ASSERT_EQ(game.DropOnRoom(1), DropOutcome::Done);
    game.EndSelection(true);
    EXPECT_TRUE(game.flags.autoSuspended);
    ASSERT_TRUE(game.PickUpFromColumn(3));
    ASSERT_EQ(game.DropOnEmptyColumn(4), DropOutcome::Done);
    game.EndSelection(true);
    EXPECT_TRUE(game.flags.autoSuspended);
    EXPECT_FALSE(game.AutoMoveToPiles());

    ASSERT_TRUE(game.PickUpFromColumn(4));
    ASSERT_EQ(game.DropOnRoom(2), DropOutcome::Done);
    game.EndSelection(true);
    EXPECT_FALSE(game.flags.autoSuspended);
    EXPECT_TRUE(game.AutoMoveToPiles());
}

TEST_F(UndoTest, NothingToTakeBackWhileACardIsHeldOrNoGameIsInPlay)
{
    transfer(0, 3);
    ASSERT_TRUE(game.PickUpFromColumn(1));
    const TableState held = game.table;
    game.Undo();
    EXPECT_EQ(game.table, held);
    EXPECT_EQ(game.selection.kind, SelectionKind::Column);
    game.PutBack();

    transfer(1, 0);
    game.flags.gameInPlay = false;
    const TableState ended = game.table;
    game.Undo();
    EXPECT_EQ(game.table, ended);
    EXPECT_EQ(events.restores, 0);
}

TEST_F(UndoTest, BlanksTheDetailsPanelWhileItIsShown)
{
    transfer(0, 3);
    game.Undo();
    EXPECT_EQ(events.detailsResets, 0);

    game.flags.DetailsShown = true;
    transfer(1, 0);
    game.Undo();
    EXPECT_EQ(events.detailsResets, 1);
    EXPECT_FALSE(game.flags.DetailsHeaderDirty);
}

} // namespace
} // namespace tavolin::testing
