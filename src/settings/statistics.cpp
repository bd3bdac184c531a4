#include "statistics.h"

#include <iterator>
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

// Written digit by digit: it is the clock's text every second.
QString playingTimeText(int milliseconds)
{
    constexpr int Day = 24 * 60 * 60 * 1000;
    const int seconds = (milliseconds % Day + Day) % Day / 1000;
    const int minutes = seconds / 60 % 60;
    const auto digit = [](int value) { return QChar(u'0' + value); };
    const QChar text[] = {digit(minutes / 10), digit(minutes % 10), u' ', u':', u' ', digit(seconds % 60 / 10),
                          digit(seconds % 10)};
    return QString(text, std::size(text));
}

} // namespace tavolin
