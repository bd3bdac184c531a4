// The main window's game commands and the recording of results.
#include "main_window.h"

#include "dialogs/about_box.h"
#include "dialogs/calendar_form.h"
#include "settings/preferences_dialog.h"
#include "settings/stats_dialog.h"
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

// A game runs as a chain of passes on the event loop rather than inside a
// loop of its own: each pass does, in order, one automatic move, the move
// detection, the commands' state and the card count. Anything that can
// change the table asks for the next pass; a chain of automatic moves asks
// for itself. NewGame1Click returns at once, and closing the window never
// leaves a loop running over a destroyed window.
void TForm1::RunGame()
{
    startGame();
    scheduleGamePass();
}

void TForm1::startGame()
{
    GameStartTime = platform_.clock.timeOfDay();
    setStatusText(1, QStringLiteral("Game started at ") + longTime(GameStartTime) + QStringLiteral(" hrs."));
    Timer1->start();
    game_.beginGame();
    setUpInformationDisplay();
    prefsChanged = false;
    table_->update();
    QApplication::restoreOverrideCursor();
    UndoBtn1->show();
}

// The panel below the Columns shows either the account of each transfer
// search or, on request, the possible moves.
void TForm1::setUpInformationDisplay()
{
    GameFlags& flags = game_.flags;
    if (settings_.TransferDetails) {
        flags.DetailsShown = true;
        flags.ShowMoves = false;
        ShowBtn1->hide();
    } else {
        flags.DetailsShown = false;
        ShowBtn1->show();
        flags.HintHeaderDirty = true;
        Timer2->start(2000);
        ClearPanel();
    }
    flags.showEnabled = !flags.DetailsShown;
}

// Preferences changed during a game: the side window, the panel and the
// status bar follow them.
void TForm1::servePreferences()
{
    RefreshSideWindow();
    setUpInformationDisplay();
    if (settings_.TransferInfo) {
        setStatusText(1, QStringLiteral("Transfer Info selected"));
    } else {
        setStatusText(1, QStringLiteral("Game started at ") + longTime(GameStartTime) + QStringLiteral(" hrs."));
        Timer1->start();
    }
    setStatusText(2, QString());
    prefsChanged = false;
}

// The rules read two display settings that the preferences change at once.
void TForm1::syncRuleOptions()
{
    game_.options.TransferInfo = settings_.TransferInfo;
    game_.options.TransferDetails = settings_.TransferDetails;
}

void TForm1::connectPreferences()
{
    PrefDlg1->setSideWindowSize([this] { return QSize(layout_.SideWidth, layout_.SideHeight); });
    connect(PrefDlg1, &TPrefDlg1::prefsChanged, this, [this] {
        prefsChanged = true;
        syncRuleOptions();
        scheduleGamePass();
    });
    connect(PrefDlg1, &TPrefDlg1::transferDetailsActive, this, [this](bool on) { game_.flags.DetailsShown = on; });
    connect(PrefDlg1, &TPrefDlg1::pileSuitsChanged, this,
            [this](const PileSuits& suits) { game_.table.pileSuit = suits; });
    connect(PrefDlg1, &TPrefDlg1::picturePathVerified, this, [this](bool verified) { PicturePathVerified = verified; });
}

void TForm1::Pref1DlgClick()
{
    PrefDlg1->showFromMainWindow();
    RefreshSideWindow();
}

void TForm1::scheduleGamePass()
{
    if (game_.flags.gameInPlay)
        gamePassTimer_->start();
}

void TForm1::gamePass()
{
    GameFlags& flags = game_.flags;
    if (!flags.gameInPlay)
        return;
    syncRuleOptions();
    if (prefsChanged)
        servePreferences();
    const int cardsBefore = game_.table.cardsLeft;
    const int rankBefore = game_.table.autoRank;
    if (!flags.autoSuspended)
        game_.AutoMoveToPiles();
    if (flags.detectionOn)
        game_.DetectMoves();
    updateCommands();
    if (game_.table.cardsLeft != flags.lastCardsLeftShown) {
        flags.lastCardsLeftShown = game_.table.cardsLeft;
        setStatusText(0, QStringLiteral(" Number of Cards left:  %1").arg(game_.table.cardsLeft));
    }
    if (!flags.movesLeft || game_.table.autoRank >= 13) {
        endGame();
        return;
    }
    const bool progressed = game_.table.cardsLeft != cardsBefore || game_.table.autoRank != rankBefore;
    if (progressed)
        scheduleGamePass();
}

void TForm1::endGame()
{
    GameFlags& flags = game_.flags;
    if (game_.table.autoRank >= 13) {
        RecordWin();
        return;
    }
    // Show why the game is over, even to a player who had the panel off.
    if (!flags.ShowMoves) {
        flags.ShowMoves = true;
        ClearPanel();
        game_.DetectMoves();
    }
    platform_.messages.show(this, QStringLiteral(" Game Control"), QStringLiteral(" No move left. Game finished."),
                            MessageIcon::Information, MessageButtons::Ok);
    RecordLoss();
    clearTable();
    GameStats1Click();
}

void TForm1::GameStats1Click()
{
    Stats1Dlg->move(152, 56);
    Stats1Dlg->exec();
}

void TForm1::HelpAboutClick()
{
    AboutBox->showModalOver(table_);
}

void TForm1::ShowDateClick()
{
    CalendarForm->exec();
}

void TForm1::MoveUndo1Click()
{
    game_.Undo();
    updateCommands();
    scheduleGamePass();
}

void TForm1::UndoBtn1Click()
{
    if (MoveUndo1->isEnabled())
        MoveUndo1Click();
}

void TForm1::MoveShow1Click()
{
    toggleShowMoves();
}

void TForm1::ShowBtn1Click()
{
    toggleShowMoves();
}

void TForm1::toggleShowMoves()
{
    GameFlags& flags = game_.flags;
    if (!flags.gameInPlay || flags.DetailsShown)
        return;
    flags.ShowMoves = !flags.ShowMoves;
    if (flags.ShowMoves) {
        game_.DetectMoves();
    } else {
        ClearPanel();
        game_.table.markAllColumnsDirty();
    }
    table_->update();
}

void TForm1::ClearPanel()
{
    panel_.clear();
    game_.flags.HintHeaderDirty = true;
    table_->update();
}

void TForm1::clearTable()
{
    Animating = false;
    game_.ResetTable();
    ClearPanel();
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
    scheduleGamePass();
    Timer2->start();
}

void TForm1::RecordWin()
{
    Timer1->stop();
    countWin(settings_, run_);
    finishRecording("Game won at ");
    ClearPanel();
    platform_.messages.show(this, QStringLiteral(" Game Result"), QStringLiteral("Congratulations, you won!"),
                            MessageIcon::Information, MessageButtons::Ok);
    clearTable();
    GameStats1Click();
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
