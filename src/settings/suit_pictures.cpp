#include "settings/suit_pictures.h"

#include "painter/suits.h"

#include <QPainter>

namespace tavolin {

QPixmap suitPicture(int suit)
{
    constexpr int PictureSize = 16;
    constexpr qreal ShapeHeight = 13;
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::white);
    QPainter p(&picture);
    // No smoothing: the picture keeps to its two colours.
    p.setPen(Qt::NoPen);
    p.setBrush(suit < 2 ? QColor(Qt::red) : QColor(Qt::black));
    p.translate(PictureSize / 2.0, PictureSize / 2.0);
    p.scale(ShapeHeight, ShapeHeight);
    p.drawPath(cards::suitShape(static_cast<cards::Suit>(suit & 3)));
    return picture;
}

} // namespace tavolin
