// The hint: the next transfer of a winning line in the status bar and on the
// table, found off the window's thread, and nothing on the table changed;
// once a game is lost, the transfer that lost it.
#include "app/hint_search.h"
#include "app/hint_text.h"
#include "game/recording_events.h"
#include "game/solver.h"
#include "random_player.h"
#include "settings/settings_printer.h"
#include "solver_replay.h"
#include "table_builder.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>

namespace tavolin {
namespace {

class HintTest : public testing::WindowFixture<> {
protected:
    // The event loop runs until the status bar's first panel says `done`;
    // the bound only keeps a broken search from hanging the test.
    void waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 20000)
            QTest::qWait(5);
    }
    void waitForAnswer()
    {
        waitFor([this] { const QString t = window->statusText(0); return t.startsWith("Hint:") && !t.endsWith(".."); });
    }
    HintSearch* search() const { return window->findChild<HintSearch*>(); }

    int panelWidthOf(const QString& text) const
    {
        return window->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->fontMetrics().horizontalAdvance(text);
    }

    // A click beside the table changes nothing but asks for the game's passes.
    void passes()
    {
        click(QPoint(layout().TableWidth + 10, layout().TopAreaHeight + 10));
        for (int turn = 0; turn < 20; ++turn)
            QApplication::processEvents();
    }

    // The player's transfer, then the automatic moves.
    void make(const SolverTransfer& transfer)
    {
        Game& game = window->game();
        if (transfer.cards > 1 && game.table.columns[transfer.to.index].isEmpty())
            messages.answerNext(MessageAnswer::Yes);
        ASSERT_TRUE(testing::pickUp(game, transfer.from));
        ASSERT_EQ(testing::dropOn(game, transfer.to), DropOutcome::Done);
        game.EndSelection(true);
        passes();
    }
};

TEST_F(HintTest, AHintNamesTheFirstTransferOfAWinningLineAndLeadsOnAlongIt)
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
        auto* timer = window->findChild<QTimer*>(QStringLiteral("HintMarksTimer"));
        ASSERT_TRUE(timer && timer->isActive() && timer->interval() == 2000) << "the marks go after two seconds";
        timer->start(0);
        QTest::qWait(10);
        timer->setInterval(2000);
        EXPECT_FALSE(table()->hintMarks().has_value());

        // Both halves of the hint go once the card is taken, and the marks asked again.
        window->MoveHintClick();
        ASSERT_TRUE(table()->hintMarks().has_value());
        const ColumnRec& from = before.columns[next.from.index];
        click(columnTop(next.from.index));
        EXPECT_TRUE(window->game().selection.card == from.card[from.topPosition()]);
        EXPECT_FALSE(table()->hintMarks().has_value());
        EXPECT_EQ(window->statusText(1), panel1);
        window->game().PutBack();
        passes();
        EXPECT_FALSE(window->statusText(0).startsWith("Hint: "));

        // Done as it said, the next hint is the same line's next transfer, at once.
        make(next);
        window->MoveHintClick();
        EXPECT_EQ(window->statusText(0), hintText(window->game().table, expected.line[1]).what);
        messages.answerNext(MessageAnswer::Yes);
        window->FinishGame1Click();
    }
}

// Worst cases: the longest card names, a long Deck, the last places, a
// target Column of several cards.
TEST_F(HintTest, HintTextsArePlainWordsThatFitTheirPanels)
{
    open();
    testing::TableBuilder(window->game())
        .column(0, {"KS", "QD", "JC", "10H", "9S", "8D", "7C", "6H", "5S", "4D", "3C", "2H"})
        .column(7, {"KC"}).column(5, {"5H", "9C", "KD"});
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
    EXPECT_EQ(transferText(state, std::get<0>(hints[2])), "Queen of Spades from Room 4 onto the King of Diamonds in "
                                                          "Column 6");
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

// Asked with no game, nothing; with a card held, for the table with the card
// in its place; while a card flies, for the table the cards that go up after
// a transfer leave; many times over, one answer.
TEST_F(HintTest, OneAnswerForTheTableAsItIs)
{
    open();
    const QString idle = window->statusText(0);
    window->MoveHintClick();
    QTest::qWait(20);
    EXPECT_EQ(window->statusText(0), idle);

    window->dealByNumber(QStringLiteral("1"));
    QApplication::processEvents();
    int answers = 0;
    QObject::connect(search(), &HintSearch::answered, [&answers] { ++answers; });
    click(columnTop(2));
    ASSERT_FALSE(window->game().selection.isEmpty());
    const TableState held = window->game().table;
    for (int ask = 0; ask < 10; ++ask)
        window->MoveHintClick();
    waitForAnswer();
    QTest::qWait(20);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(window->game().table, held);
    const SolverAnswer expected = solvePosition(tableOf(cardsOf(held, true)), true, {});
    EXPECT_EQ(window->statusText(0), hintText(held, expected.line.front()).what);
    window->game().PutBack();
    passes();

    // The Ace on top of Column 4 of deal 4 flies to its Pile after the first transfer.
    messages.answerNext(MessageAnswer::Yes);
    window->dealByNumber(QStringLiteral("4"));
    QApplication::processEvents();
    QString duringFlight;
    clock.onSleep = [&](int) {
        window->MoveHintClick();
        if (!duringFlight.isEmpty() || window->statusText(0).startsWith("Hint: ") || table()->hintMarks())
            duringFlight = window->statusText(0);
    };
    click(columnTop(0));
    click(centreOf(window->game().geometry.roomX(0), window->game().geometry.slotY()));
    waitFor([&answers] { return answers == 2; });
    clock.onSleep = nullptr;
    EXPECT_EQ(duringFlight, QString());
    EXPECT_EQ(window->game().table.cardsLeft, PackSize - 1) << "the Ace went up first";
    const SolverAnswer settled = solvePosition(window->game().table, false, {});
    EXPECT_EQ(window->statusText(0), hintText(window->game().table, settled.line.front()).what);
    EXPECT_EQ(answers, 2);
}

// An answer that comes while a box is open waits for it, and is then shown.
// The hint's halves go together when a menu's hint replaces the first; a
// search that Undo makes pointless leaves no word behind.
TEST_F(HintTest, NothingOfAHintShowsUnderABoxOrStaysBehind)
{
    open();
    window->dealByNumber(QStringLiteral("2"));
    QApplication::processEvents();
    const QString panel1 = window->statusText(1);
    window->MoveHintClick();
    QString underTheBox;
    QTimer::singleShot(0, window.get(), [&] {
        QMessageBox box(window.get());
        QTimer::singleShot(0, &box, [&] {
            waitFor([&] { return !search()->isSearching(); });
            underTheBox = window->statusText(0);
            box.accept();
        });
        box.exec();
    });
    waitForAnswer();
    EXPECT_EQ(underTheBox, "Hint: looking for a winning line...");
    EXPECT_TRUE(table()->hintMarks().has_value());
    ASSERT_NE(window->statusText(1), panel1);
    QStatusTipEvent tip(QString{});
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusText(1), panel1);

    messages.answerNext(MessageAnswer::Yes);
    window->dealByNumber(QStringLiteral("7"));
    QApplication::processEvents();
    make({{PlaceKind::Column, 0}, {PlaceKind::Room, 0}});   // no card goes up after it
    window->MoveHintClick();
    ASSERT_EQ(window->statusText(0), "Hint: looking for a winning line...");
    window->MoveUndo1Click();
    QTest::qWait(50);
    for (int panel = 0; panel < 2; ++panel)
        EXPECT_FALSE(window->statusText(panel).startsWith("Hint")) << window->statusText(panel).toStdString();
}

// Corners round the cards to move and their target, in a colour of their own.
TEST(HintMarksTest, TheCornersFrameTheHintedCards)
{
    testing::RecordingEvents events;
    Game game(events);
    testing::TableBuilder(game).column(1, {"KS", "QD", "JC", "10H"}).column(4, {"8D", "9S", "KH", "QC"});
    const TableGeometry& at = game.geometry;
    const HintMarks marks = hintMarksFor(game.table, at, {PlaceKind::Column, 1}, 3, {PlaceKind::Column, 4});
    EXPECT_EQ(marks.source, QRect(at.columnX(1), at.columnY(1), at.CardWidth, at.CardHeight + 2 * at.ColumnStep));
    EXPECT_EQ(marks.target, QRect(at.columnX(4), at.columnY(3), at.CardWidth, at.CardHeight));

    QImage drawn(600, 600, QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter p(&drawn);
    drawHintMarks(p, marks);
    p.end();
    // Just outside the card: its corners, not a ring, nothing further out.
    const QRect around = marks.target.adjusted(-4, -4, 4, 4);
    EXPECT_EQ(drawn.pixelColor(around.topLeft()), HintMarkColour);
    EXPECT_EQ(drawn.pixelColor(around.bottomRight()), HintMarkColour);
    EXPECT_EQ(drawn.pixelColor(around.topLeft() - QPoint(1, 1)), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(around.bottomRight() + QPoint(1, 1)), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(around.center().x(), around.top()), QColor(Qt::black));
}

// Deal 3 lost on purpose at its seventh transfer. With Warn of Losing Moves
// on (off at first, and nothing searched then; remembered) the status bar
// says so at once until Undo takes it back. Finished, the game's losing
// transfer is named once however often asked, and the deal offered again.
// A screen reader hears the warning and the search once each.
TEST_F(HintTest, TheTransferThatLostTheGameIsToldAndNamed)
{
    open();
    ASSERT_FALSE(action("WarnLosingMove1")->isChecked());
    window->dealByNumber(QStringLiteral("3"));
    QApplication::processEvents();
    const SolverAnswer line = solvePosition(window->game().table, true, {});
    int searches = 0;
    QObject::connect(search(), &HintSearch::answered, [&searches] { ++searches; });
    make(line.line[0]);
    QTest::qWait(50);
    EXPECT_EQ(searches, 0);

    action("WarnLosingMove1")->setChecked(true);
    EXPECT_EQ(stored("WarnLosingMove"), 1);
    open();
    ASSERT_TRUE(action("WarnLosingMove1")->isChecked());
    QStringList said;
    table()->listenInsteadOfReaders([&said](QAccessibleEvent& event) {
        if (event.type() == QAccessible::ObjectShow)
            said << event.accessibleInterface()->text(QAccessible::Name);
    });
    window->dealByNumber(QStringLiteral("3"));
    QApplication::processEvents();
    for (int i = 0; i < 6; ++i) {
        make(line.line[i]);
        waitFor([this] { return !search()->isSearching(); });
    }
    const QString panel1 = window->statusText(1);
    const SolverTransfer losing{{PlaceKind::Column, 3}, {PlaceKind::Room, 3}};
    make(losing);
    waitFor([&] { return window->statusText(1) != panel1; });
    EXPECT_EQ(window->statusText(0), "Lost by 9 of Clubs to Room 4");
    EXPECT_EQ(window->statusText(1), "Undo takes it back.");
    EXPECT_EQ(said.filter("Lost by"), QStringList{"Lost by 9 of Clubs to Room 4. Undo takes it back."});
    window->MoveUndo1Click();
    passes();
    EXPECT_EQ(window->statusText(1), panel1);
    make(losing);
    messages.answerNext(MessageAnswer::Yes);
    window->FinishGame1Click();
    ASSERT_TRUE(action("LosingMove1")->isEnabled());

    const std::size_t shown = messages.shown().size();
    for (int ask = 0; ask < 5; ++ask)
        window->LosingMoveClick();
    EXPECT_EQ(window->statusText(0), "Looking for the move that lost the game...");
    EXPECT_EQ(said.filter("Looking for"), QStringList{"Looking for the move that lost the game..."});
    waitFor([&] { return messages.shown().size() > shown; });
    QTest::qWait(20);
    ASSERT_EQ(messages.shown().size(), shown + 1);
    EXPECT_EQ(messages.shown().back().text,
              "Transfer 7 lost the game: 9 of Clubs from Column 4 to Room 4.\n\nBefore it the game could still be won; "
              "after it no sequence of transfers could win it.\n\nDeal 3 again?");
    messages.answerNext(MessageAnswer::Yes);
    window->LosingMoveClick();
    ASSERT_EQ(messages.shown().size(), shown + 2) << "the answer found is given again at once";
    QApplication::processEvents();
    EXPECT_TRUE(window->game().flags.gameInPlay && window->dealNumber() == 3u);
    EXPECT_FALSE(action("LosingMove1")->isEnabled());
}

// Only the latest table's answer comes back, on the thread that asked; a
// search still running when its owner goes is ended, not left behind.
TEST(HintSearchTest, ANewerTableTakesThePlaceOfAnOlderOne)
{
    std::vector<TableCards> tables;
    for (const std::uint32_t deal : {1u, 2u, 3u}) {
        testing::RecordingEvents events;
        Game game(events);
        testing::dealSeeded(game, deal);
        tables.push_back(cardsOf(game.table, true));
    }
    std::vector<SolverAnswer> answers;
    HintSearch search;
    QObject::connect(&search, &HintSearch::answered, [&](const SolverAnswer& answer) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        answers.push_back(answer);
    });
    for (const TableCards& table : tables)
        search.start(table);
    QElapsedTimer waited;
    waited.start();
    while (search.isSearching() && waited.elapsed() < 20000)
        QTest::qWait(5);
    QTest::qWait(20);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers.front().line, solvePosition(tableOf(tables.back()), true, {}).line);

    auto abandoned = std::make_unique<HintSearch>();
    abandoned->start(tables.front());
    abandoned.reset();
}

} // namespace
} // namespace tavolin
