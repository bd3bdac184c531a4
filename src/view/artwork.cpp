#include "artwork.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace tavolin {
namespace {

const QColor TableGreen(0, 153, 0);

// One leaf: a pointed oval with a midrib, along the given angle.
void drawLeaf(QPainter& p, QPointF base, double angle, double length, const QColor& fill)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.32, length * 0.75, -length * 0.28, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.28, length * 0.3, length * 0.32, 0, 0);
    p.setPen(QPen(fill.darker(160), 1.0));
    p.setBrush(fill);
    p.drawPath(leaf);
    p.setPen(QPen(fill.darker(190), 0.8));
    p.drawLine(QPointF(1, 0), QPointF(length * 0.92, 0));
    p.restore();
}

// A 32 × 32 monochrome arrow cursor, drawn pointing up and flipped for down.
QCursor largeArrowCursor(bool pointingUp)
{
    QPainterPath arrow;
    arrow.moveTo(16, 1);
    arrow.lineTo(30, 16);
    arrow.lineTo(21, 16);
    arrow.lineTo(21, 30);
    arrow.lineTo(11, 30);
    arrow.lineTo(11, 16);
    arrow.lineTo(2, 16);
    arrow.closeSubpath();
    if (!pointingUp)
        arrow = QTransform(1, 0, 0, -1, 0, 31).map(arrow);

    // Qt's monochrome cursors: bitmap 1 = black, mask 1 = drawn.
    QBitmap bitmap(32, 32);
    QBitmap mask(32, 32);
    bitmap.fill(Qt::color0);
    mask.fill(Qt::color0);
    {
        QPainter m(&mask);
        m.setPen(QPen(Qt::color1, 2));
        m.setBrush(Qt::color1);
        m.drawPath(arrow);
    }
    {
        QPainter b(&bitmap);
        b.setPen(QPen(Qt::color1, 2));
        b.setBrush(Qt::NoBrush);
        b.drawPath(arrow);
    }
    const QPoint hotSpot = pointingUp ? QPoint(16, 1) : QPoint(16, 30);
    return QCursor(bitmap, mask, hotSpot.x(), hotSpot.y());
}

} // namespace

QPixmap tableButtonPicture()
{
    QPixmap picture(41, 41);
    picture.fill(TableGreen.darker(115));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF stem(20.5, 35);
    p.setPen(QPen(QColor(90, 60, 20), 1.6));
    p.drawLine(stem, QPointF(20.5, 22));
    drawLeaf(p, QPointF(20.5, 24), -140, 17, QColor(60, 190, 40));
    drawLeaf(p, QPointF(20.5, 24), -40, 17, QColor(230, 210, 40));
    drawLeaf(p, QPointF(20.5, 22), -90, 18, QColor(120, 220, 60));
    drawLeaf(p, QPointF(20.5, 31), -165, 12, QColor(245, 230, 90));
    drawLeaf(p, QPointF(20.5, 31), -15, 12, QColor(40, 160, 40));
    return picture;
}

QCursor largeArrowUpCursor() { return largeArrowCursor(true); }
QCursor largeArrowDownCursor() { return largeArrowCursor(false); }

QPixmap applicationIcon()
{
    QPixmap icon(64, 64);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor suits[] = {QColor(200, 20, 30), QColor(20, 20, 20), QColor(200, 20, 30)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(32, 58);
        p.rotate(-25 + 25 * i);
        const QRectF card(-14, -50, 28, 40);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(card, 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(suits[i]);
        p.drawEllipse(QPointF(0, -30), 6, 6);
        p.restore();
    }
    return icon;
}

} // namespace tavolin
