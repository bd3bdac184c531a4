// The main window on doubles of the machine: its commands and their states,
// its timers, the side picture and where it comes back.
#include "settings/preferences_dialog.h"
#include "support/file_bytes.h"
#include "support/non_files.h"
#include "window_fixture.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <set>

namespace tavolin {
namespace {

using testing::StoreKey;

class MainWindowTest : public testing::WindowFixture<> {
protected:
    QRect storedBounds() const
    {
        return {stored("Form Left"), stored("Form Top"), stored("Form Width"), stored("Form Height")};
    }
};

// A screen narrower than 800 pixels is refused; on the others the window
// starts with an empty table and only the commands that need no game.
TEST_F(MainWindowTest, StartsWithAnEmptyTableOnAScreenWideEnough)
{
    for (const auto& [screen, refused, panelLines] : {std::tuple(QSize(799, 600), true, 5),
                                                      std::tuple(QSize(800, 600), false, 5),
                                                      std::tuple(QSize(1280, 1024), false, 14)}) {
        SCOPED_TRACE(screen.width());
        environment.setScreenResolution(screen);
        registry = MemoryRegistry();
        const std::size_t told = messages.shown().size();
        open();
        window->FormActivate();
        EXPECT_EQ(messages.shown().size() > told, refused);
        EXPECT_EQ(window->isVisible(), !refused);
        EXPECT_EQ(window->game().options.PanelLineLimit, panelLines);
        EXPECT_EQ(window->game().EmptyColumnCount(), ColumnCount);
        for (const char* command : {"FinishGame1", "MoveUndo1", "MoveShow1"})
            EXPECT_FALSE(action(command)->isEnabled()) << command;
        EXPECT_TRUE(action("NewGame1")->isEnabled());
        EXPECT_FALSE(button("UndoBtn1")->isVisible() || button("ShowBtn1")->isVisible());
    }
    EXPECT_EQ(window->statusText(0), " Dir: /home/player");
    EXPECT_EQ(window->statusText(1), " Library used: VelvetRes2.DLL");
    EXPECT_EQ(cards.loadedName(), "velvetres2");
    // A menu hint goes to the first panel.
    QStatusTipEvent tip(QStringLiteral("a hint"));
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusText(0), "a hint");
}

// The deal itself, from the clock, is checked with the deals by number.
TEST_F(MainWindowTest, NewGameStartsAGameAndIsRefusedWhileOneIsOpen)
{
    open();
    newGame();
    const auto deal = window->game().table.dealOrder;
    EXPECT_TRUE(action("FinishGame1")->isEnabled());
    EXPECT_TRUE(button("UndoBtn1")->isVisible());
    EXPECT_FALSE(button("UndoBtn1")->isEnabled());
    EXPECT_EQ(window->statusText(0), " Number of Cards left:  52");
    EXPECT_TRUE(window->statusText(1).startsWith("Game started at 10:30:00"));

    clock.advance(5000);
    window->NewGame1Click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Current game not finished yet.");
    EXPECT_EQ(window->game().table.dealOrder, deal);
}

TEST_F(MainWindowTest, AMissingPictureIsToldOnceAndNoCardIsDrawnAfter)
{
    cards.removeBitmap(53);   // the mark of the Hearts Pile, drawn on an empty table
    open();
    window->centralWidget()->grab();
    QApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Load Error from DLL: Bitmap number 53");
    const int requests = cards.bitmapRequests();
    newGame();
    window->centralWidget()->grab();
    QApplication::processEvents();
    EXPECT_EQ(cards.bitmapRequests(), requests);
    EXPECT_EQ(messages.shown().size(), 1u);
}

// The timers of the window and of everything in it, by interval: what can
// wake the program while the player does nothing. Zero-delay ones are the
// game's pending passes, run first.
std::multiset<int> timersAfterPassesOf(QWidget* window)
{
    auto running = [window] {
        std::multiset<int> intervals;
        QList<QObject*> objects = window->findChildren<QObject*>();
        objects << window;
        for (QObject* object : objects)
            for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(object))
                intervals.insert(timer.interval);
        return intervals;
    };
    for (int i = 0; i < 100 && running().count(0) > 0; ++i)
        QApplication::processEvents();
    return running();
}

// The playing time ticks each second, and its new text repaints its own
// panel without laying the status bar out again; the move panel's headings
// are drawn again every 2 s while it is shown. Nothing else runs.
TEST_F(MainWindowTest, AnIdleWindowWakesOnlyForWhatItShows)
{
    struct LayoutRequests : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::LayoutRequest ? 1 : 0;
            return false;
        }
    };
    const std::tuple<bool, bool, std::multiset<int>> cases[] = {
        {true, false, {1000}}, {false, false, {}}, {true, true, {1000, 2000}}, {false, true, {2000}}};
    for (const auto& [playingTime, movePanel, timers] : cases) {
        SCOPED_TRACE(::testing::Message() << "playing time " << playingTime << ", move panel " << movePanel);
        registry.set(StoreKey, "TimeDisplay", playingTime ? 1 : 0);
        registry.set(StoreKey, "TransferInfo", playingTime ? 0 : 1);
        open();
        EXPECT_EQ(timersAfterPassesOf(window.get()), std::multiset<int>{}) << "no game";
        newGame();
        if (movePanel)
            action("MoveShow1")->trigger();
        EXPECT_EQ(timersAfterPassesOf(window.get()), timers);
        if (playingTime) {
            LayoutRequests requests;
            window->statusBar()->installEventFilter(&requests);
            clock.advance((65 * 60 + 7) * 1000);
            window->Timer1Timer();
            QApplication::processEvents();
            EXPECT_EQ(window->statusText(2), "Playing Time: mins 05 : 07 secs");
            EXPECT_EQ(requests.count, 0);
        }
        if (movePanel) {
            window->Timer2Timer();
            EXPECT_TRUE(window->game().flags.HintHeaderDirty);
            timersAfterPassesOf(window.get());
            EXPECT_FALSE(window->game().flags.HintHeaderDirty);
            QTest::mouseClick(button("ShowBtn1"), Qt::LeftButton);
            EXPECT_FALSE(window->game().flags.ShowMoves);
            window->Timer2Timer();
            EXPECT_EQ(timersAfterPassesOf(window.get()).count(2000), 0u) << "the panel is off";
        }
        messages.answerNext(MessageAnswer::Yes);
        window->FinishGame1Click();
        EXPECT_EQ(timersAfterPassesOf(window.get()), std::multiset<int>{}) << "after the game";
    }
}

// A right click and a click on the bare table take nothing up; a card moved
// comes back with Undo, once.
TEST_F(MainWindowTest, ACardMovedByTheLeftButtonComesBackWithUndo)
{
    open();
    newGame();
    const TableState before = window->game().table;
    const ColumnRec& first = before.columns[0];
    const int top = first.topPosition();
    ASSERT_NE(rankOf(first.card[top]), AceRank) << "the clock's deal puts no Ace there: it could not go into a Room";
    const QPoint onCard = centreOf(first.x[top], first.y[top]);
    click(onCard, Qt::RightButton);
    click(QPoint(900, 800));
    EXPECT_TRUE(window->game().selection.isEmpty());
    EXPECT_FALSE(action("MoveUndo1")->isEnabled());

    click(onCard);
    click(centreOf(before.rooms[0].x, before.rooms[0].y));
    QApplication::processEvents();
    ASSERT_EQ(window->game().table.rooms[0].card, first.card[top]);
    ASSERT_TRUE(action("MoveUndo1")->isEnabled());
    QTest::mouseClick(button("UndoBtn1"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window->game().table.columns, before.columns);
    EXPECT_FALSE(window->game().table.rooms[0].occupied);
    EXPECT_FALSE(button("UndoBtn1")->isEnabled());
    EXPECT_FALSE(action("MoveUndo1")->isEnabled());
}

// Built at start, the dialogs would delay the first frame; once built, each
// is kept with what it showed last, and opens modally at its own place on
// the screen wherever the window is. The preferences open beside the game,
// and a new suit order governs the Piles at once.
TEST_F(MainWindowTest, EachDialogIsBuiltWhenFirstOpenedAndKept)
{
    open();
    window->FormActivate();
    EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty());
    newGame();
    const std::tuple<const char*, QString, QPoint> commands[] = {
        {"GameStats1", " Tavolin Statistics", QPoint(152, 56)},
        {"HelpAbout1", " About this game... ", QPoint(150, 56)},
        {"HelpDate", " A Calendar, for your convenience", QPoint(130, 200)},
    };
    for (const auto& [command, title, place] : commands) {
        SCOPED_TRACE(command);
        std::vector<QWidget*> opened;
        std::vector<QPoint> places;
        for (const QPoint windowAt : {QPoint(300, 200), QPoint(20, 10)}) {
            window->move(windowAt);
            QTimer::singleShot(0, [&] {
                opened.push_back(QApplication::activeModalWidget());
                places.push_back(opened.back() ? opened.back()->pos() : QPoint());
                if (opened.back())
                    opened.back()->close();
            });
            action(command)->trigger();
        }
        ASSERT_NE(opened.at(0), nullptr);
        EXPECT_EQ(opened[0]->windowTitle(), title);
        EXPECT_EQ(opened.at(1), opened[0]);
        EXPECT_EQ(places, std::vector<QPoint>(2, place));
    }

    action("GamePref1")->trigger();
    auto* preferences = window->findChild<TPrefDlg1*>();
    ASSERT_NE(preferences, nullptr);
    EXPECT_TRUE(preferences->isVisible() && !preferences->isModal());
    preferences->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(2);
    for (const char* suit : {"BitBtn4", "BitBtn3", "BitBtn2", "BitBtn1", "Button1"})
        QTest::mouseClick(preferences->findChild<QPushButton*>(suit), Qt::LeftButton);
    EXPECT_EQ(window->game().table.pileSuit, (std::array<std::int32_t, 4>{3, 2, 1, 0}));
    EXPECT_EQ(stored("PileSuit 0"), 3);
    window->FormActivate();
    EXPECT_FALSE(preferences->isVisible());
    EXPECT_EQ(window->findChildren<QDialog*>().size(), 4);
}

TEST_F(MainWindowTest, TheSidePictureShowsOnceItsPathIsConfirmed)
{
    QTemporaryDir directory;
    const QString path = directory.filePath("side.png");
    QImage blue(40, 30, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(blue.save(path));
    registry.set(StoreKey, "SWBmpPath", path);
    registry.set(StoreKey, "ShowPicture", 1);
    open();
    const QPoint inSide(window->tableLayout().TableWidth + 20, window->tableLayout().TopAreaHeight + 20);
    auto sideShown = [&] { return window->centralWidget()->grab().toImage().pixelColor(inSide); };

    // A picture from an earlier run waits until its path is confirmed again.
    window->RefreshSideWindow();
    EXPECT_NE(sideShown(), QColor(0, 0, 255));
    EXPECT_FALSE(window->settings().ShowPicture);
    action("GamePref1")->trigger();
    QTest::mouseClick(window->findChild<TPrefDlg1*>()->findChild<QCheckBox*>("CheckBox2"), Qt::LeftButton);
    window->FormActivate();
    window->RefreshSideWindow();
    EXPECT_EQ(sideShown(), QColor(0, 0, 255));

    // The file gone, replaced by text or by a picture with 40 MiB after it, or
    // something that is no file in its place: the player is told once, at once
    // and not again at every resize, the side window keeps its picture and
    // nothing stored changes. The picture back, the next failure is told again.
    const std::size_t writes = registry.writes().size();
    const std::string kinds[] = {"missing", "not a picture", "large file", "pipe", "link to a device", "folder",
                                 "link to a pipe"};
    for (const std::string& kind : kinds) {
        SCOPED_TRACE(kind);
        testing::removeNonFile(path);
        ASSERT_TRUE(kind == "missing" || (kind == "not a picture" ? testing::writeFileBytes(path, "not a picture")
                                          : kind == "large file"  ? blue.save(path) && QFile(path).resize(40 << 20)
                                                                  : testing::makeNonFile(kind, path)));
        const std::size_t told = messages.shown().size();
        const auto refresh = [&] {
            window->RefreshSideWindow();
            ASSERT_EQ(messages.shown().size(), told + 1);
            EXPECT_EQ(messages.shown().back().text, "Unable to load side-window Bitmap.");
            window->resize(window->size() + QSize(10, 10) * (told % 2 ? 1 : -1));
            QApplication::processEvents();
            EXPECT_EQ(messages.shown().size(), told + 1);
            EXPECT_EQ(sideShown(), QColor(0, 0, 255));
            EXPECT_EQ(registry.writes().size(), writes);
        };
        &kind - kinds < 3 ? refresh() : testing::expectInTime(refresh);   // what is no file could hang
        testing::removeNonFile(path);
        ASSERT_TRUE(blue.save(path));
        window->RefreshSideWindow();
    }
}

// The stored bounds are the outer ones, and come back over starts and
// closes; bounds off the screen are brought onto it and stored so.
TEST_F(MainWindowTest, TheWindowComesBackWhereItWasLeftAndOnTheScreen)
{
    const QRect chosen(50, 60, 900, 700);
    open();
    window->move(chosen.topLeft());
    window->resize(chosen.size() - (window->frameGeometry().size() - window->size()));
    ASSERT_EQ(window->frameGeometry(), chosen);
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        const int commits = registry.commits();
        window->close();
        EXPECT_EQ(storedBounds(), chosen);
        EXPECT_EQ(registry.commits(), commits + 1) << "one write of the placement at closing";
        open();
        EXPECT_EQ(window->frameGeometry(), chosen);
    }
    window->close();
    registry.set(StoreKey, "Form Left", 2500);
    registry.set(StoreKey, "Streak Type", 9);
    const int commits = registry.commits();
    open();
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(window->frameGeometry()));
    EXPECT_EQ(storedBounds(), window->frameGeometry()) << "the value written back is the one used";
    EXPECT_EQ(stored("Streak Type"), 0);
    EXPECT_EQ(registry.commits(), commits + 1) << "the start's corrections and move in one write";
    EXPECT_EQ(messages.shown().size(), 1u);
}

} // namespace
} // namespace tavolin
