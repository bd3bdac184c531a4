// A cell picture kept as runs of its colours gives back every pixel it was
// made from: runs longer than a length byte holds, rows of many short runs,
// and a picture with too many colours kept as drawn.
#include "view/cell_picture.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

QImage rowsOf(const CellPicture& picture, int first, int count)
{
    QImage scratch;
    return picture.rows(first, count, scratch).copy(0, 0, picture.size().width(), count);
}

TEST(CellPicture, GivesBackEveryPixelItWasMadeFrom)
{
    // White, black, red and clear, and a shade of grey-green for each pixel of row 2.
    for (const int shades : {252, 253}) {
        SCOPED_TRACE(shades);
        QImage drawn(600, 4, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(qRgb(255, 255, 255));
        for (int x = 0; x < drawn.width(); ++x) {
            drawn.setPixel(x, 1, x % 7 < 3 ? qRgb(0, 0, 0) : qRgb(200, 20, 30));
            drawn.setPixel(x, 2, qRgb(x % shades, 100, x % shades / 2));
        }
        drawn.setPixel(599, 3, qRgba(0, 0, 0, 0));
        drawn.setDevicePixelRatio(2);
        const CellPicture picture = CellPicture::compacted(drawn);
        EXPECT_EQ(picture.isCompact(), shades + 4 <= 256);
        EXPECT_EQ(picture.devicePixelRatio(), 2);
        EXPECT_EQ(rowsOf(picture, 0, 4), drawn.copy());
        EXPECT_EQ(rowsOf(picture, 1, 2), drawn.copy(0, 1, 600, 2));
    }
}

} // namespace
} // namespace tavolin
