#include "view/layout.h"

#include <gtest/gtest.h>

namespace tavolin {
namespace {

TEST(TableLayoutTest, SmallCardsGiveTheKnownPositions)
{
    TableLayout layout = TableLayout::forCards(true);
    layout.layoutTable(QSize(41, 41), QSize(900, 600));
    EXPECT_EQ(layout.BlockWidth, 292);
    EXPECT_EQ(layout.TopAreaHeight, 112);
    EXPECT_EQ(layout.TableWidth, 675);
    EXPECT_EQ(layout.tableButtonPos, QPoint(317, 17));
    EXPECT_EQ(layout.PilesLeft, 375);
    EXPECT_EQ(layout.minimumWindowWidth(), 683);
    EXPECT_EQ(layout.SideWidth, 900 - 675);
    EXPECT_EQ(layout.SideHeight, 600 - 112);
}

TEST(TableLayoutTest, LargeCardsGiveTheKnownPositions)
{
    TableLayout layout = TableLayout::forCards(false);
    layout.layoutTable(QSize(41, 41), QSize(1400, 900));
    EXPECT_EQ(layout.BlockWidth, 572);
    EXPECT_EQ(layout.TopAreaHeight, 208);
    EXPECT_EQ(layout.TableWidth, 1235);
    EXPECT_EQ(layout.tableButtonPos.x(), 597);
    EXPECT_EQ(layout.PilesLeft, 655);
}

TEST(TableLayoutTest, ShortWindowsUseTheSmallPanelArrangement)
{
    TableLayout layout = TableLayout::forCards(true);
    layout.layoutTable(QSize(41, 41), QSize(1000, 560));
    layout.placePanel(2, 600);
    EXPECT_EQ(layout.PanelTop, 367);
    EXPECT_EQ(layout.PanelLineLimit, 5);
    EXPECT_EQ(layout.undoButtonPos(), QPoint(675 + 21, 24));

    layout.placePanel(2, 601);
    EXPECT_EQ(layout.PanelTop, 535);
    EXPECT_EQ(layout.PanelLineLimit, 14);
    EXPECT_EQ(layout.showButtonPos(), QPoint(675 + 42, 62));

    layout.placePanel(1, 900);
    EXPECT_EQ(layout.PanelTop, 367);
}

TEST(TableLayoutTest, PanelHasNoHeightWhenTheWindowIsTooShort)
{
    TableLayout layout = TableLayout::forCards(true);
    layout.layoutTable(QSize(41, 41), QSize(700, 370));
    layout.placePanel(1, 400);
    EXPECT_EQ(layout.panelSize(), QSize(661, 0));
    layout.layoutTable(QSize(41, 41), QSize(700, 500));
    EXPECT_EQ(layout.panelSize(), QSize(661, 500 - 367 - 10));
}

} // namespace
} // namespace tavolin
