#pragma once

#include "settings/settings.h"

#include <QTime>

namespace tavolin {

// Results of the games played since the program started; not stored.
struct RunTotals {
    int runWon = 0;
    int runLost = 0;
};

enum class StatisticsChange { Win, Loss, Delete };

// The stored statistics after one change.
void applyChange(Settings& settings, StatisticsChange change);

// A win lengthens a winning streak (a loss restarts it), and the reverse.
void countWin(Settings& settings, RunTotals& run);
void countLoss(Settings& settings, RunTotals& run);

// Percentage of games won, truncated; -100 when only losses, 0 with no games.
int WinPercent(int won, int lost);

// Milliseconds from start to end of a game; a game that runs past midnight
// counts the day's wrap rather than going backwards.
int playingMilliseconds(QTime start, QTime end);
// "mm : ss" of a playing time; hours are not shown.
QString playingTimeText(int milliseconds);

} // namespace tavolin
