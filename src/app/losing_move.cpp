// The move that lost the game: once a game is lost, the transfer made on the
// last table that could still be won, found along the game's own transfers.
#include "main_window.h"

#include "app/hint_search.h"
#include "app/hint_text.h"
#include "input/key_map.h"
#include "view/table_view.h"

#include <QAction>
#include <QMenu>

namespace tavolin {

void TForm1::createLosingMoveCommands(QMenu* moveMenu)
{
    LosingMove1 = addKeyedCommand(moveMenu, "LosingMove1", tr("&Losing Move"),
                                  tr("Name the transfer that lost the last game"), keys::LosingMove,
                                  &TForm1::LosingMoveClick);

    WarnLosingMove1 = moveMenu->addAction(tr("&Warn of Losing Moves"));
    WarnLosingMove1->setObjectName(QStringLiteral("WarnLosingMove1"));
    WarnLosingMove1->setStatusTip(tr("Warn when a transfer loses the game"));
    WarnLosingMove1->setCheckable(true);
    WarnLosingMove1->setChecked(settings_.WarnLosingMove != 0);
    connect(WarnLosingMove1, &QAction::toggled, this, [this](bool on) {
        settings_.WarnLosingMove = on ? 1 : 0;
        store_.saveLosingMoveWarning(settings_);
    });
}

// Asked again, the answer already found is given again, and one on its way
// is waited for.
void TForm1::LosingMoveClick()
{
    if (game_.flags.gameInPlay || !record_.hasEnded())
        return;
    if (losingMove_) {
        tellLosingMove(*losingMove_);
        return;
    }
    if (losingMoveAsked_)
        return;
    losingMoveAsked_ = true;
    hints_->findLostMove(record_.tables());
    panelUnderLosingMove_ = statusText(0);
    setStatusText(0, tr("Looking for the move that lost the game..."));
    table_->sayNow(statusText(0));
}

void TForm1::losingMoveFound(const LostMove& found)
{
    if (answerAfterModal([this, found] { losingMoveFound(found); }))
        return;
    if (!losingMoveAsked_)
        return;
    losingMoveAsked_ = false;
    losingMove_ = found;
    setStatusText(0, panelUnderLosingMove_);
    tellLosingMove(found);
}

void TForm1::forgetLosingMove()
{
    if (losingMoveAsked_)
        hints_->cancel();
    losingMoveAsked_ = false;
    losingMove_.reset();
}

void TForm1::tellLosingMove(const LostMove& found)
{
    QString text;
    switch (found.finding) {
    case LostMoveFinding::LostBy: {
        const GameRecord::Step& step = record_.steps().at(found.transfer);
        text = tr("Transfer %1 lost the game: %2.\n\n"
                  "Before it the game could still be won; after it no sequence of transfers could win it.")
                   .arg(found.transfer + 1)
                   .arg(transferText(tableOf(step.before), step.transfer));
        break;
    }
    case LostMoveFinding::LostFromTheDeal:
        text = tr("This deal could not be won from the start: no transfer lost it.");
        break;
    case LostMoveFinding::NotLost:
        text = tr("When the game ended it could still be won: no transfer lost it.");
        break;
    case LostMoveFinding::Undecided:
        text = tr("The searches did not find out in time which transfer lost the game.");
        break;
    }
    if (!dealNumber_) {
        platform_.messages.show(this, tr(" Losing Move"), text, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (ask(tr(" Losing Move"), text + tr("\n\nDeal %1 again?").arg(*dealNumber_)))
        startDeal(*dealNumber_);
}

} // namespace tavolin
