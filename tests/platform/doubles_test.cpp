#include "platform/doubles/fake_card_library.h"

#include <QSet>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

// The painting tests tell the bitmaps apart by colour: a colour shared by two
// numbers would leave them blind.
TEST(FakeCardLibrary, HandsOutBitmapsOfAColourOfTheirOwnOnlyWhileLoaded)
{
    FakeCardLibrary library;
    EXPECT_FALSE(library.bitmap(1).has_value());
    ASSERT_TRUE(library.load("velvetres2"));
    const auto large = library.bitmap(52, 2, PictureSize::Large);
    ASSERT_TRUE(large.has_value());
    EXPECT_EQ(large->deviceIndependentSize(), QSizeF(FakeCardLibrary::LargeBitmapSize));
    EXPECT_EQ(large->pixelColor(5, 5), FakeCardLibrary::colourOf(52));
    QSet<QRgb> colours;
    for (int number = 1; number <= 56; ++number)
        colours.insert(FakeCardLibrary::colourOf(number).rgb());
    EXPECT_EQ(colours.size(), 56);
}

} // namespace
} // namespace tavolin
