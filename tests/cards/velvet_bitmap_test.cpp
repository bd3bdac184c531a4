// The library's one function: which numbers and scales it serves, and what
// it hands back.

#include "velvet_library.h"

#include <array>
#include <utility>

namespace tavolin::cards::testing {
namespace {

const unsigned char Untouched[] = {0xAB};
constexpr int UntouchedSize = -7;

TEST_F(VelvetLibrary, EveryPictureIsAPngOfTheScaledCardSize)
{
    struct Set {
        VelvetBitmapFunction function;
        int count;
        QSize size;
    };
    for (const Set& set : {Set{velvetBitmap, AllPictures, QSize(72, 96)}, Set{velvetLargeBitmap, FaceCount, QSize(142, 192)}}) {
        for (int scale : {1, 2}) {
            for (int number = 1; number <= set.count; ++number) {
                const unsigned char* data = nullptr;
                int size = 0;
                ASSERT_EQ(set.function(number, scale, &data, &size), 1) << number << " at " << scale;
                ASSERT_NE(data, nullptr);
                ASSERT_GT(size, 0);
                const QImage image = QImage::fromData(data, size, "PNG");
                ASSERT_FALSE(image.isNull()) << number << " at " << scale;
                EXPECT_EQ(image.size(), set.size * scale) << number << " at " << scale;
            }
        }
    }
}

TEST_F(VelvetLibrary, RefusesNumbersAndScalesItDoesNotHold)
{
    const std::array<std::pair<int, int>, 9> refused{{
        {0, 1}, {57, 1}, {-1, 1}, {0, 2}, {57, 2}, {1, 0}, {1, 3}, {56, 3}, {1, -1},
    }};
    // The large set has no Pile marks.
    const std::array<std::pair<int, int>, 5> refusedLarge{{{0, 1}, {53, 1}, {56, 2}, {1, 0}, {1, 3}}};
    auto expectRefused = [](VelvetBitmapFunction function, int number, int scale) {
        const unsigned char* data = Untouched;
        int size = UntouchedSize;
        EXPECT_EQ(function(number, scale, &data, &size), 0) << number << " at " << scale;
        EXPECT_EQ(data, Untouched) << number << " at " << scale;
        EXPECT_EQ(size, UntouchedSize) << number << " at " << scale;
    };
    for (const auto& [number, scale] : refused)
        expectRefused(velvetBitmap, number, scale);
    for (const auto& [number, scale] : refusedLarge)
        expectRefused(velvetLargeBitmap, number, scale);
}

TEST_F(VelvetLibrary, RefusesNullOutputsAndLeavesTheOtherOneAlone)
{
    const unsigned char* data = Untouched;
    int size = UntouchedSize;
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, &size), 0);
    EXPECT_EQ(size, UntouchedSize);
    EXPECT_EQ(velvetBitmap(1, 1, &data, nullptr), 0);
    EXPECT_EQ(data, Untouched);
    EXPECT_EQ(velvetBitmap(1, 1, nullptr, nullptr), 0);
}

TEST_F(VelvetLibrary, HandsOutTheSameBytesOnEveryRequest)
{
    for (int number : {1, 52, 56}) {
        const unsigned char* first = nullptr;
        const unsigned char* second = nullptr;
        int firstSize = 0;
        int secondSize = 0;
        ASSERT_EQ(velvetBitmap(number, 2, &first, &firstSize), 1);
        ASSERT_EQ(velvetBitmap(number, 2, &second, &secondSize), 1);
        EXPECT_EQ(first, second);
        EXPECT_EQ(firstSize, secondSize);
    }
}

} // namespace
} // namespace tavolin::cards::testing
