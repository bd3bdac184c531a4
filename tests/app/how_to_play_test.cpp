// The How to Play window: one window, opened, brought forward and closed by
// keys and clicks, keeping its keys; its keys section; F1 under a box.
#include "dialogs/how_to_play.h"
#include "input/key_map.h"
#include "window_fixture.h"

#include <QTextBrowser>
#include <QTextTable>
#include <QTimer>

#include <functional>
#include <set>
#include <string>

namespace tavolin {
namespace {

class HowToPlayTest : public testing::WindowFixture<> {
protected:
    QList<HowToPlay*> helpWindows() const { return window->findChildren<HowToPlay*>(); }

    static bool comesActive(QWidget* widget)
    {
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == widget; });
    }
    void activateMain() { window->activateWindow(); ASSERT_TRUE(comesActive(window.get())); }
};

TEST_F(HowToPlayTest, OneWindowComesForwardClosesAndKeepsItsKeys)
{
    open();
    newGame();
    const struct {
        const char* way;
        std::function<void()> open;
        std::function<void(HowToPlay&)> close;
    } ways[] = {
        {"F1, Escape", [&] { QTest::keyClick(table(), Qt::Key_F1); },
         [](HowToPlay&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        {"menu, button", [&] { action("HowToPlay1")->trigger(); },
         [](HowToPlay& help) { QTest::mouseClick(help.CloseBtn, Qt::LeftButton); }},
    };
    for (const auto& each : ways) {
        SCOPED_TRACE(each.way);
        activateMain();
        each.open();
        ASSERT_EQ(helpWindows().size(), 1);
        HowToPlay* help = helpWindows().front();
        ASSERT_TRUE(help->isVisible());
        ASSERT_TRUE(comesActive(help));
        EXPECT_TRUE(help->Text->hasFocus());
        // The table's keys, and a shortcut that asks, typed into the window.
        for (const QKeyCombination typed : {QKeyCombination(keys::ColumnKeys[0]), keys::RestartDeal})
            QTest::keyClick(QApplication::focusWidget(), typed.key(), typed.keyboardModifiers());
        EXPECT_TRUE(window->game().selection.isEmpty());
        EXPECT_TRUE(messages.shown().empty());

        activateMain();
        each.open();
        EXPECT_EQ(helpWindows(), QList<HowToPlay*>{help});
        EXPECT_TRUE(comesActive(help)) << "brought forward";
        each.close(*help);
        EXPECT_FALSE(help->isVisible());
    }
}

TEST_F(HowToPlayTest, TheKeysSectionListsEveryBoundKeyOnce)
{
    open();
    window->HowToPlay1Click();
    std::multiset<std::string> bound;
    for (const QKeyCombination key : keys::everyBinding())
        bound.insert(QKeySequence(key).toString(QKeySequence::NativeText).toStdString());
    std::multiset<std::string> listed;   // the key names in the first column of the section's tables
    for (QTextFrame* frame : helpWindows().front()->Text->document()->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        for (int row = 0; table && row < table->rows(); ++row) {
            QTextCursor cell = table->cellAt(row, 0).firstCursorPosition();
            cell.setPosition(table->cellAt(row, 0).lastCursorPosition().position(), QTextCursor::KeepAnchor);
            for (const QString& name : cell.selectedText().split(QStringLiteral(", ")))
                listed.insert(name.toStdString());
        }
    }
    EXPECT_EQ(listed, bound);
    EXPECT_TRUE(helpWindows().front()->Text->toPlainText().contains(QStringLiteral("Move → Undo Move")));
}

// A modal box runs its own event loop; F1 typed meanwhile, to the box or to
// the table behind it, must not open a window the box would block.
TEST_F(HowToPlayTest, F1UnderAModalBoxOpensNothing)
{
    open();
    newGame();
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        QTest::keyClick(box, Qt::Key_F1);
        QTest::keyClick(table(), Qt::Key_F1);
        box->close();
    });
    window->GameStats1Click();
    EXPECT_TRUE(helpWindows().isEmpty() || !helpWindows().front()->isVisible());
    EXPECT_TRUE(window->game().flags.gameInPlay);
    activateMain();
    QTest::keyClick(table(), Qt::Key_F1);
    ASSERT_EQ(helpWindows().size(), 1);
    EXPECT_TRUE(helpWindows().front()->isVisible()) << "F1 once the box is closed";
}

} // namespace
} // namespace tavolin
