// Deals by number: the number of each deal, a deal by its number and the
// same deal again.
#include "game/recording_events.h"
#include "window_fixture.h"

#include <QInputDialog>
#include <QTimer>

namespace tavolin {
namespace {

class DealTest : public testing::WindowFixture<> {
protected:
    // The order the shuffle seeded with `seed` deals the pack in.
    static std::array<CardCode, PackSize> shuffled(std::uint32_t seed)
    {
        testing::RecordingEvents events;
        Game game(events);
        game.random.seed(seed);
        game.BuildPack();
        return game.table.dealOrder;
    }

    void expectDealt(std::uint32_t number)
    {
        const TableState& table = window->game().table;
        EXPECT_TRUE(window->game().flags.gameInPlay);
        EXPECT_EQ(table.dealOrder, shuffled(number));
        for (int i = 0; i < PackSize; ++i)
            EXPECT_EQ(table.columns[i % ColumnCount].card[i / ColumnCount], table.dealOrder[i]) << i;
        EXPECT_EQ(window->dealNumber(), number);
        EXPECT_EQ(window->dealNumberText().trimmed(), QStringLiteral("Deal %1").arg(number));
        EXPECT_EQ(action("RestartDeal1")->text(), QStringLiteral("&Restart Deal %1").arg(number));
    }
};

TEST_F(DealTest, ADealByNumberIsTheShuffleSeededWithItAndRestartDealsItAgain)
{
    for (const std::uint32_t number : {1u, 617u, 4294967295u}) {
        SCOPED_TRACE(number);
        registry = MemoryRegistry();
        open();
        EXPECT_FALSE(action("RestartDeal1")->isEnabled()) << "nothing to restart yet";
        window->RestartDealClick();
        EXPECT_FALSE(window->game().flags.gameInPlay);

        window->dealByNumber(QString::number(number));
        QApplication::processEvents();
        expectDealt(number);
        EXPECT_TRUE(action("RestartDeal1")->isEnabled());

        // The player's No keeps the game as it was; Yes counts it lost and deals it again.
        window->game().takeTopFromColumn(0);
        const TableState played = window->game().table;
        const std::size_t boxes = messages.shown().size();
        messages.answerNext(MessageAnswer::No);
        window->RestartDealClick();
        EXPECT_EQ(window->game().table, played);
        messages.answerNext(MessageAnswer::Yes);
        window->RestartDealClick();
        ASSERT_EQ(messages.shown().size(), boxes + 2);
        EXPECT_EQ(messages.shown().back().caption, " Game Control");
        EXPECT_EQ(messages.shown().back().text, "End the current game ?");
        expectDealt(number);
        EXPECT_EQ(stored("Games Lost"), 1);

        // A finished game's deal comes back without a question.
        messages.answerNext(MessageAnswer::Yes);
        window->FinishGame1Click();
        EXPECT_EQ(window->dealNumberText().trimmed(), QStringLiteral("Deal %1").arg(number)) << "the last deal";
        window->RestartDealClick();
        expectDealt(number);
        EXPECT_EQ(messages.shown().size(), boxes + 3);
        EXPECT_EQ(stored("Games Lost"), 2);
    }
}

// A deal from the clock has its seconds as its number, and shows it.
TEST_F(DealTest, ANewGameIsNumberedByTheClock)
{
    open();
    newGame();
    expectDealt(static_cast<std::uint32_t>(clock.calendarSeconds()));
}

TEST_F(DealTest, WhatIsNotADealNumberIsRefusedAndNothingHappens)
{
    open();
    window->dealByNumber(QStringLiteral("40"));
    window->game().takeTopFromColumn(3);
    const TableState before = window->game().table;
    const int commits = registry.commits();
    for (const char* text : {"", "  ", "abc", "0", "-5", "+5", "5.0", "1e3", "12 34", "4294967296",
                             "99999999999999999999999", "\xd9\xa3"}) {
        SCOPED_TRACE(text);
        const std::size_t boxes = messages.shown().size();
        window->dealByNumber(QString::fromUtf8(text));
        ASSERT_EQ(messages.shown().size(), boxes + 1) << "a message and no question";
        EXPECT_EQ(messages.shown().back().caption, " Deal by Number");
        const QString& message = messages.shown().back().text;
        EXPECT_TRUE(message.contains("is not a deal number")) << message.toStdString();
        EXPECT_EQ(window->game().table, before);
        EXPECT_EQ(window->dealNumber(), 40u);
        EXPECT_EQ(registry.commits(), commits) << "nothing recorded";
    }
}

// The command asks for the number in a dialog of its own; Cancel deals nothing.
TEST_F(DealTest, TheNumberIsAskedForInADialog)
{
    open();
    for (const bool accepted : {false, true}) {
        SCOPED_TRACE(accepted);
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            dialog->setTextValue(QStringLiteral(" 2026 "));
            accepted ? dialog->accept() : dialog->reject();
        });
        action("DealByNumber1")->trigger();
        EXPECT_EQ(title, " Deal by Number");
        EXPECT_EQ(window->game().flags.gameInPlay, accepted);
    }
    expectDealt(2026);
}

} // namespace
} // namespace tavolin
