#include "platform/qt_registry.h"
#include "settings/preferences_dialog.h"
#include "settings/stats_dialog.h"
#include "game/recording_events.h"
#include "game/support/table_builder.h"
#include "support/file_bytes.h"
#include "window_fixture.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QDialog>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

#include <gtest/gtest.h>

namespace tavolin {
namespace {

const QString Key = testing::StoreKey;

class MainWindowTest : public testing::WindowFixture<> {
protected:
    QWidget* table() const { return window->centralWidget(); }

    // Closes every modal dialog that opens until the returned timer is gone,
    // and notes its title.
    std::unique_ptr<QTimer> closeModalDialogs(QStringList& titles)
    {
        auto timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [&titles] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                titles << dialog->windowTitle();
                dialog->close();
            }
        });
        timer->start(5);
        return timer;
    }

    // Runs the event loop until the condition holds or a generous bound passes.
    static bool waitUntil(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    std::vector<QString> questionsAsked() const
    {
        std::vector<QString> texts;
        for (const auto& box : messages.shown())
            if (box.buttons == MessageButtons::YesNo)
                texts.push_back(box.text);
        return texts;
    }
    int writesOf(const QString& name) const
    {
        int count = 0;
        for (const auto& write : registry.writes())
            count += write.name == name ? 1 : 0;
        return count;
    }
    std::int32_t stored(const QString& name) const
    {
        const auto value = registry.value(Key, name);
        return value ? std::get<std::int32_t>(*value) : -1;
    }
};

TEST_F(MainWindowTest, StartsWithAnEmptyTableAndTheLaterCommandsDisabled)
{
    open();
    EXPECT_EQ(window->windowTitle(), " Tavolin - Velvet Edition, V2.2 XP");
    EXPECT_FALSE(window->game().flags.gameInPlay);
    EXPECT_EQ(window->game().EmptyColumnCount(), 8);
    EXPECT_FALSE(action("FinishGame1")->isEnabled());
    EXPECT_FALSE(action("MoveUndo1")->isEnabled());
    EXPECT_FALSE(action("MoveShow1")->isEnabled());
    EXPECT_TRUE(action("NewGame1")->isEnabled());
    EXPECT_FALSE(button("UndoBtn1")->isVisible());
    EXPECT_FALSE(button("ShowBtn1")->isVisible());
    EXPECT_TRUE(button("BitBtn1")->isVisible());
    EXPECT_EQ(window->statusText(0), " Dir: /home/player");
    EXPECT_EQ(window->statusText(1), " Library used: VelvetRes2.DLL");
    EXPECT_EQ(cards.loadedName(), "velvetres2");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowTest, MenuHintsShowInTheFirstPanel)
{
    open();
    EXPECT_EQ(action("GameExit1")->statusTip(), "Close application window, exit.");
    EXPECT_EQ(action("MoveShow1")->statusTip(), "Toggles information on possible moves");
    QStatusTipEvent tip(action("NewGame1")->statusTip());
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusText(0), "Start a new game");
}

TEST_F(MainWindowTest, LaysOutTheTableForSmallCards)
{
    open();
    EXPECT_EQ(window->tableLayout().TableWidth, 675);
    EXPECT_EQ(window->tableLayout().PilesLeft, 375);
    EXPECT_EQ(button("BitBtn1")->geometry(), QRect(317, 17, 41, 41));
    EXPECT_EQ(window->game().table.piles[0].x, 376);
    EXPECT_EQ(window->game().table.rooms[3].x, 225);
}

TEST_F(MainWindowTest, TheDetailsPanelLineLimitFollowsTheArrangement)
{
    open();   // 1280 x 1024: a tall window, the large arrangement
    EXPECT_EQ(window->game().options.PanelLineLimit, 14);
    environment.setScreenResolution(QSize(800, 600));
    registry = MemoryRegistry();
    open();
    EXPECT_EQ(window->game().options.PanelLineLimit, 5);
}

TEST_F(MainWindowTest, ScreenNarrowerThan800IsRefused)
{
    environment.setScreenResolution(QSize(799, 600));
    open();
    window->FormActivate();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().caption, " Card Table Control");
    EXPECT_EQ(messages.shown().back().text,
              "This program requires a screen resolution of \nat least 800 x 600, or 1024 x 768 pixels.");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, Screen800WideIsAccepted)
{
    environment.setScreenResolution(QSize(800, 600));
    open();
    window->FormActivate();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ScreenClass(), 1);
}

TEST_F(MainWindowTest, NewGameDealsFromTheClockAndStartsTheGame)
{
    open();
    newGame();

    testing::RecordingEvents events;
    Game sameSecond(events);
    sameSecond.random.seed(static_cast<std::uint32_t>(clock.calendarSeconds()));
    sameSecond.BuildPack();
    const Game& game = window->game();
    EXPECT_EQ(game.table.dealOrder, sameSecond.table.dealOrder);
    EXPECT_TRUE(game.flags.gameInPlay);
    EXPECT_TRUE(game.flags.gameOpen);
    EXPECT_EQ(game.table.cardsLeft, 52);
    EXPECT_EQ(game.EmptyColumnCount(), 0);
    EXPECT_TRUE(action("FinishGame1")->isEnabled());
    EXPECT_TRUE(button("UndoBtn1")->isVisible());
    EXPECT_FALSE(button("UndoBtn1")->isEnabled());
    EXPECT_EQ(window->statusText(0), " Number of Cards left:  52");
    EXPECT_TRUE(window->statusText(1).startsWith("Game started at 10:30:00"));
    EXPECT_TRUE(window->statusText(1).endsWith(" hrs."));
}

TEST_F(MainWindowTest, NewGameDuringAGameIsRefused)
{
    open();
    window->NewGame1Click();
    const auto deal = window->game().table.dealOrder;
    clock.advance(5000);
    window->NewGame1Click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, " New Game Selection");
    EXPECT_EQ(messages.shown()[0].text, "Current game not finished yet.");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(window->game().table.dealOrder, deal);
}

TEST_F(MainWindowTest, FinishWithoutAGameDoesNothing)
{
    open();
    window->FinishGame1Click();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(window->settings().GamesLost, 0);
}

TEST_F(MainWindowTest, TableButtonClearsSilentlyWithoutAGameAndAsksDuringOne)
{
    open();
    window->BitBtn1Click();
    EXPECT_TRUE(messages.shown().empty());

    window->NewGame1Click();
    messages.answerNext(MessageAnswer::No);
    window->BitBtn1Click();
    EXPECT_EQ(questionsAsked(), std::vector<QString>{"End the current game ?"});
    EXPECT_EQ(messages.shown().back().caption, " Game Control");
    EXPECT_TRUE(window->game().flags.gameInPlay);
    EXPECT_EQ(window->settings().GamesLost, 0);

    messages.answerNext(MessageAnswer::Yes);
    window->BitBtn1Click();
    EXPECT_FALSE(window->game().flags.gameInPlay);
    EXPECT_FALSE(window->game().flags.gameOpen);
    EXPECT_EQ(window->game().EmptyColumnCount(), 8);
    EXPECT_EQ(window->settings().GamesLost, 1);
    EXPECT_EQ(stored("Games Lost"), 1);
    EXPECT_EQ(stored("Streak Type"), 2);
    EXPECT_EQ(stored("Streak Losses"), 1);
    EXPECT_EQ(window->runTotals().runLost, 1);
    EXPECT_FALSE(button("UndoBtn1")->isVisible());
    EXPECT_TRUE(window->statusText(1).startsWith("Game finished at "));
}

TEST_F(MainWindowTest, ClosingDuringAGameAnsweredNoKeepsTheGame)
{
    open();
    window->NewGame1Click();
    messages.answerNext(MessageAnswer::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->game().flags.gameInPlay);
    EXPECT_EQ(questionsAsked(), std::vector<QString>{"Quit game and exit ?"});
    EXPECT_EQ(messages.shown().back().caption, " Closing Event");
    EXPECT_EQ(window->settings().GamesLost, 0);
    // The placement is written even though the player stayed.
    EXPECT_EQ(writesOf("Form State"), 2);
}

TEST_F(MainWindowTest, ClosingDuringAGameAnsweredYesRecordsOnce)
{
    open();
    const int firstRunWrites = writesOf("Games Lost");
    window->NewGame1Click();
    messages.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(questionsAsked().size(), 1u);
    EXPECT_EQ(window->settings().GamesLost, 1);
    EXPECT_EQ(stored("Games Lost"), 1);
    EXPECT_EQ(writesOf("Games Lost"), firstRunWrites + 1);
    EXPECT_EQ(clock.totalSlept(), 200);
}

TEST_F(MainWindowTest, ExitDuringAGameAsksOnceAndRecordsOnce)
{
    open();
    const int firstRunWrites = writesOf("Games Lost");
    window->NewGame1Click();
    messages.answerNext(MessageAnswer::No);
    window->GameExitClick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->game().flags.gameInPlay);

    messages.answerNext(MessageAnswer::Yes);
    window->GameExitClick();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(questionsAsked().size(), 2u);   // the No, then the Yes; closing did not ask again
    EXPECT_EQ(writesOf("Games Lost"), firstRunWrites + 1);
    EXPECT_EQ(window->settings().StreakLosses, 1);
}

TEST_F(MainWindowTest, ClosingWithoutAGameAsksNothing)
{
    open();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(questionsAsked().empty());
    EXPECT_EQ(stored("Form State"), 1);
}

TEST_F(MainWindowTest, MissingCardLibraryIsToldOnce)
{
    cards.setLoadable(false);
    environment.setCurrentDirectory("/opt/games");
    open();
    QApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].caption, " DLL Load Error");
    EXPECT_EQ(messages.shown()[0].text, " Unable to load 'VelvetRes2.DLL'.");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.shown()[1].caption, " Current Directory");
    EXPECT_EQ(messages.shown()[1].text, "/opt/games");
    window->ApplicationIdle();
    EXPECT_EQ(cards.loadAttempts(), 1);
    // The game still deals and runs without pictures.
    window->NewGame1Click();
    EXPECT_TRUE(window->game().flags.gameInPlay);
}

TEST_F(MainWindowTest, AMissingPictureIsToldOnceAndNoCardIsDrawnAfter)
{
    cards.removeBitmap(53);   // the mark of the Hearts Pile, drawn on an empty table
    open();
    table()->grab();
    QApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "VelvetRes2.DLL");
    EXPECT_EQ(messages.shown()[0].text, "Load Error from DLL: Bitmap number 53");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);

    const int requests = cards.bitmapRequests();
    newGame();
    table()->grab();
    QApplication::processEvents();
    EXPECT_EQ(cards.bitmapRequests(), requests);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(MainWindowTest, PlayingTimeShowsMinutesAndSeconds)
{
    open();
    window->NewGame1Click();
    clock.advance((65 * 60 + 7) * 1000);
    window->Timer1Timer();
    EXPECT_EQ(window->statusText(2), "Playing Time: mins 05 : 07 secs");
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

TEST_F(MainWindowTest, AnIdleWindowWakesOnlyForWhatItShows)
{
    struct Case {
        const char* state;
        bool playingTime;
        bool movePanel;
        std::multiset<int> timers;
    };
    const Case cases[] = {
        {"clock, no panel", true, false, {1000}},
        {"transfer info, no panel", false, false, {}},
        {"clock and move panel", true, true, {1000, 2000}},
        {"transfer info and move panel", false, true, {2000}},
    };
    for (const Case& c : cases) {
        registry.set(Key, "TimeDisplay", c.playingTime ? 1 : 0);
        registry.set(Key, "TransferInfo", c.playingTime ? 0 : 1);
        open();
        EXPECT_EQ(timersAfterPassesOf(window.get()), std::multiset<int>{}) << "no game, " << c.state;
        newGame();
        if (c.movePanel)
            action("MoveShow1")->trigger();
        EXPECT_EQ(timersAfterPassesOf(window.get()), c.timers) << c.state;
        // Each tick has the panel's headings drawn again; turned off, the
        // panel needs no more redrawing after the next tick.
        if (c.movePanel) {
            window->Timer2Timer();
            EXPECT_TRUE(window->game().flags.HintHeaderDirty) << c.state;
            timersAfterPassesOf(window.get());
            EXPECT_FALSE(window->game().flags.HintHeaderDirty) << c.state;
            action("MoveShow1")->trigger();
            window->Timer2Timer();
            EXPECT_EQ(timersAfterPassesOf(window.get()).count(2000), 0u) << c.state;
        }
        messages.answerNext(MessageAnswer::Yes);
        window->FinishGame1Click();
        EXPECT_EQ(timersAfterPassesOf(window.get()), std::multiset<int>{}) << "after the game, " << c.state;
    }
}

// The clock's new text every second repaints its panel and lays nothing out.
TEST_F(MainWindowTest, ThePlayingTimeDoesNotLayTheStatusBarOutAgain)
{
    struct LayoutRequests : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::LayoutRequest ? 1 : 0;
            return false;
        }
    } requests;
    open();
    newGame();
    window->statusBar()->installEventFilter(&requests);
    for (int second = 1; second <= 3; ++second) {
        clock.advance(1000);
        window->Timer1Timer();
        QApplication::processEvents();
    }
    EXPECT_EQ(window->statusText(2), "Playing Time: mins 00 : 03 secs");
    EXPECT_EQ(requests.count, 0);
}

TEST_F(MainWindowTest, FirstRunOnARealStoreWritesAllValues)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QtRegistry realRegistry(directory.path());
    Platform onDisk{realRegistry, messages, clock, environment, cards};
    TForm1 firstRun(onDisk);

    QFile file(realRegistry.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* name : {"Form Top", "Form Left", "Form Width", "Form Height", "Form State", "OrigCardSize",
                             "TimeDisplay", "TransferInfo", "TransferDetails", "ShowPicture", "SpeedSlider",
                             "PileSuit 0", "PileSuit 1", "PileSuit 2", "PileSuit 3", "Games Won", "Games Lost",
                             "Streak Type", "Streak Wins", "Streak Losses", "SWBmpPath"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowTest, ACardMovesByClickAndClickAndComesBackWithUndo)
{
    open();
    newGame();
    const TableState before = window->game().table;
    const ColumnRec& first = before.columns[0];
    const int top = first.topPosition();
    const CardCode card = first.card[top];
    // An Ace goes to its Pile; any other card into the first Room.
    const bool ace = rankOf(card) == AceRank;
    int pile = 0;
    while (ace && before.pileSuit[pile] != suitOf(card))
        ++pile;
    const SlotRec& target = ace ? before.piles[pile] : before.rooms[0];

    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(first.x[top], first.y[top]));
    EXPECT_EQ(window->game().selection.card, card);
    EXPECT_EQ(window->game().table.columns[0].mode[top], DrawMode::Selected);
    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(target.x, target.y));
    QApplication::processEvents();

    const TableState& after = window->game().table;
    EXPECT_TRUE(window->game().selection.isEmpty());
    EXPECT_EQ(after.columns[0].topPosition(), top - 1);
    if (ace)
        EXPECT_EQ(after.piles[pile].card, card);
    else
        EXPECT_EQ(after.rooms[0].card, card);
    ASSERT_TRUE(button("UndoBtn1")->isEnabled());

    QTest::mouseClick(button("UndoBtn1"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window->game().table.columns[0].topPosition(), top);
    EXPECT_EQ(window->game().table.columns[0].card[top], card);
    EXPECT_EQ(window->game().table.cardsLeft, before.cardsLeft);
    EXPECT_FALSE(button("UndoBtn1")->isEnabled());
    EXPECT_FALSE(action("MoveUndo1")->isEnabled());
}

TEST_F(MainWindowTest, ARightClickOrAClickOnEmptyTableDoesNothing)
{
    open();
    newGame();
    const ColumnRec& first = window->game().table.columns[0];
    const int top = first.topPosition();
    QTest::mouseClick(table(), Qt::RightButton, {}, centreOf(first.x[top], first.y[top]));
    EXPECT_TRUE(window->game().selection.isEmpty());
    QTest::mouseClick(table(), Qt::LeftButton, {}, QPoint(900, 800));
    EXPECT_TRUE(window->game().selection.isEmpty());
    // Clicking the held card twice puts it back, and Undo stays off.
    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(first.x[top], first.y[top]));
    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(first.x[top], first.y[top]));
    EXPECT_TRUE(window->game().selection.isEmpty());
    EXPECT_EQ(window->game().table.columns[0].mode[top], DrawMode::Face);
    EXPECT_FALSE(action("MoveUndo1")->isEnabled());
}

TEST_F(MainWindowTest, ShowMovesTogglesTheDetectionPanel)
{
    open();
    newGame();
    ASSERT_TRUE(action("MoveShow1")->isEnabled());
    action("MoveShow1")->trigger();
    EXPECT_TRUE(window->game().flags.ShowMoves);
    QTest::mouseClick(button("ShowBtn1"), Qt::LeftButton);
    EXPECT_FALSE(window->game().flags.ShowMoves);
}

TEST_F(MainWindowTest, StatisticsCommandShowsTheRecordedResult)
{
    open();
    newGame();
    messages.answerNext(MessageAnswer::Yes);
    window->FinishGame1Click();

    QString shownLosses;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TStats1Dlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownLosses = dialog->labelText(4);
        dialog->OKBtnClick();
    });
    action("GameStats1")->trigger();
    EXPECT_EQ(shownLosses, "lost:      1");
}

TEST_F(MainWindowTest, HelpCommandsOpenTheAboutBoxAndTheCalendar)
{
    open();
    const std::pair<const char*, QString> commands[] = {
        {"HelpAbout1", " About this game... "},
        {"HelpDate", " A Calendar, for your convenience"},
    };
    for (const auto& [command, title] : commands) {
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            opened = dialog->windowTitle();
            dialog->close();
        });
        action(command)->trigger();
        EXPECT_EQ(opened, title) << command;
    }
}

// Built at start, the dialogs would delay the first frame; the calendar,
// once built, keeps the date it showed last.
TEST_F(MainWindowTest, DialogsAreBuiltWhenFirstOpenedAndKeptForTheNextTime)
{
    open();
    EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty());
    window->FormActivate();
    EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty());

    std::vector<QWidget*> opened;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            opened.push_back(QApplication::activeModalWidget());
            opened.back()->close();
        });
        action("HelpDate")->trigger();
    }
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_NE(opened[0], nullptr);
    EXPECT_EQ(opened[0], opened[1]);
    EXPECT_EQ(window->findChildren<QDialog*>().size(), 1);
}

TEST_F(MainWindowTest, PreferencesOpenBesideTheGameAndHideWhenTheWindowIsActivated)
{
    open();
    action("GamePref1")->trigger();
    auto* preferences = window->findChild<TPrefDlg1*>();
    ASSERT_NE(preferences, nullptr);
    EXPECT_TRUE(preferences->isVisible());
    EXPECT_FALSE(preferences->isModal());
    window->FormActivate();
    EXPECT_FALSE(preferences->isVisible());
}

TEST_F(MainWindowTest, ANewSuitOrderGovernsTheEmptyPilesAtOnce)
{
    open();
    newGame();
    action("GamePref1")->trigger();
    auto* preferences = window->findChild<TPrefDlg1*>();
    preferences->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(2);
    for (const char* button : {"BitBtn4", "BitBtn3", "BitBtn2", "BitBtn1"})
        QTest::mouseClick(preferences->findChild<QPushButton*>(button), Qt::LeftButton);
    QTest::mouseClick(preferences->findChild<QPushButton*>("Button1"), Qt::LeftButton);

    EXPECT_EQ(window->game().table.pileSuit, (std::array<std::int32_t, 4>{3, 2, 1, 0}));
    EXPECT_TRUE(window->game().PileAccepts(3, makeCard(AceRank, 0)));
    EXPECT_EQ(stored("PileSuit 0"), 3);
}

// The start of a PNG file that says it holds a picture of that size.
QByteArray pngHeader(quint32 width, quint32 height)
{
    auto bigEndian = [](quint32 value) {
        const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
        return QByteArray(bytes, 4);
    };
    auto crc32 = [](const QByteArray& data) {
        quint32 crc = 0xFFFFFFFFu;
        for (const char byte : data) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    const QByteArray header = QByteArray("IHDR") + bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\0\0\0", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + bigEndian(13) + header + bigEndian(crc32(header));
}

TEST_F(MainWindowTest, TheSidePictureShowsOnceItsPathIsConfirmed)
{
    QTemporaryDir directory;
    const QString path = directory.filePath("side.png");
    QImage blue(40, 30, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(blue.save(path));
    registry.set(Key, "SWBmpPath", path);
    registry.set(Key, "ShowPicture", 1);
    open();
    const TableLayout& layout = window->tableLayout();
    const QPoint inSide(layout.TableWidth + 20, layout.TopAreaHeight + 20);

    // A picture from an earlier run waits until its path is confirmed again.
    window->RefreshSideWindow();
    EXPECT_NE(table()->grab().toImage().pixelColor(inSide), QColor(0, 0, 255));
    EXPECT_FALSE(window->settings().ShowPicture);

    action("GamePref1")->trigger();
    auto* preferences = window->findChild<TPrefDlg1*>();
    QTest::mouseClick(preferences->findChild<QCheckBox*>("CheckBox2"), Qt::LeftButton);
    window->FormActivate();
    window->RefreshSideWindow();
    EXPECT_EQ(table()->grab().toImage().pixelColor(inSide), QColor(0, 0, 255));

    // The file gone, replaced by text or by a picture far too large: the
    // player is told once, not again at every resize, the side window keeps
    // its picture and nothing stored changes.
    const std::pair<const char*, QByteArray> badFiles[] = {
        {"missing", QByteArray()},
        {"not a picture", "not a picture"},
        {"20000 x 20000", pngHeader(20000, 20000)},
    };
    for (const auto& [what, bytes] : badFiles) {
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(bytes.isEmpty() || testing::writeFileBytes(path, bytes));
        const std::size_t before = messages.shown().size();
        const std::size_t writes = registry.writes().size();
        window->RefreshSideWindow();
        ASSERT_EQ(messages.shown().size(), before + 1) << what;
        EXPECT_EQ(messages.shown().back().caption, " Load Error");
        EXPECT_EQ(messages.shown().back().text, "Unable to load side-window Bitmap.");
        window->resize(window->width() - 10, window->height() - 10);
        QApplication::processEvents();
        EXPECT_EQ(messages.shown().size(), before + 1) << what;
        EXPECT_EQ(table()->grab().toImage().pixelColor(inSide), QColor(0, 0, 255)) << what;
        EXPECT_EQ(registry.writes().size(), writes) << what;
        // The picture back: shown again, and the next failure is told again.
        ASSERT_TRUE(QFile::remove(path) || bytes.isEmpty());
        ASSERT_TRUE(blue.save(path));
        window->RefreshSideWindow();
    }
}

TEST_F(MainWindowTest, PuttingTheLastKingUpWinsTheGame)
{
    open();
    newGame();
    testing::TableBuilder(window->game())
        .pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC")
        .column(0, {"KC"});
    const int firstRunWrites = writesOf("Games Won");
    const SlotRec& clubs = window->game().table.piles[3];
    const ColumnRec& first = window->game().table.columns[0];

    QStringList dialogs;
    const auto closer = closeModalDialogs(dialogs);
    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(first.x[0], first.y[0]));
    QTest::mouseClick(table(), Qt::LeftButton, {}, centreOf(clubs.x, clubs.y));
    ASSERT_TRUE(waitUntil([&] { return dialogs.contains(" Tavolin Statistics"); }));

    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, "Congratulations, you won!");
    EXPECT_EQ(messages.shown().back().caption, " Game Result");
    EXPECT_FALSE(window->game().flags.gameInPlay);
    EXPECT_EQ(window->game().EmptyColumnCount(), 8);
    EXPECT_EQ(window->settings().GamesWon, 1);
    EXPECT_EQ(window->settings().StreakType, 1);
    EXPECT_EQ(writesOf("Games Won"), firstRunWrites + 1);
    EXPECT_TRUE(window->statusText(1).startsWith("Game won at "));
}

TEST_F(MainWindowTest, ATableWithoutFreePlaceOrMoveEndsTheGame)
{
    open();
    newGame();
    // Kings in the Rooms and only red cards on the Columns: nothing fits anywhere.
    testing::TableBuilder(window->game())
        .room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC")
        .column(0, {"QH"}).column(1, {"QD"}).column(2, {"JH"}).column(3, {"JD"})
        .column(4, {"10H"}).column(5, {"10D"}).column(6, {"9H"}).column(7, {"9D"});

    QStringList dialogs;
    const auto closer = closeModalDialogs(dialogs);
    QTest::mouseClick(table(), Qt::LeftButton, {}, QPoint(900, 800));   // any event asks for a pass
    ASSERT_TRUE(waitUntil([&] { return dialogs.contains(" Tavolin Statistics"); }));

    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, " No move left. Game finished.");
    EXPECT_EQ(messages.shown().back().caption, " Game Control");
    EXPECT_TRUE(window->game().flags.ShowMoves);   // the final position was shown
    EXPECT_FALSE(window->game().flags.gameInPlay);
    EXPECT_EQ(window->settings().GamesLost, 1);
    EXPECT_EQ(window->game().FreeRoomCount(), 4);   // the table is cleared
}

} // namespace
} // namespace tavolin
