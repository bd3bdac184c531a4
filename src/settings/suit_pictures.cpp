#include "settings/suit_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tavolin {
namespace {

constexpr int PictureSize = 16;

QPainterPath heart()
{
    QPainterPath path;
    path.moveTo(8, 14);
    path.cubicTo(1, 8.5, 1.5, 2, 5, 2.5);
    path.cubicTo(6.8, 2.8, 7.6, 4, 8, 5);
    path.cubicTo(8.4, 4, 9.2, 2.8, 11, 2.5);
    path.cubicTo(14.5, 2, 15, 8.5, 8, 14);
    path.closeSubpath();
    return path;
}

QPainterPath diamond()
{
    QPainterPath path;
    path.moveTo(8, 1.5);
    path.quadTo(10.5, 5, 13, 8);
    path.quadTo(10.5, 11, 8, 14.5);
    path.quadTo(5.5, 11, 3, 8);
    path.quadTo(5.5, 5, 8, 1.5);
    path.closeSubpath();
    return path;
}

QPainterPath stem()
{
    QPainterPath path;
    path.moveTo(7.3, 9.5);
    path.quadTo(7.2, 12.5, 5, 14.5);
    path.lineTo(11, 14.5);
    path.quadTo(8.8, 12.5, 8.7, 9.5);
    path.closeSubpath();
    return path;
}

QPainterPath spade()
{
    QPainterPath path;
    path.moveTo(8, 1.5);
    path.cubicTo(1, 7, 1.5, 12, 5, 11.5);
    path.cubicTo(6.8, 11.2, 7.6, 10.2, 8, 9.5);
    path.cubicTo(8.4, 10.2, 9.2, 11.2, 11, 11.5);
    path.cubicTo(14.5, 12, 15, 7, 8, 1.5);
    path.closeSubpath();
    return path.united(stem());
}

QPainterPath club()
{
    QPainterPath path;
    path.addEllipse(QPointF(8, 4.8), 3.1, 3.1);
    path.addEllipse(QPointF(4.6, 9.3), 3.1, 3.1);
    path.addEllipse(QPointF(11.4, 9.3), 3.1, 3.1);
    path.addRect(QRectF(6.5, 6, 3, 4.5));
    path.setFillRule(Qt::WindingFill);
    return path.simplified().united(stem());
}

} // namespace

QPixmap suitPicture(int suit)
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::white);
    QPainter p(&picture);
    // No smoothing: the picture keeps to its two colours.
    p.setPen(Qt::NoPen);
    p.setBrush(suit < 2 ? QColor(Qt::red) : QColor(Qt::black));
    switch (suit) {
    case 0:
        p.drawPath(heart());
        break;
    case 1:
        p.drawPath(diamond());
        break;
    case 2:
        p.drawPath(spade());
        break;
    default:
        p.drawPath(club());
        break;
    }
    return picture;
}

} // namespace tavolin
