#include "settings/placement.h"
#include "settings_printer.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(ScreenClass, SwitchesAt800And1024PixelsWide)
{
    EXPECT_EQ(screenClass({799, 1200}), 0);
    EXPECT_EQ(screenClass({800, 600}), 1);
    EXPECT_EQ(screenClass({1023, 768}), 1);
    EXPECT_EQ(screenClass({1024, 600}), 2);
}

TEST(DetailsColumnLimit, EighteenOnlyOnALargeScreenAndATallWindow)
{
    EXPECT_EQ(detailsColumnLimit(2, 735), 9);
    EXPECT_EQ(detailsColumnLimit(2, 736), 18);
    EXPECT_EQ(detailsColumnLimit(1, 1000), 9);
    EXPECT_EQ(detailsColumnLimit(0, 1000), 9);
}

TEST(DefaultSettings, WindowFillsTheScreenLessTheTaskbarOnALargeOne)
{
    const Settings large = defaultSettings({1024, 768});
    EXPECT_EQ(large.FormWidth, 1023);
    EXPECT_EQ(large.FormHeight, 739);

    const Settings small = defaultSettings({1023, 768});
    EXPECT_EQ(small.FormWidth, 1022);
    EXPECT_EQ(small.FormHeight, 767);
}

Settings storedPlacement()
{
    Settings settings;
    settings.FormTop = 10;
    settings.FormLeft = 20;
    settings.FormWidth = 700;
    settings.FormHeight = 500;
    settings.FormState = 1;
    settings.GamesWon = 3;
    return settings;
}

TEST(PlacementToSave, MinimizedWindowKeepsTheStoredPlacement)
{
    const Settings before = storedPlacement();
    EXPECT_EQ(placementToSave(before, {.minimized = true, .top = 30000, .left = 30000, .width = 160, .height = 28}),
              before);
}

TEST(PlacementToSave, NormalWindowStoresItsBoundsAsNormal)
{
    Settings before = storedPlacement();
    before.FormState = 2;
    const Settings after = placementToSave(before, {.top = 5, .left = 6, .width = 800, .height = 650});

    Settings expected = before;
    expected.FormTop = 5;
    expected.FormLeft = 6;
    expected.FormWidth = 800;
    expected.FormHeight = 650;
    expected.FormState = 1;
    EXPECT_EQ(after, expected);
}

TEST(PlacementToSave, MaximizedWindowStoresItsMaximizedBounds)
{
    const Settings after =
        placementToSave(storedPlacement(), {.maximized = true, .top = 0, .left = 0, .width = 1280, .height = 995});
    EXPECT_EQ(after.FormState, 2);
    EXPECT_EQ(QRect(after.FormLeft, after.FormTop, after.FormWidth, after.FormHeight), QRect(0, 0, 1280, 995));
}

TEST(PlacementToApply, StateDecidesBoundsAndNormalState)
{
    Settings settings = storedPlacement();
    const QRect stored(20, 10, 700, 500);

    settings.FormState = 1;
    EXPECT_EQ(placementToApply(settings).bounds, stored);
    EXPECT_TRUE(placementToApply(settings).normalState);

    // A window closed maximized opens as a normal window with those bounds.
    settings.FormState = 2;
    EXPECT_EQ(placementToApply(settings).bounds, stored);
    EXPECT_FALSE(placementToApply(settings).normalState);

    settings.FormState = 0;
    EXPECT_FALSE(placementToApply(settings).bounds.has_value());
    EXPECT_FALSE(placementToApply(settings).normalState);
}

TEST(Placement, MaximizedCloseComesBackAsTheSameBounds)
{
    const Settings saved =
        placementToSave(storedPlacement(), {.maximized = true, .top = 0, .left = 0, .width = 1280, .height = 995});
    EXPECT_EQ(placementToApply(saved).bounds, QRect(0, 0, 1280, 995));
}

} // namespace
} // namespace tavolin
