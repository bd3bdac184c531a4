#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class DetectTest : public GameTest {
protected:
    // No free Room and no empty Column; Column 0 and Column 1 are left to the test.
    TableBuilder crowded()
    {
        TableBuilder builder = table();
        builder.room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC").column(2, {"2C"}).column(3, {"3C"})
            .column(4, {"4C"}).column(5, {"5C"}).column(6, {"2S"}).column(7, {"3S"});
        return builder;
    }

    const MovePanel& panel() const { return events.movePanels.back(); }

    static Names texts(const std::vector<PanelText>& lines)
    {
        Names names;
        for (const PanelText& line : lines)
            names.push_back(line.text);
        return names;
    }
};

TEST_F(DetectTest, OneFreeRoomKeepsTheGameGoingWithoutAnyMove)
{
    crowded().column(0, {"9H"}).column(1, {"9D"});
    game.table.rooms[3].occupied = 0;
    game.DetectMoves();
    EXPECT_FALSE(game.detection.anyMove());
    EXPECT_EQ(game.detection.freeSpace, 1);
    EXPECT_TRUE(game.flags.movesLeft);
    EXPECT_TRUE(game.flags.detectionOn);
    EXPECT_EQ(game.detection.moveSlots, (std::array<std::int32_t, 8>{18, 18, 18, 18, 18, 18, 18, 18}));
}

TEST_F(DetectTest, NoFreePlaceAndNoMoveEndsTheGame)
{
    crowded().column(0, {"9H"}).column(1, {"9D"});
    game.flags.ShowMoves = true;
    game.flags.undoEnabled = true;
    game.DetectMoves();
    EXPECT_FALSE(game.flags.movesLeft);
    EXPECT_FALSE(game.flags.detectionOn);
    EXPECT_FALSE(game.flags.undoEnabled);
    EXPECT_FALSE(game.flags.finishEnabled);
    EXPECT_EQ(texts(panel().comments), (Names{"See you later, alligator.", "Or try your luck in a new game."}));
    EXPECT_EQ(panel().comments[0].colour, PanelColour::White);
    EXPECT_EQ(panel().comments[1].colour, PanelColour::Lime);
    EXPECT_EQ(panel().comments[1].y, 91);
}

TEST_F(DetectTest, OneColumnToColumnMoveKeepsThePocketOpen)
{
    crowded().column(0, {"9H"}).column(1, {"8S"});
    game.flags.ShowMoves = true;
    game.DetectMoves();
    EXPECT_TRUE(game.flags.movesLeft);
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 1);
    EXPECT_EQ(game.detection.moveSlots[6], 2);   // from Column 2
    EXPECT_EQ(game.detection.moveSlots[7], 1);   // onto Column 1
    ASSERT_EQ(panel().comments.size(), 1u);
    EXPECT_EQ(panel().comments[0].text, "Running into a pocket?");
    EXPECT_EQ(panel().comments[0].colour, PanelColour::Yellow);
    EXPECT_EQ(panel().comments[0].x, 440);
    EXPECT_EQ(panel().comments[0].y, 64);
}

TEST_F(DetectTest, ARunLongerThanTheFreeSpaceAllowsIsNotCounted)
{
    table().room(0, "KH").room(1, "KD").column(0, {"KS", "9C", "8H", "7C", "6D"}).column(1, {"10H"})
        .column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"JD"}).column(6, {"2S"}).column(7, {"3S"});
    game.DetectMoves();
    EXPECT_EQ(game.detection.freeSpace, 2);
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 0);

    game.table.rooms[1].occupied = 0;
    game.DetectMoves();
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 1);
}

TEST_F(DetectTest, RoomCardsCountOnlyOntoPilesAndColumnTops)
{
    table().room(1, "AS").room(2, "8H").room(3, "9D").column(0, {"9C"}).column(1, {"2S"});
    game.DetectMoves();
    EXPECT_EQ(game.detection.count(MoveCategory::RoomToPile), 1);
    EXPECT_EQ(game.detection.moveSlots[2], 2);   // Room 2
    EXPECT_EQ(game.detection.moveSlots[3], 3);   // the Spades' Pile, third
    // The Nine of Diamonds fits only an empty Column: not counted.
    EXPECT_EQ(game.detection.count(MoveCategory::RoomToDeck), 1);
    EXPECT_EQ(game.detection.moveSlots[4], 3);
    EXPECT_EQ(game.detection.moveSlots[5], 1);
    EXPECT_EQ(game.detection.count(MoveCategory::DeckToPile), 0);
}

TEST_F(DetectTest, ColumnTopsOntoPiles)
{
    table().pileUpTo("AD").column(3, {"2D"}).column(5, {"AC"}).column(6, {"3D"});
    game.DetectMoves();
    EXPECT_EQ(game.detection.count(MoveCategory::DeckToPile), 2);
    EXPECT_EQ(game.detection.moveSlots[0], 6);
    EXPECT_EQ(game.detection.moveSlots[1], 4);
}

TEST_F(DetectTest, AFullColumnTakesNothing)
{
    crowded().column(0, {"8D"});
    static constexpr std::string_view Cards[] = {"QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H",
                                                 "3H", "2H", "QD", "JD", "10D", "9D", "AD", "AH", "9C"};
    ColumnRec& full = game.table.columns[1];
    for (int position = 0; position < ColumnDepth; ++position) {
        full.present[position] = 1;
        full.card[position] = card(Cards[position]);
    }
    game.table.rooms[0].card = card("8H");
    game.table.columns[1].card[4] = card("KH");
    game.DetectMoves();
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 0);
    EXPECT_EQ(game.detection.count(MoveCategory::RoomToDeck), 0);
    EXPECT_FALSE(game.flags.movesLeft);

    // The drops agree: nothing can go there.
    game.flags.movesLeft = true;
    ASSERT_TRUE(game.PickUpFromColumn(0));
    EXPECT_EQ(game.DropOnColumnTop(1, 17), DropOutcome::Refused);
    game.EndSelection(false);
    ASSERT_TRUE(game.PickUpFromRoom(0));
    EXPECT_EQ(game.DropOnColumnTop(1, 17), DropOutcome::Ignored);
}

TEST_F(DetectTest, ThePanelShowsHeadingsMarkersAndComments)
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
    EXPECT_EQ(shown.countLabels[1].x, 270);
    EXPECT_EQ(shown.countLabels[1].y, 92);
    EXPECT_EQ(shown.freeRoomsCaption.text, "Free Rooms");
    EXPECT_TRUE(shown.roomBoxes[0].occupied);
    EXPECT_FALSE(shown.roomBoxes[1].occupied);
    EXPECT_EQ(shown.roomBoxes[3].x, 6 + 63);

    auto markerAt = [&](int x, int y) {
        for (const Marker& marker : shown.markers)
            if (marker.x == x && marker.y == y)
                return marker.kind;
        ADD_FAILURE() << "no marker at " << x << ", " << y;
        return MarkerKind::NoneFound;
    };
    EXPECT_EQ(shown.markers.size(), 24u);
    EXPECT_EQ(markerAt(130, 59), MarkerKind::Found);        // Room 1 to a Pile
    EXPECT_EQ(markerAt(146, 59), MarkerKind::NoneFound);    // a free Room
    EXPECT_EQ(markerAt(130, 114), MarkerKind::NoneFound);
    EXPECT_EQ(markerAt(286, 114), MarkerKind::Found);       // Column 2 onto Column 1
    EXPECT_EQ(markerAt(270, 114), MarkerKind::NoneFound);
    EXPECT_EQ(markerAt(270 + 16 * 7, 59), MarkerKind::EmptyColumn);
    EXPECT_EQ(markerAt(270 + 16 * 7, 114), MarkerKind::EmptyColumn);

    // Since the deal no transfer has been made.
    EXPECT_EQ(texts(shown.comments), (Names{"Nice day, to-day.", "Take your pick."}));
    game.flags.autoSuspended = false;
    game.DetectMoves();
    EXPECT_FALSE(panel().headingsRedrawn);
    EXPECT_TRUE(panel().comments.empty());
}

TEST_F(DetectTest, HiddenPanelKeepsItsHeadingRequest)
{
    table().column(0, {"9C"}).column(1, {"8D"});
    game.flags.HintHeaderDirty = true;
    game.DetectMoves();
    EXPECT_TRUE(events.movePanels.empty());
    EXPECT_TRUE(game.flags.HintHeaderDirty);
    EXPECT_EQ(game.detection.count(MoveCategory::ColumnToColumn), 1);
}

TEST_F(DetectTest, NothingWhileACardIsHeld)
{
    table().column(0, {"9C"}).column(1, {"8D"});
    game.flags.ShowMoves = true;
    game.DetectMoves();
    const MoveDetection before = game.detection;
    ASSERT_TRUE(game.PickUpFromColumn(0));
    game.table.columns[0].present[0] = 0;
    game.DetectMoves();
    EXPECT_EQ(events.movePanels.size(), 1u);
    EXPECT_EQ(game.detection.counts, before.counts);
}

} // namespace
} // namespace tavolin::testing
