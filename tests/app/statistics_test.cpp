#include "settings/statistics.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavolin {
namespace {

constexpr std::int32_t Top = std::numeric_limits<std::int32_t>::max();

// A streak restarts when the result turns; a count at the top of its range
// stays there rather than wrapping.
TEST(StatisticsTest, StreaksRestartWhenTheResultTurnsAndCountsStopAtTheTop)
{
    Settings settings;
    RunTotals run;
    for (const auto count : {countWin, countWin, countLoss, countWin})
        count(settings, run);
    EXPECT_EQ(std::tuple(settings.StreakType, settings.StreakWins, settings.StreakLosses), std::tuple(1, 1, 0));
    countLoss(settings, run);
    EXPECT_EQ(std::tuple(settings.StreakType, settings.StreakWins, settings.StreakLosses), std::tuple(2, 0, 1));
    EXPECT_EQ(std::tuple(settings.GamesWon, settings.GamesLost, run.runWon, run.runLost), std::tuple(3, 2, 3, 2));

    Settings won;
    won.GamesWon = won.GamesLost = won.StreakWins = won.StreakLosses = Top;
    Settings lost = won;
    run = RunTotals{Top, Top};
    countWin(won, run);
    countLoss(lost, run);
    EXPECT_EQ(std::tuple(won.GamesWon, won.StreakWins, lost.GamesLost, lost.StreakLosses, run.runWon, run.runLost),
              std::tuple(Top, Top, Top, Top, Top, Top));
}

TEST(StatisticsTest, WinPercentTruncatesAndMarksOnlyLossesWithoutOverflow)
{
    for (const auto& [won, lost, percent] : {std::tuple(0, 0, 0), {0, 1, -100}, {1, 2, 33}, {2, 1, 66}, {5, 0, 100},
                                             {Top, 0, 100}, {0, Top, -100}, {1, Top, 0}, {Top, 1, 99}, {Top, Top, 50}})
        EXPECT_EQ(WinPercent(won, lost), percent) << won << " won, " << lost << " lost";
}

TEST(StatisticsTest, PlayingTimeDropsTheHoursAndCrossesMidnight)
{
    EXPECT_EQ(playingTimeText(playingMilliseconds(QTime(9, 0, 0), QTime(10, 5, 7))), "05 : 07");
    EXPECT_EQ(playingMilliseconds(QTime(23, 59, 0), QTime(0, 1, 30)), 150000);
}

} // namespace
} // namespace tavolin
