// The main window's game commands and the recording of results.
#include "main_window.h"

#include "view/table_view.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace tavolin {

void TForm1::NewGame1Click()
{
    if (game_.flags.gameOpen) {
        platform_.messages.show(this, QStringLiteral(" New Game Selection"),
                                QStringLiteral("Current game not finished yet."),
                                MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    game_.ResetTable();
    game_.table.pileSuit = settings_.PileSuit;
    table_->setPileMarks(pileMarkNumbers());
    // Truncated to 32 bits as the runtime's seed is; two games in the same
    // second are the same deal.
    game_.random.seed(static_cast<std::uint32_t>(platform_.clock.calendarSeconds()));
    game_.flags.gameOpen = game_.BuildPack();
    if (game_.flags.gameOpen)
        game_.DealColumns();
    if (game_.flags.gameInPlay)
        RunGame();
    else
        QApplication::restoreOverrideCursor();
}

void TForm1::RunGame()
{
    startGame();
    // Until the play loop runs the automatic moves and the move detection,
    // a dealt game stays open for the player to finish.
    if (game_.table.cardsLeft != game_.flags.lastCardsLeftShown) {
        game_.flags.lastCardsLeftShown = game_.table.cardsLeft;
        setStatusText(0, QStringLiteral(" Number of Cards left:  %1").arg(game_.table.cardsLeft));
    }
    updateCommands();
}

void TForm1::startGame()
{
    GameFlags& flags = game_.flags;
    GameStartTime = platform_.clock.timeOfDay();
    setStatusText(1, QStringLiteral("Game started at ") + longTime(GameStartTime) + QStringLiteral(" hrs."));
    Timer1->start();
    flags.undoEnabled = false;
    flags.undoValid = false;
    flags.autoSuspended = true;
    flags.detectionOn = true;
    flags.finishEnabled = true;
    if (settings_.TransferDetails) {
        flags.DetailsShown = true;
        flags.ShowMoves = false;
        ShowBtn1->hide();
    } else {
        ShowBtn1->show();
        flags.HintHeaderDirty = true;
        Timer2->start(2000);
    }
    flags.showEnabled = !flags.DetailsShown;
    prefsChanged = false;
    flags.movesLeft = true;
    table_->update();
    flags.lastCardsLeftShown = 0;
    game_.table.rankTable = RankTable{};
    game_.table.autoRank = 1;
    QApplication::restoreOverrideCursor();
    UndoBtn1->show();
}

void TForm1::clearTable()
{
    Animating = false;
    game_.ResetTable();
    game_.flags.HintHeaderDirty = true;
    table_->update();
}

void TForm1::FinishGame1Click()
{
    if (!game_.flags.gameInPlay && !game_.flags.gameOpen)
        return;
    if (!ask(QStringLiteral(" Game Control"), QStringLiteral("End the current game ?")))
        return;
    RecordLoss();
    clearTable();
}

void TForm1::BitBtn1Click()
{
    if (!game_.flags.gameInPlay && !game_.flags.gameOpen) {
        clearTable();
        return;
    }
    FinishGame1Click();
}

void TForm1::GameExitClick()
{
    if (game_.flags.gameInPlay) {
        if (!ask(QStringLiteral(" Closing Event"), QStringLiteral("Quit game and exit ?")))
            return;
        RecordLoss();
    }
    Timer1->stop();
    game_.flags.gameInPlay = false;
    close();
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    if (!game_.flags.gameInPlay || !settings_.TimeDisplay)
        return;
    const int elapsed = playingMilliseconds(GameStartTime, platform_.clock.timeOfDay());
    setStatusText(2, QStringLiteral("Playing Time: mins ") + playingTimeText(elapsed) + QStringLiteral(" secs"));
    Timer1->start();
}

void TForm1::Timer2Timer()
{
    Timer2->stop();
    if (!game_.flags.gameInPlay || !game_.flags.detectionOn)
        return;
    if (game_.flags.ShowMoves && game_.selection.isEmpty())
        game_.flags.HintHeaderDirty = true;
    Timer2->start();
}

void TForm1::RecordWin()
{
    Timer1->stop();
    countWin(settings_, run_);
    finishRecording("Game won at ");
    game_.flags.HintHeaderDirty = true;
    platform_.messages.show(this, QStringLiteral(" Game Result"), QStringLiteral("Congratulations, you won!"),
                            MessageIcon::Information, MessageButtons::Ok);
    clearTable();
}

void TForm1::RecordLoss()
{
    Timer1->stop();
    Timer2->stop();
    countLoss(settings_, run_);
    finishRecording("Game finished at ");
    QApplication::processEvents();
    platform_.clock.sleep(200);
    QApplication::processEvents();
}

// What a won and a lost game share once the result is counted: the times in
// the status bar, the statistics written, the game closed.
void TForm1::finishRecording(const char* endedText)
{
    const QTime end = platform_.clock.timeOfDay();
    const int elapsed = playingMilliseconds(GameStartTime, end);
    setStatusText(0, QStringLiteral("Game started at ") + longTime(GameStartTime) + QStringLiteral(" hrs."));
    setStatusText(1, QString::fromLatin1(endedText) + longTime(end) + QStringLiteral(" hrs."));
    setStatusText(2, QStringLiteral("Playing Time: mins ") + playingTimeText(elapsed) + QStringLiteral(" secs"));
    store_.saveStatistics(settings_);
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
