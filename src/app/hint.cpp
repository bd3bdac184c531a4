// The hint: the next transfer of a winning line, named in the status bar and
// marked on the table for a moment. The line found last leads on while the
// player does what it says; any other table is searched off the window's
// thread. With the warning on, the table after each transfer is searched
// too, and a transfer that lost the game is told at once.
#include "main_window.h"

#include "app/hint_search.h"
#include "app/hint_text.h"
#include "input/key_map.h"
#include "view/table_view.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace tavolin {

void TForm1::createHintCommands(QMenu* moveMenu)
{
    MoveHint1 = addKeyedCommand(moveMenu, "MoveHint1", tr("&Hint"), tr("Name a move that leads to a win"), keys::Hint,
                                &TForm1::MoveHintClick);
    createLosingMoveCommands(moveMenu);

    hints_ = new HintSearch({}, this);
    connect(hints_, &HintSearch::answered, this, &TForm1::tableSearched);
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
// as it is. Asked again while the answer is on its way, it is not asked anew.
void TForm1::askForHint()
{
    const TableCards asked = cardsOf(game_.table, game_.flags.autoSuspended);
    if (const std::optional<SolverTransfer> next = hintLine_.next(tableOf(asked), asked.autoSuspended)) {
        knownWinnable_ = asked;
        showHint(*next);
        return;
    }
    hintAsked_ = true;
    search(asked, std::nullopt);
    setStatusText(0, tr("Hint: looking for a winning line..."));
}

// After a transfer and the automatic moves it brought: the new table is
// searched, and the one before it when not known to be winnable. Along the
// hint's line no search is needed.
void TForm1::watchTransfer()
{
    if (!std::exchange(watchDue_, false) || !settings_.WarnLosingMove || record_.steps().empty())
        return;
    const TableCards now = cardsOf(game_.table, game_.flags.autoSuspended);
    if (hintLine_.next(tableOf(now), now.autoSuspended)) {
        knownWinnable_ = now;
        return;
    }
    watchedBefore_ = record_.steps().back().before;
    search(now, watchedBefore_ == knownWinnable_ ? std::nullopt : watchedBefore_);
}

void TForm1::search(const TableCards& table, const std::optional<TableCards>& before)
{
    if (searchedTable_ == table && hints_->isSearching())
        return;
    searchedTable_ = table;
    hints_->start(table, before);
}

void TForm1::tableSearched(const SolverAnswer& answer, SolverVerdict before)
{
    if (answerAfterModal([this, answer, before] { tableSearched(answer, before); }))
        return;
    const std::optional<TableCards> searched = std::exchange(searchedTable_, std::nullopt);
    const std::optional<TableCards> watchedBefore = std::exchange(watchedBefore_, std::nullopt);
    const bool hintAsked = std::exchange(hintAsked_, false);
    if (!searched || !game_.flags.gameInPlay)
        return;
    // The table changed under the search without telling: the player's
    // question stands, for the table as it is now.
    if (*searched != cardsOf(game_.table, game_.flags.autoSuspended)) {
        if (hintAsked)
            askForHint();
        return;
    }
    if (answer.verdict == SolverVerdict::Winnable) {
        knownWinnable_ = *searched;
        hintLine_.keep(tableOf(*searched), searched->autoSuspended, answer.line);
    }
    const bool lostByTheLast = answer.verdict == SolverVerdict::Lost && watchedBefore
        && (before == SolverVerdict::Winnable || watchedBefore == knownWinnable_);
    if (lostByTheLast)
        warnOfLosingTransfer();
    else if (hintAsked)
        showAnswer(answer);
}

void TForm1::showAnswer(const SolverAnswer& answer)
{
    switch (answer.verdict) {
    case SolverVerdict::Lost:
        setStatusText(0, tr("Hint: this game can no longer be won."));
        table_->sayNow(statusText(0));
        return;
    case SolverVerdict::Undecided:
        setStatusText(0, tr("Hint: no winning line found in time."));
        table_->sayNow(statusText(0));
        return;
    case SolverVerdict::Winnable:
        break;
    }
    const TableCards asked = cardsOf(game_.table, game_.flags.autoSuspended);
    if (const std::optional<SolverTransfer> next = hintLine_.next(tableOf(asked), asked.autoSuspended))
        showHint(*next);
}

void TForm1::showHint(const SolverTransfer& next)
{
    const HintText text = hintText(game_.table, next);
    showHalves(text.what, text.where, text.what + QLatin1Char(' ') + text.where + QLatin1Char('.'));
    table_->setHintMarks(hintMarksFor(game_.table, game_.geometry, next.from, next.cards, next.to));
    hintMarksTimer_->start();
}

void TForm1::warnOfLosingTransfer()
{
    const HintText text = losingTransferText(record_.steps().back().transfer);
    showHalves(text.what, text.where, text.what + QStringLiteral(". ") + text.where);
}

// A hint given again keeps what the first one covered. A screen reader
// hears both halves as one sentence.
void TForm1::showHalves(const QString& first, const QString& second, const QString& spoken)
{
    setStatusText(0, first);
    if (!hintHalves_)
        hintHalves_ = HintHalves{first, {}, statusText(1)};
    hintHalves_->where = second;
    setStatusText(1, second);
    table_->sayNow(spoken);
}

void TForm1::forgetHint()
{
    // The search's text gives way to the number of cards at the next pass.
    if (std::exchange(hintAsked_, false))
        game_.flags.lastCardsLeftShown = 0;
    if (searchedTable_)
        hints_->cancel();
    searchedTable_.reset();
    watchedBefore_.reset();
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
