#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace tavolin::cards {

// In the order of the picture numbers.
enum class Suit { Hearts, Diamonds, Spades, Clubs };

inline constexpr int AceRank = 0;
inline constexpr int JackRank = 10;

// Red for Hearts and Diamonds, black for Spades and Clubs.
QColor suitColour(Suit suit);

// The suit's outline, centred on the origin and one unit high.
QPainterPath suitShape(Suit suit);

// One pip of the given height; pips in the lower half of a card stand on their heads.
void drawPip(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false);

} // namespace tavolin::cards
