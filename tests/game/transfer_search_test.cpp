#include "game_fixture.h"

#include <set>

namespace tavolin::testing {
namespace {

class TransferSearchTest : public GameTest {};

TEST_F(TransferSearchTest, FindsTheCardOfTheDeckThatFitsTheTarget)
{
    table().column(0, {"8D", "6S", "5H"}).column(1, {"9C"}).column(2, {"KC", "6S", "5H"}).column(3, {"7D"})
        .column(4, {"6D"});
    holdColumnTop(0);
    const TableState before = game.table;
    // The Six continues the Deck but does not fit; the Eight breaks it.
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
    EXPECT_EQ(game.table, before);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Ignored);
    EXPECT_EQ(game.selection.kind, SelectionKind::Column);
    EXPECT_EQ(game.table.columns[0].mode[2], DrawMode::Selected);
    game.PutBack();

    holdColumnTop(2);
    EXPECT_EQ(game.TransferSearch(4, 0), 0);   // same colour, and nothing under the Five fits a Six
    EXPECT_EQ(game.TransferSearch(3, 0), 2);
    EXPECT_EQ(game.DropOnColumnTop(3, 0), DropOutcome::Done);
    EXPECT_EQ(column(3), (Names{"7D", "6S", "5H"}));
    EXPECT_EQ(column(2), (Names{"KC"}));
}

TEST_F(TransferSearchTest, EmptyColumnTakesTheLongestDeckEndingWithTheHeldCard)
{
    table().column(0, {"KS", "9C", "8H", "7C"}).column(1, {"4D"}).room(0, "QD");
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 0);   // nothing held
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 3);
    EXPECT_EQ(game.TransferSearch(1, EmptyColumnTarget), 0);   // not empty
    game.PutBack();
    holdColumnTop(1);
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 1);
    game.PutBack();
    holdRoomCard(0);
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 1);
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
}

class DetailsTest : public GameTest {
protected:
    void SetUp() override
    {
        game.flags.DetailsShown = true;
        game.options.PanelLineLimit = 5;
    }

    const TransferDetails& last() const { return events.details.back(); }
};

constexpr const char* Dots = " . . . . . . . . . . . . . . . . . . . . . . . . . ";

TEST_F(DetailsTest, TheAccountWalksDownTheDeck)
{
    const struct { const char* under; Names steps; const char* result; PanelColour colour; int count; } cases[] = {
        {"7D",
         {"First card at origin is 5 of Hearts", "First card doesn't match target.", Dots,
          "Card number 2 is 6 of Spades", Dots, "Card number 3 is 7 of Diamonds", "Card number 3 matches target."},
         "3 cards at origin match target.", PanelColour::Lime, 3},
        {"8D",
         {"First card at origin is 5 of Hearts", "First card doesn't match target.", Dots,
          "Card number 2 is 6 of Spades", Dots, "Card number 3 is 8 of Diamonds",
          "Card number 3 no match for previous card."},
         "Try other target.", PanelColour::Yellow, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.under);
        events.details.clear();
        table().column(0, {c.under, "6S", "5H"}).column(1, {"8C"});
        holdColumnTop(0);
        EXPECT_EQ(game.TransferSearch(1, 0), c.count);
        ASSERT_EQ(events.details.size(), 1u);
        EXPECT_TRUE(last().headingsRedrawn);
        EXPECT_EQ(texts(last().headings),
                  (Names{"Card Tranfer Info", "Search Details", "Result returned from destination",
                         "Selected origin:  5 of Hearts", "Selected target:  8 of Clubs", "Destination:  Column number 2"}));
        EXPECT_EQ(texts(last().steps), c.steps);
        EXPECT_EQ(last().result.text, c.result);
        EXPECT_EQ(last().result.colour, c.colour);
        EXPECT_EQ(last().count, c.count);
    }
}

// Cards past the panel's last row share that row: the later covers the earlier.
TEST_F(DetailsTest, CardLinesStopAdvancingAtTheLineLimit)
{
    table().column(0, {"KD", "QC", "JH", "10S", "9D", "8C", "7H", "6S", "5H"}).column(1, {"2C"});
    for (const auto& [limit, rows] : {std::pair(5, 6u), std::pair(14, 8u)}) {
        game.options.PanelLineLimit = limit;
        holdColumnTop(0);
        EXPECT_EQ(game.TransferSearch(1, 0), 0);
        std::set<int> cardRows;
        for (const PanelText& line : last().steps)
            if (line.text.starts_with("Card number"))
                cardRows.insert(line.y);
        EXPECT_EQ(cardRows.size(), rows) << "line limit " << limit;
        EXPECT_EQ(last().steps.back().y, *cardRows.rbegin());
        game.PutBack();
    }
}

TEST_F(DetailsTest, ResultTextsForEveryKindOfOrigin)
{
    table().column(0, {"9C", "8H"}).column(1, {"9S"}).column(2, {"7S"}).column(3, {"KD", "QH", "JC"})
        .room(0, "8D").room(1, "2H");
    const struct { int room, column; int target, position; const char* result; std::size_t steps; } cases[] = {
        {0, -1, 1, 0, "Ready for tranfer of single card.", 0},
        {0, -1, 2, 0, "Try other destination.", 0},
        {0, -1, 7, EmptyColumnTarget, "Ready for transfer of single card.", 0},
        {-1, 2, 0, 1, "Ready for tranfer of single deck card.", 0},   // the only card of its Column
        {-1, 2, 1, 0, "Try other destination.", 0},
        {-1, 2, 7, EmptyColumnTarget, "Ready for tranfer of single deck card.", 1},
        {-1, 0, 1, 0, "Selected card matches target.", 1},
        {-1, 0, 7, EmptyColumnTarget, "Ready for tranfer of 2 deck cards.", 3},
        // The King does not continue the Deck: the walk ends without a line of its own.
        {-1, 3, 7, EmptyColumnTarget, "Ready for tranfer of 2 deck cards.", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        ASSERT_TRUE(c.room >= 0 ? game.PickUpFromRoom(c.room) : game.PickUpFromColumn(c.column));
        game.TransferSearch(c.target, c.position);
        EXPECT_EQ(last().result.text, c.result);
        EXPECT_EQ(last().steps.size(), c.steps);
        game.PutBack();
    }
    EXPECT_EQ(texts(last().steps), (Names{"First card at origin is Jack of Clubs", Dots, "Card number 2 is Queen of Hearts",
                                          Dots, "Card number 3 is King of Diamonds"}));
    EXPECT_EQ(last().count, 2);
}

TEST_F(DetailsTest, HeadingsAreDrawnForANewCardOrANewTargetOnly)
{
    table().column(0, {"KD", "QH", "JC"}).column(1, {"9S"}).column(2, {"8C"});
    holdColumnTop(0);
    game.TransferSearch(7, EmptyColumnTarget);
    EXPECT_TRUE(last().headingsRedrawn);
    EXPECT_EQ(last().headings[5].text, "Destination:  Column number 8");
    EXPECT_EQ(game.flags.DetailsTargetCard, EmptyColumnDetailsTarget);

    game.TransferSearch(6, EmptyColumnTarget);   // another empty Column looks the same
    EXPECT_FALSE(last().headingsRedrawn);
    EXPECT_TRUE(last().headings.empty());
    EXPECT_EQ(last().result.text, "Ready for tranfer of 2 deck cards.");

    game.TransferSearch(1, 0);
    EXPECT_TRUE(last().headingsRedrawn);
    EXPECT_EQ(last().headings[4].text, "Selected target:  9 of Spades");
    game.TransferSearch(1, 0);
    EXPECT_FALSE(last().headingsRedrawn);

    game.PutBack();
    holdColumnTop(0);   // a pick-up always asks for the headings
    game.TransferSearch(1, 0);
    EXPECT_TRUE(last().headingsRedrawn);

    // A blanked panel shows no headings any more: the next search draws them.
    game.ResetDetailsPanel();
    EXPECT_EQ(events.detailsResets, 1);
    game.TransferSearch(1, 0);
    EXPECT_TRUE(last().headingsRedrawn);
}

// A drop searches again and blanks the panel once it is carried out; nothing at all while the panel is off.
TEST_F(DetailsTest, ADropOnAColumnShowsItsSearchAndBlanksThePanel)
{
    for (const auto& [shown, searches, resets] : {std::tuple(true, 2u, 1), std::tuple(false, 0u, 0)}) {
        SCOPED_TRACE(shown);
        events = RecordingEvents{};
        table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"}).column(2, {"9H"});
        game.flags.DetailsShown = shown;
        holdColumnTop(0);
        EXPECT_EQ(game.DropOnColumnTop(2, 0), DropOutcome::Ignored);
        EXPECT_EQ(events.detailsResets, 0);
        EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Done);
        EXPECT_EQ(events.details.size(), searches);
        EXPECT_EQ(events.detailsResets, resets);
    }
}

TEST_F(DetailsTest, AGapUnderTheHeldCardStopsTheSearch)
{
    table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"});
    game.table.columns[0].present[1] = 0;
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
    EXPECT_EQ(last().steps.back().text, "Last card number 2 processed: 1");
    EXPECT_EQ(last().result.text, "Card missing in selected column.");
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 0);
    EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Ignored);
}

} // namespace
} // namespace tavolin::testing
