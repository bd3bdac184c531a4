#include "settings/placement.h"
#include "settings_printer.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace tavolin {
namespace {

TEST(ScreenSize, DecidesTheFirstWindowAndWhereTheDetailsPanelFits)
{
    EXPECT_EQ(screenClass({799, 1200}), 0);
    EXPECT_EQ(screenClass({800, 600}), 1);
    EXPECT_EQ(screenClass({1023, 768}), 1);
    EXPECT_EQ(screenClass({1024, 600}), 2);

    EXPECT_EQ(detailsColumnLimit(2, 735), 9);
    EXPECT_EQ(detailsColumnLimit(2, 736), 18);
    EXPECT_EQ(detailsColumnLimit(1, 1000), 9);

    // The whole screen, less a taskbar on a large one.
    EXPECT_EQ(defaultSettings({1024, 768}).FormWidth, 1023);
    EXPECT_EQ(defaultSettings({1024, 768}).FormHeight, 739);
    EXPECT_EQ(defaultSettings({1023, 768}).FormWidth, 1022);
    EXPECT_EQ(defaultSettings({1023, 768}).FormHeight, 767);
}

// Stored as four numbers: a QRect cannot hold edges at the ends of the range.
struct StoredBounds {
    std::int32_t left, top, width, height;
};

Settings storedAt(const StoredBounds& b)
{
    Settings settings;
    std::tie(settings.FormLeft, settings.FormTop, settings.FormWidth, settings.FormHeight) =
        std::tuple(b.left, b.top, b.width, b.height);
    return settings;
}

// A minimized window keeps the placement it last had on screen; a maximized
// one keeps its maximized bounds, to come back to as a normal window.
TEST(Placement, ClosingWindowLeavesItsBoundsAndStateForTheNextStart)
{
    Settings before = storedAt({20, 10, 700, 500});
    before.FormState = 2;
    struct Case {
        WindowPlacement closing;
        QRect bounds;
        int state;
        bool normalAtStart;
    };
    const Case cases[] = {
        {{.minimized = true, .top = 30000, .left = 30000, .width = 160, .height = 28}, {20, 10, 700, 500}, 2, false},
        {{.top = 5, .left = 6, .width = 800, .height = 650}, {6, 5, 800, 650}, 1, true},
        {{.maximized = true, .top = 0, .left = 0, .width = 1280, .height = 995}, {0, 0, 1280, 995}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const Settings saved = placementToSave(before, c.closing);
        EXPECT_EQ(QRect(saved.FormLeft, saved.FormTop, saved.FormWidth, saved.FormHeight), c.bounds);
        EXPECT_EQ(saved.FormState, c.state);
        EXPECT_EQ(placementToApply(saved).bounds, c.bounds);
        EXPECT_EQ(placementToApply(saved).normalState, c.normalAtStart);
    }
    before.FormState = 0;
    EXPECT_FALSE(placementToApply(before).bounds.has_value()) << "no placement stored";
}

TEST(PlacementOnScreen, BringsWhatIsOffTheScreenOrOutOfSizeOntoIt)
{
    constexpr int Most = std::numeric_limits<std::int32_t>::max();
    constexpr int Least = std::numeric_limits<std::int32_t>::min();
    const QSize minimum(683, 200);
    struct Case {
        const char* what;
        StoredBounds stored;
        QRect expected;
    };
    const Case cases[] = {
        {"on the screen", {1, 1, 1279, 995}, {1, 1, 1279, 995}},
        {"right of the screen, a monitor unplugged", {2500, 1, 1279, 995}, {1, 1, 1279, 995}},
        {"below the screen", {100, 3000, 800, 600}, {100, 424, 800, 600}},
        {"mostly off to the left", {-600, 10, 800, 600}, {0, 10, 800, 600}},
        {"partly off, as a player may leave it", {-300, 10, 800, 600}, {-300, 10, 800, 600}},
        {"negative size", {10, 10, -50, -50}, {10, 10, 683, 200}},
        {"below the minimum", {10, 10, 100, 100}, {10, 10, 683, 200}},
        {"larger than the screen", {0, 0, 5000, 5000}, {0, 0, 1280, 1024}},
        {"at the top of the range", {Most, Most, Most, Most}, {0, 0, 1280, 1024}},
        {"at the bottom of the range", {Least, Least, Least, Least}, {0, 0, 683, 200}},
    };
    for (const Case& c : cases) {
        const Settings placed = placementOnScreen(storedAt(c.stored), QRect(0, 0, 1280, 1024), minimum);
        EXPECT_EQ(QRect(placed.FormLeft, placed.FormTop, placed.FormWidth, placed.FormHeight), c.expected) << c.what;
    }

    // Within the area a taskbar leaves; a window with no placement stored is left alone.
    const Settings above = placementOnScreen(storedAt({5, -2000, 1000, 700}), QRect(0, 40, 1280, 984), minimum);
    EXPECT_EQ(QPoint(above.FormLeft, above.FormTop), QPoint(5, 40));
    Settings unplaced = storedAt({5, -2000, 1000, 700});
    unplaced.FormState = 0;
    EXPECT_EQ(placementOnScreen(unplaced, QRect(0, 40, 1280, 984), minimum), unplaced);
    EXPECT_EQ(placementOnScreen(storedAt({0, 0, 90, 90}), QRect(0, 0, 600, 150), minimum).FormWidth, 683);
}

} // namespace
} // namespace tavolin
