#include "cell_picture.h"

#include <QHash>

#include <algorithm>

namespace tavolin {

CellPicture CellPicture::compacted(const QImage& drawn)
{
    CellPicture compact;
    QHash<QRgb, std::uint8_t> indexOf;
    compact.rowStart_.reserve(std::size_t(drawn.height()) + 1);
    for (int y = 0; y < drawn.height(); ++y) {
        compact.rowStart_.push_back(std::uint32_t(compact.runs_.size()));
        const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width();) {
            auto found = indexOf.constFind(row[x]);
            if (found == indexOf.constEnd()) {
                if (compact.colours_.size() == 256)
                    return CellPicture(drawn);
                found = indexOf.insert(row[x], std::uint8_t(compact.colours_.size()));
                compact.colours_.append(row[x]);
            }
            const int length = int(std::find_if(row + x, row + std::min(drawn.width(), x + 256),
                                                [&](QRgb pixel) { return pixel != row[x]; })
                                   - (row + x));
            compact.runs_.push_back(std::uint8_t(length - 1));
            compact.runs_.push_back(*found);
            x += length;
        }
    }
    compact.rowStart_.push_back(std::uint32_t(compact.runs_.size()));
    compact.runs_.shrink_to_fit();
    compact.size_ = drawn.size();
    compact.pixelRatio_ = drawn.devicePixelRatio();
    return compact;
}

QImage CellPicture::rows(int first, int count, QImage& scratch) const
{
    if (!isCompact()) {
        QImage rows(drawn_.constScanLine(first), drawn_.width(), count, drawn_.bytesPerLine(), drawn_.format());
        rows.setDevicePixelRatio(drawn_.devicePixelRatio());
        return rows;
    }
    if (scratch.size() != size_ || scratch.format() != QImage::Format_ARGB32_Premultiplied)
        scratch = QImage(size_, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(pixelRatio_);
    for (int y = 0; y < count; ++y) {
        auto* out = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        const std::uint8_t* run = runs_.data() + rowStart_[std::size_t(first + y)];
        const std::uint8_t* end = runs_.data() + rowStart_[std::size_t(first + y) + 1];
        for (; run != end; run += 2)
            out = std::fill_n(out, run[0] + 1, colours_[run[1]]);
    }
    return scratch;
}

} // namespace tavolin
