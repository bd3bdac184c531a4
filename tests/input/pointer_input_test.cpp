#include "game/recording_events.h"
#include "input/pointer_input.h"
#include "table_builder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tavolin::testing {
namespace {
using enum PointerShape;

class RecordingFeedback : public PointerFeedback {
public:
    PointerShape shape = Arrow;
    int shapes = 0, heldShown = 0;
    QStringList statuses;   // "panel: text"
    void setPointerShape(PointerShape next) override { shape = next; ++shapes; }
    void showStatus(int panel, const QString& text) override { statuses << QString::number(panel) + ": " + text; }
    void showHeldCard() override { ++heldShown; }
    void heldCardReturned(CardCode, bool) override {}
    void heldCardKept(Place) override {}
    void nothingHeld() override {}
};

// Points are taken from where the table lays its places out, never from pixel numbers.
class PointerInputTest : public ::testing::Test {
protected:
    RecordingEvents events;
    Game game{events};
    TableLayout layout;
    RecordingFeedback feedback;
    Hand hand{game, feedback};
    PointerInput input{game, layout, hand, feedback};

    // Column 0 ends in a Deck of two, Columns 3 to 7 are empty, the Ace of Spades is up.
    void SetUp() override { deal(); }
    void deal()
    {
        game.geometry = layout;
        game.options.TransferInfo = true;
        TableBuilder(game).pileUpTo("AS").column(0, {"KH", "9C", "8H"}).column(1, {"10D"}).column(2, {"AH", "2S"})
            .room(2, "QS");
    }
    // A card's last pixel, bottom right: the hit tests must reach it.
    QPoint corner(int x, int y) const { return QPoint(x + layout.CardWidth - 1, y + layout.CardHeight - 1); }
    QPoint columnTop(int c) const
    {
        const int top = game.table.columns[c].topPosition();
        return corner(game.table.columns[c].x[top], game.table.columns[c].y[top]);
    }
    QPoint room(int r) const { return corner(game.table.rooms[r].x, game.table.rooms[r].y); }
    QPoint pile(int p) const { return corner(game.table.piles[p].x, game.table.piles[p].y); }
    QPoint belowFirstPlace(int c, double steps) const
    {
        const ColumnRec& rec = game.table.columns[c];
        return QPoint(rec.x[0] + 1, rec.y[0] + static_cast<int>(steps * layout.ColumnStep));
    }
    void pickUp(QPoint at) { input.FormMouseDown(Qt::LeftButton, at); input.FormMouseUp(Qt::LeftButton, at); }
};

TEST_F(PointerInputTest, TheTargetsShowWhatTheyWouldTake)
{
    const struct { int column; QPoint at; PointerShape shape; int count; const char* target, *card; } cases[] = {
        {0, columnTop(1), LargeArrowDown, 2, "Column number 2", " is 10 of Diamonds"},
        {0, belowFirstPlace(7, 0.5), LargeArrowUp, 2, "empty Column number 8", ": none"},
        {0, room(0), LargeArrowUp, 1, "free Room number 1", ": none"},
        {2, pile(2), LargeArrowUp, 1, "Pile number 3", " is Ace of Spades"},
        {1, pile(1), Arrow, 0, nullptr, nullptr},   // no Ace yet on the Diamonds' Pile
        {1, room(2), Arrow, 0, nullptr, nullptr},   // an occupied Room
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape == Arrow ? "none" : c.target);
        pickUp(columnTop(c.column));
        feedback.statuses.clear();
        input.FormMouseMove(c.at);
        EXPECT_EQ(feedback.shape, c.shape);
        EXPECT_EQ(feedback.statuses.join('|'), c.count == 0 ? QString() : QString("0: Cards ready for transfer: %1|1: "
                  "Target is %2|2: Target card%3").arg(c.count).arg(c.target, c.card));
        game.PutBack();
    }
    EXPECT_EQ(feedback.heldShown, 6);
}

// An empty Column is a target for 17 card steps below its first place, but takes a release only within 14.
TEST_F(PointerInputTest, AnEmptyColumnTracksFurtherThanItTakesARelease)
{
    input.FormMouseDown(Qt::LeftButton, columnTop(0));
    for (const auto& [steps, shape] : {std::pair(17.5, Arrow), std::pair(16.5, LargeArrowUp)}) {
        input.FormMouseMove(belowFirstPlace(7, steps));
        EXPECT_EQ(feedback.shape, shape) << steps;
    }
    input.FormMouseUp(Qt::LeftButton, belowFirstPlace(7, 14.5));
    EXPECT_TRUE(!game.selection.isEmpty() && game.table.columns[7].isEmpty());
    input.FormMouseUp(Qt::LeftButton, belowFirstPlace(7, 13.5));
    EXPECT_TRUE(game.selection.isEmpty() && game.table.columns[7].cardCount() == 1);   // the question was answered No
}

TEST_F(PointerInputTest, AnAceIsNoTargetOverARoomAndNotDroppedThere)
{
    for (const auto& [card, shape] : {std::pair("AD", Arrow), std::pair("2D", LargeArrowUp)}) {
        deal();
        game.table.columns[1].card[0] = cardNamed(card);
        input.FormMouseDown(Qt::LeftButton, columnTop(1));
        input.FormMouseMove(room(1));
        EXPECT_EQ(feedback.shape, shape) << card;
        input.FormMouseUp(Qt::LeftButton, room(1));   // the Room of the Column's own number
        const bool dropped = shape != Arrow;
        EXPECT_TRUE(game.table.rooms[1].occupied == dropped && game.selection.isEmpty() == dropped) << card;
    }
}

// A Deck longer than the capacity, or any card onto a full Column, shows no target.
TEST_F(PointerInputTest, TooLongAMoveIsNoTarget)
{
    TableBuilder(game).room(0, "9S").room(1, "KS").room(2, "KC").column(0, {"KH", "9C", "8H"}).column(1, {"10D"})
        .column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"5C"}).column(6, {"6C"}).column(7, {"7C"});
    input.FormMouseDown(Qt::LeftButton, columnTop(0));
    for (const auto& [free, shape] : {std::pair(true, LargeArrowDown), std::pair(false, Arrow)}) {
        game.table.rooms[3].occupied = !free;
        input.FormMouseMove(room(3));   // away, so that the Column is searched again
        input.FormMouseMove(columnTop(1));
        EXPECT_EQ(feedback.shape, shape) << free;
    }
    game.PutBack();
    pickUp(room(0));
    game.table.columns[1].present.fill(1);
    game.table.columns[1].card.fill(cardNamed("10D"));
    input.FormMouseMove(columnTop(1));
    EXPECT_EQ(feedback.shape, Arrow);
}

TEST_F(PointerInputTest, MovesWithinTheLastTargetDoNotSearchAgain)
{
    game.flags.DetailsShown = true;
    input.FormMouseDown(Qt::LeftButton, columnTop(0));
    input.FormMouseMove(columnTop(1));
    const auto shown = std::tuple(feedback.shapes, feedback.statuses.size(), std::size_t{1});
    input.FormMouseMove(columnTop(1) - QPoint(3, 5));
    EXPECT_EQ(std::tuple(feedback.shapes, feedback.statuses.size(), events.details.size()), shown);
    input.FormMouseMove(pile(0));   // away, over a Pile that does not take the card
    input.FormMouseMove(columnTop(1));
    EXPECT_EQ(events.details.size(), 2u);
}

TEST_F(PointerInputTest, ACardMovesByDragOrByTwoClicksAndASecondClickOnItPutsItBack)
{
    input.FormMouseDown(Qt::RightButton, columnTop(0));
    EXPECT_TRUE(game.selection.isEmpty());
    pickUp(columnTop(0));   // a click holds the card
    ASSERT_FALSE(game.selection.isEmpty());
    pickUp(columnTop(0));   // a second click on it puts it back
    EXPECT_TRUE(game.selection.isEmpty());
    pickUp(columnTop(0));
    pickUp(columnTop(1));   // a click on the target drops it
    EXPECT_EQ(game.table.columns[1].cardCount(), 3);
    input.FormMouseDown(Qt::LeftButton, columnTop(2));
    input.FormMouseMove(room(0));
    input.FormMouseUp(Qt::LeftButton, room(0));   // dragged
    EXPECT_EQ(game.table.rooms[0].card, cardNamed("2S"));
    EXPECT_EQ(feedback.shape, Arrow);
}

} // namespace
} // namespace tavolin::testing
