// One game from the deal to its end, as a chain of passes on the event loop.
#include "main_window.h"

#include "view/table_view.h"
#include "view/table_words.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace tavolin {

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
    forgetHint();
    hintAfterPass_ = false;
    hintLine_.clear();
    forgetLosingMove();
    record_.dealt();
    knownWinnable_.reset();
    watchDue_ = false;
    GameStartTime = platform_.clock.timeOfDay();
    setStatusText(1, timeOfDayText(tr("Game started at "), GameStartTime));
    if (settings_.TimeDisplay)
        Timer1->start();
    game_.beginGame();
    table_->RoomsFrameDirty = true;
    table_->PilesFrameDirty = true;
    setUpInformationDisplay();
    prefsChanged = false;
    RefreshSideWindow();
    table_->FormPaint(PaintSender::Other);
    table_->announce(tr("Deal %1 dealt.").arg(*dealNumber_));
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
        if (flags.ShowMoves)
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
        setStatusText(1, tr("Transfer Info selected"));
    } else {
        setStatusText(1, timeOfDayText(tr("Game started at "), GameStartTime));
        if (settings_.TimeDisplay)
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

void TForm1::scheduleGamePass()
{
    if (game_.flags.gameInPlay)
        gamePassTimer_->start();
}

// Nothing of the game moves while a box or dialog is open: its event loop
// would run passes under it, and a game could end, and be recorded, under a
// question about ending it. A pass due then waits for the box to close.
bool TForm1::holdWhileModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (modal != heldBy_) {
        if (heldBy_)
            heldBy_->removeEventFilter(this);
        heldBy_ = modal;
        modal->installEventFilter(this);
    }
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == heldBy_ && event->type() == QEvent::Hide) {
        heldBy_->removeEventFilter(this);
        heldBy_ = nullptr;
        scheduleGamePass();
        if (answerAfterModal_)
            QTimer::singleShot(0, this, std::exchange(answerAfterModal_, {}));
    }
    if (filterKey(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::gamePass()
{
    GameFlags& flags = game_.flags;
    if (!flags.gameInPlay || holdWhileModal())
        return;
    syncRuleOptions();
    if (prefsChanged)
        servePreferences();
    const int cardsBefore = game_.table.cardsLeft;
    const int rankBefore = game_.table.autoRank;
    if (!flags.autoSuspended) {
        if (const std::optional<AutoMove> move = game_.AutoMoveToPiles())
            table_->announce(autoMoveWords(*move));
    }
    if (flags.detectionOn)
        game_.DetectMoves();
    updateCommands();
    if (game_.table.cardsLeft != flags.lastCardsLeftShown) {
        flags.lastCardsLeftShown = game_.table.cardsLeft;
        setStatusText(0, tr(" Number of Cards left:  %1").arg(game_.table.cardsLeft));
    }
    // What led to the end is read with the box that tells it.
    if (!flags.movesLeft || game_.table.autoRank >= 13) {
        endGame();
        return;
    }
    const bool progressed = game_.table.cardsLeft != cardsBefore || game_.table.autoRank != rankBefore;
    if (progressed)
        scheduleGamePass();
    else {
        table_->sayAnnouncements();
        watchTransfer();
        if (std::exchange(hintAfterPass_, false))
            MoveHintClick();
    }
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
    platform_.messages.show(this, tr(" Game Control"), tr(" No move left. Game finished."),
                            MessageIcon::Information, MessageButtons::Ok);
    RecordLoss();
    clearTable();
    GameStats1Click();
}

// The clock runs on while the time is shown, rather than being stopped and
// started again each second: each tick of an idle game counts.
void TForm1::Timer1Timer()
{
    if (!game_.flags.gameInPlay || !settings_.TimeDisplay) {
        Timer1->stop();
        return;
    }
    showPlayingTime(platform_.clock.timeOfDay());
}

// Redraws the move panel's headings every 2 s. With the panel off there is
// nothing to redraw: the timer rests until the panel is shown again.
void TForm1::Timer2Timer()
{
    Timer2->stop();
    const GameFlags& flags = game_.flags;
    if (!flags.gameInPlay || !flags.detectionOn || !flags.ShowMoves)
        return;
    if (game_.selection.isEmpty()) {
        game_.flags.HintHeaderDirty = true;
        scheduleGamePass();
    }
    Timer2->start();
}

} // namespace tavolin
