// The corners of the cards as the table draws them from our own card
// library: the black outline and the face meet, with nothing of the table
// showing between them, at both card sizes and both pixel ratios.
#include "platform/qt_card_library.h"
#include "view/card_cells.h"

#include <QPainterPath>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// Only what lies outside the outline's rounded corners may let the table through.
int holesInsideTheOutline(const QImage& cell)
{
    const qreal ratio = cell.devicePixelRatio();
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), cell.deviceIndependentSize()), 3, 3);
    int holes = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (outline.contains(QPointF(x + 0.5, y + 0.5) / ratio) && qAlpha(cell.pixel(x, y)) != 255)
                ++holes;
    return holes;
}

TEST(CardCorners, FrameAndFaceMeetAtEveryCorner)
{
    QtCardLibrary library;
    ASSERT_TRUE(library.load(QStringLiteral("velvetres2")));
    CardCells cells(library);
    for (const QSize cellSize : {QSize(72, 96), QSize(142, 192)}) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(::testing::Message() << cellSize.width() << " x " << cellSize.height() << " at " << ratio);
            cells.prepare(cellSize, ratio);
            // An Ace, a number card, a court card, of each colour.
            for (const CardCode card : {0, 17, 38, 51}) {
                const CellPicture* face = cells.face(card);
                ASSERT_TRUE(face);
                EXPECT_EQ(holesInsideTheOutline(cells.drawn(*face, 0, face->size().height())), 0) << "card " << card;
                EXPECT_EQ(holesInsideTheOutline(cells.selectedFace(card)), 0) << "held card " << card;
            }
        }
    }
}

} // namespace
} // namespace tavolin
