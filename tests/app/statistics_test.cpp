#include "settings/statistics.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavolin {
namespace {

TEST(StatisticsTest, StreaksRestartWhenTheResultTurns)
{
    Settings settings;
    RunTotals run;
    countWin(settings, run);
    countWin(settings, run);
    countLoss(settings, run);
    EXPECT_EQ(settings.StreakType, 2);
    EXPECT_EQ(settings.StreakLosses, 1);
    EXPECT_EQ(settings.StreakWins, 0);
    countWin(settings, run);
    EXPECT_EQ(settings.StreakType, 1);
    EXPECT_EQ(settings.StreakWins, 1);
    EXPECT_EQ(settings.StreakLosses, 0);
    EXPECT_EQ(settings.GamesWon, 3);
    EXPECT_EQ(settings.GamesLost, 1);
    EXPECT_EQ(run.runWon, 3);
    EXPECT_EQ(run.runLost, 1);
}

TEST(StatisticsTest, CountsStopAtTheTopOfTheirRange)
{
    constexpr std::int32_t Top = std::numeric_limits<std::int32_t>::max();
    Settings settings;
    settings.GamesWon = Top;
    settings.GamesLost = Top;
    settings.StreakWins = Top;
    RunTotals run{Top, Top};
    countWin(settings, run);
    EXPECT_EQ(settings.GamesWon, Top);
    EXPECT_EQ(settings.StreakWins, Top);
    EXPECT_EQ(run.runWon, Top);

    settings.StreakLosses = Top;
    countLoss(settings, run);
    EXPECT_EQ(settings.GamesLost, Top);
    EXPECT_EQ(settings.StreakLosses, Top);
    EXPECT_EQ(settings.StreakWins, 0);
    EXPECT_EQ(run.runLost, Top);
    EXPECT_EQ(WinPercent(settings.GamesWon, settings.GamesLost), 50);
}

TEST(StatisticsTest, WinPercentTruncatesAndMarksOnlyLosses)
{
    EXPECT_EQ(WinPercent(0, 0), 0);
    EXPECT_EQ(WinPercent(0, 1), -100);
    EXPECT_EQ(WinPercent(1, 2), 33);
    EXPECT_EQ(WinPercent(2, 1), 66);
    EXPECT_EQ(WinPercent(5, 0), 100);
    EXPECT_EQ(WinPercent(2000000000, 2000000000), 50);
    EXPECT_EQ(WinPercent(2147483647, 0), 100);
    EXPECT_EQ(WinPercent(0, 2147483647), -100);
    EXPECT_EQ(WinPercent(1, 2147483647), 0);
    EXPECT_EQ(WinPercent(2147483647, 1), 99);
}

TEST(StatisticsTest, PlayingTimeDropsTheHoursAndCrossesMidnight)
{
    EXPECT_EQ(playingTimeText(playingMilliseconds(QTime(9, 0, 0), QTime(10, 5, 7))), "05 : 07");
    EXPECT_EQ(playingTimeText(playingMilliseconds(QTime(9, 0, 0), QTime(9, 3, 7))), "03 : 07");
    EXPECT_EQ(playingMilliseconds(QTime(23, 59, 0), QTime(0, 1, 30)), 150000);
}

} // namespace
} // namespace tavolin
