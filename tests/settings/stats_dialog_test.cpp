#include "platform/doubles/manual_clock.h"
#include "settings/stats_dialog.h"
#include "store_fixture.h"

#include <QPushButton>
#include <QTest>

namespace tavolin {
namespace {

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

    // Shown afresh: the figures are computed at each showing.
    void showFigures()
    {
        dialog.hide();
        dialog.show();
        QApplication::processEvents();
    }
    QString figure(int label) const { return dialog.labelText(label).simplified(); }
    void click(const char* button) { QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton); }
};

TEST_F(StatsDialogTest, FiguresFollowTheResultsInTheOrderPlayed)
{
    struct Case {
        const char* results;   // w won, l lost
        const char* percent;
        const char* won;
        const char* lost;
        const char* streak;
    };
    const Case cases[] = {
        {"", "0%", "won: 0", "lost: 0", "no streaks detected"},
        {"l", "-100%", "won: 0", "lost: 1", "currently lost: one game"},
        {"www", "100%", "won: 3", "lost: 0", "currently won: 3 games in a row"},
        {"wll", "33%", "won: 0", "lost: 2", "currently lost: 2 games in a row"},
        {"wwwlw", "80%", "won: 1", "lost: 0", "currently won: one game"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.results);
        settings = Settings();
        run = RunTotals();
        for (const char* r = c.results; *r; ++r)
            *r == 'w' ? countWin(settings, run) : countLoss(settings, run);
        showFigures();
        EXPECT_EQ(figure(2), QStringLiteral("This session: %1").arg(c.percent));
        EXPECT_EQ(figure(5), QStringLiteral("Totals: %1").arg(c.percent));
        EXPECT_EQ(figure(9), c.won);
        EXPECT_EQ(figure(10), c.lost);
        EXPECT_EQ(figure(11), c.streak);
    }
    EXPECT_EQ(figure(3), "won: 4");
    EXPECT_EQ(figure(4), "lost: 1");

    // A streak type the dialog does not know leaves the sentence as it was.
    settings.StreakType = 7;
    showFigures();
    EXPECT_EQ(figure(11), "currently won: one game");
}

TEST_F(StatsDialogTest, DeleteDuringAGameIsRefused)
{
    countWin(settings, run);
    inPlay = true;
    showFigures();
    click("BitBtn2");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Game should be finished first.");
    EXPECT_EQ(settings.GamesWon, 1);
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(StatsDialogTest, DeleteAnsweredYesZeroesAndStoresEverything)
{
    countWin(settings, run);
    countLoss(settings, run);
    showFigures();
    messages.answerNext(MessageAnswer::No);
    click("BitBtn2");
    EXPECT_EQ(settings.GamesWon, 1);
    EXPECT_TRUE(registry.writes().empty());

    messages.answerNext(MessageAnswer::Yes);
    click("BitBtn2");
    EXPECT_EQ(messages.shown().back().text, "Delete all statistics ?");
    EXPECT_EQ(messages.shown().back().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(figure(2), "This session: 0%");
    EXPECT_EQ(figure(6), "won: 0");
    EXPECT_EQ(figure(11), "no streaks detected");
    EXPECT_EQ(run.runLost, 0);
    EXPECT_EQ(writtenValues(registry), (std::vector<StoredValue>{
                                           {"Games Won", 0}, {"Games Lost", 0}, {"Streak Type", 0}, {"Streak Wins", 0}, {"Streak Losses", 0}}));
}

TEST_F(StatsDialogTest, OkWaitsBrieflyAndCloses)
{
    showFigures();
    click("BitBtn1");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(clock.totalSlept(), 10);
}

} // namespace
} // namespace tavolin
