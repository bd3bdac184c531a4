// What a screen reader finds on the real window: the table's places and
// cards, how they follow the game, the announcements and the named controls.
#include "game/support/table_builder.h"
#include "platform/qt_message_boxes.h"
#include "settings/preferences_dialog.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <set>

namespace tavolin {
namespace {

using testing::TableBuilder;

struct HeardEvent {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    QAccessibleInterface* source;
};

constexpr int PlaceCount = 16;

// Real message boxes: a reader reads them as they open.
class AccessibilityTest : public testing::WindowFixture<QtMessageBoxes> {
protected:
    // The window, with the test hearing what a screen reader would.
    void open()
    {
        WindowFixture::open();
        table()->listenInsteadOfReaders([this](QAccessibleEvent& event) {
            QAccessibleInterface* iface = event.accessibleInterface();
            heard.push_back({event.type(), iface->role(), iface->text(QAccessible::Name), iface});
        });
    }

    QAccessibleInterface* tableReader() const { return QAccessible::queryAccessibleInterface(table()); }
    QAccessibleInterface* place(int readingIndex) const { return tableReader()->child(readingIndex); }
    QAccessibleInterface* panel() const { return tableReader()->child(PlaceCount); }
    QStringList placeNames() const
    {
        QStringList names;
        for (int i = 0; i < PlaceCount; ++i)
            names << place(i)->text(QAccessible::Name);
        return names;
    }
    // The card of that name, wherever it lies, and its place.
    QAccessibleInterface* card(const QString& name) const
    {
        for (int i = 0; i < PlaceCount; ++i)
            for (int k = 0; k < place(i)->childCount(); ++k)
                if (place(i)->child(k)->text(QAccessible::Name) == name)
                    return place(i)->child(k);
        return nullptr;
    }
    // What the table said, in order: the notifications that appeared.
    QStringList said() const
    {
        QStringList words;
        for (const HeardEvent& event : heard)
            if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification)
                words << event.name;
        return words;
    }
    // What a reader presents, in order: the places that took the focus
    // ("focus: " and the name) and what was said.
    QStringList presented()
    {
        QStringList presented;
        for (const HeardEvent& event : heard) {
            if (event.type == QAccessible::Focus)
                presented << "focus: " + event.name;
            else if (event.type == QAccessible::ObjectShow)
                presented << event.name;
        }
        heard.clear();
        return presented;
    }
    void key(Qt::Key key)
    {
        QTest::keyClick(table(), key);
        settle();
    }
    int timesHeard(const QString& name) const
    {
        return int(std::count_if(heard.begin(), heard.end(), [&](const HeardEvent& event) {
            return event.type == QAccessible::NameChanged && event.name == name;
        }));
    }
    // The game's passes after an action, up to the last automatic move.
    void settle() { QTest::qWait(20); }

    std::vector<HeardEvent> heard;
};

// Every card of a deal is named once, as a child of the place it lies in,
// in the order it was dealt; each Column tells its count and top card. The
// keyboard cursor is the focus.
TEST_F(AccessibilityTest, ADealtTableReadsAsSixteenPlacesHoldingFiftyTwoNamedCards)
{
    open();
    newGame();
    ASSERT_GE(tableReader()->childCount(), PlaceCount);
    const QRegularExpression cardName(
        QStringLiteral("^(Ace|[2-9]|10|Jack|Queen|King) of (Hearts|Diamonds|Spades|Clubs)$"));
    std::set<QString> names;
    for (int i = 0; i < PlaceCount; ++i) {
        QAccessibleInterface* where = place(i);
        SCOPED_TRACE(where->text(QAccessible::Name).toStdString());
        EXPECT_EQ(where->role(), QAccessible::List);
        EXPECT_EQ(where->parent(), tableReader());
        EXPECT_EQ(tableReader()->indexOfChild(where), i);
        const bool isColumn = i >= 8;
        const ColumnRec* column = isColumn ? &window->game().table.columns[i - 8] : nullptr;
        EXPECT_EQ(where->childCount(), isColumn ? column->topPosition() + 1 : 0);
        for (int k = 0; k < where->childCount(); ++k) {
            QAccessibleInterface* card = where->child(k);
            const QString name = card->text(QAccessible::Name);
            EXPECT_TRUE(cardName.match(name).hasMatch()) << name.toStdString();
            EXPECT_EQ(name.toStdString(), cardText("%s of %s", column->card[k]));
            EXPECT_EQ(card->parent(), where);
            EXPECT_EQ(where->indexOfChild(card), k);
            EXPECT_EQ(card->state().selectable, k + 1 == where->childCount());
            EXPECT_EQ(card->text(QAccessible::Description) == "covered", k + 1 < where->childCount());
            names.insert(name);
        }
        if (isColumn) {
            EXPECT_EQ(where->text(QAccessible::Name),
                      QStringLiteral("Column %1, %2 cards, top %3")
                          .arg(i - 7)
                          .arg(where->childCount())
                          .arg(where->child(where->childCount() - 1)->text(QAccessible::Name)));
        }
    }
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(placeNames().mid(0, 8),
              QStringList({"Room 1, empty", "Room 2, empty", "Room 3, empty", "Room 4, empty",
                           "Pile 1, empty, for Hearts", "Pile 2, empty, for Diamonds", "Pile 3, empty, for Spades",
                           "Pile 4, empty, for Clubs"}));

    heard.clear();
    table()->setKeyboardCursor(Place{PlaceKind::Room, 2});
    table()->sayAnnouncements();
    EXPECT_EQ(tableReader()->focusChild(), place(2));
    EXPECT_TRUE(place(2)->state().focused);
    EXPECT_FALSE(place(3)->state().focused);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].type, QAccessible::Focus);
    EXPECT_EQ(heard[0].name, "Room 3, empty");
}

// A move, the automatic move it lets loose and the undo: the places' names,
// where each card lies, the held card and what is said, once each.
TEST_F(AccessibilityTest, ThePlacesFollowAMoveAnAutomaticMoveAndAnUndo)
{
    open();
    newGame();
    TableBuilder(window->game()).column(0, {"KH", "QS"}).column(1, {"AH", "JD"}).room(2, "9C");
    table()->FormPaint(PaintSender::Other);
    const QStringList laidOut = placeNames();
    EXPECT_EQ(laidOut.mid(0, 10),
              QStringList({"Room 1, empty", "Room 2, empty", "Room 3, 9 of Clubs", "Room 4, empty",
                           "Pile 1, empty, for Hearts", "Pile 2, empty, for Diamonds", "Pile 3, empty, for Spades",
                           "Pile 4, empty, for Clubs", "Column 1, 2 cards, top Queen of Spades",
                           "Column 2, 2 cards, top Jack of Diamonds"}));
    EXPECT_EQ(laidOut[10], "Column 3, empty");

    window->ShowBtn1Click();
    EXPECT_EQ(panel()->text(QAccessible::Name), "Automatic Move Detection");
    const QString panelText = panel()->text(QAccessible::Description);
    for (const char* part : {"Column to Column: 1", "Column to Column from Column 2", "Nice day, to-day.",
                             "Take your pick."})
        EXPECT_TRUE(panelText.contains(QLatin1String(part))) << part << " in " << panelText.toStdString();
    window->ShowBtn1Click();
    EXPECT_TRUE(panel()->state().invisible);

    click(columnTop(1));
    settle();
    EXPECT_TRUE(card("Jack of Diamonds")->state().selected);
    EXPECT_FALSE(card("Queen of Spades")->state().selected);
    heard.clear();
    click(columnTop(0));
    settle();
    const QString moved = "Jack of Diamonds moved from Column 2 to Column 1.";
    const QString wentUp = "Ace of Hearts went by itself from Column 2 to Pile 1.";
    struct Expected {
        int readingIndex;
        const char* afterMove;
    };
    for (const auto& [index, afterMove] : {Expected{4, "Pile 1, 1 card, top Ace of Hearts"},
                                           Expected{8, "Column 1, 3 cards, top Jack of Diamonds"},
                                           Expected{9, "Column 2, empty"}}) {
        EXPECT_EQ(place(index)->text(QAccessible::Name), afterMove);
        EXPECT_EQ(timesHeard(afterMove), 1) << afterMove;
    }
    EXPECT_EQ(card("Jack of Diamonds")->parent(), place(8));
    EXPECT_EQ(place(8)->indexOfChild(card("Jack of Diamonds")), 2);
    EXPECT_FALSE(card("Jack of Diamonds")->state().selected);
    EXPECT_EQ(card("Queen of Spades")->text(QAccessible::Description), "covered");
    // Said once, together, when the automatic moves are over: a reader
    // fetches the words only after the card's flight. They appear in a
    // status line of no window's, which a reader's command that reads the
    // window's status bar passes over.
    EXPECT_EQ(said(), QStringList{moved + " " + wentUp});
    QAccessibleInterface* line = heard.back().source->parent();
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    EXPECT_EQ(line->parent(), QAccessible::queryAccessibleInterface(qApp));

    window->MoveUndo1Click();
    settle();
    EXPECT_EQ(placeNames(), laidOut);
    EXPECT_EQ(card("Jack of Diamonds")->parent(), place(9));
    EXPECT_EQ(card("Ace of Hearts")->text(QAccessible::Description), "covered");
    EXPECT_EQ(said(), QStringList({moved + " " + wentUp,
                                   "Move undone. Ace of Hearts back to Column 2. Jack of Diamonds back to Column 2."}));
}

// Each key is heard once, in the order a reader presents it: the place the
// keyboard cursor came to, named once the table has settled, then what
// happened; a place the cursor stays on is named again when what it holds
// changed.
TEST_F(AccessibilityTest, EachKeyIsHeardOnceThePlaceFirst)
{
    open();
    newGame();
    TableBuilder(window->game()).column(0, {"KH", "QS"}).column(1, {"AH", "JD"}).column(2, {"5C"}).autoMovesOn();
    table()->FormPaint(PaintSender::Other);
    heard.clear();
    key(Qt::Key_2);
    EXPECT_EQ(presented(), QStringList({"focus: Column 2, 2 cards, top Jack of Diamonds", "Jack of Diamonds held."}));
    key(Qt::Key_3);
    EXPECT_EQ(presented(), QStringList({"focus: Column 3, 1 card, top 5 of Clubs",
                                        "Jack of Diamonds does not go to Column 3. Still held."}));
    key(Qt::Key_H);
    EXPECT_EQ(presented(),
              QStringList({"focus: Pile 1, empty, for Hearts", "No Pile takes Jack of Diamonds. Still held."}));
    key(Qt::Key_1);
    EXPECT_EQ(presented(), QStringList({"focus: Column 1, 3 cards, top Jack of Diamonds",
                                        "Jack of Diamonds moved from Column 2 to Column 1. Ace of Hearts went by "
                                        "itself from Column 2 to Pile 1."}));
    window->MoveUndo1Click();
    settle();
    EXPECT_EQ(presented(), QStringList({"Move undone. Ace of Hearts back to Column 2. Jack of Diamonds back to "
                                        "Column 2. Column 1, 2 cards, top Queen of Spades."}));
    key(Qt::Key_R);
    key(Qt::Key_U);
    EXPECT_EQ(presented(), QStringList({"Column 1 from the top: Queen of Spades, on King of Hearts.",
                                        "Column 1 from the bottom: King of Hearts, under Queen of Spades."}));
    key(Qt::Key_1);
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    EXPECT_EQ(presented(), QStringList({"Queen of Spades held.", "Queen of Spades put back.", "No card held."}));
    window->MoveHintClick();
    for (int wait = 0; wait < 200 && said().isEmpty(); ++wait)
        QTest::qWait(10);
    const QStringList hint = presented();
    ASSERT_EQ(hint.size(), 1);
    EXPECT_TRUE(hint[0].startsWith("Hint: ")) << hint[0].toStdString();
    EXPECT_TRUE(hint[0].startsWith(window->statusText(0))) << hint[0].toStdString();

    // A box closed: the keys come back to the table, and with them the place.
    QTimer::singleShot(0, [this] {
        settle();
        EXPECT_EQ(presented(), QStringList()) << "under the box";
        QApplication::activeModalWidget()->close();
    });
    window->GameStats1Click();
    window->activateWindow();   // as a window manager does; the offscreen screen leaves it to the program
    for (int wait = 0; wait < 100 && heard.empty(); ++wait)
        QTest::qWait(10);
    EXPECT_EQ(presented(), QStringList({"focus: Column 1, 2 cards, top Queen of Spades"}));

    // Said while a button has the keys, the place waits for the table to
    // have them again, and is read then only.
    key(Qt::Key_2);
    key(Qt::Key_1);
    window->findChild<QWidget*>("UndoBtn1")->setFocus();
    heard.clear();
    window->MoveUndo1Click();
    settle();
    table()->setFocus();
    settle();
    EXPECT_EQ(presented(), QStringList({"Move undone. Ace of Hearts back to Column 2. Jack of Diamonds back to "
                                        "Column 2.",
                                        "focus: Column 1, 2 cards, top Queen of Spades"}));

    // A reader reads the place when it comes to the focus event, as it is
    // then: a change before that is not told besides.
    QStringList unread;
    table()->listenInsteadOfReaders([&unread](QAccessibleEvent& event) {
        if (event.type() == QAccessible::ObjectShow)
            unread << event.accessibleInterface()->text(QAccessible::Name);
    });
    key(Qt::Key_2);
    key(Qt::Key_1);
    window->MoveUndo1Click();
    settle();
    EXPECT_EQ(unread.last(), "Move undone. Ace of Hearts back to Column 2. Jack of Diamonds back to Column 2.");
}

// The move that ends a game is read with the box that says so, before its
// text, and not said on its own: a reader stops speaking as the window loses
// the keys to the box.
TEST_F(AccessibilityTest, TheMoveThatEndsAGameIsReadWithItsBox)
{
    open();
    newGame();
    TableBuilder(window->game()).pileUpTo("KH").pileUpTo("KD").pileUpTo("KS").pileUpTo("QC").column(0, {"KC"});
    table()->FormPaint(PaintSender::Other);
    table()->sayAnnouncements();
    heard.clear();
    key(Qt::Key_1);
    QStringList opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        QWidget* top = QApplication::activeModalWidget();
        if (!top)
            return;
        opened << top->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(top))
            for (QLabel* label : box->findChildren<QLabel*>())
                if (label->text() == box->text())
                    opened << QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        top->close();
    });
    closer.start(0);
    key(Qt::Key_H);
    for (int wait = 0; wait < 100 && opened.size() < 3; ++wait)
        QTest::qWait(10);
    EXPECT_EQ(opened, QStringList({" Game Result", "King of Clubs moved from Column 1 to Pile 4. Congratulations, you won!",
                                   " Tavolin Statistics"}));
    EXPECT_EQ(said(), QStringList{"King of Clubs held."});
}

// Controls whose caption is a picture, a digit or nothing carry a name.
TEST_F(AccessibilityTest, ControlsWithoutAReadableCaptionHaveNames)
{
    open();
    auto nameOf = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    auto* leaf = window->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    EXPECT_EQ(nameOf(leaf), "Finish game");
    EXPECT_FALSE(leaf->toolTip().isEmpty());
    // A reader speaks a menu command's shortcut when it comes as the last of
    // three parts of its key binding.
    QAccessibleInterface* newGame = QAccessible::queryAccessibleInterface(action("NewGame1"));
    EXPECT_EQ(newGame->text(QAccessible::Name), "New game");
    EXPECT_EQ(newGame->parent()->object(), window->findChild<QMenu*>(QStringLiteral("GameMenu1")));
    EXPECT_EQ(newGame->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList({"", "", "Ctrl+N"}));

    window->Pref1DlgClick();
    auto* preferences = window->findChild<TPrefDlg1*>();
    ASSERT_NE(preferences, nullptr);
    const char* suits[] = {"Hearts", "Diamonds", "Spades", "Clubs"};
    for (int k = 1; k <= 4; ++k) {
        auto* button = preferences->findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(k));
        EXPECT_EQ(nameOf(button), suits[k - 1]);
        EXPECT_EQ(button->text(), QString::number(k));
    }
    for (const char* control : {"TrackBar1", "Edit1", "GroupBox1", "GroupBox2", "GroupBox3"}) {
        SCOPED_TRACE(control);
        EXPECT_FALSE(nameOf(preferences->findChild<QWidget*>(QString::fromLatin1(control))).trimmed().isEmpty());
    }
}

} // namespace
} // namespace tavolin
