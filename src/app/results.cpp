// Recording a game's result: the status bar, the statistics, the end of the game.
#include "main_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace tavolin {

void TForm1::RecordWin()
{
    Timer1->stop();
    countWin(settings_, run_);
    finishRecording(tr("Game won at "), StatisticsChange::Win);
    ClearPanel();
    platform_.messages.show(this, tr(" Game Result"), tr("Congratulations, you won!"),
                            MessageIcon::Information, MessageButtons::Ok);
    clearTable();
    GameStats1Click();
}

void TForm1::RecordLoss()
{
    record_.gameEnded(game_.table, game_.flags.autoSuspended);
    Timer1->stop();
    Timer2->stop();
    countLoss(settings_, run_);
    finishRecording(tr("Game finished at "), StatisticsChange::Loss);
    QApplication::processEvents();
    platform_.clock.sleep(200);
    QApplication::processEvents();
}

// What a won and a lost game share once the result is counted: the times in
// the status bar, the statistics written, the game closed.
void TForm1::finishRecording(const QString& endedText, StatisticsChange change)
{
    const QTime end = platform_.clock.timeOfDay();
    setStatusText(0, timeOfDayText(tr("Game started at "), GameStartTime));
    setStatusText(1, timeOfDayText(endedText, end));
    showPlayingTime(end);
    store_.saveStatistics(settings_, change);
    GameFlags& flags = game_.flags;
    flags.gameInPlay = false;
    flags.gameOpen = false;
    flags.detectionOn = false;
    flags.undoEnabled = false;
    flags.showEnabled = false;
    flags.finishEnabled = false;
    UndoBtn1->hide();
    ShowBtn1->hide();
    updateCommands();
}

} // namespace tavolin
