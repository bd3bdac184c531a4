#include "court_panel.h"

#include "lettering.h"

#include <QPainter>

#include <array>

namespace tavolin::cards {
namespace {

// Clear of the corner indexes.
const QRectF Panel(15.5, 16.5, 41, 63);
const QColor Gold(201, 160, 48);

struct CourtStyle {
    QString letter;
    QColor frame;
};

const std::array<CourtStyle, 3> CourtStyles{{
    {"J", QColor(40, 84, 160)},
    {"Q", QColor(140, 40, 110)},
    {"K", QColor(176, 120, 16)},
}};

QColor tint(const QColor& colour)
{
    QColor pale = colour;
    pale.setAlpha(30);
    return pale;
}

void paintFrame(QPainter& painter, const QColor& colour)
{
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(Panel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint(colour));
    painter.drawRect(Panel);
    painter.setPen(QPen(Gold, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Panel.adjusted(2.5, 2.5, -2.5, -2.5));
}

// A small lozenge in each inner corner of the frame.
void paintCorners(QPainter& painter, const QColor& colour)
{
    const QRectF inner = Panel.adjusted(5.5, 5.5, -5.5, -5.5);
    for (const QPointF corner : {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
        QPainterPath lozenge(corner + QPointF(0, -2));
        lozenge.lineTo(corner + QPointF(1.6, 0));
        lozenge.lineTo(corner + QPointF(0, 2));
        lozenge.lineTo(corner + QPointF(-1.6, 0));
        lozenge.closeSubpath();
        painter.fillPath(lozenge, colour);
    }
}

// One half of the picture; the other half is the same turned half round.
void paintHalf(QPainter& painter, Suit suit, const CourtStyle& style)
{
    const QPointF middle = Panel.center();
    const QPainterPath letter = letterOutline(style.letter, "DejaVu Serif", 13, 24);
    painter.fillPath(letter.translated(middle.x(), middle.y() - 3), suitColour(suit));
    drawPip(painter, suit, QPointF(middle.x(), Panel.top() + 10.5), 9);
    painter.setPen(QPen(Gold, 0.75));
    painter.drawLine(QPointF(Panel.left() + 6, middle.y() - 0.75), QPointF(Panel.right() - 6, middle.y() - 0.75));
}

} // namespace

void paintCourtPanel(QPainter& painter, Suit suit, int rank)
{
    const CourtStyle& style = CourtStyles[rank - JackRank];
    painter.save();
    paintFrame(painter, style.frame);
    paintCorners(painter, style.frame);
    paintHalf(painter, suit, style);
    painter.translate(Panel.center());
    painter.rotate(180);
    painter.translate(-Panel.center());
    paintHalf(painter, suit, style);
    painter.restore();
}

} // namespace tavolin::cards
