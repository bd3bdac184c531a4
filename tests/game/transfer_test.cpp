#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class TransferTest : public GameTest {
protected:
    void SetUp() override { game.options.TransferInfo = true; }

    // Columns 2..6 hold one card each, out of the way.
    static TableBuilder fillers(TableBuilder builder)
    {
        builder.column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"5C"}).column(6, {"2S"});
        return builder;
    }
};

TEST_F(TransferTest, CapacityCountsEveryFreeRoomAndEmptyColumnOnce)
{
    fillers(table()).room(0, "KH").room(1, "KD").column(0, {"KS", "9C", "8H", "7C", "6D"}).column(1, {"QC", "10H"});
    EXPECT_EQ(game.Capacity(), 4);   // two Rooms, one Column, plus one

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
        EXPECT_EQ(target.y[position], target.y[1] + (position - 1) * 18);
        EXPECT_EQ(target.mode[position], DrawMode::Face);
    }
    EXPECT_EQ(game.table.columns[0].mode[1], DrawMode::Vacant);
    EXPECT_FALSE(game.flags.autoSuspended);
}

TEST_F(TransferTest, DeckLongerThanTheCapacityIsRefusedAndPutBack)
{
    fillers(table()).room(0, "KH").room(1, "KD").column(0, {"KS", "10H", "9C", "8H", "7C", "6D"}).column(1, {"QD", "JC"});
    const TableState before = game.table;
    game.table.ColumnDirty.fill(0);

    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 1), DropOutcome::Refused);

    EXPECT_EQ(events.informations, (std::vector<std::string>{"Number of cards permitted to move: only 4."}));
    EXPECT_EQ(game.table.columns, before.columns);   // the held card is drawn normally again
    EXPECT_EQ(game.table.ColumnDirty[0], 1);
}

TEST_F(TransferTest, WithoutFreePlaceOnlySingleCardsMove)
{
    fillers(table()).room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC").column(7, {"3S"})
        .column(0, {"QS", "8H", "7C"}).column(1, {"9S"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Refused);
    EXPECT_EQ(events.informations, (std::vector<std::string>{"Number of cards permitted to move: only 1."}));
    game.EndSelection(false);
    EXPECT_EQ(column(1), (Names{"9S"}));

    game.table.columns[1].card[0] = card("8D");
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Done);
    EXPECT_EQ(column(1), (Names{"8D", "7C"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> Column:  7 of Clubs");
}

class EmptyColumnTest : public TransferTest {
protected:
    // One free Room, Column 7 the only empty Column, a Deck of three on Column 0.
    void SetUp() override
    {
        TransferTest::SetUp();
        fillers(table()).room(0, "KH").room(1, "KD").room(2, "KS").column(0, {"KC", "9C", "8H", "7C"})
            .column(1, {"QD"});
    }
};

TEST_F(EmptyColumnTest, AsksBeforeMovingMoreThanOneCardAndYesMovesThem)
{
    events.answers = {true};
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);

    ASSERT_EQ(events.questions.size(), 1u);
    EXPECT_EQ(events.questions[0].caption, " Transfer to empty Column");
    EXPECT_EQ(events.questions[0].text, "Move more than one card ?");
    EXPECT_EQ(column(7), (Names{"8H", "7C"}));   // cut to the capacity without a word
    EXPECT_EQ(column(0), (Names{"KC", "9C"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> empty Column:  2 cards");
    const ColumnRec& target = game.table.columns[7];
    EXPECT_EQ(target.y[1], target.y[0] + 18);
    EXPECT_EQ(target.x[1], target.x[0]);
    EXPECT_TRUE(game.flags.autoSuspended);
}

TEST_F(EmptyColumnTest, NoMovesTheHeldCardAlone)
{
    events.answers = {false};
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
    EXPECT_EQ(events.questions.size(), 1u);
    EXPECT_EQ(column(7), (Names{"7C"}));
    EXPECT_EQ(column(0), (Names{"KC", "9C", "8H"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> empty Column:  1 cards");
}

TEST_F(EmptyColumnTest, NoQuestionWhenOnlyOneCardMayGo)
{
    fillers(table()).room(0, "KH").room(1, "KD").room(2, "KS").room(3, "QS").column(0, {"KC", "9C", "8H", "7C"})
        .column(1, {"QD"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
    EXPECT_TRUE(events.questions.empty());
    EXPECT_EQ(column(7), (Names{"7C"}));
    EXPECT_EQ(events.lastStatus(2), "Deck -> empty Column:  1 cards");
}

TEST_F(EmptyColumnTest, OnlyCardOfItsColumnMovesAlone)
{
    holdColumnTop(1);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
    EXPECT_TRUE(events.questions.empty());
    EXPECT_EQ(column(7), (Names{"QD"}));
    EXPECT_TRUE(game.table.columns[1].isEmpty());
    EXPECT_EQ(events.lastStatus(2), "Deck -> Column:  Queen of Diamonds");
}

TEST_F(EmptyColumnTest, RoomCardGoesToPositionZeroWithoutResumingAutomaticMoves)
{
    holdRoomCard(2);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
    EXPECT_EQ(column(7), (Names{"KS"}));
    EXPECT_FALSE(game.table.rooms[2].occupied);
    EXPECT_EQ(game.table.rooms[2].mode, DrawMode::Vacant);
    EXPECT_EQ(events.lastStatus(2), "Room -> Column:  King of Spades");
    EXPECT_TRUE(game.flags.autoSuspended);
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
    EXPECT_EQ(game.table.ColumnDirty[1], 1);
}

TEST_F(TransferTest, AceGoesToAnEmptyColumn)
{
    fillers(table()).column(0, {"KD", "AS"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnEmptyColumn(1), DropOutcome::Done);
    EXPECT_EQ(column(1), (Names{"AS"}));
}

TEST_F(TransferTest, RoomCardOntoColumnsAndPiles)
{
    fillers(table()).pileUpTo("AH").room(0, "2H").room(1, "7C").column(0, {"8D"}).column(1, {"9S"});
    holdRoomCard(1);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnPile(3), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(0, 0), DropOutcome::Done);
    EXPECT_EQ(column(0), (Names{"8D", "7C"}));
    EXPECT_EQ(game.table.columns[0].y[1], game.table.columns[0].y[0] + 18);
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

class FullColumnTest : public TransferTest {
protected:
    // Column 1 holds `count` cards with the Nine of Clubs on top.
    void build(int count, std::initializer_list<std::string_view> origin)
    {
        static constexpr std::string_view Under[] = {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H",
                                                     "4H", "3H", "2H", "KD", "QD", "JD", "10D", "9D"};
        fillers(table()).room(0, "8D").column(0, origin).column(1, {"9C"});
        ColumnRec& full = game.table.columns[1];
        for (int position = 0; position + 1 < count; ++position) {
            full.present[position] = 1;
            full.card[position] = card(Under[position]);
        }
        full.present[count - 1] = 1;
        full.card[count - 1] = card("9C");
    }
};

TEST_F(FullColumnTest, RoomCardOntoPositionSeventeenStaysHeld)
{
    build(18, {"KS"});
    holdRoomCard(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 17), DropOutcome::Ignored);
    EXPECT_TRUE(events.informations.empty());
    EXPECT_EQ(game.selection.kind, SelectionKind::Room);
    EXPECT_EQ(game.table.rooms[0].mode, DrawMode::Selected);
    EXPECT_EQ(game.table.columns[1].cardCount(), 18);
}

TEST_F(FullColumnTest, DeckPassingPositionSeventeenIsRefusedWithTheCapacity)
{
    build(17, {"KS", "8H", "7S"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 16), DropOutcome::Refused);
    EXPECT_EQ(events.informations, (std::vector<std::string>{"Number of cards permitted to move: only 5."}));
    EXPECT_EQ(column(0), (Names{"KS", "8H", "7S"}));
}

TEST_F(FullColumnTest, DeckFillingPositionSeventeenExactlyMoves)
{
    build(16, {"KS", "8H", "7S"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 15), DropOutcome::Done);
    EXPECT_EQ(game.table.columns[1].cardCount(), 18);
    EXPECT_EQ(game.table.columns[1].card[17], card("7S"));
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
    const Selection held = game.selection;

    for (int bad : {-1, 4, 1000})
        EXPECT_EQ(game.DropOnRoom(bad), DropOutcome::Ignored) << bad;
    for (int bad : {-1, 4})
        EXPECT_EQ(game.DropOnPile(bad), DropOutcome::Ignored) << bad;
    EXPECT_EQ(game.DropOnColumnTop(8, 0), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(-1, 0), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(1, 18), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(1, -3), DropOutcome::Ignored);
    EXPECT_EQ(game.DropOnColumnTop(1, 4), DropOutcome::Ignored);    // no card there
    EXPECT_EQ(game.DropOnColumnTop(0, 1), DropOutcome::Ignored);    // its own card
    EXPECT_EQ(game.DropOnEmptyColumn(1), DropOutcome::Ignored);     // not empty
    EXPECT_EQ(game.DropOnEmptyColumn(8), DropOutcome::Ignored);
    EXPECT_EQ(game.TransferSearch(1, 19), 0);
    EXPECT_EQ(game.TransferSearch(-2, 0), 0);
    EXPECT_EQ(game.table, before);
    EXPECT_EQ(game.selection.kind, held.kind);

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
