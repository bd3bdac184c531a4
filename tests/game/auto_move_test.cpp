#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class AutoMoveTest : public GameTest {
protected:
    void SetUp() override { game.options.TransferInfo = true; }

    std::vector<std::string> statusesOf(int panel) const
    {
        std::vector<std::string> texts;
        for (const auto& status : events.statuses)
            if (status.panel == panel)
                texts.push_back(status.text);
        return texts;
    }
};

TEST_F(AutoMoveTest, AnAceOnTopGoesToItsPileWithItsFlight)
{
    table().column(0, {"AH", "5C"}).column(3, {"9D", "AS"}).room(0, "AD").autoMovesOn();
    const ColumnRec& from = game.table.columns[3];
    const SlotRec& pile = game.table.piles[2];

    const auto moved = game.AutoMoveToPiles();
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->card, card("AS"));
    EXPECT_EQ(moved->from, PlaceKind::Column);
    EXPECT_EQ(moved->index, 3);
    EXPECT_EQ(moved->pile, 2);
    ASSERT_EQ(events.flights.size(), 1u);
    EXPECT_EQ(events.flights[0].card, card("AS"));
    EXPECT_EQ(events.flights[0].fromX, from.x[1]);
    EXPECT_EQ(events.flights[0].fromY, from.y[1]);
    EXPECT_EQ(events.flights[0].toX, pile.x);
    EXPECT_EQ(events.flights[0].toY, pile.y);
    EXPECT_EQ(events.lastStatus(2), "Autom. -> Pile[ 3 ]: Ace of Spades");
    EXPECT_EQ(column(3), (Names{"9D"}));
    EXPECT_EQ(from.mode[1], DrawMode::Vacant);
    EXPECT_EQ(game.table.ColumnDirty[3], 1);
    EXPECT_EQ(game.table.cardsLeft, 51);
    EXPECT_EQ(game.table.rankTable[0].onPile[2], 1);
    EXPECT_TRUE(game.flags.HintHeaderDirty);
    EXPECT_EQ(events.repaints, 1);

    // The buried Ace and the Ace in a Room stay.
    EXPECT_FALSE(game.AutoMoveToPiles());
    EXPECT_TRUE(game.table.rooms[0].occupied);
}

// The window animates while the Pile already shows the card and the table
// place still holds it; the place is emptied after the flight.
class FlightWatcher : public RecordingEvents {
public:
    const Game* game = nullptr;
    bool pileShowedCard = false;
    bool placeStillHeldCard = false;

    void animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY) override
    {
        RecordingEvents::animateCardToPile(card, fromX, fromY, toX, toY);
        pileShowedCard = game->table.piles[1].occupied && game->table.piles[1].card == card;
        placeStillHeldCard = game->table.rooms[1].occupied || game->table.columns[0].present[0];
    }
};

TEST(AutoMoveOrderTest, ThePileShowsTheCardBeforeItsFlightAndThePlaceEmptiesAfter)
{
    for (bool fromRoom : {false, true}) {
        FlightWatcher watcher;
        Game game(watcher);
        watcher.game = &game;
        TableBuilder builder(game);
        builder.pileUpTo("AD").autoMovesOn();
        if (fromRoom)
            builder.room(1, "2D");
        else
            builder.column(0, {"2D"});
        ASSERT_TRUE(game.AutoMoveToPiles());
        EXPECT_TRUE(watcher.pileShowedCard) << fromRoom;
        EXPECT_TRUE(watcher.placeStillHeldCard) << fromRoom;
        EXPECT_FALSE(game.table.rooms[1].occupied || game.table.columns[0].present[0]);
    }
}

TEST_F(AutoMoveTest, ATwoFollowsItsAceWhateverElseIsOnTheTable)
{
    table().column(0, {"5S", "KD"}).column(1, {"2H"}).room(3, "2D").autoMovesOn();
    EXPECT_FALSE(game.AutoMoveToPiles());   // no Ace is up yet
    game.putOnPile(0, card("AH"));
    game.putOnPile(1, card("AD"));
    auto first = game.AutoMoveToPiles();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->card, card("2H"));
    auto second = game.AutoMoveToPiles();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->from, PlaceKind::Room);
    EXPECT_EQ(second->index, 3);
    EXPECT_EQ(second->pile, 1);
    EXPECT_FALSE(game.table.rooms[3].occupied);
    EXPECT_EQ(game.table.rooms[3].mode, DrawMode::Vacant);
}

TEST_F(AutoMoveTest, AThreeWaitsForTheFourthTwo)
{
    table().pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("AC").column(0, {"3H"}).column(2, {"2C"})
        .autoMovesOn();
    const auto two = game.AutoMoveToPiles();
    ASSERT_TRUE(two);
    EXPECT_EQ(two->card, card("2C"));
    EXPECT_EQ(column(0), (Names{"3H"}));
    EXPECT_EQ(game.table.autoRank, 1);

    // The Twos are announced and autoRank raised before the Columns are scanned.
    const auto three = game.AutoMoveToPiles();
    ASSERT_TRUE(three);
    EXPECT_EQ(three->card, card("3H"));
    EXPECT_EQ(game.table.autoRank, 2);
    EXPECT_EQ(game.table.rankTable[1].cleared, 1);
    EXPECT_EQ(statusesOf(1), (std::vector<std::string>{" Rank cleared: Aces", " Rank cleared: 2s"}));
}

TEST_F(AutoMoveTest, TheLastKingWinsOnTheNextCall)
{
    table().pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC").column(5, {"KC"}).autoMovesOn();
    const auto king = game.AutoMoveToPiles();
    ASSERT_TRUE(king);
    EXPECT_EQ(king->card, card("KC"));
    EXPECT_EQ(game.table.autoRank, 12);
    EXPECT_EQ(game.table.cardsLeft, 0);
    EXPECT_EQ(statusesOf(1).size(), 12u);
    EXPECT_EQ(statusesOf(1).back(), " Rank cleared: Queens");

    events.flights.clear();
    EXPECT_FALSE(game.AutoMoveToPiles());
    EXPECT_EQ(game.table.autoRank, 13);
    EXPECT_EQ(events.lastStatus(1), " Rank cleared: Kings");
    EXPECT_TRUE(events.flights.empty());
    EXPECT_EQ(game.table.rankTable[KingRank].cleared, 1);
}

TEST_F(AutoMoveTest, OnlyTheFirstCandidateMovesInOnePass)
{
    table().pileUpTo("AH").column(2, {"AC"}).column(5, {"AD"}).room(0, "2H").autoMovesOn();
    std::vector<CardCode> order;
    while (const auto moved = game.AutoMoveToPiles())
        order.push_back(moved->card);
    EXPECT_EQ(order, (std::vector<CardCode>{card("AC"), card("AD"), card("2H")}));
}

TEST_F(AutoMoveTest, NothingMovesWhileACardIsHeldOrMovesAreSuspended)
{
    table().pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("2C").column(0, {"AS"}).column(1, {"3D"})
        .column(2, {"QC"});
    const TableState before = game.table;
    EXPECT_FALSE(game.AutoMoveToPiles());   // suspended since the deal
    game.flags.autoSuspended = false;
    ASSERT_TRUE(game.PickUpFromColumn(2));
    EXPECT_FALSE(game.AutoMoveToPiles());
    EXPECT_EQ(game.table.rankTable, before.rankTable);
    EXPECT_EQ(game.table.autoRank, before.autoRank);
    EXPECT_TRUE(events.flights.empty());
    for (const auto& status : events.statuses)
        EXPECT_EQ(status.text.find("Rank cleared"), std::string::npos);
}

TEST_F(AutoMoveTest, AutomaticMoveTextOnlyWithTransferInfo)
{
    game.options.TransferInfo = false;
    table().pileUpTo("AH").pileUpTo("AD").pileUpTo("AS").column(0, {"AC"}).column(1, {"2C"}).autoMovesOn();
    game.AutoMoveToPiles();
    game.AutoMoveToPiles();
    EXPECT_EQ(events.flights.size(), 2u);
    EXPECT_TRUE(statusesOf(2).empty());
    EXPECT_EQ(statusesOf(1), (std::vector<std::string>{" Rank cleared: Aces"}));
}

TEST_F(AutoMoveTest, ADeepColumnSwitchesTheDetailsPanelOff)
{
    game.options.TransferDetails = true;
    game.options.DetailsColumnLimit = 9;
    game.flags.DetailsShown = true;
    table().column(1, {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H"}).autoMovesOn();
    game.AutoMoveToPiles();
    EXPECT_TRUE(game.flags.DetailsShown);   // top position 8

    game.table.columns[1].present[9] = 1;
    game.table.columns[1].card[9] = card("4H");
    game.AutoMoveToPiles();
    EXPECT_FALSE(game.flags.DetailsShown);
    EXPECT_EQ(events.lastStatus(0), "Transfer Details off by lack of space.");

    game.flags.DetailsShown = true;
    game.options.DetailsColumnLimit = 18;
    events.statuses.clear();
    game.AutoMoveToPiles();
    EXPECT_TRUE(game.flags.DetailsShown);
    EXPECT_TRUE(events.statuses.empty());
}

} // namespace
} // namespace tavolin::testing
