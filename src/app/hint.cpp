// The hint: the next transfer of a winning line, named in the status bar and
// marked on the table for a moment. The line found last leads on while the
// player does what it says; any other table is searched off the window's
// thread.
#include "main_window.h"

#include "app/hint_search.h"
#include "app/hint_text.h"
#include "input/key_map.h"
#include "view/table_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace tavolin {

void TForm1::createHintCommands(QMenu* moveMenu)
{
    MoveHint1 = moveMenu->addAction(tr("&Hint"));
    MoveHint1->setObjectName(QStringLiteral("MoveHint1"));
    MoveHint1->setStatusTip(tr("Name a move that leads to a win"));
    MoveHint1->setShortcut(keys::Hint);
    MoveHint1->setAutoRepeat(false);
    connect(MoveHint1, &QAction::triggered, this, &TForm1::MoveHintClick);
    createLosingMoveCommands(moveMenu);

    hints_ = new HintSearch({}, this);
    connect(hints_, &HintSearch::answered, this, &TForm1::hintAnswered);
    connect(hints_, &HintSearch::lostMoveFound, this, &TForm1::losingMoveFound);
    hintMarksTimer_ = new QTimer(this);
    hintMarksTimer_->setObjectName(QStringLiteral("HintMarksTimer"));
    hintMarksTimer_->setSingleShot(true);
    hintMarksTimer_->setInterval(2000);
    connect(hintMarksTimer_, &QTimer::timeout, this, [this] { table_->setHintMarks(std::nullopt); });
}

// While the game moves by itself, a card flying to its Pile included, the
// hint waits for it to settle, so that it is for the table the player sees.
void TForm1::MoveHintClick()
{
    if (!game_.flags.gameInPlay)
        return;
    if (gamePassTimer_->isActive() || table_->isAnimating()) {
        hintAfterPass_ = true;
        return;
    }
    askForHint();
}

// A held card counts as lying where it was taken: the hint is for the table
// as it is.
void TForm1::askForHint()
{
    const TableCards asked = cardsOf(game_.table, game_.flags.autoSuspended);
    const TableState table = tableOf(asked);
    if (const std::optional<SolverTransfer> next = hintLine_.next(table, asked.autoSuspended)) {
        showHint(*next);
        return;
    }
    // Asked again while the answer is on its way, it is not asked anew.
    if (hints_->isSearching() && hintTable_ == asked)
        return;
    hintTable_ = asked;
    hints_->start(table, asked.autoSuspended);
    setStatusText(0, tr("Hint: looking for a winning line..."));
}

void TForm1::hintAnswered(const SolverAnswer& answer)
{
    if (answerAfterModal([this, answer] { hintAnswered(answer); }))
        return;
    const std::optional<TableCards> asked = std::exchange(hintTable_, std::nullopt);
    if (!asked || !game_.flags.gameInPlay)
        return;
    // The table changed under the search without telling: the player's
    // question stands, for the table as it is now.
    if (*asked != cardsOf(game_.table, game_.flags.autoSuspended)) {
        askForHint();
        return;
    }
    switch (answer.verdict) {
    case SolverVerdict::Lost:
        setStatusText(0, tr("Hint: this game can no longer be won."));
        return;
    case SolverVerdict::Undecided:
        setStatusText(0, tr("Hint: no winning line found in time."));
        return;
    case SolverVerdict::Winnable:
        break;
    }
    const TableState table = tableOf(*asked);
    hintLine_.keep(table, asked->autoSuspended, answer.line);
    if (const std::optional<SolverTransfer> next = hintLine_.next(table, asked->autoSuspended))
        showHint(*next);
}

void TForm1::showHint(const SolverTransfer& next)
{
    const HintText text = hintText(game_.table, next);
    setStatusText(0, text.what);
    // A hint given again keeps what the first one covered.
    if (!hintHalves_)
        hintHalves_ = HintHalves{text.what, {}, statusText(1)};
    hintHalves_->where = text.where;
    setStatusText(1, text.where);
    table_->setHintMarks(hintMarksFor(game_.table, game_.geometry, next.from, next.cards, next.to));
    hintMarksTimer_->start();
}

void TForm1::forgetHint()
{
    // The search's text gives way to the number of cards at the next pass.
    if (hintTable_) {
        hints_->cancel();
        game_.flags.lastCardsLeftShown = 0;
    }
    hintTable_.reset();
    hideHint();
}

void TForm1::hideHint()
{
    hintMarksTimer_->stop();
    table_->setHintMarks(std::nullopt);
    // Neither half of the hint outlives it.
    if (hintHalves_ && statusText(0) == hintHalves_->what)
        game_.flags.lastCardsLeftShown = 0;
    forgetHintHalves();
}

void TForm1::forgetHintHalves()
{
    // The panel's own text comes back unless something wrote over the hint.
    const std::optional<HintHalves> halves = std::exchange(hintHalves_, std::nullopt);
    if (halves && statusText(1) == halves->where)
        setStatusText(1, halves->covered);
}

// Nothing is shown under an open box: an answer that comes meanwhile waits
// for it to close, and is then taken for the table as it is.
bool TForm1::answerAfterModal(std::function<void()> answer)
{
    if (!holdWhileModal())
        return false;
    answerAfterModal_ = std::move(answer);
    return true;
}

} // namespace tavolin
