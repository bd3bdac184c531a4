#include "artwork.h"

#include <QBitmap>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tavolin {
namespace {

const QColor TableGreen(0, 153, 0);

// The artwork turns only by whole degrees. Their sines and cosines come from
// a plain series rather than the maths library, whose code and tables would
// otherwise stay in the game's memory for these few pictures.
struct Turn {
    double cos;
    double sin;
};

constexpr Turn turnBy(int degrees)
{
    const int half = (degrees % 360 + 540) % 360 - 180;  // in [-180, 180)
    switch (half) {
    case -180: return {-1, 0};
    case -90: return {0, -1};
    case 0: return {1, 0};
    case 90: return {0, 1};
    default: break;
    }
    const double x = half * 3.14159265358979323846 / 180;
    double sine = 0;
    double cosine = 0;
    double sineTerm = x;
    double cosineTerm = 1;
    for (int n = 0; n < 24; ++n) {
        sine += sineTerm;
        cosine += cosineTerm;
        sineTerm *= -x * x / ((2 * n + 2) * (2 * n + 3));
        cosineTerm *= -x * x / ((2 * n + 1) * (2 * n + 2));
    }
    return {cosine, sine};
}

// As QPainter::rotate, by a turn worked out in advance.
void rotate(QPainter& p, Turn turn)
{
    p.setTransform(QTransform(turn.cos, turn.sin, -turn.sin, turn.cos, 0, 0), true);
}

// Qt draws a pen no wider than a device pixel with its thin-line painter;
// a wider pen's region it works out with a stroker that calls the maths
// library for each piece's length and angle. The artwork's wider lines are
// filled regions of its own making instead.
bool thinOnDevice(const QPainter& p, double width)
{
    return width * std::sqrt(std::abs(p.deviceTransform().determinant())) <= 1;
}

// A line `width` wide with square caps.
void drawLine(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour)
{
    if (thinOnDevice(p, width)) {
        p.setPen(QPen(colour, width));
        p.drawLine(from, to);
        return;
    }
    const double half = width / 2;
    p.fillRect(QRectF(from, to).normalized().adjusted(-half, -half, half, half), colour);
}

// The point at t along a cubic Bézier curve.
QPointF onCurve(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double t)
{
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// The region a pen `width` wide with bevelled joins covers along a closed
// line of straight pieces (its last point is its first): for each piece a
// band, for each corner the bevel between the bands that meet there, all
// turned the same way round so that their winding unites them.
QPainterPath outlineOf(const QPolygonF& closed, double width)
{
    auto normal = [half = width / 2](QPointF from, QPointF to) {
        const QPointF along = to - from;
        const double length = std::sqrt(QPointF::dotProduct(along, along));
        return QPointF(-along.y(), along.x()) * (half / length);
    };
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    auto add = [&](QPolygonF shape) {
        double twiceArea = 0;
        for (qsizetype i = 0; i + 1 < shape.size(); ++i)
            twiceArea += shape[i].x() * shape[i + 1].y() - shape[i + 1].x() * shape[i].y();
        if (twiceArea < 0)
            std::reverse(shape.begin(), shape.end());
        outline.addPolygon(shape);
        outline.closeSubpath();
    };
    const qsizetype pieces = closed.size() - 1;
    for (qsizetype i = 0; i < pieces; ++i) {
        const QPointF a = closed[i];
        const QPointF b = closed[i + 1];
        const QPointF c = i + 2 < closed.size() ? closed[i + 2] : closed[1];
        const QPointF side = normal(a, b);
        const QPointF nextSide = normal(b, c);
        add({a + side, b + side, b - side, a - side, a + side});
        add({b, b + side, b + nextSide, b});
        add({b, b - side, b - nextSide, b});
    }
    return outline;
}

// One leaf: a pointed oval with a midrib, along the given angle.
void drawLeaf(QPainter& p, QPointF base, int angle, double length, const QColor& fill)
{
    p.save();
    p.translate(base);
    rotate(p, turnBy(angle));
    const QPointF tip(length, 0);
    const QPointF upper[] = {{length * 0.3, -length * 0.32}, {length * 0.75, -length * 0.28}};
    const QPointF lower[] = {{length * 0.75, length * 0.28}, {length * 0.3, length * 0.32}};
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(upper[0], upper[1], tip);
    leaf.cubicTo(lower[0], lower[1], QPointF(0, 0));
    constexpr double Outline = 1.0;
    const bool thin = thinOnDevice(p, Outline);
    p.setPen(thin ? QPen(fill.darker(160), Outline) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(leaf);
    if (!thin) {
        constexpr int Steps = 24;
        QPolygonF edge;
        for (int step = 0; step <= Steps; ++step)
            edge << onCurve(QPointF(0, 0), upper[0], upper[1], tip, double(step) / Steps);
        for (int step = 1; step <= Steps; ++step)
            edge << onCurve(tip, lower[0], lower[1], QPointF(0, 0), double(step) / Steps);
        p.fillPath(outlineOf(edge, Outline), fill.darker(160));
    }
    drawLine(p, QPointF(1, 0), QPointF(length * 0.92, 0), 0.8, fill.darker(190));
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

// The program's icon: three cards fanned about a point near their foot, red,
// black, red, in units of a 64-pixel square. One description serves the
// painted sizes and the scalable SVG.
struct FannedCard {
    int angle;
    const char* pip;
};
constexpr FannedCard IconCards[] = {{-20, "#c8141e"}, {0, "#141414"}, {20, "#c8141e"}};
constexpr double IconUnits = 64;
const QPointF IconPivot(32, 59);
const QRectF IconFace(-13, -48, 26, 38);
constexpr double IconCorner = 4;
constexpr double IconOutline = 1.5;
const QPointF IconPip(0, -31);
constexpr double IconPipRadius = 6;

// Drawn in 41 units, the button's own size, scaled to the picture's size.
QPixmap tableButtonPicture(QSize size, qreal pixelRatio)
{
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(TableGreen.darker(115));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 41.0, size.height() / 41.0);
    drawLine(p, QPointF(20.5, 35), QPointF(20.5, 22), 1.6, QColor(90, 60, 20));
    drawLeaf(p, QPointF(20.5, 24), -140, 17, QColor(60, 190, 40));
    drawLeaf(p, QPointF(20.5, 24), -40, 17, QColor(230, 210, 40));
    drawLeaf(p, QPointF(20.5, 22), -90, 18, QColor(120, 220, 60));
    drawLeaf(p, QPointF(20.5, 31), -165, 12, QColor(245, 230, 90));
    drawLeaf(p, QPointF(20.5, 31), -15, 12, QColor(40, 160, 40));
    return picture;
}

// The picture for a pixel ratio is drawn when the button is first shown at
// that ratio, not while the window is made: a start draws one of the two,
// after the window is on the screen. The icon of the pictures drawn chooses
// among them and makes the other modes' pictures, as any icon does.
class TableButtonIconEngine final : public QIconEngine {
public:
    explicit TableButtonIconEngine(QSize size) : size_(size) {}

    QIconEngine* clone() const override { return new TableButtonIconEngine(*this); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The size asked for is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const int ratio = scale > 1.0 ? 2 : 1;
        if (!(drawn_ & ratio)) {
            pictures_.addPixmap(tableButtonPicture(size_, ratio));
            drawn_ |= ratio;
        }
        return pictures_.pixmap(size / scale, scale, mode, state);
    }

private:
    QSize size_;
    QIcon pictures_;
    int drawn_ = 0;   // 1 and 2: the ratios drawn
};

} // namespace

QIcon tableButtonIcon(QSize size)
{
    return QIcon(new TableButtonIconEngine(size));
}

QCursor largeArrowUpCursor() { return largeArrowCursor(true); }
QCursor largeArrowDownCursor() { return largeArrowCursor(false); }

QImage applicationIconImage(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / IconUnits, size / IconUnits);
    for (const FannedCard& card : IconCards) {
        p.save();
        p.translate(IconPivot);
        rotate(p, turnBy(card.angle));
        const bool thin = thinOnDevice(p, IconOutline);
        p.setPen(thin ? QPen(Qt::black, IconOutline) : QPen(Qt::NoPen));
        p.setBrush(Qt::white);
        p.drawRoundedRect(IconFace, IconCorner, IconCorner);
        if (!thin) {
            // The ring between the face grown and shrunk by half the outline.
            const double half = IconOutline / 2;
            QPainterPath ring;
            ring.addRoundedRect(IconFace.adjusted(-half, -half, half, half), IconCorner + half, IconCorner + half);
            ring.addRoundedRect(IconFace.adjusted(half, half, -half, -half), IconCorner - half, IconCorner - half);
            p.fillPath(ring, Qt::black);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(QLatin1String(card.pip)));
        p.drawEllipse(IconPip, IconPipRadius, IconPipRadius);
        p.restore();
    }
    return icon;
}

QByteArray applicationIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(IconUnits);
    for (const FannedCard& card : IconCards)
        svg += QStringLiteral("  <g transform=\"translate(%1,%2) rotate(%3)\">\n"
                              "    <rect x=\"%4\" y=\"%5\" width=\"%6\" height=\"%7\" rx=\"%8\" fill=\"#fff\" "
                              "stroke=\"#000\" stroke-width=\"%9\"/>\n")
                   .arg(IconPivot.x()).arg(IconPivot.y()).arg(card.angle)
                   .arg(IconFace.x()).arg(IconFace.y()).arg(IconFace.width()).arg(IconFace.height())
                   .arg(IconCorner).arg(IconOutline)
               + QStringLiteral("    <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n  </g>\n")
                     .arg(IconPip.x()).arg(IconPip.y()).arg(IconPipRadius).arg(QLatin1String(card.pip));
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

QPixmap applicationIcon()
{
    return QPixmap::fromImage(applicationIconImage(64));
}

} // namespace tavolin
