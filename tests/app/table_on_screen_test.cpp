// The table as a player sees it on screens of several sizes: no card hidden
// under the panel below the Columns, every place and button on the screen,
// the table button sharp at any pixel ratio, and window titles that are the
// captions alone.
#include "app/application_identity.h"
#include "game/support/table_builder.h"
#include "window_fixture.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <tuple>

namespace tavolin {
namespace {

using testing::StoreKey;
using testing::TableBuilder;
using testing::TableColour;

class TableOnScreenTest : public testing::WindowFixture<> {
protected:
    void openOn(QSize screen, int origCardSize)
    {
        environment.setScreenResolution(screen);
        registry.set(StoreKey, "OrigCardSize", origCardSize);
        open();
        newGame();
    }
    QImage onScreen() const
    {
        return window->screen()->grabWindow(window->winId()).toImage().copy(QRect(table()->pos(), table()->size()));
    }

    // The first Column is the longest: the bottom edge of its last card,
    // and whether the part of that card just above the edge shows its face.
    int lowestCardBottom() const
    {
        const ColumnRec& rec = window->game().table.columns[0];
        return rec.y[rec.topPosition()] + layout().CardHeight;
    }
    bool lowestCardShowsWhole(const QImage& screen) const
    {
        const ColumnRec& rec = window->game().table.columns[0];
        const QColor face = FakeCardLibrary::colourOf(faceImageNumber(rec.card[rec.topPosition()]));
        return screen.pixelColor(rec.x[0] + layout().CardWidth / 2, lowestCardBottom() - 6) == face;
    }
    // The first row of the Column area that holds the move panel's green
    // heading: pure green on the table, which no card face shows.
    int firstPanelRow(const QImage& screen) const
    {
        for (int y = layout().TopAreaHeight; y < screen.height(); ++y)
            for (int x = 12; x < layout().TableWidth - 12; ++x) {
                const QColor c = screen.pixelColor(x, y);
                if (c.red() == 0 && c.blue() == 0 && c.green() > 160)
                    return y;
            }
        return -1;
    }
    // Whether anything but the table colour lies below the Columns' cards.
    bool inkBelowTheCards(const QImage& screen) const
    {
        for (int y = lowestCardBottom() + 1; y < screen.height() - 12; ++y)
            for (int x = 12; x < layout().TableWidth - 12; ++x)
                if (screen.pixelColor(x, y) != TableColour)
                    return true;
        return false;
    }
};

// A Column reaching the panel's place pushes the panel below its last card;
// shorter Columns leave it at its place; where the window has no room below
// the cards, the panel is not shown rather than cut, also where a window
// manager's frame has made the window shorter since it was shown.
TEST_F(TableOnScreenTest, ThePanelBelowTheColumnsNeverHidesACard)
{
    const std::initializer_list<std::string_view> run = {"KD", "QS", "JD", "10S", "9D", "8S", "7D", "6S", "5D",
                                                         "4S", "3D", "2S", "KH", "QC", "JH", "10C", "9H", "8C"};
    struct Case {
        QSize screen;
        int origCardSize;
        int cards;
        enum { AtItsPlace, BelowTheCards, NotShown } panel;
        int shorterAfterShowing = 0;
    };
    for (const Case& c : {Case{{1280, 1024}, 0, 8, Case::AtItsPlace}, Case{{1280, 1024}, 0, 9, Case::BelowTheCards},
                          Case{{1280, 1024}, 1, 18, Case::AtItsPlace}, Case{{800, 600}, 1, 9, Case::AtItsPlace},
                          Case{{800, 600}, 1, 11, Case::BelowTheCards}, Case{{800, 600}, 1, 14, Case::NotShown},
                          Case{{1280, 800}, 0, 18, Case::NotShown}, Case{{800, 600}, 1, 12, Case::NotShown, 29}}) {
        SCOPED_TRACE(::testing::Message() << c.screen.width() << " x " << c.screen.height() << ", small cards "
                                        << c.origCardSize << ", " << c.cards << " cards");
        registry = MemoryRegistry();
        openOn(c.screen, c.origCardSize);
        window->resize(window->width(), window->height() - c.shorterAfterShowing);
        TableBuilder(window->game()).column(0, run).column(3, {"KS"});
        ColumnRec& first = window->game().table.columns[0];
        const ColumnRec& empty = window->game().table.columns[7];
        for (int p = c.cards; p < ColumnDepth; ++p)
            std::tie(first.present[p], first.card[p], first.mode[p]) = std::tuple(0, empty.card[p], empty.mode[p]);
        window->game().table.markAllColumnsDirty();
        table()->FormPaint(PaintSender::Other);
        window->MoveShow1Click();
        ASSERT_TRUE(window->game().flags.ShowMoves);
        const QImage screen = onScreen();
        EXPECT_TRUE(lowestCardShowsWhole(screen));
        const int panelRow = firstPanelRow(screen);
        switch (c.panel) {
        case Case::AtItsPlace:
            EXPECT_TRUE(panelRow >= layout().PanelTop && panelRow < layout().PanelTop + 12) << panelRow;
            break;
        case Case::BelowTheCards:
            EXPECT_GT(layout().PanelTop + 12, lowestCardBottom() - layout().ColumnStep) << "the Column reaches it";
            EXPECT_TRUE(panelRow > lowestCardBottom() && panelRow < lowestCardBottom() + 16) << panelRow;
            break;
        case Case::NotShown:
            EXPECT_FALSE(inkBelowTheCards(screen));
            break;
        }
        window->MoveShow1Click();
        EXPECT_TRUE(lowestCardShowsWhole(onScreen())) << "once the moves are hidden";
    }
}

// With the transfer details on, every search writes the panel; neither the
// account nor the blank panel after the drop may cover the Column it reaches.
TEST_F(TableOnScreenTest, TheDetailsOfASearchLeaveTheLongColumnWhole)
{
    registry.set(StoreKey, "TransferDetails", 1);
    openOn({1280, 1024}, 0);
    ASSERT_TRUE(window->game().flags.DetailsShown);
    TableBuilder(window->game())
        .column(0, {"KD", "QS", "JD", "10S", "9D", "8S", "7D", "6S", "5D", "4S", "3D"}).column(1, {"KH", "2S"})
        .column(2, {"KS"}).column(3, {"QD"});
    window->game().table.markAllColumnsDirty();
    table()->FormPaint(PaintSender::Other);
    click(columnTop(1));
    QTest::mouseMove(table(), columnTop(0));
    QImage screen = onScreen();
    EXPECT_TRUE(lowestCardShowsWhole(screen)) << "during the search";
    EXPECT_TRUE(inkBelowTheCards(screen)) << "the search's account shows below the cards";
    click(columnTop(0));
    ASSERT_EQ(window->game().table.columns[0].cardCount(), 12);
    EXPECT_TRUE(lowestCardShowsWhole(onScreen())) << "after the drop";
}

// Every Column, Pile and button lies inside the window, and the window on
// its screen; a screen too narrow for the large cards gets the small ones
// for this run, says so once, and keeps the stored choice.
TEST_F(TableOnScreenTest, EveryPlaceAndButtonIsOnTheScreen)
{
    for (const auto& [screen, origCardSize, cardWidth] :
         {std::tuple(QSize(1280, 1024), 0, 142), std::tuple(QSize(1024, 768), 0, 72),
          std::tuple(QSize(1600, 1200), 0, 142), std::tuple(QSize(800, 600), 1, 72),
          std::tuple(QSize(1280, 1024), 1, 72)}) {
        SCOPED_TRACE(::testing::Message() << screen.width() << " x " << screen.height() << ", small cards " << origCardSize);
        registry = MemoryRegistry();
        messages = ScriptedMessageBoxes();
        openOn(screen, origCardSize);
        EXPECT_EQ(layout().CardWidth, cardWidth);
        EXPECT_EQ(stored("OrigCardSize"), origCardSize);
        const bool narrowed = cardWidth == 72 && origCardSize == 0;
        EXPECT_EQ(std::count_if(messages.shown().begin(), messages.shown().end(),
                                [](const auto& box) { return box.caption == QStringLiteral(" Card Table Control"); }),
                  narrowed ? 1 : 0);
        EXPECT_LE(window->frameGeometry().right(), screen.width() - 1);
        const QRect client = table()->rect();
        const TableState& state = window->game().table;
        std::vector<QRect> places;
        for (int c = 0; c < ColumnCount; ++c)
            places.emplace_back(state.columns[c].x[0], state.columns[c].y[0], layout().CardWidth, layout().CardHeight);
        for (const SlotRec& slot : state.piles)
            places.emplace_back(slot.x, slot.y, layout().CardWidth, layout().CardHeight);
        for (const QRect& place : places)
            EXPECT_TRUE(client.contains(place)) << place.x();
        const QRect undo = button("UndoBtn1")->geometry();
        const QRect show = button("ShowBtn1")->geometry();
        for (const QRect& command : {undo, show}) {
            EXPECT_TRUE(command.isValid() && client.contains(command)) << command.x() << ", " << command.y();
            EXPECT_FALSE(command.intersects(button("BitBtn1")->geometry()));
            for (const QRect& place : places)
                EXPECT_FALSE(command.intersects(place));
        }
        EXPECT_FALSE(undo.intersects(show));
        if (client.width() - layout().TableWidth >= 42 + undo.width()) {
            EXPECT_GE(undo.left(), layout().TableWidth) << "beside the table where the side window has room";
        }
    }
}

TEST_F(TableOnScreenTest, TheTableButtonsPictureIsDrawnForEachPixelRatio)
{
    open();
    const QPushButton* leaf = button("BitBtn1");
    for (const qreal ratio : {1.0, 2.0})
        EXPECT_EQ(leaf->icon().pixmap(leaf->iconSize(), ratio).size(), leaf->iconSize() * ratio) << ratio;
}

// Qt adds a display name to every window's title; the desktop entry names
// the program instead.
TEST(ApplicationIdentity, WindowTitlesAreTheCaptionsAlone)
{
    nameApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    EXPECT_TRUE(QFile::exists(QStringLiteral(TAVOLIN_DESKTOP_DIR "/%1.desktop").arg(QGuiApplication::desktopFileName())))
        << qPrintable(QGuiApplication::desktopFileName());
}

} // namespace
} // namespace tavolin
