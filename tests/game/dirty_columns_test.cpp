#include "game_fixture.h"

namespace tavolin::testing {
namespace {

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

    static bool autoMoveFrom(Game& game, PlaceKind kind)
    {
        const auto moved = game.AutoMoveToPiles();
        return moved && moved->from == kind;
    }

    // One flag per Column, "1" for marked.
    std::string marked() const
    {
        std::string flags;
        for (std::int32_t flag : game.table.ColumnDirty)
            flags += flag ? '1' : '0';
        return flags;
    }
};

TEST_F(DirtyColumnsTest, AChangeMarksExactlyTheColumnsItChanged)
{
    using Setup = void (*)(Game&);
    using Change = bool (*)(Game&);   // true when the change was carried out
    constexpr auto done = DropOutcome::Done;
    const struct { const char* name; Setup setup; Change change; const char* marked; } cases[] = {
        {"pick-up", nullptr, [](Game& g) { return g.PickUpFromColumn(0); }, "00000000"},
        {"Deck onto a Column", nullptr,
         [](Game& g) { return g.PickUpFromColumn(0) && g.DropOnColumnTop(1, 0) == done; }, "11000000"},
        {"Column card into a Room", nullptr,
         [](Game& g) { return g.PickUpFromColumn(0) && g.DropOnRoom(2) == done; }, "10000000"},
        {"Column card onto a Pile", nullptr,
         [](Game& g) { return g.PickUpFromColumn(2) && g.DropOnPile(0) == done; }, "00100000"},
        {"Column card into an empty Column", nullptr,
         [](Game& g) { return g.PickUpFromColumn(0) && g.DropOnEmptyColumn(7) == done; }, "10000001"},
        {"Room card onto a Column", nullptr,
         [](Game& g) { return g.PickUpFromRoom(0) && g.DropOnColumnTop(0, 2) == done; }, "10000000"},
        {"Room card into an empty Column", nullptr,
         [](Game& g) { return g.PickUpFromRoom(0) && g.DropOnEmptyColumn(7) == done; }, "00000001"},
        {"Room card onto a Pile", nullptr,
         [](Game& g) { return g.PickUpFromRoom(1) && g.DropOnPile(2) == done; }, "00000000"},
        {"put-back of a Column card", nullptr,
         [](Game& g) { return g.PickUpFromColumn(3) && (g.PutBack(), g.selection.isEmpty()); }, "00010000"},
        {"put-back of a Room card", nullptr,
         [](Game& g) { return g.PickUpFromRoom(0) && (g.PutBack(), g.selection.isEmpty()); }, "00000000"},
        {"refused Deck", [](Game& g) { deal(TableBuilder(g)).room(2, "KH").room(3, "KD").column(7, {"KC"}); },
         [](Game& g) { return g.PickUpFromColumn(0) && g.DropOnColumnTop(1, 0) == DropOutcome::Refused; },
         "10000000"},
        {"automatic move from a Column", [](Game& g) { g.flags.autoSuspended = false; },
         [](Game& g) { return autoMoveFrom(g, PlaceKind::Column); }, "00100000"},
        {"automatic move from a Room", [](Game& g) { g.flags.autoSuspended = false; g.takeTopFromColumn(2); },
         [](Game& g) { return autoMoveFrom(g, PlaceKind::Room); }, "00000000"},
        {"undo", [](Game& g) { g.PickUpFromRoom(0); g.DropOnRoom(3); g.EndSelection(true); },
         [](Game& g) { return (g.Undo(), g.table.rooms[0].occupied && !g.table.rooms[3].occupied); }, "11111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        deal(table());
        if (c.setup)
            c.setup(game);
        game.table.ColumnDirty.fill(0);
        ASSERT_TRUE(c.change(game));
        EXPECT_EQ(marked(), c.marked);
    }
}

} // namespace
} // namespace tavolin::testing
