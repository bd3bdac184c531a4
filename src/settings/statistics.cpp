#include "statistics.h"

#include <limits>

namespace tavolin {
namespace {

// A count that has reached the top of its stored range stays there rather
// than wrapping to a negative number the next start would throw away.
template <typename Count>
void countOne(Count& count)
{
    if (count < std::numeric_limits<Count>::max())
        ++count;
}

} // namespace

void applyChange(Settings& settings, StatisticsChange change)
{
    switch (change) {
    case StatisticsChange::Win:
        countOne(settings.GamesWon);
        settings.StreakType = 1;
        countOne(settings.StreakWins);
        settings.StreakLosses = 0;
        break;
    case StatisticsChange::Loss:
        countOne(settings.GamesLost);
        settings.StreakType = 2;
        countOne(settings.StreakLosses);
        settings.StreakWins = 0;
        break;
    case StatisticsChange::Delete:
        settings.GamesWon = settings.GamesLost = 0;
        settings.StreakType = settings.StreakLosses = settings.StreakWins = 0;
        break;
    }
}

void countWin(Settings& settings, RunTotals& run)
{
    countOne(run.runWon);
    applyChange(settings, StatisticsChange::Win);
}

void countLoss(Settings& settings, RunTotals& run)
{
    countOne(run.runLost);
    applyChange(settings, StatisticsChange::Loss);
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
