#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class SelectionTest : public GameTest {
protected:
    void SetUp() override
    {
        game.options.TransferInfo = true;
        table().pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("AC").column(0, {"7D", "6S", "5H"})
            .column(1, {"8C"}).column(2, {"3H"}).column(3, {"2C"}).room(2, "QS");
    }
};

TEST_F(SelectionTest, PickingUpSnapshotsTheTableBeforeMarkingTheCard)
{
    for (const bool fromRoom : {false, true}) {
        SCOPED_TRACE(fromRoom);
        events.statuses.clear();
        game.flags.DetailsHeaderDirty = false;
        const TableState before = game.table;
        ASSERT_TRUE(hold(fromRoom ? -3 : 0));

        const Selection& held = game.selection;
        EXPECT_EQ(std::tuple(held.kind, held.index, held.position, held.card),
                  fromRoom ? std::tuple(SelectionKind::Room, 2, 0, card("QS")) : std::tuple(SelectionKind::Column, 0, 2, card("5H")));
        EXPECT_EQ(fromRoom ? game.table.rooms[2].mode : game.table.columns[0].mode[2], DrawMode::Selected);
        EXPECT_EQ(std::pair(game.table.undo.columns, game.table.undo.rooms), std::pair(before.columns, before.rooms));
        EXPECT_TRUE(game.flags.undoValid && game.flags.DetailsHeaderDirty && !game.flags.undoEnabled);
        EXPECT_EQ(events.statuses.size(), 3u);
        EXPECT_EQ(events.lastStatus(0), fromRoom ? "Card selected: Queen of Spades" : "Card selected: 5 of Hearts");
        EXPECT_EQ(events.lastStatus(1) + events.lastStatus(2), "");
        game.PutBack();
    }
}

TEST_F(SelectionTest, NothingIsPickedUpFromNowhereOrWhileHolding)
{
    const TableState before = game.table;
    for (int column : {5, 8, -1})
        EXPECT_FALSE(game.PickUpFromColumn(column)) << column;
    for (int room : {0, 4, -1})
        EXPECT_FALSE(game.PickUpFromRoom(room)) << room;
    game.flags.gameInPlay = false;
    EXPECT_FALSE(game.PickUpFromColumn(0));
    EXPECT_EQ(game.table, before);
    EXPECT_FALSE(game.flags.undoValid);
    EXPECT_TRUE(events.statuses.empty());

    game.flags.gameInPlay = true;
    holdColumnTop(0);
    EXPECT_FALSE(game.PickUpFromColumn(1) || game.PickUpFromRoom(2));
    EXPECT_EQ(game.selection.index, 0);
}

TEST_F(SelectionTest, OnlyACarriedOutTransferOffersUndoAndAPutBackWithdrawsIt)
{
    game.flags.lastCardsLeftShown = 52;
    holdColumnTop(0);
    ASSERT_EQ(game.DropOnRoom(0), DropOutcome::Done);
    game.EndSelection(true);
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_TRUE(game.flags.undoEnabled && game.flags.HintHeaderDirty);
    EXPECT_EQ(game.flags.lastCardsLeftShown, 0);
    EXPECT_EQ(events.repaints, 1);

    game.flags.HintHeaderDirty = false;
    holdColumnTop(1);
    game.PutBack();
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.table.columns[1].mode[0], DrawMode::Face);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.HintHeaderDirty);
    game.Undo();   // the snapshot is now the present table
    EXPECT_EQ(column(0), (Names{"7D", "6S"}));
}

// Every Two is up but the Two of Clubs; the Three of Hearts waits on Column 2.
TEST_F(SelectionTest, UndoTakesBackTheTransferAndTheAutomaticMovesAfterItOnce)
{
    game.flags.DetailsShown = true;
    const TableState before = game.table;
    holdColumnTop(3);
    ASSERT_EQ(game.DropOnPile(3), DropOutcome::Done);
    game.EndSelection(true);
    ASSERT_TRUE(game.AutoMoveToPiles());   // the Twos are cleared, the Three goes up
    ASSERT_EQ(game.table.cardsLeft, before.cardsLeft - 2);

    game.Undo();
    TableState restored = game.table;
    restored.undo = before.undo;
    restored.ColumnDirty = before.ColumnDirty;
    EXPECT_EQ(restored, before);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.autoSuspended);   // the moves taken back must not come again at once
    EXPECT_EQ(std::pair(events.restores, events.detailsResets), std::pair(1, 1));
    EXPECT_FALSE(game.flags.DetailsHeaderDirty);

    restored = game.table;
    game.Undo();
    EXPECT_EQ(game.table, restored);
    EXPECT_EQ(events.restores, 1);
}

TEST_F(SelectionTest, NothingToTakeBackWhileACardIsHeldOrNoGameIsInPlay)
{
    holdColumnTop(3);
    ASSERT_EQ(game.DropOnPile(3), DropOutcome::Done);
    game.EndSelection(true);
    holdColumnTop(1);
    const TableState held = game.table;
    game.Undo();
    EXPECT_EQ(game.table, held);
    EXPECT_EQ(game.selection.kind, SelectionKind::Column);

    game.PutBack();
    game.flags.gameInPlay = false;
    const TableState ended = game.table;
    game.Undo();
    EXPECT_EQ(game.table, ended);
    EXPECT_EQ(events.restores, 0);
}

} // namespace
} // namespace tavolin::testing
