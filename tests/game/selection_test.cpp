#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class SelectionTest : public GameTest {
protected:
    void SetUp() override
    {
        game.options.TransferInfo = true;
        table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"}).room(2, "QS");
    }
};

TEST_F(SelectionTest, PickUpSnapshotsTheTableBeforeMarkingTheCard)
{
    const TableState before = game.table;
    holdColumnTop(0);

    EXPECT_EQ(game.selection.kind, SelectionKind::Column);
    EXPECT_EQ(game.selection.index, 0);
    EXPECT_EQ(game.selection.position, 2);
    EXPECT_EQ(game.selection.card, card("5H"));
    EXPECT_EQ(game.table.columns[0].mode[2], DrawMode::Selected);
    EXPECT_EQ(game.table.undo.columns, before.columns);
    EXPECT_EQ(game.table.undo.rooms, before.rooms);
    EXPECT_EQ(game.table.undo.cardsLeft, before.cardsLeft);
    EXPECT_TRUE(game.flags.undoValid);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.DetailsHeaderDirty);
    ASSERT_EQ(events.statuses.size(), 3u);
    EXPECT_EQ(events.lastStatus(0), "Card selected: 5 of Hearts");
    EXPECT_EQ(events.lastStatus(1), "");
    EXPECT_EQ(events.lastStatus(2), "");
}

TEST_F(SelectionTest, RoomCardIsHeldAtPositionZero)
{
    holdRoomCard(2);
    EXPECT_EQ(game.selection.kind, SelectionKind::Room);
    EXPECT_EQ(game.selection.index, 2);
    EXPECT_EQ(game.selection.position, 0);
    EXPECT_EQ(game.table.rooms[2].mode, DrawMode::Selected);
    EXPECT_EQ(events.lastStatus(0), "Card selected: Queen of Spades");
}

TEST_F(SelectionTest, NothingIsPickedUpFromNowhere)
{
    const TableState before = game.table;
    EXPECT_FALSE(game.PickUpFromColumn(5));    // empty
    EXPECT_FALSE(game.PickUpFromColumn(8));
    EXPECT_FALSE(game.PickUpFromColumn(-1));
    EXPECT_FALSE(game.PickUpFromRoom(0));      // free
    EXPECT_FALSE(game.PickUpFromRoom(4));
    EXPECT_FALSE(game.PickUpFromRoom(-1));
    game.flags.gameInPlay = false;
    EXPECT_FALSE(game.PickUpFromColumn(0));
    EXPECT_EQ(game.table, before);
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_FALSE(game.flags.undoValid);
    EXPECT_TRUE(events.statuses.empty());
}

TEST_F(SelectionTest, APressWhileHoldingIsIgnored)
{
    holdColumnTop(0);
    EXPECT_FALSE(game.PickUpFromColumn(1));
    EXPECT_FALSE(game.PickUpFromRoom(2));
    EXPECT_EQ(game.selection.index, 0);
    EXPECT_EQ(game.table.columns[1].mode[0], DrawMode::Face);
}

TEST_F(SelectionTest, EndingACarriedOutTransferOffersUndo)
{
    game.flags.lastCardsLeftShown = 52;
    holdColumnTop(0);
    ASSERT_EQ(game.DropOnRoom(0), DropOutcome::Done);
    game.EndSelection(true);
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_TRUE(game.flags.undoEnabled);
    EXPECT_EQ(game.flags.lastCardsLeftShown, 0);
    EXPECT_TRUE(game.flags.HintHeaderDirty);
    EXPECT_EQ(events.repaints, 1);
}

TEST_F(SelectionTest, PuttingBackRestoresTheCardAndForgetsTheLastTransfer)
{
    holdColumnTop(0);
    ASSERT_EQ(game.DropOnRoom(0), DropOutcome::Done);
    game.EndSelection(true);
    ASSERT_TRUE(game.flags.undoEnabled);
    game.table.ColumnDirty.fill(0);

    holdColumnTop(1);
    game.PutBack();
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.table.columns[1].mode[0], DrawMode::Face);
    EXPECT_EQ(game.table.ColumnDirty[1], 1);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.HintHeaderDirty);

    game.Undo();   // the snapshot is now the present table
    EXPECT_EQ(column(0), (Names{"7D", "6S"}));
    EXPECT_EQ(game.table.rooms[0].card, card("5H"));
}

TEST_F(SelectionTest, RefusedTransferLeavesUndoDisabled)
{
    table().room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC").column(0, {"7D", "6S", "5H"})
        .column(1, {"7H"}).column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"5C"})
        .column(6, {"6C"}).column(7, {"8C"});
    holdColumnTop(0);
    ASSERT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Refused);
    game.EndSelection(false);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.undoValid);
    EXPECT_EQ(game.table.columns[0].mode[2], DrawMode::Face);
}

} // namespace
} // namespace tavolin::testing
