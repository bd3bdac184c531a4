// The hint: the next transfer of a winning line, found off the window's
// thread, named in the status bar and marked on the table for a moment.
#include "main_window.h"

#include "app/hint_search.h"
#include "app/hint_text.h"
#include "view/table_view.h"

#include <QTimer>

namespace tavolin {

// Nothing is asked with a card held or in flight; while the game moves by
// itself the hint waits for it to settle, so that the search starts from
// the table the player sees.
void TForm1::MoveHintClick()
{
    if (!game_.flags.gameInPlay || !game_.selection.isEmpty() || table_->isAnimating())
        return;
    if (gamePassTimer_->isActive()) {
        hintAfterPass_ = true;
        return;
    }
    askForHint();
}

void TForm1::askForHint()
{
    table_->setHintMarks(std::nullopt);
    hintTable_ = game_.table;
    hints_->start(game_.table, game_.flags.autoSuspended);
    setStatusText(0, tr("Hint: looking for a winning line..."));
}

void TForm1::showHint(const SolverAnswer& answer)
{
    const bool sameTable = hintTable_ && hintTable_->columns == game_.table.columns
        && hintTable_->rooms == game_.table.rooms && hintTable_->piles == game_.table.piles;
    hintTable_.reset();
    if (!game_.flags.gameInPlay || !game_.selection.isEmpty())
        return;
    // The table changed under the search without telling: the player's
    // question stands, for the table as it is now.
    if (!sameTable) {
        askForHint();
        return;
    }
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
    if (answer.line.empty())
        return;
    const SolverTransfer& next = answer.line.front();
    const HintText text = hintText(game_.table, next);
    setStatusText(0, text.what);
    // A hint given again keeps what the first one covered.
    panelUnderHint_ = {text.where, panelUnderHint_ ? panelUnderHint_->second : statusText(1)};
    setStatusText(1, text.where);
    table_->sayNow(text.what + QLatin1Char(' ') + text.where + QLatin1Char('.'));
    table_->setHintMarks(hintMarksFor(game_.table, game_.geometry, next.from, next.cards, next.to));
    hintMarksTimer_->start();
}

void TForm1::forgetHint()
{
    // The search's text gives way to the number of cards at the next pass.
    if (hints_->isSearching()) {
        hints_->cancel();
        game_.flags.lastCardsLeftShown = 0;
    }
    hintTable_.reset();
    hintMarksTimer_->stop();
    table_->setHintMarks(std::nullopt);
    // The panel's own text comes back unless something wrote over the hint.
    if (panelUnderHint_ && statusText(1) == panelUnderHint_->first)
        setStatusText(1, panelUnderHint_->second);
    panelUnderHint_.reset();
}

} // namespace tavolin
