#include "game_fixture.h"

#include <set>

namespace tavolin::testing {
namespace {

class TransferSearchTest : public GameTest {
protected:
    const TransferDetails& last() const { return events.details.back(); }
};

constexpr const char* Dots = " . . . . . . . . . . . . . . . . . . . . . . . . . ";

// The same count whether or not the details panel shows the search; the panel
// shows the result and one step line for each card examined.
TEST_F(TransferSearchTest, FindsTheCardOfTheDeckThatFitsTheTarget)
{
    const struct { int origin, column, position, count; const char* result; std::size_t steps; } cases[] = {
        {-1, 1, 0, 1, "Ready for tranfer of single card.", 0},
        {-1, 2, 0, 0, "Try other destination.", 0},
        {-1, 7, EmptyColumnTarget, 1, "Ready for transfer of single card.", 0},
        {2, 0, 1, 1, "Ready for tranfer of single deck card.", 0},   // the only card of its Column
        {2, 1, 0, 0, "Try other destination.", 0},
        {2, 7, EmptyColumnTarget, 1, "Ready for tranfer of single deck card.", 1},
        {0, 1, 0, 1, "Selected card matches target.", 1},
        {0, 6, 0, 2, "2 cards at origin match target.", 5},
        {0, 7, EmptyColumnTarget, 2, "Ready for tranfer of 2 deck cards.", 3},
        {3, 7, EmptyColumnTarget, 2, "Ready for tranfer of 2 deck cards.", 5},   // the King does not continue
        {4, 1, 0, 0, "Try other target.", 7},   // the Six continues the Deck but does not fit; the Eight breaks it
        {4, 5, 0, 2, "2 cards at origin match target.", 5},
        {4, 7, EmptyColumnTarget, 2, "Ready for tranfer of 2 deck cards.", 5},
        {4, 2, EmptyColumnTarget, 0, "", 0},   // not empty
    };
    for (const bool shown : {false, true}) {
        table().column(0, {"9C", "8H"}).column(1, {"9S"}).column(2, {"7S"}).column(3, {"KD", "QH", "JC"})
            .column(4, {"8C", "6S", "5H"}).column(5, {"7D"}).column(6, {"10D"}).room(0, "8D");
        game.flags.DetailsShown = shown;
        EXPECT_EQ(game.TransferSearch(1, 0) + game.TransferSearch(7, EmptyColumnTarget), 0);   // nothing held
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << "from " << c.origin << " to " << c.column << ", shown " << shown);
            events.details.clear();
            ASSERT_TRUE(hold(game, c.origin));
            const TableState before = game.table;
            EXPECT_EQ(game.TransferSearch(c.column, c.position), c.count);
            EXPECT_EQ(game.table, before);
            EXPECT_EQ(events.details.size(), shown && c.result[0] ? 1u : 0u);
            if (!events.details.empty()) {
                EXPECT_EQ(std::tuple(last().result.text, last().steps.size(), last().count),
                          std::tuple(c.result, c.steps, c.count));
            }
            game.PutBack();
        }
        // A gap under the held card stops the search.
        game.table.columns[4].present[1] = 0;
        holdColumnTop(4);
        EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 0);
        EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Ignored);
    }
    EXPECT_EQ(last().result.text, "Card missing in selected column.");
}

TEST_F(TransferSearchTest, TheDetailsWalkDownTheDeck)
{
    game.flags.DetailsShown = true;
    table().column(0, {"8C", "6S", "5H"}).column(1, {"9S"}).column(2, {"7D"});
    holdColumnTop(0);
    game.TransferSearch(2, 0);
    EXPECT_EQ(texts(last().headings), (Names{"Card Tranfer Info", "Search Details", "Result returned from destination",
                                             "Selected origin:  5 of Hearts", "Selected target:  7 of Diamonds",
                                             "Destination:  Column number 3"}));
    Names steps{"First card at origin is 5 of Hearts", "First card doesn't match target.", Dots,
                "Card number 2 is 6 of Spades", "Card number 2 matches target."};
    EXPECT_EQ(texts(last().steps), steps);
    EXPECT_EQ(last().result.colour, PanelColour::Lime);
    game.TransferSearch(1, 0);
    steps.back() = Dots;
    steps.insert(steps.end(), {"Card number 3 is 8 of Clubs", "Card number 3 no match for previous card."});
    EXPECT_EQ(texts(last().steps), steps);
    EXPECT_EQ(last().result.colour, PanelColour::Yellow);
}

// Cards past the panel's last row share that row: the later covers the earlier.
TEST_F(TransferSearchTest, CardLinesStopAdvancingAtTheLineLimit)
{
    game.flags.DetailsShown = true;
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
        game.PutBack();
    }
}

TEST_F(TransferSearchTest, HeadingsAreDrawnForANewCardOrANewTargetOnly)
{
    game.flags.DetailsShown = true;
    table().column(0, {"KD", "QH", "JC"}).column(1, {"9S"}).column(2, {"QD"});
    holdColumnTop(0);
    const auto search = [&](int column, int position) {
        game.TransferSearch(column, position);
        return last().headingsRedrawn ? texts(last().headings).back() : std::string("kept");
    };
    EXPECT_EQ(search(7, EmptyColumnTarget), "Destination:  Column number 8");
    EXPECT_EQ(search(6, EmptyColumnTarget), "kept");   // another empty Column looks the same
    EXPECT_EQ(search(1, 0), "Destination:  Column number 2");
    EXPECT_EQ(search(1, 0), "kept");
    game.PutBack();
    holdColumnTop(0);
    EXPECT_EQ(search(1, 0), "Destination:  Column number 2");   // a pick-up always asks for them
    game.ResetDetailsPanel();
    EXPECT_EQ(search(1, 0), "Destination:  Column number 2");   // a blanked panel shows none
    // A drop searches again, and blanks the panel once it is carried out.
    const std::size_t searches = events.details.size();
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Ignored);
    EXPECT_EQ(events.detailsResets, 1);
    EXPECT_EQ(game.DropOnColumnTop(2, 0), DropOutcome::Done);
    EXPECT_EQ(std::pair(events.details.size(), events.detailsResets), std::pair(searches + 2, 2));
}

} // namespace
} // namespace tavolin::testing
