#pragma once

#include <QPainterPath>
#include <QString>

namespace tavolin::cards {

// Text as an outline whose capital letters are capHeight high, standing on
// the baseline at y = 0 and centred on x = 0; squeezed sideways to maxWidth
// when wider. Outlines stay crisp at every scale.
QPainterPath letterOutline(const QString& text, const QString& family, qreal capHeight, qreal maxWidth);

} // namespace tavolin::cards
