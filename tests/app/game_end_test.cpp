// A game ends once, whatever the player chooses while the game is moving by
// itself. The boxes here are real modal ones with their own event loops, as
// the player's are: timers due while a box is open fire under it.
#include "window_fixture.h"
#include "game/support/table_builder.h"
#include "platform/qt_message_boxes.h"

#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace tavolin {
namespace {

// Runs each box as a real QMessageBox for a number of turns of its event
// loop, then gives the scripted answer. Whatever opens on top of a box in
// the meantime is noted and closed.
class LoopingMessageBoxes final : public MessageBoxes {
public:
    static constexpr int Turns = 30;

    void answerNext(MessageAnswer answer) { script_.answerNext(answer); }
    const std::vector<ScriptedMessageBoxes::Shown>& shown() const { return script_.shown(); }

    // Called on one turn of the next box's loop, as the player acting while
    // the box is open.
    std::function<void()> whileOpen;
    QStringList openedOnTop;

    MessageAnswer show(QWidget* owner, const QString& caption, const QString& text, MessageIcon,
                       MessageButtons buttons) override
    {
        const MessageAnswer answer = script_.show(owner, caption, text, MessageIcon::None, buttons);
        const auto standard = buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                               : QMessageBox::Ok;
        QMessageBox box(QMessageBox::NoIcon, caption, text, standard, owner);
        auto act = std::exchange(whileOpen, nullptr);
        int turns = 0;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] {
            QWidget* top = QApplication::activeModalWidget();
            if (top && !boxes_.contains(top)) {
                openedOnTop << top->windowTitle();
                top->close();
            } else if (top != &box) {
                return;   // a box of ours over this one answers first
            } else if (++turns == Turns / 2 && act) {
                act();
            } else if (turns >= Turns) {
                box.done(answer == MessageAnswer::Yes ? QMessageBox::Yes
                         : answer == MessageAnswer::No ? QMessageBox::No
                                                       : QMessageBox::Ok);
            }
        });
        turn.start(0);
        boxes_ << &box;
        box.exec();
        boxes_.removeLast();
        return answer;
    }

private:
    ScriptedMessageBoxes script_;
    QList<QWidget*> boxes_;
};

class GameEndTest : public testing::WindowFixture<LoopingMessageBoxes> {
protected:
    // A click beside the table changes nothing but asks for a pass.
    void askForAPass()
    {
        click(QPoint(layout().TableWidth + 10, layout().TopAreaHeight + 10));
    }

    // A game whose next pass puts the last King up and wins it, with that
    // pass already asked for.
    void openAGameAboutToBeWon()
    {
        open();
        newGame();
        testing::TableBuilder(window->game())
            .pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC")
            .column(0, {"KC"})
            .autoMovesOn();
        askForAPass();
    }

    // Runs the event loop until no game is in play, within a bound.
    void playOn()
    {
        for (int turn = 0; turn < 1000 && window->game().flags.gameInPlay; ++turn)
            QApplication::processEvents();
    }

    // Closes each dialog (not a message box) as it opens, noting its title.
    std::unique_ptr<QTimer> closeDialogs(QStringList& titles)
    {
        auto closer = std::make_unique<QTimer>();
        QObject::connect(closer.get(), &QTimer::timeout, [&titles] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog && !qobject_cast<QMessageBox*>(dialog)) {
                titles << dialog->windowTitle();
                dialog->close();
            }
        });
        closer->start(0);
        return closer;
    }
};

struct Ending {
    const char* command;
    std::function<void(TForm1&)> choose;
    bool closesWindow;
    int writesAfterNo;   // closing stores the placement even when the player stays
    bool dealsNext = false;
};

const Ending Endings[] = {
    {"Finish game", &TForm1::FinishGame1Click, false, 0},
    {"the table button", &TForm1::BitBtn1Click, false, 0},
    {"Exit", &TForm1::GameExitClick, true, 0},
    {"closing the window", [](TForm1& window) { window.close(); }, true, 1},
    {"Restart Deal", &TForm1::RestartDealClick, false, 0, true},
    {"Deal by Number", [](TForm1& window) { window.dealByNumber(QStringLiteral("5")); }, false, 0, true},
};

// Without a game nothing is asked; during one, Yes records one loss.
TEST_F(GameEndTest, EndingAGameAboutToBeWonRecordsOneLoss)
{
    for (const Ending& ending : Endings) {
        SCOPED_TRACE(ending.command);
        registry = MemoryRegistry();
        open();
        const std::size_t shownBefore = messages.shown().size();
        ending.choose(*window);
        EXPECT_EQ(messages.shown().size(), shownBefore) << "no game, no question";
        EXPECT_EQ(window->isVisible(), !ending.closesWindow);
        openAGameAboutToBeWon();
        const int commits = registry.commits();
        const std::size_t boxes = messages.shown().size();
        messages.answerNext(MessageAnswer::Yes);
        ending.choose(*window);
        playOn();
        EXPECT_EQ(messages.shown().size(), boxes + 1) << "the question, once";
        // The result, and the placement when the window closes.
        EXPECT_EQ(registry.commits(), commits + 1 + (ending.closesWindow ? 1 : 0));
        EXPECT_EQ(stored("Games Lost"), 1);
        EXPECT_EQ(stored("Games Won"), 0);
        EXPECT_EQ(window->isVisible(), !ending.closesWindow);
        if (ending.dealsNext) {
            EXPECT_TRUE(window->statusText(1).startsWith("Game started at "));
            EXPECT_EQ(window->game().table.cardsLeft, PackSize) << "the next deal is dealt";
            EXPECT_EQ(window->game().FreeRoomCount(), RoomCount);
        } else {
            EXPECT_TRUE(window->statusText(1).startsWith("Game finished at "));
            EXPECT_TRUE(ending.closesWindow || window->game().EmptyColumnCount() == ColumnCount)
                << "the table is cleared";
        }
        EXPECT_TRUE(messages.openedOnTop.isEmpty()) << messages.openedOnTop.join(", ").toStdString();
        messages.openedOnTop.clear();
    }
}

TEST_F(GameEndTest, AGameKeptAfterTheQuestionGoesOnAndIsWonOnce)
{
    for (const Ending& ending : Endings) {
        SCOPED_TRACE(ending.command);
        registry = MemoryRegistry();
        openAGameAboutToBeWon();
        const CardCode king = window->game().table.columns[0].card[0];
        const int commits = registry.commits();
        messages.answerNext(MessageAnswer::No);
        ending.choose(*window);
        EXPECT_EQ(window->game().table.columns[0].card[0], king) << "nothing moved under the question";
        EXPECT_TRUE(window->game().flags.gameInPlay);
        EXPECT_EQ(registry.commits(), commits + ending.writesAfterNo);

        QStringList dialogs;
        const auto closer = closeDialogs(dialogs);
        playOn();

        EXPECT_EQ(messages.shown().back().text, "Congratulations, you won!");
        EXPECT_TRUE(window->statusText(1).startsWith("Game won at "));
        EXPECT_EQ(registry.commits(), commits + ending.writesAfterNo + 1);
        EXPECT_EQ(stored("Games Won"), 1);
        EXPECT_EQ(stored("Games Lost"), 0);
        EXPECT_EQ(window->game().EmptyColumnCount(), ColumnCount);
        EXPECT_EQ(dialogs, QStringList{" Tavolin Statistics"});
        EXPECT_TRUE(messages.openedOnTop.isEmpty());
        window->hide();
    }
}

TEST_F(GameEndTest, NothingMovesWhileTheStatisticsAreOpen)
{
    openAGameAboutToBeWon();
    bool movedWhileOpen = true;
    QTimer::singleShot(0, [&] {
        QWidget* statistics = QApplication::activeModalWidget();
        ASSERT_NE(statistics, nullptr);
        for (int turn = 0; turn < LoopingMessageBoxes::Turns; ++turn)
            QApplication::processEvents();
        movedWhileOpen = !window->game().flags.gameInPlay || window->game().table.cardsLeft != 1;
        statistics->close();
    });
    window->GameStats1Click();
    EXPECT_FALSE(movedWhileOpen);

    // The game resumes once the dialog is closed, and the statistics dialog
    // that follows a win opens on its own. The next game starts afresh.
    QStringList dialogs;
    const auto closer = closeDialogs(dialogs);
    playOn();
    EXPECT_EQ(std::pair(window->settings().GamesWon, window->settings().GamesLost), std::pair(1, 0));
    EXPECT_EQ(dialogs, QStringList{" Tavolin Statistics"});
    EXPECT_TRUE(messages.openedOnTop.isEmpty());
    window->NewGame1Click();
    for (int turn = 0; turn < LoopingMessageBoxes::Turns; ++turn)
        QApplication::processEvents();
    EXPECT_TRUE(window->game().flags.gameInPlay);
    EXPECT_EQ(window->game().table.cardsLeft, 52);
    EXPECT_EQ(std::pair(window->settings().GamesWon, window->settings().GamesLost), std::pair(1, 0));
}

// The game recorded under the question, by quitting from inside it: the Yes
// that follows must not record it again.
// Nor is a new deal dealt over it.
TEST_F(GameEndTest, AGameEndedWhileTheQuestionIsOpenIsNotRecordedAgain)
{
    for (const Ending& ending : Endings) {
        if (ending.closesWindow)
            continue;
        SCOPED_TRACE(ending.command);
        registry = MemoryRegistry();
        openAGameAboutToBeWon();
        messages.answerNext(MessageAnswer::Yes);
        messages.answerNext(MessageAnswer::Yes);
        messages.whileOpen = [this] { window->close(); };
        ending.choose(*window);
        playOn();
        EXPECT_EQ(std::pair(window->settings().GamesWon, window->settings().GamesLost), std::pair(0, 1));
        EXPECT_FALSE(window->game().flags.gameInPlay);
    }
}

// Kings in the Rooms and only red cards on the Columns: nothing fits anywhere.
void leaveNoMove(Game& game)
{
    testing::TableBuilder(game)
        .room(0, "KH").room(1, "KD").room(2, "KS").room(3, "KC")
        .column(0, {"QH"}).column(1, {"QD"}).column(2, {"JH"}).column(3, {"JD"})
        .column(4, {"10H"}).column(5, {"10D"}).column(6, {"9H"}).column(7, {"9D"});
}

// Dealt at 10:30:00, ended 3 minutes 20 seconds later.
TEST_F(GameEndTest, EveryKindOfEndShowsTheStartTheEndAndThePlayingTime)
{
    const struct { const char* name; std::function<void()> end; const char* ended; } endings[] = {
        {"won", [] {}, "Game won at "},
        {"no move left", [this] { leaveNoMove(window->game()); askForAPass(); }, "Game finished at "},
        {"Finish game", [this] { messages.answerNext(MessageAnswer::Yes); window->FinishGame1Click(); },
         "Game finished at "},
        {"Exit", [this] { messages.answerNext(MessageAnswer::Yes); window->GameExitClick(); }, "Game finished at "},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        clock.setDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 30, 0)));
        openAGameAboutToBeWon();
        clock.advance(200'000);
        QStringList dialogs;
        const auto closer = closeDialogs(dialogs);
        ending.end();
        playOn();
        ASSERT_FALSE(window->game().flags.gameInPlay);
        EXPECT_TRUE(window->statusText(0).startsWith("Game started at 10:30:00")) << window->statusText(0).toStdString();
        const QString ended = window->statusText(1);
        EXPECT_TRUE(ended.startsWith(ending.ended + QStringLiteral("10:33:20")) && ended.endsWith(" hrs."))
            << ended.toStdString();
        EXPECT_EQ(window->statusText(2), "Playing Time: mins 03 : 20 secs");
    }
}

// The count shown follows the pass's own automatic move, not what was left before it.
TEST_F(GameEndTest, ThePassThatMovesACardShowsTheCardsLeftAfterIt)
{
    open();
    newGame();
    testing::TableBuilder(window->game()).column(0, {"KD", "AS"}).column(1, {"QS"}).autoMovesOn();
    askForAPass();
    QApplication::processEvents();
    EXPECT_EQ(window->statusText(0), " Number of Cards left:  51");
}

TEST_F(GameEndTest, ATableWithoutFreePlaceOrMoveIsLostAndShowsWhy)
{
    open();
    newGame();
    leaveNoMove(window->game());
    QStringList dialogs;
    const auto closer = closeDialogs(dialogs);
    askForAPass();
    playOn();

    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text, " No move left. Game finished.");
    EXPECT_TRUE(window->game().flags.ShowMoves);
    EXPECT_EQ(std::pair(window->settings().GamesWon, window->settings().GamesLost), std::pair(0, 1));
    EXPECT_EQ(dialogs, QStringList{" Tavolin Statistics"});
    EXPECT_EQ(window->game().FreeRoomCount(), RoomCount);
    EXPECT_TRUE(messages.openedOnTop.isEmpty());
}

// Real boxes, as the player gets them: Return gives each its default answer.
using ReturnKeyTest = testing::WindowFixture<QtMessageBoxes>;

// Return pressed three times after a game ends deletes nothing, also once
// Delete was used in the run: the Statistics dialog's default is OK, and the
// question a Delete asks defaults to No.
TEST_F(ReturnKeyTest, ReturnPressedThreeTimesAfterAGameEndsDeletesNothing)
{
    open();
    QStringList defaults;   // of each box or dialog Return was pressed in
    bool deleteUsed = false;
    QObject turns;
    // One click or key a turn. The next turn is due first: it comes inside
    // the box this one may open.
    std::function<void()> turn = [&] {
        QTimer::singleShot(0, &turns, turn);
        QWidget* open = QApplication::activeModalWidget();
        if (!open)
            return;
        if (auto* remove = open->findChild<QPushButton*>("BitBtn2"); remove && !std::exchange(deleteUsed, true))
            return QTest::mouseClick(remove, Qt::LeftButton);
        if (defaults.size() >= 3)
            return void(open->close());   // what a fault opens over and over
        for (const auto* button : open->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible())
                defaults << button->text();
        }
        QTest::keyClick(open->focusWidget() ? open->focusWidget() : open, Qt::Key_Return);
    };
    turn();
    window->GameStats1Click();
    EXPECT_EQ(std::exchange(defaults, {}), (QStringList{"&No", "OK"}));
    newGame();
    testing::TableBuilder(window->game())
        .pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC").column(0, {"KC"}).autoMovesOn();
    click(QPoint(layout().TableWidth + 10, layout().TopAreaHeight + 10));
    for (int turn = 0; turn < 1000 && window->game().flags.gameInPlay; ++turn)
        QApplication::processEvents();
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(defaults, (QStringList{"OK", "OK"}));
    EXPECT_EQ(stored("Games Won"), 1);
}

} // namespace
} // namespace tavolin
