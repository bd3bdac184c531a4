// Where things lie on the table: the layout for either card size, the
// panel's arrangement, and the jumps of a card travelling to its Pile.
#include "view/card_flight.h"
#include "view/layout.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(TableLayout, BothCardSizesGiveTheKnownPositions)
{
    for (const auto& [small, block, topArea, width, piles] :
         {std::tuple(true, 292, 112, 675, 375), std::tuple(false, 572, 208, 1235, 655)}) {
        TableLayout layout = TableLayout::forCards(small);
        layout.layoutTable(QSize(41, 41), QSize(1400, 900));
        EXPECT_EQ(std::tuple(layout.BlockWidth, layout.TopAreaHeight, layout.TableWidth, layout.PilesLeft),
                  std::tuple(block, topArea, width, piles)) << (small ? "small" : "large");
    }
}

// The small arrangement on a medium screen or in a window up to 600 high;
// a window too short for the panel gives it no height.
TEST(TableLayout, ThePanelFollowsTheScreenAndTheWindowHeight)
{
    TableLayout layout = TableLayout::forCards(true);
    layout.layoutTable(QSize(41, 41), QSize(1000, 560));
    for (const auto& [screenClass, height, top, lines] :
         {std::tuple(2, 600, 367, 5), std::tuple(2, 601, 535, 14), std::tuple(1, 900, 367, 5)}) {
        layout.placePanel(screenClass, height);
        EXPECT_EQ(std::pair(layout.PanelTop, layout.PanelLineLimit), std::pair(top, lines))
            << screenClass << ", " << height;
    }
    layout.layoutTable(QSize(41, 41), QSize(700, 370));
    layout.placePanel(1, 400);
    EXPECT_EQ(layout.panelSize(), QSize(661, 0));
    layout.layoutTable(QSize(41, 41), QSize(700, 500));
    EXPECT_EQ(layout.panelSize(), QSize(661, 500 - 367 - 10));
}

// The long flight's frames are checked where they are painted.
TEST(CardFlight, ShortFlightsTakeOneJumpAndEveryFlightEndsOnItsTarget)
{
    const std::vector<QPoint> shortFlights[] = {
        {{300, 112}, {325, 9}, {376, 9}},   // both axes short: x a third of its way, y at once
        {{7, 9}, {376, 9}},                 // along one axis: no frame in between
        {{376, 400}, {376, 9}},
    };
    for (const auto& path : shortFlights)
        EXPECT_EQ(cardFlightPath(path.front(), path.back()), path);
    for (const QPoint from : {QPoint(7, 9), QPoint(91, 112), QPoint(595, 400), QPoint(1200, 700), QPoint(7, 700)}) {
        const auto path = cardFlightPath(from, {592, 9});
        EXPECT_TRUE(path.front() == from && path.back() == QPoint(592, 9) && path.size() <= 9u)
            << from.x() << ", " << from.y();
    }
    EXPECT_EQ(cardFlightPause(1, 10), 1);
    EXPECT_EQ(cardFlightPause(2, 8), 6);
}

} // namespace
} // namespace tavolin
