#include "game_fixture.h"

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

TEST_F(TransferSearchTest, NothingHeldFindsNothing)
{
    table().column(0, {"5H"}).column(1, {"6S"});
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
    EXPECT_EQ(game.TransferSearch(7, EmptyColumnTarget), 0);
}

class DetailsTest : public GameTest {
protected:
    void SetUp() override
    {
        game.flags.DetailsShown = true;
        game.options.PanelLineLimit = 5;
    }

    const TransferDetails& last() const { return events.details.back(); }

    static Names texts(const std::vector<PanelText>& lines)
    {
        Names names;
        for (const PanelText& line : lines)
            names.push_back(line.text);
        return names;
    }
};

constexpr const char* Dots = " . . . . . . . . . . . . . . . . . . . . . . . . . ";

TEST_F(DetailsTest, WalksTheDeckOntoTheEightOfClubs)
{
    table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"});
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(1, 0), 3);

    ASSERT_EQ(events.details.size(), 1u);
    const TransferDetails& details = last();
    EXPECT_TRUE(details.headingsRedrawn);
    EXPECT_EQ(texts(details.headings),
              (Names{"Card Tranfer Info", "Search Details", "Result returned from destination",
                     "Selected origin:  5 of Hearts", "Selected target:  8 of Clubs", "Destination:  Column number 2"}));
    EXPECT_EQ(details.headings[0].colour, PanelColour::Aqua);
    EXPECT_TRUE(details.headings[0].underline);
    EXPECT_EQ(details.headings[4].y, 46);
    EXPECT_EQ(texts(details.steps),
              (Names{"First card at origin is 5 of Hearts", "First card doesn't match target.", Dots,
                     "Card number 2 is 6 of Spades", Dots, "Card number 3 is 7 of Diamonds",
                     "Card number 3 matches target."}));
    const std::vector<int> rows = {26, 42, 58, 58, 74, 74, 90};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(details.steps[i].y, rows[i]) << i;
        EXPECT_EQ(details.steps[i].x, 320);
        EXPECT_EQ(details.steps[i].font, PanelFont::TimesNewRoman);
    }
    EXPECT_EQ(details.result.text, "3 cards at origin match target.");
    EXPECT_EQ(details.result.colour, PanelColour::Lime);
    EXPECT_EQ(details.result.font, PanelFont::CourierNew);
    EXPECT_EQ(details.result.y, 110);
    EXPECT_EQ(details.count, 3);
}

TEST_F(DetailsTest, ABrokenDeckEndsWithNoMatch)
{
    table().column(0, {"8D", "6S", "5H"}).column(1, {"9C"});
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
    EXPECT_EQ(texts(last().steps),
              (Names{"First card at origin is 5 of Hearts", "First card doesn't match target.", Dots,
                     "Card number 2 is 6 of Spades", Dots, "Card number 3 is 8 of Diamonds",
                     "Card number 3 no match for previous card."}));
    EXPECT_EQ(last().result.text, "Try other target.");
    EXPECT_EQ(last().result.colour, PanelColour::Yellow);
}

TEST_F(DetailsTest, LinesStopAdvancingAfterTheLineLimit)
{
    table().column(0, {"KD", "QC", "JH", "10S", "9D", "8C", "7H", "6S", "5H"}).column(1, {"2C"});
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(1, 0), 0);
    std::vector<int> cardRows;
    for (const PanelText& line : last().steps)
        if (line.text.starts_with("Card number"))
            cardRows.push_back(line.y);
    // Cards 2 to 6 get rows of their own, cards 7 to 9 share the next one.
    EXPECT_EQ(cardRows, (std::vector<int>{58, 74, 90, 106, 122, 138, 138, 138}));
    EXPECT_EQ(last().result.text, "Try other target.");

    game.PutBack();
    game.options.PanelLineLimit = 14;
    holdColumnTop(0);
    game.TransferSearch(1, 0);
    EXPECT_EQ(last().steps.back().y, 26 + 16 * 9);
}

TEST_F(DetailsTest, ResultTextsForEveryKindOfOrigin)
{
    table().column(0, {"9C", "8H"}).column(1, {"9S"}).column(2, {"7S"}).column(3, {"KD", "QH", "JC"})
        .room(0, "8D").room(1, "2H");
    auto result = [&](int column, int position) {
        game.TransferSearch(column, position);
        return std::pair(last().result.text, last().steps.size());
    };

    holdRoomCard(0);
    EXPECT_EQ(result(1, 0), std::pair(std::string("Ready for tranfer of single card."), std::size_t{0}));
    EXPECT_EQ(result(2, 0), std::pair(std::string("Try other destination."), std::size_t{0}));
    EXPECT_EQ(result(7, EmptyColumnTarget), std::pair(std::string("Ready for transfer of single card."), std::size_t{0}));
    game.PutBack();

    holdColumnTop(2);   // the only card of its Column
    EXPECT_EQ(result(0, 1), std::pair(std::string("Ready for tranfer of single deck card."), std::size_t{0}));
    EXPECT_EQ(result(1, 0), std::pair(std::string("Try other destination."), std::size_t{0}));
    EXPECT_EQ(result(7, EmptyColumnTarget), std::pair(std::string("Ready for tranfer of single deck card."), std::size_t{1}));
    game.PutBack();

    holdColumnTop(0);
    EXPECT_EQ(result(1, 0), std::pair(std::string("Selected card matches target."), std::size_t{1}));
    EXPECT_EQ(result(7, EmptyColumnTarget), std::pair(std::string("Ready for tranfer of 2 deck cards."), std::size_t{3}));
    game.PutBack();

    holdColumnTop(3);
    game.TransferSearch(7, EmptyColumnTarget);
    // The King does not continue the Deck: the walk ends without a line of its own.
    EXPECT_EQ(texts(last().steps), (Names{"First card at origin is Jack of Clubs", Dots, "Card number 2 is Queen of Hearts",
                                          Dots, "Card number 3 is King of Diamonds"}));
    EXPECT_EQ(last().result.text, "Ready for tranfer of 2 deck cards.");
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

TEST_F(DetailsTest, ADropOnAColumnSearchesAgainAndBlanksThePanel)
{
    table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"}).column(2, {"9H"});
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(2, 0), DropOutcome::Ignored);
    EXPECT_EQ(events.detailsResets, 0);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Done);
    EXPECT_EQ(events.details.size(), 2u);
    EXPECT_EQ(events.detailsResets, 1);
}

TEST_F(DetailsTest, NothingIsShownWhileTheDetailsPanelIsOff)
{
    table().column(0, {"7D", "6S", "5H"}).column(1, {"8C"});
    game.flags.DetailsShown = false;
    holdColumnTop(0);
    EXPECT_EQ(game.TransferSearch(1, 0), 3);
    EXPECT_EQ(game.DropOnColumnTop(1, 0), DropOutcome::Done);
    EXPECT_TRUE(events.details.empty());
    EXPECT_EQ(events.detailsResets, 0);
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
