#include "platform/doubles/fake_card_library.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(ManualClock, SleepMovesTimeOnAcrossMidnight)
{
    ManualClock clock(QDateTime(QDate(2024, 3, 9), QTime(23, 59, 59, 500)));
    const std::int64_t start = clock.calendarSeconds();
    clock.sleep(300);
    clock.sleep(400);
    clock.advance(1000);
    EXPECT_EQ(clock.timeOfDay(), QTime(0, 0, 1, 200));
    EXPECT_EQ(clock.dateTime().date(), QDate(2024, 3, 10));
    EXPECT_EQ(clock.calendarSeconds() - start, 2);
    EXPECT_EQ(clock.totalSlept(), 700) << "advancing is not sleeping";
    EXPECT_EQ(clock.sleepCount(), 2);
}

TEST(MemoryRegistry, KeepsTypesAndLogsWritesEvenWhenTheyFail)
{
    MemoryRegistry registry;
    const QString path = QStringLiteral("Software\\Test");
    EXPECT_FALSE(registry.openKey(path, false));
    auto key = registry.openKey(path, true);
    ASSERT_TRUE(key->writeDword("n", 3) && key->writeString("s", "three") && key->commit());
    EXPECT_EQ(key->readDword("n"), 3);
    EXPECT_FALSE(key->readDword("s").has_value());
    EXPECT_EQ(key->readString("n"), QString());

    registry.setFailWrites(true);
    EXPECT_FALSE(key->writeDword("n", 4));
    EXPECT_FALSE(key->commit());
    EXPECT_EQ(registry.commits(), 2);
    EXPECT_EQ(key->readDword("n"), 3);
    ASSERT_EQ(registry.writes().size(), 3u);
    EXPECT_EQ(registry.writes().back(), (MemoryRegistry::Write{path, "n", 4}));
}

TEST(FakeCardLibrary, HandsOutBitmapsOfAColourPerNumberOnlyWhileLoaded)
{
    FakeCardLibrary library;
    EXPECT_FALSE(library.bitmap(1).has_value());
    ASSERT_TRUE(library.load("velvetres2"));
    const auto large = library.bitmap(52, 2, PictureSize::Large);
    ASSERT_TRUE(large.has_value());
    EXPECT_EQ(large->deviceIndependentSize(), QSizeF(FakeCardLibrary::LargeBitmapSize));
    EXPECT_EQ(large->pixelColor(5, 5), FakeCardLibrary::colourOf(52));
    EXPECT_FALSE(library.bitmap(53, 1, PictureSize::Large).has_value()) << "large faces only";
    for (int number = 1; number < 56; ++number)
        EXPECT_NE(FakeCardLibrary::colourOf(number), FakeCardLibrary::colourOf(number + 1)) << number;

    library.removeBitmap(7);
    EXPECT_FALSE(library.bitmap(7).has_value());
    EXPECT_TRUE(library.bitmap(56).has_value());
    library.setLoadable(false);
    EXPECT_FALSE(library.load("velvetres2"));
    EXPECT_FALSE(library.bitmap(1).has_value());
}

} // namespace
} // namespace tavolin
