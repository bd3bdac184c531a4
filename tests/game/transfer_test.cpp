#include "game_fixture.h"

namespace tavolin::testing {
namespace {

using Texts = std::vector<std::string>;

class TransferTest : public GameTest {
protected:
    void SetUp() override { game.options.TransferInfo = true; }

    // Columns 2..6 hold one card each, out of the way.
    static TableBuilder fillers(TableBuilder builder)
    {
        builder.column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"5C"}).column(6, {"2S"});
        return builder;
    }

    // Unused places of a Column lose their position, so that a move must give its cards theirs.
    void forgetPlaces(int c, int from)
    {
        for (int position = from; position < ColumnDepth; ++position)
            game.table.columns[c].x[position] = game.table.columns[c].y[position] = 0;
    }
};

TEST_F(TransferTest, ADeckAsLongAsTheCapacityMovesInItsOrder)
{
    fillers(table()).room(0, "KH").room(1, "KD").column(0, {"KS", "9C", "8H", "7C", "6D"}).column(1, {"QC", "10H"});
    EXPECT_EQ(game.Capacity(), 4);   // two Rooms, one Column, plus one
    forgetPlaces(1, 2);

    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 1), DropOutcome::Done);
    game.EndSelection(true);

    EXPECT_EQ(column(1), (Names{"QC", "10H", "9C", "8H", "7C", "6D"}));
    EXPECT_EQ(column(0), (Names{"KS"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> Column:  4 cards");
    EXPECT_TRUE(events.informations.empty());
    const ColumnRec& target = game.table.columns[1];
    for (int position = 2; position <= 5; ++position) {
        EXPECT_EQ(target.x[position], target.x[1]);
        EXPECT_EQ(target.y[position], target.y[position - 1] + game.geometry.ColumnStep);
    }
    EXPECT_EQ(game.table.columns[0].mode[1], DrawMode::Vacant);
    EXPECT_FALSE(game.flags.autoSuspended);
}

TEST_F(TransferTest, ADeckLongerThanTheCapacityIsRefusedAndPutBack)
{
    fillers(table()).room(0, "KH").room(1, "KD").column(0, {"KS", "10H", "9C", "8H", "7C", "6D"}).column(1, {"QD", "JC"});
    const TableState before = game.table;
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 1), DropOutcome::Refused);
    EXPECT_EQ(events.informations, (Texts{"Number of cards permitted to move: only 4."}));
    EXPECT_EQ(game.table.columns, before.columns);   // the held card is drawn normally again
    game.EndSelection(false);

    // Without a free place only single cards move.
    fillers(table()).room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC").column(7, {"3S"})
        .column(0, {"QS", "8H", "7C"}).column(1, {"9S"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Refused);
    EXPECT_EQ(events.informations.back(), "Number of cards permitted to move: only 1.");
    game.EndSelection(false);
    game.table.columns[1].card[0] = card("8D");
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Done);
    EXPECT_EQ(column(1), (Names{"8D", "7C"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> Column:  7 of Clubs");
}

TEST_F(TransferTest, AnEmptyColumnTakesWhatTheCapacityAndTheAnswerAllow)
{
    const struct {
        const char* name;
        bool lastRoomTaken;
        int room, column;   // where the held card comes from
        std::deque<bool> answers;
        Names moved, left;
        std::size_t questions;
        const char* status;
    } cases[] = {
        {"Yes: cut to the capacity", false, -1, 0, {true}, {"8H", "7C"}, {"KC", "9C"}, 1, "Deck -> empty Column:  2 cards"},
        {"No", false, -1, 0, {false}, {"7C"}, {"KC", "9C", "8H"}, 1, "Deck -> empty Column:  1 cards"},
        {"no free Room", true, -1, 0, {}, {"7C"}, {"KC", "9C", "8H"}, 0, "Deck -> empty Column:  1 cards"},
        {"an Ace alone", false, -1, 6, {}, {"AS"}, {}, 0, "Deck -> Column:  Ace of Spades"},
        {"a Room card", false, 2, -1, {}, {"KS"}, {}, 0, "Room -> Column:  King of Spades"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events = RecordingEvents{};
        events.answers = c.answers;
        TableBuilder builder = fillers(table()).room(0, "KH").room(1, "KD").room(2, "KS").column(6, {"AS"})
            .column(0, {"KC", "9C", "8H", "7C"}).column(1, {"QD"});
        if (c.lastRoomTaken)
            builder.room(3, "QS");
        forgetPlaces(7, 1);
        ASSERT_TRUE(c.room >= 0 ? game.PickUpFromRoom(c.room) : game.PickUpFromColumn(c.column));

        EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
        EXPECT_EQ(column(7), c.moved);
        if (c.moved.size() > 1) {
            EXPECT_EQ(game.table.columns[7].x[1], game.table.columns[7].x[0]);
            EXPECT_EQ(game.table.columns[7].y[1], game.table.columns[7].y[0] + game.geometry.ColumnStep);
        }
        if (c.column >= 0)
            EXPECT_EQ(column(c.column), c.left);
        else
            EXPECT_EQ(game.table.rooms[c.room].mode, DrawMode::Vacant);
        EXPECT_EQ(events.questions.size(), c.questions);
        EXPECT_EQ(events.lastStatus(2), c.status);
        EXPECT_TRUE(game.flags.autoSuspended);
    }
}

TEST_F(TransferTest, RoomsTakeAnyCardButAnAce)
{
    fillers(table()).room(0, "5H").column(0, {"AS"}).column(1, {"6C"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnRoom(1), DropOutcome::Ignored);
    EXPECT_EQ(game.table.columns[0].mode[0], DrawMode::Selected);
    EXPECT_EQ(game.DropOnPile(0), DropOutcome::Ignored);   // the Hearts' Pile
    EXPECT_EQ(game.DropOnPile(2), DropOutcome::Done);
    EXPECT_EQ(events.lastStatus(2), "Deck -> Pile:  Ace of Spades");
    EXPECT_EQ(game.table.cardsLeft, 51);
    game.EndSelection(true);

    game.flags.autoSuspended = true;
    holdRoomCard(0);
    EXPECT_EQ(game.DropOnRoom(0), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnRoom(1), DropOutcome::Done);
    EXPECT_EQ(events.lastStatus(1), "Room -> free Room:  5 of Hearts");
    EXPECT_TRUE(game.flags.autoSuspended);
    EXPECT_EQ(game.table.rooms[0].mode, DrawMode::Vacant);
    game.EndSelection(true);

    holdColumnTop(1);
    EXPECT_EQ(game.DropOnRoom(1), DropOutcome::Ignored);   // occupied
    EXPECT_EQ(game.DropOnRoom(3), DropOutcome::Done);
    EXPECT_EQ(events.lastStatus(1), "Deck -> free Room:  6 of Clubs");
    EXPECT_FALSE(game.flags.autoSuspended);
    EXPECT_TRUE(game.table.columns[1].isEmpty());
}

TEST_F(TransferTest, RoomCardOntoColumnsAndPiles)
{
    fillers(table()).pileUpTo("AH").room(0, "2H").room(1, "7C").column(0, {"8D"}).column(1, {"9S"});
    forgetPlaces(0, 1);
    holdRoomCard(1);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnPile(3), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(0, 0), DropOutcome::Done);
    EXPECT_EQ(column(0), (Names{"8D", "7C"}));
    EXPECT_EQ(game.table.columns[0].x[1], game.table.columns[0].x[0]);
    EXPECT_EQ(game.table.columns[0].y[1], game.table.columns[0].y[0] + game.geometry.ColumnStep);
    EXPECT_EQ(events.lastStatus(2), "Room -> Column:  7 of Clubs");
    EXPECT_FALSE(game.flags.autoSuspended);
    game.EndSelection(true);

    game.flags.autoSuspended = true;
    holdRoomCard(0);
    EXPECT_EQ(game.DropOnPile(0), DropOutcome::Done);
    EXPECT_EQ(events.lastStatus(2), "Room -> Pile: 2 of Hearts");
    EXPECT_EQ(game.table.piles[0].card, card("2H"));
    EXPECT_EQ(game.table.rankTable[1].onPile[0], 1);
    EXPECT_FALSE(game.table.rooms[0].occupied);
    EXPECT_FALSE(game.flags.autoSuspended);
}

// Column 1 is filled up to just under the target; position 17 is its last.
TEST_F(TransferTest, NothingGoesPastAColumnsLastPosition)
{
    static constexpr std::string_view Under[] = {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H",
                                                 "4H", "3H", "2H", "KD", "QD", "JD", "10D", "9D"};
    const struct { int target; bool fromRoom; DropOutcome outcome; int count; const char* refusal; } cases[] = {
        {17, true, DropOutcome::Ignored, 18, nullptr},
        {16, false, DropOutcome::Refused, 17, "Number of cards permitted to move: only 5."},
        {15, false, DropOutcome::Done, 18, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        events = RecordingEvents{};
        fillers(table()).room(0, "8D").column(0, {"KS", "8H", "7S"}).column(1, {"9C"});
        ColumnRec& full = game.table.columns[1];
        for (int position = 0; position <= c.target; ++position) {
            full.present[position] = 1;
            full.card[position] = card(position == c.target ? "9C" : Under[position]);
        }
        ASSERT_TRUE(c.fromRoom ? game.PickUpFromRoom(0) : game.PickUpFromColumn(0));
        EXPECT_EQ(game.DropOnColumnTop(1, c.target), c.outcome);
        EXPECT_EQ(game.table.columns[1].cardCount(), c.count);
        EXPECT_EQ(events.informations, c.refusal ? Texts{c.refusal} : Texts{});
        EXPECT_EQ(game.table.columns[0].cardCount(), c.outcome == DropOutcome::Done ? 1 : 3);
        EXPECT_EQ(game.table.rooms[0].mode, c.fromRoom ? DrawMode::Selected : DrawMode::Face);   // still held
    }
}

TEST_F(TransferTest, NothingIsWrittenWhenTransferInfoIsOff)
{
    game.options.TransferInfo = false;
    fillers(table()).room(0, "5H").column(0, {"AS"}).column(1, {"7C", "6D"});
    holdColumnTop(0);
    game.DropOnPile(2);
    game.EndSelection(true);
    holdRoomCard(0);
    game.DropOnRoom(2);
    game.EndSelection(true);
    holdColumnTop(1);
    game.DropOnEmptyColumn(7);
    game.EndSelection(true);
    EXPECT_TRUE(events.statuses.empty());
}

TEST_F(TransferTest, CallsNamingNoSuchPlaceChangeNothing)
{
    fillers(table()).room(0, "5H").column(0, {"7C", "6D"}).column(1, {"8S"});
    holdColumnTop(0);
    const TableState before = game.table;

    for (int bad : {-1, 4, 1000})
        EXPECT_EQ(game.DropOnRoom(bad), DropOutcome::Ignored) << bad;
    for (int bad : {-1, 4})
        EXPECT_EQ(game.DropOnPile(bad), DropOutcome::Ignored) << bad;
    // No such Column, no card there, or the held card's own Column.
    for (const auto& [c, position] : {std::pair(8, 0), std::pair(-1, 0), std::pair(1, 18), std::pair(1, -3),
                                      std::pair(1, 4), std::pair(0, 1)})
        EXPECT_EQ(game.DropOnColumnTop(c, position), DropOutcome::Ignored) << c << ' ' << position;
    EXPECT_EQ(game.DropOnEmptyColumn(1), DropOutcome::Ignored);     // not empty
    EXPECT_EQ(game.DropOnEmptyColumn(8), DropOutcome::Ignored);
    EXPECT_EQ(game.TransferSearch(1, 19), 0);
    EXPECT_EQ(game.TransferSearch(-2, 0), 0);
    EXPECT_EQ(game.table, before);
    EXPECT_EQ(game.selection.kind, SelectionKind::Column);

    // A selection that names no card on the table is not acted on either.
    for (const Selection corrupt : {Selection{SelectionKind::Column, 9, 1, card("6D")},
                                    Selection{SelectionKind::Column, 0, 18, card("6D")},
                                    Selection{SelectionKind::Column, 0, 1, 60},
                                    Selection{SelectionKind::Room, -1, 0, card("5H")},
                                    Selection{SelectionKind::Room, 2, 0, card("5H")}}) {
        game.selection = corrupt;
        EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Ignored);
        EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Ignored);
        EXPECT_EQ(game.DropOnRoom(3), DropOutcome::Ignored);
        EXPECT_EQ(game.DropOnPile(0), DropOutcome::Ignored);
        game.PutBack();
        EXPECT_EQ(game.table, before);
    }
}

} // namespace
} // namespace tavolin::testing
