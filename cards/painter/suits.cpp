#include "suits.h"

#include <QPainter>
#include <QTransform>

namespace tavolin::cards {
namespace {

QPainterPath heart()
{
    QPainterPath path({0.0, 0.5});
    path.cubicTo(-0.16, 0.3, -0.5, 0.08, -0.5, -0.2);
    path.cubicTo(-0.5, -0.4, -0.37, -0.5, -0.24, -0.5);
    path.cubicTo(-0.1, -0.5, -0.02, -0.42, 0.0, -0.3);
    path.cubicTo(0.02, -0.42, 0.1, -0.5, 0.24, -0.5);
    path.cubicTo(0.37, -0.5, 0.5, -0.4, 0.5, -0.2);
    path.cubicTo(0.5, 0.08, 0.16, 0.3, 0.0, 0.5);
    return path;
}

QPainterPath diamond()
{
    // Slightly hollow sides read as a diamond rather than a tilted square.
    QPainterPath path({0.0, -0.5});
    path.cubicTo(0.11, -0.3, 0.24, -0.14, 0.39, 0.0);
    path.cubicTo(0.24, 0.14, 0.11, 0.3, 0.0, 0.5);
    path.cubicTo(-0.11, 0.3, -0.24, 0.14, -0.39, 0.0);
    path.cubicTo(-0.24, -0.14, -0.11, -0.3, 0.0, -0.5);
    return path;
}

// A flared foot shared by the spade and the club. It turns the same way as
// the leaves it joins, so under the winding rule the parts fill as one.
QPainterPath stem(qreal top)
{
    QPainterPath path({-0.03, top});
    path.lineTo(0.03, top);
    path.cubicTo(0.05, 0.3, 0.1, 0.44, 0.22, 0.5);
    path.lineTo(-0.22, 0.5);
    path.cubicTo(-0.1, 0.44, -0.05, 0.3, -0.03, top);
    return path;
}

QPainterPath spade()
{
    QPainterPath body({0.0, -0.5});
    body.setFillRule(Qt::WindingFill);
    body.cubicTo(0.16, -0.3, 0.5, -0.12, 0.5, 0.12);
    body.cubicTo(0.5, 0.3, 0.37, 0.38, 0.25, 0.38);
    body.cubicTo(0.13, 0.38, 0.04, 0.32, 0.0, 0.24);
    body.cubicTo(-0.04, 0.32, -0.13, 0.38, -0.25, 0.38);
    body.cubicTo(-0.37, 0.38, -0.5, 0.3, -0.5, 0.12);
    body.cubicTo(-0.5, -0.12, -0.16, -0.3, 0.0, -0.5);
    body.addPath(stem(0.1));
    return body;
}

QPainterPath club()
{
    constexpr qreal Radius = 0.235;
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    leaves.addEllipse(QPointF(0.0, -0.265), Radius, Radius);
    leaves.addEllipse(QPointF(-0.255, 0.1), Radius, Radius);
    leaves.addEllipse(QPointF(0.255, 0.1), Radius, Radius);
    leaves.addEllipse(QPointF(0.0, 0.0), 0.14, 0.14);
    leaves.addPath(stem(0.05));
    return leaves;
}

} // namespace

QColor suitColour(Suit suit)
{
    const bool isRed = suit == Suit::Hearts || suit == Suit::Diamonds;
    return isRed ? QColor(204, 18, 36) : QColor(24, 24, 28);
}

QPainterPath suitShape(Suit suit)
{
    switch (suit) {
    case Suit::Hearts: return heart();
    case Suit::Diamonds: return diamond();
    case Suit::Spades: return spade();
    case Suit::Clubs: return club();
    }
    return {};
}

void drawPip(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown)
{
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(height, upsideDown ? -height : height);
    painter.fillPath(place.map(suitShape(suit)), suitColour(suit));
}

} // namespace tavolin::cards
