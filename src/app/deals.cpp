// Deals by number: the number shown, a deal started by its number, the
// current or last deal started again.
#include "main_window.h"

#include "app/deal_number.h"
#include "game/numbered_deal.h"
#include "input/key_map.h"
#include "platform/qt_message_boxes.h"
#include "view/table_view.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace tavolin {

QAction* TForm1::addKeyedCommand(QMenu* menu, const char* name, const QString& text, const QString& hint,
                                 QKeyCombination key, void (TForm1::*handler)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    action->setShortcut(key);
    action->setAutoRepeat(false);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void TForm1::createDealCommands(QMenu* gameMenu, QMenu* moveMenu)
{
    gameMenu->addSeparator();
    RestartDeal1 = addKeyedCommand(gameMenu, "RestartDeal1", tr("&Restart Deal"),
                                   tr("Deal the current or last game again"), keys::RestartDeal,
                                   &TForm1::RestartDealClick);
    DealByNumber1 = addKeyedCommand(gameMenu, "DealByNumber1", tr("&Deal by Number..."),
                                    tr("Deal a game by its number"), keys::DealByNumber,
                                    &TForm1::DealByNumberClick);
    moveMenu->addSeparator();
    createHintCommands(moveMenu);

    // Right of the design's four panels, in the room they leave: it never
    // narrows them. A window too narrow for it (800 pixels) has the number
    // in the Restart Deal command.
    dealLabel_ = new QLabel(statusBar());
    dealLabel_->setObjectName(QStringLiteral("DealNumberPanel"));
    dealLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dealLabel_->setMinimumWidth(1);
    statusBar()->addPermanentWidget(dealLabel_);
}

QString TForm1::dealNumberText() const
{
    return dealLabel_->text();
}

void TForm1::RestartDealClick()
{
    if (dealNumber_)
        startDeal(*dealNumber_);
}

void TForm1::DealByNumberClick()
{
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("DealByNumber"));
    dialog.setWindowTitle(tr(" Deal by Number"));
    dialog.setLabelText(tr("Deal number, 1 to %1:").arg(LastDealNumber));
    // Wide enough for a window manager to show the whole title.
    const QSize size = dialog.sizeHint();
    dialog.resize(std::max(size.width(), widthForTitle(dialog.windowTitle())), size.height());
    if (dialog.exec() == QDialog::Accepted)
        dealByNumber(dialog.textValue());
}

void TForm1::dealByNumber(const QString& text)
{
    const std::optional<std::uint32_t> number = readDealNumber(text);
    if (!number) {
        platform_.messages.show(this, tr(" Deal by Number"), notADealNumber(text),
                                MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    startDeal(*number);
}

// Recording the loss runs the event loop: a second request then is dropped
// rather than dealt under the first.
void TForm1::startDeal(std::uint32_t number)
{
    if (startingDeal_)
        return;
    startingDeal_ = true;
    // A game that ended while the question was open has been recorded, and
    // the player has seen how: nothing is dealt over that.
    const bool inPlay = game_.flags.gameInPlay || game_.flags.gameOpen;
    if (!inPlay || endGameOnConfirmation())
        dealAndPlay(number);
    startingDeal_ = false;
}

void TForm1::dealAndPlay(std::uint32_t number)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    game_.ResetTable();
    game_.table.pileSuit = settings_.PileSuit;
    table_->setPileMarks(pileMarkNumbers());
    dealNumbered(game_, number);
    dealNumber_ = number;
    dealLabel_->setText(tr("Deal %1 ").arg(number));
    RestartDeal1->setText(tr("&Restart Deal %1").arg(number));
    if (game_.flags.gameInPlay)
        RunGame();
    else
        QApplication::restoreOverrideCursor();
}

} // namespace tavolin
