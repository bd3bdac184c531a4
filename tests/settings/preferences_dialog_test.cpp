#include "game/recording_events.h"
#include "platform/doubles/manual_clock.h"
#include "platform/doubles/memory_registry.h"
#include "platform/doubles/scripted_message_boxes.h"
#include "settings/preferences_dialog.h"
#include "settings/settings_store.h"
#include "settings/suit_pictures.h"
#include "settings_printer.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tavolin {
namespace {

const QString Key = QStringLiteral("Software\\Projects\\Tavolin 2.2");
using StoredValue = std::pair<QString, MemoryRegistry::Value>;

// A manual clock that lets a test look at the dialog while it sleeps.
class WatchedClock final : public Clock {
public:
    explicit WatchedClock(ManualClock& clock) : clock_(clock) {}
    std::function<void(int)> whileSleeping;

    QTime timeOfDay() const override { return clock_.timeOfDay(); }
    std::int64_t calendarSeconds() const override { return clock_.calendarSeconds(); }
    void sleep(int milliseconds) override
    {
        if (whileSleeping)
            whileSleeping(milliseconds);
        clock_.sleep(milliseconds);
    }

private:
    ManualClock& clock_;
};

class PreferencesDialogTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock manualClock;
    WatchedClock clock{manualClock};
    SettingsStore store{registry, messages};
    Settings settings;
    std::unique_ptr<TPrefDlg1> dialog;
    QTemporaryDir folder;

    // What the dialog told the main window.
    int prefsChangedCount = 0;
    std::vector<bool> detailsActive;
    std::vector<int> delayFactors;
    std::vector<PileSuits> suitOrders;
    std::vector<bool> verified;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dialog = std::make_unique<TPrefDlg1>(settings, store, messages, clock);
        QObject::connect(dialog.get(), &TPrefDlg1::prefsChanged, [this] { ++prefsChangedCount; });
        QObject::connect(dialog.get(), &TPrefDlg1::transferDetailsActive,
                         [this](bool on) { detailsActive.push_back(on); });
        QObject::connect(dialog.get(), &TPrefDlg1::speedChanged, [this](int factor) { delayFactors.push_back(factor); });
        QObject::connect(dialog.get(), &TPrefDlg1::pileSuitsChanged,
                         [this](const PileSuits& suits) { suitOrders.push_back(suits); });
        QObject::connect(dialog.get(), &TPrefDlg1::picturePathVerified,
                         [this](bool ok) { verified.push_back(ok); });
        dialog->setSideWindowSize([] { return QSize(456, 696); });
    }

    void TearDown() override
    {
        // Every message box a test did not expect shows up here.
        EXPECT_EQ(messages.unusedAnswers(), 0u);
    }

    // The Preferences command, then the window system makes the dialog active.
    void open()
    {
        dialog->showFromMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename W = QWidget>
    W* child(const char* name) const
    {
        W* found = dialog->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTabWidget* pages() const { return child<QTabWidget>("PageControl1"); }
    int page() const { return pages()->currentIndex(); }
    QTimer* timer() const { return child<QTimer>("Timer1"); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QLineEdit* edit() const { return child<QLineEdit>("Edit1"); }
    QSlider* slider() const { return child<QSlider>("TrackBar1"); }
    QString status() const { return child<QStatusBar>("StatusBar1")->currentMessage(); }
    QColor label7Colour() const { return label("Label7")->palette().color(QPalette::Window); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char* name) { click(child(name)); }
    void clickOk() { click("Button1"); }
    void clickTab(int index)
    {
        QTabBar* bar = pages()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void pressSuits(std::initializer_list<int> buttons)
    {
        for (int k : buttons)
            click(child(QStringLiteral("BitBtn%1").arg(k).toLatin1().constData()));
    }

    // Timer1 fires at once; the interval it was started with is returned.
    int fireTimer()
    {
        QTimer* t = timer();
        EXPECT_TRUE(t->isActive());
        const int interval = t->interval();
        QMetaObject::invokeMethod(t, "timeout");
        EXPECT_FALSE(t->isActive());
        return interval;
    }

    // Opens the dialog and walks to a page with its tab.
    void openOn(int index)
    {
        open();
        clickTab(index);
        ASSERT_EQ(page(), index);
    }

    std::vector<StoredValue> written() const
    {
        std::vector<StoredValue> values;
        for (const auto& write : registry.writes()) {
            EXPECT_EQ(write.path, Key);
            values.emplace_back(write.name, write.value);
        }
        return values;
    }

    QString existingPicture()
    {
        const QString path = folder.filePath(QStringLiteral("side.bmp"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BM");
        return path;
    }
    QString missingPicture() const { return folder.filePath(QStringLiteral("missing.bmp")); }

    void typePath(const QString& text)
    {
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(edit(), text);
    }

    void expectOneError(const QString& text)
    {
        ASSERT_EQ(messages.shown().size(), 1u);
        const auto& box = messages.shown().front();
        EXPECT_EQ(box.owner, dialog.get());
        EXPECT_EQ(box.caption, " Bitmap Load Error");
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, MessageIcon::Error);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
};

// ---- Layout ----------------------------------------------------------------

TEST_F(PreferencesDialogTest, ShowsTheProgramsTextsWithoutBlocking)
{
    EXPECT_EQ(dialog->windowTitle(), " Environment Preferences");
    EXPECT_FALSE(dialog->isModal());
    const QStringList captions{"Display Options", "Bitmap Path Info", "Suit Selection", "Speed Control"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pages()->tabText(i), captions[i]);
    EXPECT_EQ(child<QRadioButton>("RadioButton1")->text(), "Display Playing Time");
    EXPECT_EQ(child<QRadioButton>("RadioButton2")->text(), "Display Transfer Info");
    EXPECT_EQ(child<QCheckBox>("CheckBox1")->text(), "Show Transfer Details ( as long as space permits )");
    EXPECT_EQ(child<QCheckBox>("CheckBox2")->text(), "Show picture in side window");
    EXPECT_EQ(label("Label1")->text(), "Bitmap Path and File Name Info:      ");
    EXPECT_EQ(edit()->text(), "undefined");
    EXPECT_EQ(label("Label2")->text(), "Example: D:\\Images\\bmp\\sw.bmp");
    EXPECT_EQ(label("Label3")->text(), "Picture  Dimension required for side window:");
    EXPECT_EQ(label("Label5")->text(), "Press buttons in the order desired ...");
    EXPECT_EQ(label("Label8")->text(), "Speed Adjustment for Automatic Card Moves");
    EXPECT_EQ(label("Label11")->text(), "Move Slider into desired position, then press OK Button.");
    EXPECT_EQ(slider()->minimum(), 1);
    EXPECT_EQ(slider()->maximum(), 10);
    EXPECT_EQ(slider()->value(), 8);
}

TEST_F(PreferencesDialogTest, TheFourTabsFitSideBySide)
{
    open();
    QTabBar* bar = pages()->tabBar();
    EXPECT_LE(bar->tabRect(3).right(), pages()->width());
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << i;
}

TEST_F(PreferencesDialogTest, SuitPicturesAreRedForOneAndTwoAndBlackForThreeAndFour)
{
    for (int suit = 0; suit < 4; ++suit) {
        const QImage picture = suitPicture(suit).toImage();
        const QColor ink = suit < 2 ? QColor(Qt::red) : QColor(Qt::black);
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor colour = picture.pixelColor(x, y);
                ASSERT_TRUE(colour == ink || colour == QColor(Qt::white)) << suit;
                inked += colour == ink;
            }
        EXPECT_GT(inked, 40) << suit;
        EXPECT_LT(inked, 200) << suit;
    }
    // Four different shapes.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            QImage first = suitPicture(a).toImage(), second = suitPicture(b).toImage();
            if (a < 2 && b >= 2)
                continue;   // different colours anyway
            EXPECT_NE(first, second) << a << b;
        }
}

// ---- Showing -----------------------------------------------------------------

TEST_F(PreferencesDialogTest, TheCommandPlacesAndShowsTheDialogOnPageZero)
{
    settings.TransferDetails = true;
    open();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->pos(), QPoint(130, 200));
    EXPECT_EQ(label("Label4")->width(), 276);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(status(), "Current setting of display options");
    EXPECT_TRUE(child<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreferencesDialogTest, ShowingSelectsTheDisplayChoiceAndTimeWinsOverTransferInfo)
{
    struct Case {
        bool timeDisplay, transferInfo;    // as stored
        bool firstChecked, secondChecked;  // the radio buttons shown
        bool transferInfoAfter;
    };
    const Case cases[] = {
        {true, true, true, false, false},
        {false, true, false, true, true},
        {false, false, false, false, false},
    };
    for (const Case& want : cases) {
        settings.TimeDisplay = want.timeDisplay;
        settings.TransferInfo = want.transferInfo;
        open();
        EXPECT_EQ(child<QRadioButton>("RadioButton1")->isChecked(), want.firstChecked);
        EXPECT_EQ(child<QRadioButton>("RadioButton2")->isChecked(), want.secondChecked);
        EXPECT_EQ(settings.TimeDisplay, want.timeDisplay);
        EXPECT_EQ(settings.TransferInfo, want.transferInfoAfter);
        dialog->hide();
    }
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(PreferencesDialogTest, ShowingWithThePictureOnChecksTheStoredPath)
{
    settings.ShowPicture = true;
    settings.SWBmpPath = existingPicture();
    open();
    EXPECT_TRUE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(settings.ShowPicture);
    EXPECT_EQ(verified, std::vector<bool>{true});
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreferencesDialogTest, ShowingWithThePictureOnAndAMissingFileSwitchesItOff)
{
    settings.ShowPicture = true;
    settings.SWBmpPath = missingPicture();
    open();
    expectOneError("Selection needs correct bitmap path name.\nSee Bitmap Path Info page.");
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_FALSE(settings.ShowPicture);
    EXPECT_EQ(verified.back(), false);
    EXPECT_EQ(status(), "Current setting of display options");
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_FALSE(QFile::exists(missingPicture()));
}

// ---- Page 0 --------------------------------------------------------------------

TEST_F(PreferencesDialogTest, DisplayChoicesChangeTheLiveSettingsAtOnceAndOkWritesThem)
{
    open();
    click("RadioButton2");
    EXPECT_TRUE(settings.TransferInfo);
    EXPECT_FALSE(settings.TimeDisplay);
    EXPECT_FALSE(child<QRadioButton>("RadioButton1")->isChecked());
    click("CheckBox1");
    EXPECT_TRUE(settings.TransferDetails);
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_EQ(prefsChangedCount, 0);

    clickOk();
    EXPECT_EQ(written(), (std::vector<StoredValue>{
                             {"TimeDisplay", 0}, {"TransferInfo", 1}, {"TransferDetails", 1}, {"ShowPicture", 0}}));
    EXPECT_EQ(detailsActive, std::vector<bool>{true});
    EXPECT_EQ(prefsChangedCount, 1);
    EXPECT_EQ(status(), "Display Options recorded in Registry");
    EXPECT_TRUE(dialog->advancePending());

    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(dialog->advanceDelay(), 500);
}

TEST_F(PreferencesDialogTest, ChoosingPlayingTimeAgainClearsTransferInfo)
{
    settings.TimeDisplay = false;
    settings.TransferInfo = true;
    open();
    click("RadioButton1");
    EXPECT_TRUE(settings.TimeDisplay);
    EXPECT_FALSE(settings.TransferInfo);
    EXPECT_FALSE(child<QRadioButton>("RadioButton2")->isChecked());
}

TEST_F(PreferencesDialogTest, DetailsOffIsReportedOnOk)
{
    settings.TransferDetails = true;
    open();
    click("CheckBox1");
    clickOk();
    EXPECT_FALSE(settings.TransferDetails);
    EXPECT_EQ(detailsActive, std::vector<bool>{false});
}

TEST_F(PreferencesDialogTest, TickingThePictureWithoutAReadableStoredFileUnticksIt)
{
    // A missing file, no path at all, and a folder in place of a file.
    for (const QString& path : {missingPicture(), QString(), folder.path()}) {
        settings.SWBmpPath = path;
        open();
        click("CheckBox2");
        expectOneError("Selection needs correct bitmap path name.\nSee Bitmap Path Info page.");
        EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked()) << path.toStdString();
        EXPECT_FALSE(settings.ShowPicture);
        EXPECT_EQ(verified.back(), false);
        EXPECT_EQ(status(), "Selection reset because of bitmap load error.");
        EXPECT_TRUE(registry.writes().empty());
        dialog->hide();
        messages = ScriptedMessageBoxes();
    }
}

TEST_F(PreferencesDialogTest, TickingThePictureWithAnExistingFileVerifiesThePath)
{
    settings.SWBmpPath = existingPicture();
    open();
    click("CheckBox2");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(settings.ShowPicture);
    EXPECT_EQ(verified, std::vector<bool>{true});
    clickOk();
    EXPECT_EQ(written().back(), StoredValue("ShowPicture", 1));
}

// ---- Page 1 --------------------------------------------------------------------

TEST_F(PreferencesDialogTest, ThePathPageShowsTheStoredPathAndTheSideSize)
{
    settings.SWBmpPath = QStringLiteral("/pictures/sw.bmp");
    openOn(1);
    EXPECT_EQ(edit()->text(), "/pictures/sw.bmp");
    EXPECT_TRUE(edit()->hasFocus());
    EXPECT_FALSE(edit()->isModified());
    EXPECT_EQ(label("Label4")->text(), " Picture Width = 456, Height = 696 pixels      ");
    EXPECT_EQ(status(), "Edit or confirm side-window Bitmap location");
}

TEST_F(PreferencesDialogTest, AnUnchangedPathStoresNothing)
{
    settings.SWBmpPath = existingPicture();
    openOn(1);
    clickOk();
    EXPECT_EQ(status(), "No modification recorded");
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(verified.empty());
    EXPECT_EQ(prefsChangedCount, 0);
    EXPECT_EQ(fireTimer(), 1600);
    EXPECT_EQ(page(), 2);
}

TEST_F(PreferencesDialogTest, EmptyingThePathStoresItAndSwitchesThePictureOff)
{
    settings.SWBmpPath = existingPicture();
    settings.ShowPicture = true;
    open();
    ASSERT_TRUE(child<QCheckBox>("CheckBox2")->isChecked());
    clickTab(1);
    typePath(QString());
    clickOk();
    EXPECT_EQ(written(), (std::vector<StoredValue>{{"SWBmpPath", QString()}, {"ShowPicture", 0}}));
    EXPECT_TRUE(settings.SWBmpPath.isEmpty());
    EXPECT_FALSE(settings.ShowPicture);
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(verified.back(), false);
    EXPECT_EQ(status(), "Modified path name stored in Registry. Selection cleared.");
    EXPECT_FALSE(edit()->isModified());
    EXPECT_EQ(prefsChangedCount, 1);
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 2);
}

TEST_F(PreferencesDialogTest, AMissingFileIsRefusedAndNothingIsStored)
{
    settings.SWBmpPath = existingPicture();
    settings.ShowPicture = true;
    open();
    clickTab(1);
    typePath(missingPicture());
    clickOk();
    expectOneError("Unable to load Bitmap from that path.");
    EXPECT_EQ(status(), "Bitmap path name invalid. Selection checkbox cleared.");
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_NE(settings.SWBmpPath, missingPicture());
    EXPECT_EQ(edit()->text(), missingPicture());
    EXPECT_FALSE(settings.ShowPicture);
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(verified.back(), false);
    EXPECT_EQ(prefsChangedCount, 0);
    EXPECT_FALSE(QFile::exists(missingPicture()));
    // The walk goes on, as after any change of the text.
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 2);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(PreferencesDialogTest, AnExistingFileIsStoredWithTheSetting)
{
    const QString path = existingPicture();
    openOn(1);
    typePath(path);
    clickOk();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(written(), (std::vector<StoredValue>{{"SWBmpPath", path}, {"ShowPicture", 0}}));
    EXPECT_EQ(settings.SWBmpPath, path);
    EXPECT_EQ(verified, std::vector<bool>{true});
    EXPECT_EQ(status(), "Modified path name stored in Registry.");
    EXPECT_EQ(prefsChangedCount, 1);
    EXPECT_EQ(fireTimer(), 2000);
}

TEST_F(PreferencesDialogTest, TheEnterKeyCommitsThePathAsAClickWould)
{
    const QString path = existingPicture();
    openOn(1);
    typePath(path);
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(settings.SWBmpPath, path);
    EXPECT_EQ(written(), (std::vector<StoredValue>{{"SWBmpPath", path}, {"ShowPicture", 0}}));
    EXPECT_EQ(status(), "Modified path name stored in Registry.");
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 2);
    // Leaving the page does not commit it again.
    EXPECT_EQ(registry.writes().size(), 2u);
}

TEST_F(PreferencesDialogTest, TheEnterKeyWithABadPathComplainsOnce)
{
    openOn(1);
    typePath(missingPicture());
    QTest::keyClick(edit(), Qt::Key_Return);
    expectOneError("Unable to load Bitmap from that path.");
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 2);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(PreferencesDialogTest, LeavingTheBoxByAnotherTabCommitsThePath)
{
    const QString path = existingPicture();
    openOn(1);
    typePath(path);
    clickTab(3);
    EXPECT_EQ(settings.SWBmpPath, path);
    EXPECT_EQ(page(), 3);
    EXPECT_EQ(status(), "Current adjustment shown.");
}

TEST_F(PreferencesDialogTest, HidingTheDialogWhileTypingStoresNothing)
{
    openOn(1);
    typePath(missingPicture());
    dialog->hide();
    QApplication::processEvents();
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(messages.shown().empty());
    // The next showing starts afresh; the path page shows the stored path.
    open();
    EXPECT_EQ(page(), 0);
    clickTab(1);
    EXPECT_EQ(edit()->text(), settings.SWBmpPath);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreferencesDialogTest, SwitchingToAnotherWindowAndBackKeepsTheTypedPath)
{
    openOn(1);
    typePath(QStringLiteral("/half/typed"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_EQ(edit()->text(), "/half/typed");
    EXPECT_TRUE(edit()->isModified());
    EXPECT_EQ(page(), 1);
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(messages.shown().empty());
}

// ---- Page 2 --------------------------------------------------------------------

TEST_F(PreferencesDialogTest, TheSuitPageStartsWithTheCurrentOrderAndAnEmptyNewOne)
{
    settings.PileSuit = {2, 0, 3, 1};
    openOn(2);
    EXPECT_EQ(status(), "Assignment of suits to piles.");
    EXPECT_EQ(label("Label6")->text(), " Current order: 3142            ");
    EXPECT_EQ(label("Label7")->text(), " New order: 0000            ");
    EXPECT_EQ(label7Colour(), QColor(Qt::white));
    EXPECT_EQ(dialog->pressCount(), 0);
    EXPECT_FALSE(dialog->advancePending());
}

TEST_F(PreferencesDialogTest, OneTwoThreeFourStoresTheUsualOrder)
{
    settings.PileSuit = {3, 2, 1, 0};
    openOn(2);
    pressSuits({1, 2});
    EXPECT_EQ(label("Label7")->text(), " New order: 1200");
    EXPECT_EQ(label7Colour(), QColor(Qt::green));
    pressSuits({3, 4});
    EXPECT_EQ(label("Label7")->text(), " New order: 1234");
    clickOk();
    EXPECT_EQ(written(), (std::vector<StoredValue>{
                             {"PileSuit 0", 0}, {"PileSuit 1", 1}, {"PileSuit 2", 2}, {"PileSuit 3", 3}}));
    EXPECT_EQ(settings.PileSuit, (PileSuits{0, 1, 2, 3}));
    EXPECT_EQ(suitOrders, std::vector<PileSuits>{(PileSuits{0, 1, 2, 3})});
    EXPECT_EQ(status(), "New Order recorded in Registry");
    EXPECT_EQ(label7Colour(), QColor(Qt::white));
    EXPECT_EQ(prefsChangedCount, 1);
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 3);

    clickTab(2);
    EXPECT_EQ(label("Label6")->text(), " Current order: 1234            ");
}

TEST_F(PreferencesDialogTest, FourThreeTwoOneGivesPileZeroTheClubs)
{
    openOn(2);
    pressSuits({4, 3, 2, 1});
    clickOk();
    EXPECT_EQ(settings.PileSuit, (PileSuits{3, 2, 1, 0}));
    ASSERT_EQ(suitOrders.size(), 1u);

    // The main window copies the order into the game at once: the Ace of
    // Hearts then goes only on Pile 3, the rightmost, and Pile 0 takes Clubs.
    testing::RecordingEvents events;
    Game game(events);
    game.ResetTable();
    game.table.pileSuit = suitOrders.front();
    const CardCode aceOfHearts = makeCard(AceRank, 0);
    for (int pile = 0; pile < 4; ++pile)
        EXPECT_EQ(game.PileAccepts(pile, aceOfHearts), pile == 3) << pile;
    EXPECT_TRUE(game.PileAccepts(0, makeCard(AceRank, 3)));
}

TEST_F(PreferencesDialogTest, ARepeatedSuitIsRefusedWithAPauseAndThePageStartsOver)
{
    openOn(2);
    pressSuits({1, 1, 2, 3});
    QColor colourDuringPause;
    QString statusDuringPause;
    clock.whileSleeping = [&](int) {
        colourDuringPause = label7Colour();
        statusDuringPause = status();
    };
    clickOk();
    EXPECT_EQ(manualClock.sleepCount(), 1);
    EXPECT_EQ(manualClock.totalSlept(), 4000);
    EXPECT_EQ(colourDuringPause, QColor(Qt::yellow));
    EXPECT_EQ(statusDuringPause, "Oh my God, try again. Incorrect selection.");
    EXPECT_TRUE(messages.shown().empty());

    // The page starts over.
    EXPECT_EQ(label("Label7")->text(), " New order: 0000            ");
    EXPECT_EQ(label7Colour(), QColor(Qt::white));
    EXPECT_EQ(status(), "Assignment of suits to piles.");
    EXPECT_EQ(dialog->pressCount(), 0);
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_EQ(settings.PileSuit, (PileSuits{0, 1, 2, 3}));
    EXPECT_TRUE(suitOrders.empty());
    EXPECT_EQ(prefsChangedCount, 0);

    // The timer runs but the dialog stays on page 2.
    fireTimer();
    EXPECT_EQ(page(), 2);

    // And a correct order is taken afterwards.
    pressSuits({2, 1, 4, 3});
    clickOk();
    EXPECT_EQ(settings.PileSuit, (PileSuits{1, 0, 3, 2}));
}

TEST_F(PreferencesDialogTest, EveryPairIsCompared)
{
    // The repeat in the last two places, which only the last pair catches.
    openOn(2);
    pressSuits({1, 2, 4, 4});
    clickOk();
    EXPECT_EQ(manualClock.sleepCount(), 1);
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(PreferencesDialogTest, AFifthPressChangesNothing)
{
    openOn(2);
    pressSuits({2, 3, 4, 1});
    pressSuits({2});
    EXPECT_EQ(label("Label7")->text(), " New order: 2341");
    EXPECT_EQ(dialog->pressCount(), 4);
    EXPECT_EQ(dialog->newOrder(), (std::array<std::int32_t, 4>{2, 3, 4, 1}));
    clickOk();
    EXPECT_EQ(settings.PileSuit, (PileSuits{1, 2, 3, 0}));
}

TEST_F(PreferencesDialogTest, FewerThanFourPressesChangeNothingAndTurnSoon)
{
    openOn(2);
    pressSuits({4, 3});
    clickOk();
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_EQ(status(), "Assignment of suits to piles.");
    EXPECT_EQ(fireTimer(), 500);
    EXPECT_EQ(page(), 3);
}

TEST_F(PreferencesDialogTest, ASecondOkKeepsTheOrderJustStored)
{
    openOn(2);
    pressSuits({1, 2, 3, 4});
    clickOk();
    clickOk();   // before the page turns
    EXPECT_EQ(settings.PileSuit, (PileSuits{0, 1, 2, 3}));
    EXPECT_EQ(registry.value(Key, "PileSuit 0"), MemoryRegistry::Value(0));
    for (const auto& order : suitOrders)
        EXPECT_EQ(order, (PileSuits{0, 1, 2, 3}));
}

TEST_F(PreferencesDialogTest, TheFocusComingBackFromElsewhereStartsThePageOver)
{
    openOn(2);
    pressSuits({1, 2});
    child("Button1")->setFocus();
    EXPECT_TRUE(dialog->advancePending());   // left the page's controls
    pressSuits({3});
    EXPECT_EQ(label("Label7")->text(), " New order: 3000");
    EXPECT_EQ(dialog->pressCount(), 1);
}

// ---- Page 3 --------------------------------------------------------------------

TEST_F(PreferencesDialogTest, AnUnchangedSpeedWritesNothing)
{
    settings.SpeedSlider = 4;
    openOn(3);
    EXPECT_EQ(status(), "Current adjustment shown.");
    EXPECT_EQ(slider()->value(), 4);
    clickOk();
    EXPECT_EQ(status(), "Value left unchanged");
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_TRUE(delayFactors.empty());
    EXPECT_EQ(prefsChangedCount, 0);
    EXPECT_EQ(fireTimer(), 1000);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(status(), "Current setting of display options");
}

TEST_F(PreferencesDialogTest, AChangedSpeedIsWrittenAndTold)
{
    openOn(3);
    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Right);
    QTest::keyClick(slider(), Qt::Key_Right);
    ASSERT_EQ(slider()->value(), 10);
    clickOk();
    EXPECT_EQ(written(), (std::vector<StoredValue>{{"SpeedSlider", 10}}));
    EXPECT_EQ(settings.SpeedSlider, 10);
    EXPECT_EQ(delayFactors, std::vector<int>{1});
    EXPECT_EQ(status(), "New value recorded in Registry");
    EXPECT_EQ(prefsChangedCount, 1);
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 0);
}

TEST_F(PreferencesDialogTest, TheSliderComesBackToTheStoredSpeedOnEnteringThePage)
{
    openOn(3);
    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Left);
    clickTab(0);
    clickTab(3);
    EXPECT_EQ(slider()->value(), 8);
}

// ---- The walk --------------------------------------------------------------------

TEST_F(PreferencesDialogTest, OkOnEachPageWalksRoundAllFour)
{
    open();
    clickOk();
    EXPECT_EQ(fireTimer(), 2000);
    ASSERT_EQ(page(), 1);
    clickOk();
    EXPECT_EQ(fireTimer(), 1600);
    ASSERT_EQ(page(), 2);
    clickOk();
    EXPECT_EQ(fireTimer(), 500);
    ASSERT_EQ(page(), 3);
    clickOk();
    EXPECT_EQ(fireTimer(), 1000);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(dialog->advanceDelay(), 500);
}

TEST_F(PreferencesDialogTest, APageChosenByThePlayerCancelsAPendingTurn)
{
    open();
    clickOk();
    ASSERT_TRUE(timer()->isActive());
    clickTab(3);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(dialog->advanceDelay(), 500);
    EXPECT_EQ(page(), 3);
}

TEST_F(PreferencesDialogTest, ShowingAgainStartsOnPageZeroAndCancelsAPendingTurn)
{
    openOn(3);
    clickOk();
    ASSERT_TRUE(timer()->isActive());
    dialog->hide();
    open();
    EXPECT_EQ(page(), 0);
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(PreferencesDialogTest, ShowingAgainOnPageZeroCancelsAPendingTurn)
{
    open();
    clickOk();
    ASSERT_TRUE(timer()->isActive());
    dialog->hide();
    open();
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(dialog->advanceDelay(), 500);
    EXPECT_EQ(page(), 0);
}

TEST_F(PreferencesDialogTest, TheCommandOnAnOpenDialogStartsOver)
{
    openOn(2);
    pressSuits({1, 2});
    settings.TransferDetails = true;
    dialog->showFromMainWindow();
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(status(), "Current setting of display options");
}

TEST_F(PreferencesDialogTest, AFailingStoreIsToldOnceAndTheWalkGoesOn)
{
    registry.setFailWrites(true);
    open();
    clickOk();
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(status(), "Display Options recorded in Registry");
    EXPECT_EQ(fireTimer(), 2000);
    EXPECT_EQ(page(), 1);
}

} // namespace
} // namespace tavolin
