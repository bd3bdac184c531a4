#include "game_fixture.h"

#include <map>

namespace tavolin::testing {
namespace {

// Deck to Pile, Room to Pile, Room to Deck, Column to Column.
using Counts = std::array<std::int32_t, MoveCategoryCount>;
using Arrange = void (*)(TableBuilder&);

class DetectTest : public GameTest {
protected:
    // No empty Column and, unless asked, no free Room; Columns 0 and 1 are left to the test.
    static TableBuilder& crowded(TableBuilder& builder, bool roomFree = false)
    {
        builder.room(0, "KH").room(1, "KD").room(2, "KS").column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"})
            .column(5, {"5C"}).column(6, {"2S"}).column(7, {"3S"});
        return roomFree ? builder : builder.room(3, "KC");
    }

    const MovePanel& panel() const { return events.movePanels.back(); }
};

TEST_F(DetectTest, CountsThePossibleMovesOfEachKind)
{
    const struct { const char* name; Arrange arrange; Counts counts; int freeSpace; } cases[] = {
        {"nothing fits", [](TableBuilder& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, {}, 1},
        {"a card onto a Column", [](TableBuilder& t) { crowded(t).column(0, {"9H"}).column(1, {"8S"}); }, {0, 0, 0, 1}, 0},
        {"a run longer than the free space allows",
         [](TableBuilder& t) { crowded(t, true).column(0, {"KS", "9C", "8H", "7C"}).column(1, {"10H"}); }, {}, 1},
        // The Nine of Diamonds fits only an empty Column: not counted.
        {"Room cards onto Piles and Column tops",
         [](TableBuilder& t) { t.room(1, "AS").room(2, "8H").room(3, "9D").column(0, {"9C"}).column(1, {"2S"}); },
         {0, 1, 1, 0}, 7},
        {"Column tops onto Piles, and an Ace onto a Two",
         [](TableBuilder& t) { t.pileUpTo("AD").column(3, {"2D"}).column(5, {"AC"}).column(6, {"3D"}); }, {2, 0, 0, 1}, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableBuilder builder = table();
        c.arrange(builder);
        game.DetectMoves();
        EXPECT_EQ(game.detection.counts, c.counts);
        EXPECT_EQ(game.detection.freeSpace, c.freeSpace);
        EXPECT_TRUE(game.flags.movesLeft);
    }
    // The last move found of each kind, from and to, counted from 1.
    EXPECT_EQ(game.detection.moveSlots, (std::array<std::int32_t, 8>{6, 4, 18, 18, 18, 18, 6, 4}));
}

TEST_F(DetectTest, AFullColumnTakesNothing)
{
    TableBuilder builder = table();
    crowded(builder).room(0, "8H").column(0, {"8D"});
    game.table.columns[1].present.fill(1);
    game.table.columns[1].card.fill(card("9C"));
    game.DetectMoves();
    EXPECT_EQ(game.detection.counts, Counts{});
    EXPECT_FALSE(game.flags.movesLeft);

    // The drops agree: nothing can go there.
    ASSERT_TRUE(game.PickUpFromColumn(0));
    EXPECT_EQ(game.DropOnColumnTop(1, 17), DropOutcome::Refused);
    game.EndSelection(false);
    ASSERT_TRUE(game.PickUpFromRoom(0));
    EXPECT_EQ(game.DropOnColumnTop(1, 17), DropOutcome::Ignored);
}

// The game ends when no place is free and no move is left; the comments tell how it goes.
TEST_F(DetectTest, TheGameEndsWithoutFreePlaceAndMoves)
{
    const struct { const char* name; Arrange arrange; bool suspended, movesLeft; Names comments; } cases[] = {
        {"no move, no place", [](TableBuilder& t) { crowded(t).column(0, {"9H"}).column(1, {"9D"}); }, false, false,
         {"See you later, alligator.", "Or try your luck in a new game."}},
        {"a pocket", [](TableBuilder& t) { crowded(t).column(0, {"9H"}).column(1, {"8S"}); }, false, true,
         {"Running into a pocket?"}},
        {"since the deal", [](TableBuilder& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, true, true,
         {"Nice day, to-day.", "Take your pick."}},
        {"a free place", [](TableBuilder& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableBuilder builder = table();
        c.arrange(builder);
        game.flags = {.movesLeft = true, .detectionOn = true, .ShowMoves = true, .autoSuspended = c.suspended,
                      .undoEnabled = true, .finishEnabled = true};
        game.DetectMoves();
        const GameFlags& f = game.flags;
        EXPECT_EQ((std::array{f.movesLeft, f.detectionOn, f.undoEnabled, f.finishEnabled}),
                  (std::array{c.movesLeft, c.movesLeft, c.movesLeft, c.movesLeft}));
        EXPECT_EQ(texts(panel().comments), c.comments);
    }
}

TEST_F(DetectTest, ThePanelShowsHeadingsCountsAndMarkers)
{
    table().pileUpTo("AH").room(0, "2H").column(0, {"9C"}).column(1, {"8D"}).column(2, {"QS"});
    game.flags.ShowMoves = true;
    game.flags.HintHeaderDirty = true;
    game.DetectMoves();

    const MovePanel& shown = panel();
    EXPECT_TRUE(shown.headingsRedrawn);
    EXPECT_FALSE(game.flags.HintHeaderDirty);
    EXPECT_EQ(texts(shown.headings), (Names{"Automatic Move Detection", "Comments & Hints", "Room to Pile: 0",
                                            "Room to Deck: 0", "Deck to Pile: 0", "Column to Column: 0"}));
    EXPECT_EQ(texts(shown.countLabels), (Names{" RoomToPile: 1", "Column to Column: 1"}));
    EXPECT_EQ(shown.freeRoomsCaption.text, "Free Rooms");
    Names boxes;
    for (const RoomBox& box : shown.roomBoxes)
        boxes.push_back(box.occupied ? "taken" : "free");
    EXPECT_EQ(boxes, (Names{"taken", "free", "free", "free"}));

    // Two rows of markers, to the Piles above, to the Columns below; the four
    // Rooms, then the eight Columns. Found, None found, Empty Column.
    std::map<int, std::map<int, char>> rows;
    for (const Marker& marker : shown.markers)
        rows[marker.y][marker.x] = "FNE"[static_cast<int>(marker.kind)];
    Names lines;
    for (const auto& [y, row] : rows) {
        lines.emplace_back();
        for (const auto& [x, kind] : row)
            lines.back() += kind;
    }
    EXPECT_EQ(lines, (Names{"FNNN" "NNNEEEEE", "NNNN" "NFNEEEEE"}));

    game.DetectMoves();
    EXPECT_FALSE(panel().headingsRedrawn);
}

TEST_F(DetectTest, NothingIsShownWhileThePanelIsHiddenNorCountedWhileACardIsHeld)
{
    table().column(0, {"9C"}).column(1, {"8D"});
    game.flags.HintHeaderDirty = true;
    game.DetectMoves();
    EXPECT_TRUE(events.movePanels.empty());
    EXPECT_TRUE(game.flags.HintHeaderDirty);   // kept for the panel's next showing
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 1);

    game.flags.ShowMoves = true;
    holdColumnTop(0);
    game.table.columns[0].present[0] = 0;
    game.DetectMoves();
    EXPECT_TRUE(events.movePanels.empty());
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 1);
}

} // namespace
} // namespace tavolin::testing
