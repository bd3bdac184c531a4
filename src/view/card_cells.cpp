#include "card_cells.h"

#include "platform/card_library.h"
#include "view/table_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavolin {
namespace {

constexpr qreal CornerRadius = 3;   // a 6 × 6 corner ellipse
constexpr int FrameWidth = 2;
constexpr int SmallCardWidth = 72;

QPainterPath roundedCell(const QRectF& cell, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(cell, radius, radius);
    return path;
}

// The first row r at which every row from r to the r-th last is opaque:
// only the corner rows at the top and bottom let anything through.
int firstSolidRow(const QImage& cell)
{
    const int height = cell.height();
    int solid = 0;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
        if (std::all_of(row, row + cell.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            continue;
        solid = std::max(solid, y < height / 2 ? y + 1 : height - y);
    }
    return int(std::ceil(solid / cell.devicePixelRatio()));
}

QImage blankCell(QSize cell, qreal pixelRatio)
{
    QImage image(cell * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void CardCells::prepare(QSize cell, qreal pixelRatio)
{
    if (cell == cell_ && pixelRatio == pixelRatio_)
        return;
    cell_ = cell;
    pixelRatio_ = pixelRatio;
    faces_.clear();
    bases_.clear();
}

bool CardCells::canDraw() const
{
    return cards_.isLoaded() && !failed_;
}

std::optional<QImage> CardCells::load(int number, bool largeFace, int scale)
{
    if (!canDraw())
        return std::nullopt;
    if (scale == 0)
        scale = pixelRatio_ > 1.0 ? 2 : 1;
    std::optional<QImage> image = cards_.bitmap(number, scale, largeFace ? PictureSize::Large : PictureSize::Small);
    if (!image) {
        failed_ = true;
        if (onMissingBitmap)
            onMissingBitmap(number);
    }
    return image;
}

// The clip keeps the picture inside the rounded cell; the frame is drawn
// inside the clip, the corner stroke outside it.
QImage CardCells::framed(const QImage& picture) const
{
    QImage cell = blankCell(cell_, pixelRatio_);
    const QRectF area(QPointF(0, 0), cell_);
    QPainter p(&cell);
    p.setClipPath(roundedCell(area, CornerRadius));
    p.drawImage(area, picture);
    QPainterPath frame = roundedCell(area, CornerRadius);
    frame.addRoundedRect(area.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth), 1, 1);
    p.fillPath(frame, Qt::black);
    p.setClipping(false);
    const int right = cell_.width();
    const int bottom = cell_.height();
    p.fillRect(QRect(right - 4, bottom - 2, 1, 1), Qt::black);
    p.fillRect(QRect(right - 3, bottom - 3, 1, 1), Qt::black);
    p.fillRect(QRect(right - 2, bottom - 4, 1, 1), Qt::black);
    return cell;
}

const CellPicture* CardCells::face(CardCode card)
{
    const int number = faceImageNumber(card);
    if (auto found = faces_.find(number); found != faces_.end())
        return &found->second.cell;
    const bool large = cell_.width() > SmallCardWidth;
    const std::optional<QImage> picture = load(number, large);
    if (!picture)
        return nullptr;
    QImage cell = framed(*picture);
    const int solid = firstSolidRow(cell);
    CellPicture kept = large ? CellPicture(std::move(cell)) : CellPicture::compacted(cell);
    return &faces_.emplace(number, Face{std::move(kept), solid}).first->second.cell;
}

int CardCells::solidFromRow(CardCode card)
{
    if (!face(card))
        return cell_.height();
    return faces_.at(faceImageNumber(card)).solidFromRow;
}

// Each pixel the complement of the picture's; the frame stays black. Made
// for the one card held, so it is not kept.
QImage CardCells::selectedFace(CardCode card)
{
    const std::optional<QImage> picture = load(faceImageNumber(card), cell_.width() > SmallCardWidth);
    if (!picture)
        return {};
    QImage inverted = picture->convertToFormat(QImage::Format_ARGB32);
    inverted.invertPixels(QImage::InvertRgb);
    return framed(inverted);
}

// A large cell's mark fills it as a face does, drawn from the library's
// sharper picture, the one made for a pixel ratio of 2.
const CellPicture* CardCells::base(int number)
{
    if (auto found = bases_.find(number); found != bases_.end())
        return &found->second;
    const bool large = cell_.width() > SmallCardWidth;
    const std::optional<QImage> picture = load(number, false, large ? 2 : 0);
    if (!picture)
        return nullptr;
    const QSizeF size = large ? QSizeF(cell_) : picture->deviceIndependentSize();
    const qreal ratio = large ? pixelRatio_ : picture->devicePixelRatio();
    QImage onTable((size * ratio).toSize(), QImage::Format_RGB32);
    onTable.setDevicePixelRatio(ratio);
    onTable.fill(TableColour);
    QPainter p(&onTable);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), size), *picture);
    p.end();
    return &bases_.emplace(number, CellPicture::compacted(onTable)).first->second;
}

} // namespace tavolin
