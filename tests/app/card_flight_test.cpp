#include "view/card_flight.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(CardFlightTest, LongFlightJumpsInSixthsAndSnapsOntoThePile)
{
    const std::vector<QPoint> expected{{7, 220},  {68, 185}, {129, 150}, {190, 115},
                                       {251, 80}, {312, 45}, {373, 10},  {376, 9}};
    EXPECT_EQ(cardFlightPath({7, 220}, {376, 9}), expected);
}

TEST(CardFlightTest, ShortFlightsTakeOneJump)
{
    // Both axes short: x moves a third of its way while y arrives at once.
    const std::vector<QPoint> direct{{300, 112}, {325, 9}, {376, 9}};
    EXPECT_EQ(cardFlightPath({300, 112}, {376, 9}), direct);
    // Straight along one axis: no frame in between.
    const std::vector<QPoint> level{{7, 9}, {376, 9}};
    EXPECT_EQ(cardFlightPath({7, 9}, {376, 9}), level);
    const std::vector<QPoint> upright{{376, 400}, {376, 9}};
    EXPECT_EQ(cardFlightPath({376, 400}, {376, 9}), upright);
}

TEST(CardFlightTest, EveryFlightEndsOnItsTarget)
{
    for (int x0 : {7, 91, 595, 1200})
        for (int y0 : {9, 112, 400, 700}) {
            const auto path = cardFlightPath({x0, y0}, {592, 9});
            ASSERT_FALSE(path.empty());
            EXPECT_EQ(path.front(), QPoint(x0, y0));
            EXPECT_EQ(path.back(), QPoint(592, 9));
            EXPECT_LE(path.size(), 9u);
        }
}

TEST(CardFlightTest, PauseGrowsWithTheScreenAndShrinksWithSpeed)
{
    EXPECT_EQ(cardFlightPause(1, 10), 1);
    EXPECT_EQ(cardFlightPause(2, 1), 20);
    EXPECT_EQ(cardFlightPause(2, 8), 6);
}

} // namespace
} // namespace tavolin
