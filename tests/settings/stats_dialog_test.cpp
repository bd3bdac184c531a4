#include "platform/doubles/manual_clock.h"
#include "platform/qt_registry.h"
#include "settings/stats_dialog.h"
#include "store_fixture.h"
#include "support/file_bytes.h"
#include "support/non_files.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

namespace tavolin {
namespace {

const QString NoFigures = QStringLiteral("This session: 0% | won: 0 | lost: 0 | Totals: 0% | won: 0 | lost: 0 | "
                                         "Streaks: | won: 0 | lost: 0 | no streaks detected");

class StatsDialogTest : public ::testing::Test {
protected:
    MemoryRegistry registry;
    ScriptedMessageBoxes messages;
    ManualClock clock;
    SettingsStore store{registry, messages};
    Settings settings;
    RunTotals run;
    bool inPlay = false;
    TStats1Dlg dialog{settings, run, store, messages, clock, [this] { return inPlay; }};

    // Shown afresh: the figures are computed at each showing.
    void showFigures()
    {
        dialog.hide();
        dialog.show();
        QApplication::processEvents();
    }
    QString shownFigures() const
    {
        QStringList figures;
        for (int label = 2; label <= 11; ++label)
            figures << dialog.labelText(label).simplified();
        return figures.join(" | ");
    }
    void clickDelete() { QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton); }
};

TEST_F(StatsDialogTest, FiguresFollowTheResultsInTheOrderPlayed)
{
    const std::pair<const char*, QString> cases[] = {   // w won, l lost; the figures then shown
        {"", NoFigures},
        {"l", "This session: -100% | won: 0 | lost: 1 | Totals: -100% | won: 0 | lost: 1 | Streaks: | won: 0 | "
              "lost: 1 | currently lost: one game"},
        {"www", "This session: 100% | won: 3 | lost: 0 | Totals: 100% | won: 3 | lost: 0 | Streaks: | won: 3 | "
                "lost: 0 | currently won: 3 games in a row"},
        {"wll", "This session: 33% | won: 1 | lost: 2 | Totals: 33% | won: 1 | lost: 2 | Streaks: | won: 0 | "
                "lost: 2 | currently lost: 2 games in a row"},
        {"wwwlw", "This session: 80% | won: 4 | lost: 1 | Totals: 80% | won: 4 | lost: 1 | Streaks: | won: 1 | "
                  "lost: 0 | currently won: one game"},
    };
    for (const auto& [results, figures] : cases) {
        settings = Settings();
        run = RunTotals();
        for (const char* r = results; *r; ++r)
            *r == 'w' ? countWin(settings, run) : countLoss(settings, run);
        showFigures();
        EXPECT_EQ(shownFigures(), figures) << results;
    }
    // A screen reader reads only labels of three words or more as the
    // dialog opens: the figures are named with their headings, the totals'
    // percentage with words enough.
    QStringList names;
    for (int label : {3, 4, 5, 6, 7, 9, 10})
        names << QAccessible::queryAccessibleInterface(dialog.findChild<QLabel*>(QString("Label%1").arg(label)))
                     ->text(QAccessible::Name);
    EXPECT_EQ(names.join(" | "), "This session won: 4 | This session lost: 1 | Totals of all games: 80% | Totals won: 4 | "
                                 "Totals lost: 1 | Streaks won: 1 | Streaks lost: 0");
    // A streak type the dialog does not know leaves the sentence as it was.
    settings.StreakType = 7;
    showFigures();
    EXPECT_TRUE(shownFigures().endsWith("| currently won: one game"));
}

// Deleting is refused during a game and asks first between games, with No
// as the answer Return gives.
TEST_F(StatsDialogTest, DeleteZeroesAndStoresEverythingOnlyWhenAnsweredYesBetweenGames)
{
    for (const auto count : {countWin, countLoss}) {
        count(settings, run);
        store.saveStatistics(settings, settings.StreakType == 1 ? StatisticsChange::Win : StatisticsChange::Loss);
    }
    showFigures();
    const QString before = shownFigures();
    const int commits = registry.commits();
    inPlay = true;
    clickDelete();
    inPlay = false;
    messages.answerNext(MessageAnswer::No);
    clickDelete();
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, "Game should be finished first.");
    EXPECT_EQ(messages.shown()[1].text, "Delete all statistics ?");
    EXPECT_EQ(messages.shown()[1].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(shownFigures(), before);
    EXPECT_EQ(registry.commits(), commits);

    messages.answerNext(MessageAnswer::Yes);
    clickDelete();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(shownFigures(), NoFigures);
    for (const char* name : {"Games Won", "Games Lost", "Streak Type", "Streak Wins", "Streak Losses"})
        EXPECT_EQ(registry.value(StoreKey, name), MemoryRegistry::Value(0)) << name;
    EXPECT_EQ(registry.commits(), commits + 1);
}

// At any count the store can hold, every text lies whole within the frame's
// pen, clear of the buttons, the logo and each other; the streak sentence
// leaves its one line at its place only where that would run past the frame.
TEST_F(StatsDialogTest, EveryTextLiesWithinTheFrameAtAnyCount)
{
    const QRect withinPen = QRect(12, 10, 289, 314).adjusted(3, 3, -3, -3);
    const std::tuple<int, int, bool> cases[] = {{0, 0, true},          {1, 2, true},        {99, 1, true},
                                                {99'999, 2, false},    {9'999'999, 1, false}, {INT_MAX, 1, false},
                                                {INT_MAX, 2, false},   {INT_MAX, 0, true}};
    for (const auto& [count, streakType, oneLine] : cases) {
        SCOPED_TRACE(::testing::Message() << count << " games, streak type " << streakType);
        settings.GamesWon = settings.GamesLost = settings.StreakWins = settings.StreakLosses = count;
        settings.StreakType = streakType;
        run = {count, count};
        showFigures();
        std::vector<QRect> taken;
        for (const char* other : {"BitBtn1", "BitBtn2", "Image1"})
            taken.push_back(dialog.findChild<QWidget*>(other)->geometry());
        for (int number = 1; number <= 11; ++number) {
            const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
            SCOPED_TRACE(label->text().toStdString());
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text())
                                   .translated(label->pos());
            EXPECT_TRUE(withinPen.contains(text) && label->geometry().contains(text));
            for (const QRect& other : taken)
                EXPECT_FALSE(other.intersects(text));
            taken.push_back(text);
        }
        const auto* sentence = dialog.findChild<QLabel*>("Label11");
        EXPECT_EQ(sentence->pos(), QPoint(85, 247));
        EXPECT_EQ(sentence->height() == dialog.findChild<QLabel*>("Label10")->height(), oneLine);
    }
}

// A copy started before another counted its results shows them, and its
// Delete deletes only what it showed: nothing, when the other copy counts a
// result while the question is open.
TEST(StatsDialogOnTheFile, ShowsWhatAnotherCopyStoredAndDeletesOnlyWhatItShows)
{
    QTemporaryDir dir;
    const auto otherCopyLoses = [&](int games) {
        testing::expectInTime([&] {
            QtRegistry registry(dir.path());
            ScriptedMessageBoxes boxes;
            SettingsStore store(registry, boxes);
            Settings settings = store.load({1280, 1024});
            for (int game = 0; game < games; ++game)
                store.saveStatistics(settings, StatisticsChange::Loss);
        });
    };
    QtRegistry registry(dir.path());
    ScriptedMessageBoxes messages;
    SettingsStore store(registry, messages);
    Settings settings = store.load({1280, 1024});
    RunTotals run;
    ManualClock clock;
    TStats1Dlg dialog(settings, run, store, messages, clock, {});
    otherCopyLoses(3);
    dialog.show();
    EXPECT_EQ(dialog.labelText(7).simplified(), "lost: 3");
    EXPECT_EQ(dialog.labelText(11), "currently lost:  3 games in a row");

    messages.whileAsked = [&] { otherCopyLoses(1); };
    messages.answerNext(MessageAnswer::Yes);
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_TRUE(messages.shown().back().text.startsWith("Another copy of the game changed the statistics"));
    EXPECT_EQ(dialog.labelText(7).simplified(), "lost: 4");
    EXPECT_TRUE(testing::readFileBytes(registry.fileName()).contains("\"Games Lost\"=dword:4\n"));
}

} // namespace
} // namespace tavolin
