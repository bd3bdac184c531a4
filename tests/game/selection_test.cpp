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

TEST_F(SelectionTest, PickingUpSnapshotsTheTableBeforeMarkingTheCardOnlyIfThereIsOne)
{
    for (const bool fromRoom : {false, true}) {
        SCOPED_TRACE(fromRoom);
        events.statuses.clear();
        game.flags.DetailsHeaderDirty = false;
        const TableState before = game.table;
        ASSERT_TRUE(hold(game, fromRoom ? -3 : 0));
        const Selection& held = game.selection;
        EXPECT_EQ(std::tuple(held.kind, held.index, held.position, held.card),
                  fromRoom ? std::tuple(SelectionKind::Room, 2, 0, card("QS"))
                           : std::tuple(SelectionKind::Column, 0, 2, card("5H")));
        EXPECT_EQ(fromRoom ? game.table.rooms[2].mode : game.table.columns[0].mode[2], DrawMode::Selected);
        EXPECT_EQ(std::pair(game.table.undo.columns, game.table.undo.rooms), std::pair(before.columns, before.rooms));
        EXPECT_TRUE(game.flags.undoValid && game.flags.DetailsHeaderDirty && !game.flags.undoEnabled);
        EXPECT_EQ(events.statuses.size(), 3u);   // and panels 1 and 2 blanked
        EXPECT_EQ(events.lastStatus(0) + events.lastStatus(1) + events.lastStatus(2),
                  fromRoom ? "Card selected: Queen of Spades" : "Card selected: 5 of Hearts");
        game.PutBack();
    }
    // Nothing is picked up from nowhere, nor while a card is held.
    events.statuses.clear();
    game.flags.undoValid = false;
    const TableState before = game.table;
    for (int origin : {5, 8, -1, -5, -4, 99})   // empty Columns and free Rooms, or none at all
        EXPECT_FALSE(hold(game, origin)) << origin;
    EXPECT_FALSE(game.PickUpFromColumn(-1));
    game.flags.gameInPlay = false;
    EXPECT_FALSE(hold(game, 0));
    EXPECT_EQ(game.table, before);
    EXPECT_TRUE(events.statuses.empty() && !game.flags.undoValid);
    game.flags.gameInPlay = true;
    holdColumnTop(0);
    EXPECT_FALSE(hold(game, 1) || hold(game, -3));
    EXPECT_EQ(game.selection.index, 0);
}

// Every Two is up but the Two of Clubs; the Three of Hearts waits on Column 2.
TEST_F(SelectionTest, UndoTakesBackTheTransferAndTheAutomaticMovesAfterItOnce)
{
    game.flags.DetailsShown = true;
    game.flags.lastCardsLeftShown = 52;
    const TableState before = game.table;
    holdColumnTop(3);
    ASSERT_EQ(game.DropOnPile(3), DropOutcome::Done);
    game.EndSelection(true);   // a transfer carried out offers Undo
    EXPECT_TRUE(game.selection.isEmpty() && game.flags.undoEnabled && game.flags.HintHeaderDirty);
    EXPECT_EQ(std::pair(game.flags.lastCardsLeftShown, events.repaints), std::pair(0, 1));
    ASSERT_TRUE(game.AutoMoveToPiles());   // the Twos are cleared, the Three goes up
    ASSERT_EQ(game.table.cardsLeft, before.cardsLeft - 2);
    game.Undo();
    TableState restored = game.table;
    restored.undo = before.undo;
    restored.ColumnDirty = before.ColumnDirty;
    EXPECT_EQ(restored, before);
    // The moves taken back must not come again at once.
    EXPECT_TRUE(game.flags.autoSuspended && !game.flags.undoEnabled && !game.flags.DetailsHeaderDirty);
    EXPECT_EQ(std::pair(events.restores, events.detailsResets), std::pair(1, 1));
    // Once only, never while a card is held nor after the game; a put-back withdraws the offer.
    restored = game.table;
    game.Undo();
    game.flags.HintHeaderDirty = false;
    holdColumnTop(1);
    game.Undo();
    game.PutBack();
    EXPECT_TRUE(game.selection.isEmpty() && game.flags.HintHeaderDirty && !game.flags.undoEnabled);
    game.flags.gameInPlay = false;
    game.Undo();
    EXPECT_EQ(game.table, restored);
    EXPECT_EQ(events.restores, 1);
}

// The painter redraws only the Columns a change marks: a Column a move
// forgets shows stale cards, one it marks needlessly costs a repaint.
class DirtyColumnsTest : public GameTest {
protected:
    // Column 0 ends in a Deck of two, Column 7 is empty, the Ace of Spades is up.
    static TableBuilder& deal(TableBuilder&& builder)
    {
        return builder.column(0, {"KS", "9C", "8H"}).column(1, {"10D"}).column(2, {"5S", "AH"}).column(3, {"QC"})
            .column(4, {"4C"}).column(5, {"6D"}).column(6, {"2C"}).room(0, "7C").room(1, "2S").pileUpTo("AS");
    }
};

TEST_F(DirtyColumnsTest, AChangeMarksExactlyTheColumnsItChanged)
{
    using Setup = void (*)(Game&);
    using Change = bool (*)(Game&);   // true when the change was carried out
    constexpr auto done = DropOutcome::Done;
    const struct { const char* name; Setup setup; Change change; const char* marked; } cases[] = {
        {"pick-up", nullptr, [](Game& g) { return hold(g, 0); }, "00000000"},
        {"Deck onto a Column", nullptr, [](Game& g) { return hold(g, 0) && drop(g, 'C', 1) == done; }, "11000000"},
        {"Column card into a Room", nullptr, [](Game& g) { return hold(g, 0) && drop(g, 'R', 2) == done; }, "10000000"},
        {"Column card onto a Pile", nullptr, [](Game& g) { return hold(g, 2) && drop(g, 'P', 0) == done; }, "00100000"},
        {"Deck to an empty Column", nullptr, [](Game& g) { return hold(g, 0) && drop(g, 'E', 7) == done; }, "10000001"},
        {"Room card onto Column", nullptr, [](Game& g) { return hold(g, -1) && drop(g, 'C', 0) == done; }, "10000000"},
        {"Room card to an empty Column", nullptr, [](Game& g) { return hold(g, -1) && drop(g, 'E', 7) == done; },
         "00000001"},
        {"Room card onto a Pile", nullptr, [](Game& g) { return hold(g, -2) && drop(g, 'P', 2) == done; }, "00000000"},
        {"Column card put back", nullptr, [](Game& g) { return hold(g, 3) && (g.PutBack(), g.selection.isEmpty()); },
         "00010000"},
        {"Room card put back", nullptr, [](Game& g) { return hold(g, -1) && (g.PutBack(), g.selection.isEmpty()); },
         "00000000"},
        {"refused Deck", [](Game& g) { deal(TableBuilder(g)).room(2, "KH").room(3, "KD").column(7, {"KC"}); },
         [](Game& g) { return hold(g, 0) && drop(g, 'C', 1) == DropOutcome::Refused; }, "10000000"},
        {"automatic move from a Column", [](Game& g) { g.flags.autoSuspended = false; },
         [](Game& g) { return g.AutoMoveToPiles().has_value(); }, "00100000"},
        {"automatic move from a Room", [](Game& g) { g.flags.autoSuspended = false; g.takeTopFromColumn(2); },
         [](Game& g) { return g.AutoMoveToPiles().has_value(); }, "00000000"},
        {"undo", [](Game& g) { hold(g, -1); drop(g, 'R', 3); g.EndSelection(true); },
         [](Game& g) { return (g.Undo(), g.table.rooms[0].occupied && !g.table.rooms[3].occupied); }, "11111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        deal(table());
        if (c.setup)
            c.setup(game);
        game.table.ColumnDirty.fill(0);
        ASSERT_TRUE(c.change(game));
        std::string marked;
        for (std::int32_t flag : game.table.ColumnDirty)
            marked += flag ? '1' : '0';
        EXPECT_EQ(marked, c.marked);
    }
}

} // namespace
} // namespace tavolin::testing
