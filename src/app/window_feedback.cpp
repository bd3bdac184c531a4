// What the game model and the pointer handling show through the window.
#include "main_window.h"

#include "input/key_clock.h"
#include "view/artwork.h"
#include "view/card_flight.h"
#include "view/table_view.h"
#include "view/table_words.h"

namespace tavolin {

void TForm1::setPointerShape(PointerShape shape)
{
    switch (shape) {
    case PointerShape::Arrow: table_->unsetCursor(); break;
    case PointerShape::LargeArrowUp: table_->setCursor(largeArrowUpCursor()); break;
    case PointerShape::LargeArrowDown: table_->setCursor(largeArrowDownCursor()); break;
    }
}

// A card taken up leaves the table as it is: a hint on its way still comes.
void TForm1::showHeldCard()
{
    hideHint();
    table_->showSelectedCard();
    table_->announce(heldWords(game_.selection.card));
}

void TForm1::heldCardReturned(CardCode card, bool refused)
{
    table_->announce(returnedWords(card, refused));
}

void TForm1::heldCardKept(Place place)
{
    table_->announce(keptWords(game_, place));
}

void TForm1::nothingHeld()
{
    table_->announce(tr("No card held."));
}

void TForm1::showStatus(int panel, const QString& text)
{
    setStatusText(panel, text);
}

void TForm1::showStatus(int panel, const std::string& text)
{
    showStatus(panel, QString::fromStdString(text));
}

void TForm1::showInformation(const std::string& text)
{
    platform_.messages.show(nullptr, ApplicationTitle, QString::fromStdString(text),
                            MessageIcon::Information, MessageButtons::Ok);
}

bool TForm1::askYesNo(const std::string& caption, const std::string& text)
{
    return ask(QString::fromStdString(caption), QString::fromStdString(text));
}

// Input waits while the card travels: the clock sleeps without handling events.
void TForm1::animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY)
{
    table_->AnimateCardMove(card, {fromX, fromY}, {toX, toY}, cardFlightPause(screenClass_, settings_.SpeedSlider),
                            platform_.clock);
    flightEndedAt_ = keyClockNow();
}

void TForm1::repaintTable()
{
    forgetHint();
    table_->FormPaint(PaintSender::Other);
}

void TForm1::resetDetailsPanel()
{
    panel_.clear();
}

void TForm1::showTransferDetails(const TransferDetails& details)
{
    panel_.draw(details);
    table_->copyPanel();
}

void TForm1::showMoveDetection(const MovePanel& panel)
{
    panel_.draw(panel);
    table_->copyPanel();
}

void TForm1::tableRestored()
{
    forgetHint();
    table_->announceUndo();
    table_->stopAnimating();
    table_->RoomsFrameDirty = true;
    table_->PilesFrameDirty = true;
    table_->FormPaint(PaintSender::Other);
    record_.undone();
}

void TForm1::transferDone(const Transfer& transfer)
{
    table_->announce(transferWords(transfer));
    record_.transferMade(game_.table, transfer, game_.flags.autoSuspended);
    watchDue_ = true;
}

} // namespace tavolin
