#include "statistics.h"

namespace tavolin {

void countWin(Settings& settings, RunTotals& run)
{
    ++run.runWon;
    ++settings.GamesWon;
    settings.StreakType = 1;
    ++settings.StreakWins;
    settings.StreakLosses = 0;
}

void countLoss(Settings& settings, RunTotals& run)
{
    ++run.runLost;
    ++settings.GamesLost;
    settings.StreakType = 2;
    ++settings.StreakLosses;
    settings.StreakWins = 0;
}

int WinPercent(int won, int lost)
{
    // Widened so that counts near the top of the stored range cannot overflow.
    const long long total = static_cast<long long>(won) + lost;
    if (won >= 1)
        return static_cast<int>(won * 100LL / total);
    if (lost > 0)
        return static_cast<int>(-(lost * 100LL) / total);
    return 0;
}

int playingMilliseconds(QTime start, QTime end)
{
    constexpr int Day = 24 * 60 * 60 * 1000;
    const int elapsed = start.msecsTo(end);
    return elapsed >= 0 ? elapsed : elapsed + Day;
}

QString playingTimeText(int milliseconds)
{
    return QTime(0, 0).addMSecs(milliseconds).toString(QStringLiteral("mm' : 'ss"));
}

} // namespace tavolin
