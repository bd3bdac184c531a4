// What the game model and the pointer handling show through the window.
#include "main_window.h"

#include "view/artwork.h"
#include "view/card_flight.h"
#include "view/table_view.h"

namespace tavolin {

void TForm1::setPointerShape(PointerShape shape)
{
    switch (shape) {
    case PointerShape::Arrow: table_->unsetCursor(); break;
    case PointerShape::LargeArrowUp: table_->setCursor(largeArrowUpCursor()); break;
    case PointerShape::LargeArrowDown: table_->setCursor(largeArrowDownCursor()); break;
    }
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

// Input waits while the card travels: each frame is painted at once, then
// the clock sleeps without handling events.
void TForm1::animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY)
{
    Animating = true;
    const int pause = cardFlightPause(screenClass_, settings_.SpeedSlider);
    for (const QPoint& at : cardFlightPath({fromX, fromY}, {toX, toY})) {
        table_->setFlyingCard(card, at);
        table_->repaint();
        platform_.clock.sleep(pause);
    }
    table_->landFlyingCard();
    Animating = false;
}

void TForm1::repaintTable()
{
    table_->update();
}

void TForm1::resetDetailsPanel()
{
    panel_.clear();
}

void TForm1::showTransferDetails(const TransferDetails& details)
{
    panel_.draw(details);
    table_->update();
}

void TForm1::showMoveDetection(const MovePanel& panel)
{
    panel_.draw(panel);
    table_->update();
}

void TForm1::tableRestored()
{
    Animating = false;
    table_->update();
}

} // namespace tavolin
