// What the painted window shows, read from its backing store on the
// offscreen platform: the dealt table, a held card, what a transfer redraws,
// a card's flight, and the table without pictures.
#include "window_fixture.h"
#include "view/card_flight.h"
#include "game/support/table_builder.h"
#include "settings/preferences_dialog.h"

#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace tavolin {
namespace {

using testing::cardNamed;
using testing::TableBuilder;
using testing::TableColour;
using testing::faceColour;

const QColor TableFrameColour(0, 218, 0);
const QColor BlockFrameColour(200, 180, 150);
const QColor SeparatorColour(170, 160, 134);

class TablePaintingTest : public testing::WindowFixture<> {
protected:
    // What the window shows now, as the window system would put it on screen.
    QImage onScreen() const { return window->screen()->grabWindow(window->winId()).toImage(); }
    QColor shown(const QImage& screen, QPoint inTable) const
    {
        return screen.pixelColor(table()->mapTo(window.get(), inTable));
    }
    QColor shownNow(QPoint inTable) const { return shown(onScreen(), inTable); }

    // A game in play whose table the test lays out, then has painted whole.
    TableBuilder dealt()
    {
        open();
        newGame();
        return TableBuilder(window->game());
    }
    void paintWhole()
    {
        window->game().table.markAllColumnsDirty();
        table()->FormPaint(PaintSender::Other);
    }
};

// Every card of every Column shows in its uncovered strip, each place and
// frame has its colour, line by line; with large cells the faces and an empty
// Pile's mark fill them.
TEST_F(TablePaintingTest, ADealtTableShowsEveryCardAtBothCardSizes)
{
    const QColor FrameRight(210, 218, 200), FrameBottom(0, 218, 0);
    for (const int origCardSize : {1, 0}) {
        SCOPED_TRACE(origCardSize ? "small cards" : "large cards");
        registry = MemoryRegistry();
        registry.set(testing::StoreKey, "OrigCardSize", origCardSize);
        open();
        newGame();
        const int width = layout().CardWidth;
        const int height = layout().CardHeight;
        ASSERT_EQ(width, origCardSize ? 72 : 142);
        const QImage screen = onScreen();
        const TableState& state = window->game().table;
        for (int c = 0; c < ColumnCount; ++c) {
            const ColumnRec& rec = state.columns[c];
            for (int p = 0; p <= rec.topPosition(); ++p)
                EXPECT_EQ(shown(screen, QPoint(rec.x[p] + width / 2, rec.y[p] + 9)), faceColour(rec.card[p]))
                    << c << "/" << p;
            const int top = rec.topPosition();
            EXPECT_EQ(shown(screen, QPoint(rec.x[top] + width / 2, rec.y[top] + height - 10)),
                      faceColour(rec.card[top]));
            // The card's black frame at its left edge.
            EXPECT_EQ(shown(screen, QPoint(rec.x[top], rec.y[top] + height / 2)), QColor(Qt::black));
        }
        const SlotRec& room = state.rooms[1];
        EXPECT_EQ(shown(screen, centreOf(room.x, room.y)), TableColour);
        for (const SlotRec& slot : {state.rooms[0], state.rooms[3], state.piles[0], state.piles[3]})
            EXPECT_EQ(shown(screen, QPoint(slot.x - 1, slot.y + height / 2)), SeparatorColour) << slot.x;
        const int top = layout().TopMargin;
        for (const int left : {layout().LeftMargin, layout().PilesLeft}) {
            for (const auto& [at, colour] : {std::pair(QPoint(left, top), BlockFrameColour),
                                             std::pair(QPoint(left + width, top), BlockFrameColour),
                                             std::pair(QPoint(left + 4 * width + 1, top + height / 2), FrameRight),
                                             std::pair(QPoint(left + width, top + height + 1), FrameBottom)})
                EXPECT_EQ(shown(screen, at), colour) << at.x() << ", " << at.y();
        }
        const SlotRec& pile = state.piles[2];
        EXPECT_EQ(shown(screen, QPoint(pile.x + 36, pile.y + 48)), FakeCardLibrary::colourOf(55));
        // Beyond the 72 x 96 picture, inside a large cell.
        if (!origCardSize) {
            EXPECT_EQ(shown(screen, QPoint(pile.x + 100, pile.y + 150)), FakeCardLibrary::colourOf(55));
        }
        EXPECT_EQ(shown(screen, QPoint(4, 300)), TableFrameColour);
        EXPECT_EQ(shown(screen, QPoint(layout().TableWidth - 5, 300)), TableFrameColour);
    }
}

// A held card shows inverted; a black Two to Ten is tinted as well, so its
// background turns cyan.
TEST_F(TablePaintingTest, AHeldCardShowsInvertedAndABlackNumberCardTinted)
{
    dealt()
        .column(0, {"KD", "5C"}).column(1, {"KD", "JC"}).column(2, {"KH", "AS"}).column(3, {"KS", "5H"})
        .column(4, {"10S"}).column(5, {"QH"}).column(6, {"QD"}).column(7, {"9D"});
    paintWhole();
    for (const auto& [column, card, tinted] : {std::tuple(0, "5C", true), std::tuple(1, "JC", false),
                                               std::tuple(2, "AS", false), std::tuple(3, "5H", false),
                                               std::tuple(4, "10S", true)}) {
        SCOPED_TRACE(card);
        const ColumnRec& rec = window->game().table.columns[column];
        const int top = rec.topPosition();
        const QPoint centre = centreOf(rec.x[top], rec.y[top]);
        click(centre);
        ASSERT_EQ(window->game().selection.card, cardNamed(card));
        const QColor face = faceColour(cardNamed(card));
        const QColor inverted(255 - face.red(), 255 - face.green(), 255 - face.blue());
        EXPECT_EQ(shownNow(centre), tinted ? QColor(inverted.red(), 255, 255) : inverted);
        // The frame stays black, or takes the tint with the rest of the cell.
        EXPECT_EQ(shownNow(QPoint(rec.x[top] + 1, centre.y())), tinted ? QColor(0, 255, 255) : QColor(Qt::black));
        click(centre);   // the second click puts it back
        ASSERT_TRUE(window->game().selection.isEmpty());
        EXPECT_EQ(shownNow(centre), face);
    }
}

// The player is told once where the library was looked for; the game
// plays on with the frames alone.
TEST_F(TablePaintingTest, WithoutALibraryNoCellIsDrawnButTheFramesAre)
{
    cards.setLoadable(false);
    environment.setCurrentDirectory("/opt/games");
    open();
    window->ApplicationIdle();
    EXPECT_EQ(cards.loadAttempts(), 1);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, " Unable to load 'VelvetRes2.DLL'.");
    EXPECT_EQ(messages.shown()[1].text, "/opt/games");
    newGame();
    ASSERT_TRUE(window->game().flags.gameInPlay);
    const QImage screen = onScreen();
    const TableState& state = window->game().table;
    for (const ColumnRec& rec : state.columns)
        EXPECT_EQ(shown(screen, centreOf(rec.x[0], rec.y[0])), TableColour);
    EXPECT_EQ(shown(screen, centreOf(state.piles[0].x, state.piles[0].y)), TableColour);
    EXPECT_EQ(shown(screen, QPoint(state.rooms[0].x - 1, state.rooms[0].y + 5)), SeparatorColour);
    EXPECT_EQ(shown(screen, QPoint(layout().PilesLeft, layout().TopMargin)), BlockFrameColour);
    EXPECT_EQ(shown(screen, QPoint(4, 300)), TableFrameColour);
    EXPECT_EQ(table()->lastRedrawn().cells, 0);
}

// An empty Room's line lies on the frame or on the last column of the Room
// to its left. A card laid in the first Room leaves its line on the frame
// until the frame is painted again; a held card lies over the next Room's
// line until the next paint; a card laid in the next Room leaves its line
// in the clear corners of the card to the left, and painting the frame
// clears only the upper one. A paint the window system asks for shows the
// same.
TEST_F(TablePaintingTest, AnEmptyRoomsLineStaysWhereNothingPaintedOverIt)
{
    dealt()
        .column(0, {"KD", "5H"}).column(1, {"KH"}).column(2, {"KS"}).column(3, {"QC"})
        .column(4, {"QD"}).column(5, {"JH"}).column(6, {"10C"}).column(7, {"8H"});
    paintWhole();
    const TableState& state = window->game().table;
    const QPoint room = centreOf(state.rooms[0].x, state.rooms[0].y);
    const QPoint onFrame(state.rooms[0].x - 1, room.y());
    const QPoint onFirstRoom(state.rooms[1].x - 1, room.y());
    click(columnTop(0));
    click(room);
    ASSERT_TRUE(state.rooms[0].occupied);
    click(room);
    ASSERT_EQ(window->game().selection.card, cardNamed("5H"));
    for (const bool exposed : {false, true}) {
        SCOPED_TRACE(exposed ? "exposed" : "as painted");
        if (exposed)
            table()->repaint();
        EXPECT_EQ(shownNow(onFrame), SeparatorColour);
        EXPECT_EQ(shownNow(onFirstRoom), QColor(Qt::black));
    }
    click(room);   // put back
    ASSERT_TRUE(window->game().selection.isEmpty());
    table()->repaint();
    EXPECT_EQ(shownNow(onFrame), SeparatorColour);
    EXPECT_EQ(shownNow(onFirstRoom), SeparatorColour);
    click(columnTop(1));
    click(centreOf(state.rooms[1].x, state.rooms[1].y));
    ASSERT_TRUE(state.rooms[1].occupied);
    const QPoint firstRoomsTopCorner(state.rooms[1].x - 1, state.rooms[1].y);
    const QPoint firstRoomsFootCorner(state.rooms[1].x - 1, state.rooms[1].y + layout().CardHeight - 1);
    EXPECT_EQ(shownNow(firstRoomsTopCorner), SeparatorColour);
    table()->RoomsFrameDirty = true;
    table()->FormPaint(PaintSender::Other);
    for (const bool exposed : {false, true}) {
        SCOPED_TRACE(exposed ? "exposed" : "as painted");
        if (exposed)
            table()->repaint();
        EXPECT_EQ(shownNow(onFrame), BlockFrameColour);
        EXPECT_EQ(shownNow(firstRoomsTopCorner), TableColour);
        EXPECT_EQ(shownNow(firstRoomsFootCorner), SeparatorColour);
    }
}

// A transfer redraws the Columns it changed and no other, and every paint
// clears what it found marked.
TEST_F(TablePaintingTest, ATransferRedrawsExactlyTheColumnsItChanged)
{
    dealt()
        .column(0, {"KD", "QS", "9C"}).column(1, {"KH", "7C", "6S"}).column(2, {"KS", "5H"}).column(3, {"QC"})
        .column(4, {"QD"}).column(5, {"JH"}).column(6, {"10C"}).column(7, {"8H"});
    paintWhole();
    const TableState& state = window->game().table;
    constexpr int Room = ColumnCount;
    // Where the top card of a Column, or the first Room, shows, and a point
    // of it that no card covers once it is gone.
    auto place = [&](int index) -> std::pair<QPoint, QPoint> {
        const QPoint room = centreOf(state.rooms[0].x, state.rooms[0].y);
        if (index == Room)
            return {room, room};
        const ColumnRec& rec = state.columns[index];
        const int top = rec.topPosition();
        return {centreOf(rec.x[top], rec.y[top]), QPoint(rec.x[top] + 30, rec.y[top] + layout().CardHeight - 5)};
    };
    for (const auto& [fromPlace, ontoPlace, card, redrawn] :
         {std::tuple(2, 1, "5H", std::vector{1, 2}), std::tuple(7, Room, "8H", std::vector{7}),
          std::tuple(Room, 0, "8H", std::vector{0})}) {
        SCOPED_TRACE(card);
        const auto [from, vacated] = place(fromPlace);
        click(from);
        click(place(ontoPlace).first);
        ASSERT_TRUE(window->game().selection.isEmpty());
        std::array<bool, ColumnCount> expected{};
        for (const int column : redrawn)
            expected[column] = true;
        EXPECT_EQ(table()->lastRedrawn().columns, expected);
        EXPECT_EQ(state.ColumnDirty, (std::array<std::int32_t, ColumnCount>{}));
        EXPECT_FALSE(table()->FullRepaint || table()->RoomsFrameDirty || table()->PilesFrameDirty);
        EXPECT_EQ(shownNow(place(ontoPlace).first), faceColour(cardNamed(card)));
        EXPECT_EQ(shownNow(vacated), TableColour);
    }
}

// The worked example: from the top of the first Column, position 6, to the
// first Pile. Each frame is on the window while the program waits, the
// Pile does not show the card until it lands, and the caller's paint wipes
// the trail.
TEST_F(TablePaintingTest, AFlightShowsItsFramesAndThePileOnlyAfterLanding)
{
    dealt()
        .column(0, {"KD", "QS", "JD", "10S", "9D", "8S", "AH"}).column(1, {"KH"}).column(2, {"KS"})
        .column(3, {"QC"}).column(4, {"QD"}).column(5, {"JH"}).column(6, {"10C"}).column(7, {"8H"})
        .autoMovesOn();
    paintWhole();
    const SlotRec& pile = window->game().table.piles[0];
    ASSERT_EQ(QPoint(pile.x, pile.y), QPoint(376, 9));
    // Inside the Pile, but clear of every frame of the flight.
    const QPoint pileProbe(pile.x + 69, pile.y + 51);
    const QColor ace = faceColour(cardNamed("AH"));
    const QColor mark = FakeCardLibrary::colourOf(53);

    const std::vector<QPoint> frames{{7, 220}, {68, 185}, {129, 150}, {190, 115}, {251, 80}, {312, 45}, {373, 10}};
    std::vector<int> pauses;
    std::vector<QColor> frameShown;
    std::vector<QColor> pileShown;
    clock.onSleep = [&](int milliseconds) {
        const QImage screen = onScreen();
        const QPoint frame = frames.at(std::min(pauses.size(), frames.size() - 1));
        pauses.push_back(milliseconds);
        frameShown.push_back(shown(screen, frame + QPoint(30, 40)));
        pileShown.push_back(shown(screen, pileProbe));
    };
    click(QPoint(900, 800));   // any event asks for the next pass
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->game().table.piles[0].occupied && !table()->isAnimating(); }));
    clock.onSleep = nullptr;

    const int pause = cardFlightPause(window->ScreenClass(), window->settings().SpeedSlider);
    EXPECT_EQ(pauses, (std::vector<int>{2, pause, pause, pause, pause, pause, pause}));
    EXPECT_EQ(frameShown, std::vector<QColor>(frames.size(), ace));
    EXPECT_EQ(pileShown, std::vector<QColor>(frames.size(), mark));
    EXPECT_EQ(shownNow(pileProbe), ace);
    EXPECT_NE(shownNow(frames[3] + QPoint(30, 40)), ace) << "the trail is wiped";
    EXPECT_EQ(shownNow(frames[0] + QPoint(30, 40)), faceColour(cardNamed("8S"))) << "the Column is redrawn";
}

// Part of the Column area lies under the panel: a drop ends the search's
// account, and the panel is blank until the next search.
TEST_F(TablePaintingTest, TheDetailsPanelIsBlankAfterADropOnARoom)
{
    registry.set(testing::StoreKey, "TransferDetails", 1);
    open();
    newGame();
    ASSERT_TRUE(window->game().flags.DetailsShown);
    click(columnTop(0));
    QTest::mouseMove(table(), columnTop(1));
    const QRect panel(QPoint(layout().PanelLeft, layout().PanelTop), layout().panelSize());
    auto inkInPanel = [&] {
        const QImage screen = onScreen();
        int ink = 0;
        for (int y = panel.top(); y <= panel.bottom(); y += 2)
            for (int x = panel.left(); x <= panel.right(); x += 2)
                ink += shown(screen, QPoint(x, y)) != TableColour ? 1 : 0;
        return ink;
    };
    ASSERT_GT(inkInPanel(), 0) << "the search wrote its account";
    const SlotRec& room = window->game().table.rooms[0];
    click(centreOf(room.x, room.y));
    ASSERT_TRUE(window->game().table.rooms[0].occupied);
    EXPECT_EQ(inkInPanel(), 0);
}

// Repaints the game asks for outside a transfer: the table button's whole
// table, the panel taken off the Columns under it, the last cards going up.
TEST_F(TablePaintingTest, TheTableButtonRedrawsBothFrames)
{
    open();
    window->BitBtn1Click();
    for (const int left : {layout().LeftMargin, layout().PilesLeft})
        EXPECT_EQ(shownNow(QPoint(left, layout().TopMargin)), BlockFrameColour) << left;
}

TEST_F(TablePaintingTest, HidingTheMovesShowsTheColumnUnderThePanelAgain)
{
    registry.set(testing::StoreKey, "OrigCardSize", 0);   // large cards reach under the panel
    dealt().column(0, {"KD", "QS", "JD", "10S", "9D", "8S", "7D", "6S", "5D", "4S", "3D", "2S", "KH", "QC"});
    paintWhole();
    const ColumnRec& rec = window->game().table.columns[0];
    const QPoint underPanel(rec.x[0] + 30, layout().PanelTop + 4);
    ASSERT_GT(rec.y[rec.topPosition()] + layout().CardHeight, underPanel.y());
    const QColor before = shownNow(underPanel);
    window->ShowBtn1Click();
    ASSERT_TRUE(window->game().flags.ShowMoves);
    window->ShowBtn1Click();
    EXPECT_EQ(shownNow(underPanel), before);
}

TEST_F(TablePaintingTest, TheLastButOneCardLeavesItsColumnBlank)
{
    dealt().pileUpTo("KD").pileUpTo("KC").pileUpTo("QH").pileUpTo("QS").column(0, {"KH"}).column(1, {"KS"});
    paintWhole();
    const TableState& state = window->game().table;
    const int hearts = static_cast<int>(std::find(state.pileSuit.begin(), state.pileSuit.end(),
                                                  suitOf(cardNamed("KH"))) - state.pileSuit.begin());
    const QPoint king = centreOf(state.columns[0].x[0], state.columns[0].y[0]);
    click(king);
    click(centreOf(state.piles[hearts].x, state.piles[hearts].y));
    ASSERT_EQ(state.cardsLeft, 1);
    EXPECT_EQ(shownNow(king), TableColour);
}

TEST_F(TablePaintingTest, AWindowMadeAsSmallAsItGoesAndLargeAgainShowsTheWholeTable)
{
    open();
    newGame();
    const QSize size = window->size();
    const QPoint top = columnTop(7);
    const ColumnRec& last = window->game().table.columns[7];
    const QColor card = faceColour(last.card[last.topPosition()]);
    window->resize(1, 1);
    QApplication::processEvents();
    window->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(shownNow(top), card);
    EXPECT_EQ(shownNow(QPoint(4, 300)), TableFrameColour);
}

// The longest line of one colour in a row of the area.
int longestRun(const QImage& screen, const QRect& area, const QColor& colour)
{
    int longest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(), run = 0; x <= area.right(); ++x) {
            run = screen.pixelColor(x, y) == colour ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST_F(TablePaintingTest, TheMovePanelsHeadingsAreUnderlinedInTheirColours)
{
    dealt().column(0, {"KD"}).column(1, {"QS"});
    window->ShowBtn1Click();
    ASSERT_TRUE(window->game().flags.ShowMoves);
    const QRect panel(table()->mapTo(window.get(), QPoint(layout().PanelLeft, layout().PanelTop)), layout().panelSize());
    const QImage screen = onScreen();
    for (const QColor& heading : {QColor(0, 255, 0), QColor(0, 255, 255)})
        EXPECT_GT(longestRun(screen, panel, heading), 80) << heading.name().toStdString();
}

// The buttons' places for either arrangement of the panel and both card
// sizes, on screens that have room for them.
TEST_F(TablePaintingTest, TheUndoAndShowButtonsSitBesideTheTable)
{
    const struct { QSize screen; int origCardSize; int x; } cases[] = {
        {{1280, 1024}, 1, 717}, {{800, 600}, 1, 696}, {{1600, 1200}, 0, 1277}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        registry = MemoryRegistry();
        registry.set(testing::StoreKey, "OrigCardSize", c.origCardSize);
        environment.setScreenResolution(c.screen);
        dealt();
        for (const auto& [name, y] : {std::pair("UndoBtn1", 24), std::pair("ShowBtn1", 62)}) {
            const auto* button = window->findChild<QPushButton*>(name);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible()) << name;
            EXPECT_EQ(table()->mapFrom(button->parentWidget(), button->pos()), QPoint(c.x, y)) << name;
        }
    }
}

// The suits pressed in the preferences hold from the next deal on: each
// empty Pile shows the mark of its new suit.
TEST_F(TablePaintingTest, ANewDealShowsThePilesMarksOfTheStoredSuitOrder)
{
    open();
    window->Pref1DlgClick();
    auto* preferences = window->findChild<TPrefDlg1*>();
    ASSERT_NE(preferences, nullptr);
    preferences->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(2);
    for (const char* suit : {"BitBtn3", "BitBtn1", "BitBtn4", "BitBtn2", "Button1"})
        QTest::mouseClick(preferences->findChild<QPushButton*>(suit), Qt::LeftButton);
    preferences->close();
    window->NewGame1Click();
    const QImage screen = onScreen();
    const std::array<int, 4> marks{55, 53, 56, 54};
    for (int i = 0; i < PileCount; ++i) {
        const SlotRec& pile = window->game().table.piles[i];
        EXPECT_EQ(shown(screen, QPoint(pile.x + 36, pile.y + 48)), FakeCardLibrary::colourOf(marks[i])) << i;
    }
}

} // namespace
} // namespace tavolin
