#include "platform/doubles/manual_clock.h"
#include "settings/preferences_dialog.h"
#include "settings/suit_pictures.h"
#include "store_fixture.h"
#include "support/non_files.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace tavolin {
namespace {

// The dialog on the machine doubles, and what it told the main window.
class Prefs {
public:
    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock clock;
    SettingsStore store{registry, messages};
    Settings settings;
    int prefsChanged = 0;
    std::vector<bool> detailsActive;
    std::vector<int> delayFactors;
    std::vector<PileSuits> suitOrders;
    std::vector<bool> verified;
    TPrefDlg1 dialog{settings, store, messages, clock};

    Prefs()
    {
        QObject::connect(&dialog, &TPrefDlg1::prefsChanged, [this] { ++prefsChanged; });
        QObject::connect(&dialog, &TPrefDlg1::transferDetailsActive, [this](bool on) { detailsActive.push_back(on); });
        QObject::connect(&dialog, &TPrefDlg1::speedChanged, [this](int factor) { delayFactors.push_back(factor); });
        QObject::connect(&dialog, &TPrefDlg1::pileSuitsChanged, [this](PileSuits s) { suitOrders.push_back(s); });
        QObject::connect(&dialog, &TPrefDlg1::picturePathVerified, [this](bool ok) { verified.push_back(ok); });
        dialog.setSideWindowSize([] { return QSize(456, 696); });
    }

    // The Preferences command, then the window system makes the dialog active.
    void open()
    {
        dialog.showFromMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void openOn(int index) { open(); clickTab(index); }

    template <typename W = QWidget>
    W* child(const QString& name) const
    {
        W* found = dialog.findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    bool isChecked(const char* button) const { return child<QAbstractButton>(button)->isChecked(); }
    int page() const { return child<QTabWidget>("PageControl1")->currentIndex(); }
    QTimer* timer() const { return child<QTimer>("Timer1"); }
    QString text(const char* label) const { return child<QLabel>(label)->text().trimmed(); }
    QColor label7Colour() const { return child<QLabel>("Label7")->palette().color(QPalette::Window); }
    QLineEdit* edit() const { return child<QLineEdit>("Edit1"); }
    QSlider* slider() const { return child<QSlider>("TrackBar1"); }
    std::vector<StoredValue> written() const { return writtenValues(registry); }

    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void clickOk() { click("Button1"); }
    void clickTab(int index)
    {
        QTabBar* bar = child<QTabWidget>("PageControl1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void pressSuits(const std::vector<int>& buttons)
    {
        for (int k : buttons)
            click(QStringLiteral("BitBtn%1").arg(k));
    }
    void typePath(const QString& path)
    {
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QTest::keyClicks(edit(), path);
    }

    // Timer1 fires at once; the interval it was started with is returned.
    int fireTimer()
    {
        EXPECT_TRUE(timer()->isActive());
        const int interval = timer()->interval();
        QMetaObject::invokeMethod(timer(), "timeout");
        EXPECT_FALSE(timer()->isActive());
        return interval;
    }

    // Each box shown, as caption and text, marked when the dialog does not own it.
    QStringList boxes() const
    {
        QStringList shown;
        for (const auto& box : messages.shown())
            shown << (box.owner == &dialog ? QString() : QStringLiteral("unowned")) + box.caption + ": " + box.text;
        return shown;
    }
};

// Two picture files that open, the name of one that does not exist, and
// things that are no file.
struct PictureFiles {
    PictureFiles()
    {
        for (const QString& path : {existing, other})
            EXPECT_TRUE(QFile(path).open(QIODevice::WriteOnly));
        EXPECT_TRUE(testing::makeNonFile("pipe", pipe) && testing::makeNonFile("link to a device", deviceLink)
                    && testing::makeNonFile("link to a pipe", pipeLink));
    }

    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("side.bmp"));
    const QString other = folder.filePath(QStringLiteral("other.bmp"));
    const QString missing = folder.filePath(QStringLiteral("missing.bmp"));
    const QString pipe = folder.filePath(QStringLiteral("pipe.bmp"));
    const QString deviceLink = folder.filePath(QStringLiteral("zero.bmp"));
    const QString pipeLink = folder.filePath(QStringLiteral("pipe-link.bmp"));
};

const QString DisplayStatus = QStringLiteral("Current setting of display options");
const QString LoadError = QStringLiteral(" Bitmap Load Error: ");

TEST(PreferencesDialog, SuitPicturesAreRedOrBlackEachInItsOwnShape)
{
    for (int suit = 0; suit < 4; ++suit) {
        const QImage picture = suitPicture(suit).toImage().convertToFormat(QImage::Format_RGB32);
        const auto* first = reinterpret_cast<const QRgb*>(picture.constBits());
        const std::vector<QRgb> pixels(first, first + picture.sizeInBytes() / sizeof(QRgb));
        const auto inked = std::ranges::count(pixels, suit < 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 0));
        EXPECT_GT(inked, 40) << suit;
        EXPECT_EQ(inked + std::ranges::count(pixels, qRgb(255, 255, 255)), std::ssize(pixels)) << "two colours only";
    }
    EXPECT_NE(suitPicture(0).toImage(), suitPicture(1).toImage());
    EXPECT_NE(suitPicture(2).toImage(), suitPicture(3).toImage());
}

// The display choices show the settings at each showing (the playing time
// winning over the transfer info), change them at once and are stored by OK.
TEST(PreferencesDialog, DisplayPageShowsTheSettingsAndOkStoresTheChoicesOnce)
{
    struct Case {
        bool time, info, details;   // as stored
        bool infoShown;
        std::vector<const char*> clicks;
        bool timeAfter, infoAfter, detailsAfter;
    };
    const Case cases[] = {
        {true, true, true, false, {"RadioButton2", "CheckBox1"}, false, true, false},
        {false, true, false, true, {"RadioButton1", "CheckBox1"}, true, false, true},
        {false, false, true, false, {}, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Prefs p;
        p.settings.TimeDisplay = c.time;
        p.settings.TransferInfo = c.info;
        p.settings.TransferDetails = c.details;
        p.open();
        EXPECT_EQ(p.dialog.statusText(), DisplayStatus);
        EXPECT_EQ(p.settings.TransferInfo, c.infoShown);
        EXPECT_EQ(p.isChecked("RadioButton1"), c.time);
        EXPECT_EQ(p.isChecked("RadioButton2"), c.infoShown);
        EXPECT_EQ(p.isChecked("CheckBox1"), c.details);

        for (const char* name : c.clicks)
            p.click(name);
        EXPECT_EQ(p.settings.TimeDisplay, c.timeAfter);
        EXPECT_EQ(p.settings.TransferInfo, c.infoAfter);
        EXPECT_EQ(p.settings.TransferDetails, c.detailsAfter);
        EXPECT_TRUE(p.registry.writes().empty());

        p.clickOk();
        EXPECT_EQ(p.written(), (std::vector<StoredValue>{{"TimeDisplay", c.timeAfter}, {"TransferInfo", c.infoAfter},
                                                         {"TransferDetails", c.detailsAfter}, {"ShowPicture", 0}}));
        EXPECT_EQ(p.registry.commits(), 1);
        EXPECT_EQ(p.detailsActive, std::vector<bool>{c.detailsAfter});
        EXPECT_EQ(p.prefsChanged, 1);
        EXPECT_EQ(p.dialog.statusText(), "Display Options recorded in Registry");
        EXPECT_EQ(p.fireTimer(), 2000);
        EXPECT_EQ(p.page(), 1);
    }
}

// The picture stays on only with a file that opens, whether it was on at the
// showing or is ticked afterwards.
TEST(PreferencesDialog, PictureIsOnOnlyWithAFileThatOpens)
{
    const PictureFiles files;
    struct Case {
        bool storedOn;
        QString path;
    };
    const Case cases[] = {{true, files.existing},   {true, files.missing}, {false, files.existing},
                          {false, files.missing},   {false, QString()},    {false, files.folder.path()},
                          {true, files.pipe},       {false, files.pipe},   {true, files.deviceLink},
                          {false, files.pipeLink}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.storedOn << ' ' << c.path.toStdString());
        testing::expectInTime([&] {
            Prefs p;
            p.settings.ShowPicture = c.storedOn;
            p.settings.SWBmpPath = c.path;
            p.open();
            if (!c.storedOn)
                p.click("CheckBox2");
            const bool opens = c.path == files.existing;
            EXPECT_EQ(p.isChecked("CheckBox2"), opens);
            EXPECT_EQ(p.settings.ShowPicture, opens);
            EXPECT_EQ(p.verified, std::vector<bool>{opens});
            const QString needsPath = "Selection needs correct bitmap path name.\nSee Bitmap Path Info page.";
            EXPECT_EQ(p.boxes(), opens ? QStringList() : QStringList{LoadError + needsPath});
            EXPECT_EQ(p.dialog.statusText(), c.storedOn || opens ? DisplayStatus
                                                                 : "Selection reset because of bitmap load error.");
            EXPECT_TRUE(p.registry.writes().empty());
            p.clickOk();
            EXPECT_EQ(p.written().back(), StoredValue("ShowPicture", opens));
        });
    }
    EXPECT_FALSE(QFile::exists(files.missing));
}

// OK, the Enter key and another tab all leave the box, which commits the
// path once: only a file that opens, or no path at all, is stored.
TEST(PreferencesDialog, PathIsCommittedOnceWhenTheBoxIsLeft)
{
    const PictureFiles files;
    enum class Way { Ok, Enter, Tab };
    struct Case {
        std::optional<QString> typed;
        std::vector<StoredValue> stored;
        QString error, status;
        int delay;
    };
    const QString unloadable = "Unable to load Bitmap from that path.";
    const QString invalid = "Bitmap path name invalid. Selection checkbox cleared.";
    const Case cases[] = {
        {std::nullopt, {}, {}, "No modification recorded", 1600},
        {QString(), {{"SWBmpPath", QString()}, {"ShowPicture", 0}}, {},
         "Modified path name stored in Registry. Selection cleared.", 2000},
        {files.other, {{"SWBmpPath", files.other}, {"ShowPicture", 1}}, {}, "Modified path name stored in Registry.",
         2000},
        {files.missing, {}, unloadable, invalid, 2000},
        {files.pipe, {}, unloadable, invalid, 2000},
        {files.deviceLink, {}, unloadable, invalid, 2000},
    };
    for (const Way way : {Way::Ok, Way::Enter, Way::Tab})
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "case " << &c - cases << ", way " << static_cast<int>(way));
            testing::expectInTime([&] {
                Prefs p;
                p.settings.SWBmpPath = files.existing;
                p.settings.ShowPicture = true;
                p.openOn(1);
                EXPECT_EQ(p.text("Label4"), "Picture Width = 456, Height = 696 pixels");
                if (c.typed)
                    p.typePath(*c.typed);
                if (way == Way::Ok)
                    p.clickOk();
                else if (way == Way::Enter)
                    QTest::keyClick(p.edit(), Qt::Key_Return);
                else
                    p.clickTab(3);

                const bool stored = !c.stored.empty();
                EXPECT_EQ(p.written(), c.stored);
                EXPECT_EQ(p.registry.commits(), stored ? 1 : 0);
                EXPECT_EQ(p.settings.SWBmpPath, stored ? *c.typed : files.existing);
                EXPECT_EQ(p.prefsChanged, stored ? 1 : 0);
                const bool pictureStays = !c.typed || (stored && !c.typed->isEmpty());
                EXPECT_EQ(p.settings.ShowPicture, pictureStays);
                EXPECT_EQ(p.isChecked("CheckBox2"), pictureStays);
                EXPECT_EQ(p.verified, (c.typed ? std::vector<bool>{true, pictureStays} : std::vector<bool>{true}));
                EXPECT_EQ(p.boxes(), c.error.isEmpty() ? QStringList() : QStringList{LoadError + c.error});
                if (way == Way::Tab) {
                    EXPECT_EQ(p.page(), 3);
                    return;
                }
                EXPECT_EQ(p.edit()->text(), c.typed.value_or(files.existing));
                EXPECT_EQ(p.dialog.statusText(), c.status);
                EXPECT_EQ(p.fireTimer(), c.delay);
                EXPECT_EQ(p.page(), 2);
                EXPECT_EQ(p.registry.writes().size(), c.stored.size()) << "leaving the page commits nothing more";
            });
        }
}

// Another window, or hiding the dialog, moves no focus within it.
TEST(PreferencesDialog, LeavingTheWindowIsNotLeavingThePathBox)
{
    Prefs p;
    p.openOn(1);
    p.typePath(QStringLiteral("/half/typed"));
    QLineEdit other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    p.dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.dialog));
    EXPECT_EQ(p.edit()->text(), "/half/typed");

    p.dialog.hide();
    QApplication::processEvents();
    EXPECT_TRUE(p.registry.writes().empty());
    EXPECT_TRUE(p.messages.shown().empty());
}

// Button k stands for suit k - 1; Pile i takes the suit of the i-th press.
TEST(PreferencesDialog, SuitOrderIsStoredOnlyFromFourDifferentSuits)
{
    struct Case {
        std::vector<int> presses;
        std::optional<PileSuits> stored;
        int pauses, delay, pageAfter;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, PileSuits{0, 1, 2, 3}, 0, 2000, 3}, {{4, 3, 2, 1}, PileSuits{3, 2, 1, 0}, 0, 2000, 3},
        {{2, 3, 4, 1, 2}, PileSuits{1, 2, 3, 0}, 0, 2000, 3}, {{1, 1, 2, 3}, std::nullopt, 1, 500, 2},
        {{1, 2, 4, 4}, std::nullopt, 1, 500, 2},             {{4, 3}, std::nullopt, 0, 500, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.presses));
        Prefs p;
        p.settings.PileSuit = {3, 1, 0, 2};
        p.openOn(2);
        EXPECT_EQ(p.text("Label6"), "Current order: 4213");
        p.pressSuits(c.presses);
        EXPECT_EQ(p.label7Colour(), QColor(Qt::green));
        QString pressed;
        for (std::size_t i = 0; i < 4; ++i)
            pressed += QString::number(i < c.presses.size() ? c.presses[i] : 0);
        EXPECT_EQ(p.text("Label7"), "New order: " + pressed);

        p.clickOk();
        EXPECT_EQ(p.settings.PileSuit, c.stored.value_or(PileSuits{3, 1, 0, 2}));
        EXPECT_EQ(p.clock.sleepCount(), c.pauses);
        EXPECT_EQ(p.registry.writes().size(), c.stored ? 4u : 0u);
        EXPECT_EQ(p.registry.commits(), c.stored ? 1 : 0);
        EXPECT_EQ(p.suitOrders, c.stored ? std::vector<PileSuits>{*c.stored} : std::vector<PileSuits>{});
        EXPECT_EQ(p.prefsChanged, c.stored ? 1 : 0);
        EXPECT_EQ(p.dialog.statusText(), c.stored ? "New Order recorded in Registry" : "Assignment of suits to piles.");
        EXPECT_EQ(p.fireTimer(), c.delay);
        EXPECT_EQ(p.page(), c.pageAfter);
    }
}

// A repeated suit, or the focus coming back from outside the page's
// controls, starts the page over.
TEST(PreferencesDialog, SuitPageStartsOverAfterARepeatedSuitOrALeftFocus)
{
    Prefs p;
    p.openOn(2);
    p.pressSuits({1, 1, 2, 3});
    QColor colourDuringPause;
    QString statusDuringPause;
    p.clock.onSleep = [&](int) {
        colourDuringPause = p.label7Colour();
        statusDuringPause = p.dialog.statusText();
    };
    p.clickOk();
    EXPECT_EQ(p.clock.totalSlept(), 4000);
    EXPECT_EQ(colourDuringPause, QColor(Qt::yellow));
    EXPECT_EQ(statusDuringPause, "Oh my God, try again. Incorrect selection.");
    EXPECT_EQ(p.text("Label7"), "New order: 0000");
    EXPECT_EQ(p.label7Colour(), QColor(Qt::white));

    p.pressSuits({2, 1});
    p.child("Button1")->setFocus();
    p.pressSuits({2, 1, 4, 3});
    p.clickOk();
    p.clickOk();   // before the page turns: the order just stored stays
    EXPECT_EQ(p.settings.PileSuit, (PileSuits{1, 0, 3, 2}));
    EXPECT_EQ(p.suitOrders, (std::vector<PileSuits>(2, PileSuits{1, 0, 3, 2})));
}

TEST(PreferencesDialog, SpeedIsStoredOnlyWhenChanged)
{
    struct Case {
        std::vector<Qt::Key> keys;
        int speed, delay;
    };
    for (const Case& c : {Case{{}, 4, 1000}, Case{{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 7, 2000},
                          Case{{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}, 1, 2000}}) {
        SCOPED_TRACE(c.speed);
        Prefs p;
        p.settings.SpeedSlider = 4;
        p.openOn(3);
        p.slider()->setFocus();
        QTest::keyClick(p.slider(), Qt::Key_Right);   // dropped: the page is left without OK
        p.clickTab(0);
        p.clickTab(3);
        EXPECT_EQ(p.slider()->value(), 4);
        p.slider()->setFocus();
        for (const Qt::Key key : c.keys)
            QTest::keyClick(p.slider(), key);
        p.clickOk();
        const bool changed = c.speed != 4;
        EXPECT_EQ(p.settings.SpeedSlider, c.speed);
        EXPECT_EQ(p.registry.commits(), changed ? 1 : 0);
        EXPECT_EQ(p.written(), changed ? std::vector<StoredValue>(1, {"SpeedSlider", c.speed})
                                       : std::vector<StoredValue>());
        EXPECT_EQ(p.delayFactors, changed ? std::vector<int>{11 - c.speed} : std::vector<int>{});
        EXPECT_EQ(p.prefsChanged, changed ? 1 : 0);
        EXPECT_EQ(p.dialog.statusText(), changed ? "New value recorded in Registry" : "Value left unchanged");
        EXPECT_EQ(p.fireTimer(), c.delay);
        EXPECT_EQ(p.page(), 0);
    }
}

// A page the player chooses, or the command starting over on page 0 from the
// settings as they are now (hidden or still open), drops a pending turn.
TEST(PreferencesDialog, ChosenPageOrTheCommandCancelsAPendingTurn)
{
    enum class Way { PlayersTab, CommandWhenHidden, CommandWhenOpen };
    for (const int page : {0, 3})
        for (const Way way : {Way::PlayersTab, Way::CommandWhenHidden, Way::CommandWhenOpen}) {
            SCOPED_TRACE(::testing::Message() << "page " << page << ", way " << static_cast<int>(way));
            Prefs p;
            p.openOn(page);
            p.clickOk();
            ASSERT_TRUE(p.timer()->isActive());
            p.settings.TransferDetails = true;
            if (way == Way::CommandWhenHidden)
                p.dialog.hide();
            if (way == Way::PlayersTab)
                p.clickTab(2);
            else
                p.open();
            EXPECT_FALSE(p.timer()->isActive());
            EXPECT_EQ(p.dialog.advanceDelay(), 500);
            EXPECT_EQ(p.page(), way == Way::PlayersTab ? 2 : 0);
            EXPECT_EQ(p.isChecked("CheckBox1"), way != Way::PlayersTab);
        }
}

// Beyond the control with the focus, a screen reader hears each status
// text, a page turned with its name and what it shows, and the new suit
// order by suit, once each when the event is over.
TEST(PreferencesDialog, AReaderHearsTheStatusAPageTurnedAndTheNewOrder)
{
    Prefs p;
    QStringList said;
    p.dialog.listenInsteadOfReaders(
        [&said](QAccessibleEvent& event) { said << event.accessibleInterface()->text(QAccessible::Name); });
    const auto heard = [&said] {
        QApplication::processEvents();
        return std::exchange(said, {});
    };
    p.open();
    EXPECT_EQ(heard(), QStringList()) << "a reader reads the dialog itself as it opens";
    p.clickOk();
    EXPECT_EQ(heard(), QStringList{"Display Options recorded in Registry."});
    p.fireTimer();
    EXPECT_EQ(heard(), QStringList{"Bitmap Path Info page. Bitmap Path and File Name Info: Example: "
                                   "D:\\Images\\bmp\\sw.bmp. Picture Dimension required for side window: Picture "
                                   "Width = 456, Height = 696 pixels. Edit or confirm side-window Bitmap location."});
    p.clickTab(2);
    EXPECT_EQ(heard(), QStringList{"Suit Selection page. Press buttons in the order desired ... Current order: Hearts, "
                                   "Diamonds, Spades, Clubs. New order: none. Assignment of suits to piles."});
    p.pressSuits({4});
    EXPECT_EQ(heard(), QStringList{"New order: Clubs."});
    p.pressSuits({2});
    EXPECT_EQ(heard(), QStringList{"New order: Clubs, Diamonds."});
}

} // namespace
} // namespace tavolin
