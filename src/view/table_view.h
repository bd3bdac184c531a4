#pragma once

#include "game/game.h"
#include "view/info_panel.h"
#include "view/layout.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

namespace tavolin {

class CardLibrary;

// The green table: Rooms, the table button's block, Piles and Columns,
// painted from the game's places. It owns no game state.
class TableView : public QWidget {
public:
    TableView(const Game& game, const TableLayout& layout, const CardLibrary& cards, const InfoPanel& panel,
              QWidget* parent = nullptr);

    // Called once when a picture the library should hold cannot be read;
    // from then on no card is drawn.
    std::function<void(int number)> onMissingBitmap;
    // Empty Piles show the mark of the suit they were given at the last deal.
    void setPileMarks(const std::array<int, 4>& imageNumbers) { pileMarks_ = imageNumbers; }
    // The player's picture, stretched over the side window; null for none.
    void setSidePicture(const QImage* picture) { sidePicture_ = picture; }
    // A card on its way to a Pile, drawn over everything else.
    void setFlyingCard(CardCode card, QPoint at) { flying_ = Flight{card, at}; }
    void landFlyingCard() { flying_.reset(); }

    // The pointer, in table coordinates, for the window to act on.
    std::function<void(Qt::MouseButton, QPoint)> onMousePress;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> onMouseRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawFrames(QPainter& p) const;
    void drawCard(QPainter& p, int x, int y, CardCode card, DrawMode mode);
    void drawPicture(QPainter& p, int x, int y, int number, bool stretch);
    const QImage* picture(int number);

    const Game& game_;
    const TableLayout& layout_;
    const CardLibrary& cards_;
    const InfoPanel& panel_;
    std::array<int, 4> pileMarks_{53, 54, 55, 56};
    std::map<int, QImage> pictures_;
    bool picturesFailed_ = false;
    struct Flight {
        CardCode card;
        QPoint at;
    };
    std::optional<Flight> flying_;
    const QImage* sidePicture_ = nullptr;
};

} // namespace tavolin
