#include "pile_mark.h"

#include <QPainter>
#include <QTransform>

namespace tavolin::cards {

void paintPileMark(QPainter& painter, Suit suit)
{
    const QRectF place(2.5, 2.5, 67, 91);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(QColor(0, 0, 0, 20));
    painter.drawRoundedRect(place, 5, 5);

    QTransform centre;
    centre.translate(place.center().x(), place.center().y());
    centre.scale(40, 40);
    painter.fillPath(centre.map(suitShape(suit)), QColor(255, 255, 255, 80));
}

} // namespace tavolin::cards
