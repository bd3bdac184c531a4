#include "lettering.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>

namespace tavolin::cards {

QPainterPath letterOutline(const QString& text, const QString& family, qreal capHeight, qreal maxWidth)
{
    // Drawn large and then shrunk, so hinting at the small size plays no part.
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, text);

    const qreal scale = capHeight / QFontMetricsF(font).capHeight();
    const QRectF ink = glyphs.boundingRect();
    const qreal squeeze = std::min(1.0, maxWidth / (ink.width() * scale));
    QTransform fit;
    fit.scale(scale * squeeze, scale);
    fit.translate(-ink.center().x(), 0);
    return fit.map(glyphs);
}

} // namespace tavolin::cards
