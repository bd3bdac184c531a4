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

TEST_F(SelectionTest, PickingUpSnapshotsTheTableBeforeMarkingTheCard)
{
    const struct { bool fromRoom; int index, position; const char* card; const char* text; } cases[] = {
        {false, 0, 2, "5H", "Card selected: 5 of Hearts"},
        {true, 2, 0, "QS", "Card selected: Queen of Spades"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.card);
        events.statuses.clear();
        game.flags.DetailsHeaderDirty = false;
        const TableState before = game.table;
        ASSERT_TRUE(c.fromRoom ? game.PickUpFromRoom(c.index) : game.PickUpFromColumn(c.index));

        EXPECT_EQ(game.selection.kind, c.fromRoom ? SelectionKind::Room : SelectionKind::Column);
        EXPECT_EQ(game.selection.index, c.index);
        EXPECT_EQ(game.selection.position, c.position);
        EXPECT_EQ(game.selection.card, card(c.card));
        const DrawMode held = c.fromRoom ? game.table.rooms[c.index].mode : game.table.columns[c.index].mode[c.position];
        EXPECT_EQ(held, DrawMode::Selected);
        EXPECT_EQ(game.table.undo.columns, before.columns);
        EXPECT_EQ(game.table.undo.rooms, before.rooms);
        EXPECT_TRUE(game.flags.undoValid);
        EXPECT_FALSE(game.flags.undoEnabled);
        EXPECT_TRUE(game.flags.DetailsHeaderDirty);
        EXPECT_EQ(events.statuses.size(), 3u);
        EXPECT_EQ(events.lastStatus(0), c.text);
        EXPECT_EQ(events.lastStatus(1), "");
        EXPECT_EQ(events.lastStatus(2), "");
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
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_FALSE(game.flags.undoValid);
    EXPECT_TRUE(events.statuses.empty());

    game.flags.gameInPlay = true;
    holdColumnTop(0);
    EXPECT_FALSE(game.PickUpFromColumn(1));
    EXPECT_FALSE(game.PickUpFromRoom(2));
    EXPECT_EQ(game.selection.index, 0);
    EXPECT_EQ(game.table.columns[1].mode[0], DrawMode::Face);
}

TEST_F(SelectionTest, OnlyACarriedOutTransferOffersUndoAndAPutBackWithdrawsIt)
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

    game.flags.HintHeaderDirty = false;
    holdColumnTop(1);
    game.PutBack();
    EXPECT_TRUE(game.selection.isEmpty());
    EXPECT_EQ(game.table.columns[1].mode[0], DrawMode::Face);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_TRUE(game.flags.HintHeaderDirty);
    game.Undo();   // the snapshot is now the present table
    EXPECT_EQ(column(0), (Names{"7D", "6S"}));
    EXPECT_EQ(game.table.rooms[0].card, card("5H"));

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
