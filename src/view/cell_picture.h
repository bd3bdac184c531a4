#pragma once

#include <QImage>
#include <QList>

#include <cstdint>
#include <utility>
#include <vector>

namespace tavolin {

// A card cell's picture, either as drawn or, when it has at most 256
// colours, as runs of one colour along each row: a face is mostly long
// stretches of white and of its pips' colours, and kept so it takes about
// half the memory of one byte a pixel. rows() gives premultiplied pixels
// either way.
class CellPicture {
public:
    CellPicture() = default;
    explicit CellPicture(QImage drawn) : drawn_(std::move(drawn)) {}
    // The runs of a premultiplied picture, or the picture as it is when it
    // has more than 256 colours.
    static CellPicture compacted(const QImage& drawn);

    bool isNull() const { return drawn_.isNull() && size_.isEmpty(); }
    bool isCompact() const { return drawn_.isNull(); }
    QSize size() const { return isCompact() ? size_ : drawn_.size(); }
    qreal devicePixelRatio() const { return isCompact() ? pixelRatio_ : drawn_.devicePixelRatio(); }

    // Rows [first, first + count) as rows [0, count) of the image returned,
    // which may be `scratch`, valid until `scratch` is used again.
    QImage rows(int first, int count, QImage& scratch) const;

private:
    QImage drawn_;
    QSize size_;
    qreal pixelRatio_ = 1.0;
    QList<QRgb> colours_;
    // Row y's runs lie in runs_ from rowStart_[y] to rowStart_[y + 1], each
    // as two bytes: its length less one, its colour's index.
    std::vector<std::uint32_t> rowStart_;
    std::vector<std::uint8_t> runs_;
};

} // namespace tavolin
