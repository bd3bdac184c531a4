#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "settings/settings_store.h"
#include "settings/stats_dialog.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

const QString Key = QStringLiteral("Software\\Projects\\Tavolin 2.2");

class StatsDialogTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock clock;
    SettingsStore store{registry, messages};
    Settings settings;
    RunTotals run;
    bool inPlay = false;
    TStats1Dlg dialog{settings, run, store, messages, clock, [this] { return inPlay; }};

    void showFigures()
    {
        dialog.show();
        QApplication::processEvents();
    }
    void clickDelete() { QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton); }
};

TEST_F(StatsDialogTest, NoGamesShowZeroEverywhere)
{
    showFigures();
    EXPECT_EQ(dialog.windowTitle(), " Tavolin Statistics");
    EXPECT_EQ(dialog.labelText(2), "This session:                 0%");
    EXPECT_EQ(dialog.labelText(5), "Totals:                             0%");
    EXPECT_EQ(dialog.labelText(3), "won:     0");
    EXPECT_EQ(dialog.labelText(4), "lost:      0");
    EXPECT_EQ(dialog.labelText(11), "no streaks detected");
}

TEST_F(StatsDialogTest, OneLossIsMinusAHundredPercent)
{
    countLoss(settings, run);
    showFigures();
    EXPECT_EQ(dialog.labelText(2), "This session:                 -100%");
    EXPECT_EQ(dialog.labelText(5), "Totals:                             -100%");
    EXPECT_EQ(dialog.labelText(11), "currently lost:  one game");
}

TEST_F(StatsDialogTest, StreakSentenceFollowsTheLastResults)
{
    for (int i = 0; i < 3; ++i)
        countWin(settings, run);
    showFigures();
    EXPECT_EQ(dialog.labelText(11), "currently won:  3 games in a row");
    EXPECT_EQ(dialog.labelText(9), "won:     3");
    EXPECT_EQ(dialog.labelText(10), "lost:      0");

    countLoss(settings, run);
    countWin(settings, run);
    dialog.hide();
    showFigures();   // shown again: the figures are computed anew
    EXPECT_EQ(dialog.labelText(11), "currently won:  one game");
    EXPECT_EQ(dialog.labelText(2), "This session:                 80%");

    // A streak type the dialog does not know leaves the sentence as it was.
    settings.StreakType = 7;
    dialog.hide();
    showFigures();
    EXPECT_EQ(dialog.labelText(11), "currently won:  one game");
}

TEST_F(StatsDialogTest, DeleteDuringAGameIsRefused)
{
    countWin(settings, run);
    inPlay = true;
    showFigures();
    clickDelete();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Game should be finished first.");
    EXPECT_EQ(messages.shown()[0].caption, " Statistics Delete Event");
    EXPECT_EQ(settings.GamesWon, 1);
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(StatsDialogTest, DeleteAnsweredYesZeroesAndStoresEverything)
{
    countWin(settings, run);
    countLoss(settings, run);
    showFigures();
    messages.answerNext(MessageAnswer::No);
    clickDelete();
    EXPECT_EQ(settings.GamesWon, 1);
    EXPECT_TRUE(registry.writes().empty());

    messages.answerNext(MessageAnswer::Yes);
    clickDelete();
    EXPECT_EQ(messages.shown().back().text, "Delete all statistics ?");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::None);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.labelText(2), "This session:                 0%");
    EXPECT_EQ(dialog.labelText(6), "won:     0");
    EXPECT_EQ(dialog.labelText(11), "no streaks detected");
    EXPECT_EQ(run.runLost, 0);
    for (const char* name : {"Games Won", "Games Lost", "Streak Type", "Streak Wins", "Streak Losses"})
        EXPECT_EQ(registry.value(Key, QString::fromLatin1(name)), MemoryRegistry::Value(0)) << name;
}

TEST_F(StatsDialogTest, OkWaitsBrieflyAndCloses)
{
    showFigures();
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(clock.totalSlept(), 10);
}

} // namespace
} // namespace tavolin
