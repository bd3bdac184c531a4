// The hint: the next transfer of a winning line in the status bar and on the
// table, found off the window's thread, and nothing on the table changed.
#include "app/hint_search.h"
#include "app/hint_text.h"
#include "game/recording_events.h"
#include "game/solver.h"
#include "random_player.h"
#include "solver_replay.h"
#include "table_builder.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QLabel>

namespace tavolin {
namespace {

class HintTest : public testing::WindowFixture<> {
protected:
    // The event loop runs until the hint's answer is in the status bar; the
    // bound only keeps a broken search from hanging the test.
    void waitForAnswer()
    {
        QElapsedTimer waited;
        waited.start();
        const auto answered = [this] {
            const QString text = window->statusText(0);
            return text.startsWith("Hint: ") && !text.startsWith("Hint: looking");
        };
        while (!answered() && waited.elapsed() < 20000)
            QTest::qWait(5);
    }

    int panelWidthOf(const QString& text) const
    {
        return window->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->fontMetrics().horizontalAdvance(text);
    }
};

TEST_F(HintTest, AHintNamesTheFirstTransferOfAWinningLineAndChangesNothing)
{
    open();
    for (const std::uint32_t deal : {1u, 17u, 4294967295u}) {
        SCOPED_TRACE(deal);
        window->dealByNumber(QString::number(deal));
        QApplication::processEvents();
        const TableState before = window->game().table;
        const QString panel1 = window->statusText(1);

        // Asked while a pass is due, the hint waits for the table to settle.
        click(QPoint(layout().TableWidth + 10, layout().TopAreaHeight + 10));
        window->MoveHintClick();
        waitForAnswer();
        window->MoveHintClick();   // again, on the same table
        waitForAnswer();

        EXPECT_EQ(window->game().table, before);
        const SolverAnswer expected = solvePosition(before, window->game().flags.autoSuspended, {});
        ASSERT_EQ(expected.verdict, SolverVerdict::Winnable);
        const SolverTransfer& next = expected.line.front();
        const HintText text = hintText(before, next);
        EXPECT_EQ(window->statusText(0), text.what);
        EXPECT_EQ(window->statusText(1), text.where);
        EXPECT_LE(panelWidthOf(text.what), 260);
        EXPECT_LE(panelWidthOf(text.where), 260);
        ASSERT_TRUE(table()->hintMarks().has_value());
        EXPECT_EQ(*table()->hintMarks(), hintMarksFor(before, window->game().geometry, next.from, next.cards, next.to));

        // The marks and the hint's half of the status bar go at the next change.
        const ColumnRec& from = before.columns[next.from.index];
        click(columnTop(next.from.index));
        EXPECT_TRUE(window->game().selection.card == from.card[from.topPosition()]);
        EXPECT_FALSE(table()->hintMarks().has_value());
        EXPECT_EQ(window->statusText(1), panel1);
        window->game().PutBack();
        messages.answerNext(MessageAnswer::Yes);
        window->FinishGame1Click();
    }
}

// The cards that go up after a transfer go first; the hint is for the
// table they leave.
TEST_F(HintTest, AHintAskedBeforeTheCardsGoUpWaitsForThem)
{
    open();
    window->dealByNumber(QStringLiteral("4"));   // an Ace on top of Column 4
    QApplication::processEvents();
    click(columnTop(0));
    click(centreOf(window->game().geometry.roomX(0), window->game().geometry.slotY()));
    window->MoveHintClick();
    waitForAnswer();
    EXPECT_EQ(window->game().table.cardsLeft, PackSize - 1) << "the Ace went up";
    const SolverAnswer answer = solvePosition(window->game().table, false, {});
    ASSERT_EQ(answer.verdict, SolverVerdict::Winnable);
    EXPECT_EQ(window->statusText(0), hintText(window->game().table, answer.line.front()).what);
}

// Worst cases: the longest card names, a long Deck, the last places.
TEST_F(HintTest, HintTextsArePlainWordsThatFitTheirPanels)
{
    open();
    testing::TableBuilder(window->game())
        .column(0, {"KS", "QD", "JC", "10H", "9S", "8D", "7C", "6H", "5S", "4D", "3C", "2H"})
        .column(7, {"KC"}).column(5, {"KD"});
    const TableState& state = window->game().table;
    const auto card = [](const char* name) { return testing::cardNamed(name); };
    const std::tuple<SolverTransfer, const char*, const char*> hints[] = {
        {{{PlaceKind::Column, 0}, {PlaceKind::Column, 6}, card("QD"), 11, false}, "Hint: 11 cards from Column 1",
         "to the empty Column 7"},
        {{{PlaceKind::Column, 0}, {PlaceKind::Column, 6}, card("2H"), 1, true}, "Hint: 2 of Hearts from Column 1",
         "alone to the empty Column 7"},
        {{{PlaceKind::Room, 3}, {PlaceKind::Column, 5}, card("QS"), 1, false}, "Hint: Queen of Spades from Room 4",
         "onto the King of Diamonds in Column 6"},
        {{{PlaceKind::Room, 2}, {PlaceKind::Column, 7}, card("QD"), 1, false}, "Hint: Queen of Diamonds from Room 3",
         "onto the King of Clubs in Column 8"},
        {{{PlaceKind::Column, 7}, {PlaceKind::Room, 3}, card("KC"), 1, false}, "Hint: King of Clubs from Column 8",
         "to Room 4"},
        {{{PlaceKind::Column, 0}, {PlaceKind::Pile, 1}, card("2H"), 1, false}, "Hint: 2 of Hearts from Column 1",
         "to Pile 2"},
    };
    for (const auto& [transfer, what, where] : hints) {
        SCOPED_TRACE(what);
        const HintText text = hintText(state, transfer);
        EXPECT_EQ(text.what, what);
        EXPECT_EQ(text.where, where);
        EXPECT_LE(panelWidthOf(text.what), 260);
        EXPECT_LE(panelWidthOf(text.where), 260);
    }
}

// A random player's game that wandered into a pocket: moves are left, a win is not.
TEST_F(HintTest, APositionThatCannotBeWonIsSaidToBeLost)
{
    testing::RandomGame pocket(3, testing::limitsFor(3));
    pocket.play();
    ASSERT_TRUE(pocket.game.flags.gameInPlay && pocket.game.flags.movesLeft);
    open();
    newGame();
    window->game().table = pocket.game.table;
    window->game().flags.autoSuspended = pocket.game.flags.autoSuspended;
    const TableState before = window->game().table;
    window->MoveHintClick();
    waitForAnswer();
    EXPECT_EQ(window->statusText(0), "Hint: this game can no longer be won.");
    EXPECT_LE(panelWidthOf(window->statusText(0)), 260);
    EXPECT_EQ(window->game().table, before);
    EXPECT_FALSE(table()->hintMarks().has_value());

    // A table changed behind the search's back is searched again.
    window->MoveHintClick();
    testing::dealSeeded(window->game(), 17);
    waitForAnswer();
    const SolverAnswer answer = solvePosition(window->game().table, true, {});
    ASSERT_EQ(answer.verdict, SolverVerdict::Winnable);
    EXPECT_EQ(window->statusText(0), hintText(window->game().table, answer.line.front()).what);
}

// With no game, a card held or a card in flight the hint is not looked for.
TEST_F(HintTest, NothingIsAskedWithoutAGameWithACardHeldOrDuringAFlight)
{
    open();
    const QString idle = window->statusText(0);
    window->MoveHintClick();
    QTest::qWait(20);
    EXPECT_EQ(window->statusText(0), idle);

    window->dealByNumber(QStringLiteral("1"));
    QApplication::processEvents();
    click(columnTop(2));
    ASSERT_FALSE(window->game().selection.isEmpty());
    const TableState held = window->game().table;
    const QString status = window->statusText(0);
    window->MoveHintClick();
    QTest::qWait(20);
    EXPECT_EQ(window->game().table, held);
    EXPECT_EQ(window->statusText(0), status);
    window->game().PutBack();

    // An Ace freed by the player's transfer flies to its Pile on the next pass.
    testing::TableBuilder(window->game()).column(0, {"AH", "QS"}).column(1, {"KD"}).column(2, {"5C"}).column(3, {"9H"})
        .autoMovesOn();
    int flightsSeen = 0;
    QString duringFlight;
    clock.onSleep = [&](int) {
        ++flightsSeen;
        const QString before = window->statusText(0);
        window->MoveHintClick();
        if (window->statusText(0) != before || table()->hintMarks())
            duringFlight = window->statusText(0);
    };
    click(columnTop(0));
    click(columnTop(1));
    for (int turn = 0; turn < 20; ++turn)
        QApplication::processEvents();
    clock.onSleep = nullptr;
    EXPECT_GT(flightsSeen, 0);
    EXPECT_EQ(duringFlight, QString());
}

// Only the latest table's answer comes back, on the thread that asked; a
// search still running when its owner goes is ended, not left behind.
TEST(HintSearchTest, ANewerTableTakesThePlaceOfAnOlderOne)
{
    std::vector<TableState> tables;
    for (const std::uint32_t deal : {1u, 2u, 3u}) {
        testing::RecordingEvents events;
        Game game(events);
        testing::dealSeeded(game, deal);
        tables.push_back(game.table);
    }
    std::vector<SolverAnswer> answers;
    HintSearch search;
    QObject::connect(&search, &HintSearch::answered, [&](const SolverAnswer& answer) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        answers.push_back(answer);
    });
    for (const TableState& table : tables)
        search.start(table, true);
    QElapsedTimer waited;
    waited.start();
    while (search.isSearching() && waited.elapsed() < 20000)
        QTest::qWait(5);
    QTest::qWait(20);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers.front().line, solvePosition(tables.back(), true, {}).line);

    auto abandoned = std::make_unique<HintSearch>();
    abandoned->start(tables.front(), true);
    abandoned.reset();
}

} // namespace
} // namespace tavolin
