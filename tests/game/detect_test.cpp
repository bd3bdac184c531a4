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
        {"nothing fits", [](auto& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, {}, 1},
        {"a card onto a Column", [](auto& t) { crowded(t).column(0, {"9H"}).column(1, {"8S"}); }, {0, 0, 0, 1}, 0},
        {"a run longer than the free space allows",
         [](auto& t) { crowded(t, true).column(0, {"KS", "9C", "8H", "7C"}).column(1, {"10H"}); }, {}, 1},
        // The Nine of Diamonds fits only an empty Column: not counted.
        {"Room cards onto Piles and Column tops",
         [](auto& t) { t.room(1, "AS").room(2, "8H").room(3, "9D").column(0, {"9C"}).column(1, {"2S"}); },
         {0, 1, 1, 0}, 7},
        {"Column tops onto Piles, and an Ace onto a Two",
         [](auto& t) { t.pileUpTo("AD").column(3, {"2D"}).column(5, {"AC"}).column(6, {"3D"}); }, {2, 0, 0, 1}, 9},
        {"a full Column takes nothing", [](auto& t) {
             crowded(t).room(0, "8H").column(0, {"8D"});
             t.column(1, {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "KD", "QD", "JD",
                          "10D", "9D", "9C"});
         }, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableBuilder builder = table();
        c.arrange(builder);
        game.DetectMoves();
        EXPECT_EQ(game.detection.counts, c.counts);
        EXPECT_EQ(game.detection.freeSpace, c.freeSpace);
        EXPECT_EQ(game.flags.movesLeft, c.freeSpace > 0 || c.counts != Counts{});
        // Each kind keeps the 1-based places of its last move found.
        for (int k = 0; k < MoveCategoryCount; ++k) {
            const auto slots = std::minmax(game.detection.moveSlots[2 * k], game.detection.moveSlots[2 * k + 1]);
            EXPECT_TRUE(c.counts[k] ? slots.first >= 1 && slots.second <= ColumnCount : slots.first == NoMoveSlot) << k;
        }
    }
}

// The game ends when no place is free and no move is left; the comments tell how it goes.
TEST_F(DetectTest, TheGameEndsWithoutFreePlaceAndMoves)
{
    const struct { const char* name; Arrange arrange; bool suspended, movesLeft; Names comments; } cases[] = {
        {"no move, no place", [](auto& t) { crowded(t).column(0, {"9H"}).column(1, {"9D"}); }, false, false,
         {"See you later, alligator.", "Or try your luck in a new game."}},
        {"a pocket", [](auto& t) { crowded(t).column(0, {"9H"}).column(1, {"8S"}); }, false, true,
         {"Running into a pocket?"}},
        {"since the deal", [](auto& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, true, true,
         {"Nice day, to-day.", "Take your pick."}},
        {"a free place", [](auto& t) { crowded(t, true).column(0, {"9H"}).column(1, {"9D"}); }, false, true, {}},
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
    game.flags.HintHeaderDirty = true;
    game.DetectMoves();   // while the panel is hidden the headings wait for its next showing
    EXPECT_TRUE(events.movePanels.empty());
    game.flags.ShowMoves = true;
    game.DetectMoves();
    const MovePanel& shown = panel();
    EXPECT_TRUE(shown.headingsRedrawn && !game.flags.HintHeaderDirty);
    EXPECT_EQ(texts(shown.headings), (Names{"Automatic Move Detection", "Comments & Hints", "Room to Pile: 0",
                                            "Room to Deck: 0", "Deck to Pile: 0", "Column to Column: 0"}));
    EXPECT_EQ(texts(shown.countLabels), (Names{" RoomToPile: 1", "Column to Column: 1"}));
    EXPECT_EQ(shown.freeRoomsCaption.text, "Free Rooms");
    EXPECT_TRUE(shown.roomBoxes[0].occupied && !shown.roomBoxes[1].occupied && !shown.roomBoxes[3].occupied);
    // Two rows of markers, to the Piles above, to the Columns below; the four
    // Rooms, then the eight Columns. Found, None found, Empty Column.
    std::map<int, std::map<int, char>> rows;
    for (const Marker& marker : shown.markers)
        rows[marker.y][marker.x] = "FNE"[static_cast<int>(marker.kind)];
    Names lines;
    for (const auto& [y, row] : rows)
        for (auto kind = lines.emplace(lines.end()); const auto& [x, mark] : row)
            *kind += mark;
    EXPECT_EQ(lines, (Names{"FNNN" "NNNEEEEE", "NNNN" "NFNEEEEE"}));
    game.DetectMoves();
    EXPECT_FALSE(panel().headingsRedrawn);
    // Nothing is counted nor shown while a card is held.
    holdColumnTop(1);
    game.table.columns[1].present[0] = 0;
    game.DetectMoves();
    EXPECT_TRUE(events.movePanels.size() == 2 && game.detection.count(MoveCategory::ColumnToColumn) == 1);
}

} // namespace
} // namespace tavolin::testing
