#include "game_fixture.h"

namespace tavolin::testing {
namespace {

class AutoMoveTest : public GameTest {};

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

TEST(AutoMoveFlightTest, ACardFliesFromItsPlaceToItsPileWhichShowsItFirst)
{
    for (const auto& [fromRoom, info] : {std::pair(false, true), std::pair(true, true), std::pair(true, false)}) {
        SCOPED_TRACE(::testing::Message() << (fromRoom ? "from a Room" : "from a Column") << ", info " << info);
        FlightWatcher watcher;
        Game game(watcher);
        watcher.game = &game;
        game.options.TransferInfo = info;
        TableBuilder builder(game);
        builder.pileUpTo("AD").autoMovesOn();
        fromRoom ? builder.room(1, "2D") : builder.column(0, {"2D"});
        const auto from = fromRoom ? std::pair(game.table.rooms[1].x, game.table.rooms[1].y)
                                   : std::pair(game.table.columns[0].x[0], game.table.columns[0].y[0]);
        const auto moved = game.AutoMoveToPiles();
        ASSERT_TRUE(moved);
        EXPECT_EQ(std::tuple(moved->card, moved->from, moved->index, moved->pile),
                  std::tuple(cardNamed("2D"), fromRoom ? PlaceKind::Room : PlaceKind::Column, fromRoom ? 1 : 0, 1));
        ASSERT_EQ(watcher.flights.size(), 1u);
        const auto& flight = watcher.flights[0];
        EXPECT_EQ(std::tuple(flight.card, flight.fromX, flight.fromY, flight.toX, flight.toY),
                  std::tuple(cardNamed("2D"), from.first, from.second, game.table.piles[1].x, game.table.piles[1].y));
        EXPECT_TRUE(watcher.pileShowedCard && watcher.placeStillHeldCard);
        EXPECT_FALSE(game.table.rooms[1].occupied || game.table.columns[0].present[0]);
        EXPECT_EQ(watcher.lastStatus(2), info ? "Autom. -> Pile[ 2 ]: 2 of Diamonds" : "");
        EXPECT_TRUE(game.flags.HintHeaderDirty && watcher.repaints == 1);
    }
}

// Nothing goes up that the player may still need to build on; the Columns
// are scanned before the Rooms, one card a call.
TEST_F(AutoMoveTest, OnlySafeCardsGoUpOneACall)
{
    using Arrange = void (*)(TableBuilder&);
    const struct { const char* name; Arrange arrange; Names moved; } cases[] = {
        {"a buried Ace and an Ace in a Room stay",
         [](auto& t) { t.column(0, {"AH", "5C"}).column(3, {"9D", "AS"}).room(0, "AD"); }, {"AS"}},
        {"a Two waits for its Ace", [](auto& t) { t.column(1, {"2H"}).room(3, "2D"); }, {}},
        {"a Two follows its Ace",
         [](auto& t) { t.pileUpTo("AH").pileUpTo("AD").column(0, {"5S", "KD"}).column(1, {"2H"}).room(3, "2D"); },
         {"2H", "2D"}},
        {"a Three waits for the fourth Two", [](auto& t) {
             t.pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("AC").column(0, {"3H"}).column(2, {"2C"});
         }, {"2C", "3H"}},
        {"Columns in order, then Rooms",
         [](auto& t) { t.pileUpTo("AH").column(2, {"AC"}).column(5, {"AD"}).room(0, "2H"); }, {"AC", "AD", "2H"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableBuilder builder = table();
        c.arrange(builder.autoMovesOn());
        Names moved;
        while (const auto move = game.AutoMoveToPiles())
            moved.push_back(cardName(move->card));
        EXPECT_EQ(moved, c.moved);
    }
}

TEST_F(AutoMoveTest, TheLastKingWinsOnTheNextCall)
{
    table().pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC").column(5, {"KC"}).autoMovesOn();
    ASSERT_TRUE(game.AutoMoveToPiles());
    EXPECT_EQ(std::pair(game.table.autoRank, events.statuses.size()), std::pair(12, std::size_t{12}));
    EXPECT_EQ(events.lastStatus(1), " Rank cleared: Queens");
    EXPECT_FALSE(game.AutoMoveToPiles());
    EXPECT_EQ(std::pair(game.table.autoRank, events.lastStatus(1)), std::pair(13, std::string(" Rank cleared: Kings")));
}

TEST_F(AutoMoveTest, NothingMovesWhileACardIsHeldOrMovesAreSuspended)
{
    table().pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("2C").column(0, {"AS"}).column(2, {"QC"});
    const TableState before = game.table;
    EXPECT_FALSE(game.AutoMoveToPiles());   // suspended since the deal
    game.flags.autoSuspended = false;
    holdColumnTop(2);
    EXPECT_FALSE(game.AutoMoveToPiles());
    EXPECT_EQ(std::pair(game.table.rankTable, game.table.autoRank), std::pair(before.rankTable, before.autoRank));
    EXPECT_TRUE(events.statuses.empty());   // not even a rank cleared
}

// A Column reaching the details panel's space switches the panel off.
TEST_F(AutoMoveTest, ADeepColumnSwitchesTheDetailsPanelOff)
{
    game.options.TransferDetails = true;
    table().column(1, {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H"}).autoMovesOn();
    for (const auto& [limit, shown] : {std::pair(11, true), std::pair(9, false), std::pair(10, true)}) {
        game.options.DetailsColumnLimit = limit;
        game.flags.DetailsShown = true;
        game.AutoMoveToPiles();   // the Column's top position stays at 9
        EXPECT_EQ(game.flags.DetailsShown, shown) << limit;
    }
    EXPECT_EQ(events.statuses.size(), 1u);
    EXPECT_EQ(events.lastStatus(0), "Transfer Details off by lack of space.");
}

} // namespace
} // namespace tavolin::testing
