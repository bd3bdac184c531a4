// Playing with the keys: a dealt game won by keys alone, each key against
// the click it stands for, the keyboard cursor and its frame, the
// shortcuts, and the keys that must do nothing.
#include "game/support/table_builder.h"
#include "input/key_clock.h"
#include "input/key_map.h"
#include "window_fixture.h"

#include <QKeyEvent>
#include <QTimer>

#include <functional>
#include <set>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace tavolin {
namespace {

using testing::TableBuilder;
using testing::cardName;

// Answers the empty-Column question as the test says, every other box Ok,
// and keeps what each box said.
class AnsweringBoxes final : public MessageBoxes {
public:
    MessageAnswer moreThanOneCard = MessageAnswer::Yes;
    QStringList told;
    MessageAnswer show(QWidget*, const QString& caption, const QString& text, MessageIcon,
                       MessageButtons buttons) override
    {
        told << caption + ": " + text;
        return buttons == MessageButtons::YesNo ? moreThanOneCard : MessageAnswer::Ok;
    }
};

// The table in one line: Rooms, Piles' top cards, each Column from the
// bottom up; a star marks the held card.
std::string describe(const Game& game)
{
    auto card = [](CardCode code, DrawMode mode) { return cardName(code) + (mode == DrawMode::Selected ? "*" : ""); };
    auto placesText = [&](const auto& places) {
        std::string text;
        for (const SlotRec& slot : places)
            text += " " + (slot.occupied ? card(slot.card, slot.mode) : "-");
        return text;
    };
    std::string text = "rooms" + placesText(game.table.rooms) + " | piles" + placesText(game.table.piles);
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = game.table.columns[c];
        text += " | " + std::to_string(c + 1) + ":";
        for (int p = 0; p <= rec.topPosition(); ++p)
            text += (p ? "," : "") + card(rec.card[p], rec.mode[p]);
    }
    return text;
}

// A line's words: "1".."8" the Columns, "a".."d" the Rooms, "h" the Piles.
std::vector<std::string> wordsOf(const std::string& line)
{
    std::vector<std::string> words;
    for (const auto word : std::views::split(line, ' '))
        words.emplace_back(word.begin(), word.end());
    return words;
}

Qt::Key keyNamed(const std::string& word)
{
    const auto at = std::string_view("12345678abcdh").find(word);
    EXPECT_TRUE(word == "esc" || (word.size() == 1 && at != std::string_view::npos)) << word;
    if (at < ColumnCount)
        return keys::ColumnKeys[at];
    return at < ColumnCount + RoomCount ? keys::RoomKeys[at - ColumnCount] : word == "h" ? keys::PileKey : keys::PutBack;
}

// Where a click on the named place lands: the middle of its card, of a
// Column's top card, or of an empty Column's first place. "h" is the Pile
// that takes the held card, or the first Pile when none does.
QPoint clickPointOf(const TForm1& window, const std::string& word)
{
    const Game& game = window.game();
    const TableLayout& layout = window.tableLayout();
    auto middle = [&](int x, int y) { return QPoint(x + layout.CardWidth / 2, y + layout.CardHeight / 2); };
    if (word >= "1" && word <= "8") {
        const ColumnRec& rec = game.table.columns[word[0] - '1'];
        const int top = std::max(0, rec.topPosition());
        return middle(rec.x[top], rec.y[top]);
    }
    if (word >= "a" && word <= "d")
        return middle(game.table.rooms[word[0] - 'a'].x, game.table.rooms[word[0] - 'a'].y);
    int pile = 0;
    while (pile < PileCount - 1 && !game.PileAccepts(pile, game.selection.card))
        ++pile;
    return middle(game.table.piles[pile].x, game.table.piles[pile].y);
}

// A second copy of the program, on doubles of its own, played by the pointer.
struct ClickedCopy {
    MemoryRegistry registry;
    AnsweringBoxes messages;
    ManualClock clock;
    FakeEnvironment environment{QSize(1280, 1024)};
    FakeCardLibrary cards;
    Platform platform{registry, messages, clock, environment, cards};
    std::unique_ptr<TForm1> window;
};

class KeyboardPlayTest : public testing::WindowFixture<AnsweringBoxes> {
protected:
    ClickedCopy copy;

    Game& game() { return window->game(); }

    static void showTransfers(MemoryRegistry& store)
    {
        store.set(testing::StoreKey, "TimeDisplay", 0);
        store.set(testing::StoreKey, "TransferInfo", 1);
    }
    // The window played by keys and, when asked, a copy played by clicks.
    void openWindows(bool withCopy)
    {
        showTransfers(registry);
        open();
        if (!withCopy)
            return;
        showTransfers(copy.registry);
        copy.window = std::make_unique<TForm1>(copy.platform);
        copy.window->show();
        QApplication::processEvents();
    }
    // Both deal the game of the same second.
    void dealBoth(std::int64_t second)
    {
        for (ManualClock* each : {&clock, &copy.clock})
            each->setDateTime(QDateTime::fromSecsSinceEpoch(second, Qt::UTC));
        window->NewGame1Click();
        if (copy.window)
            copy.window->NewGame1Click();
        settle();
    }
    void layOutBoth(const std::function<void(TableBuilder)>& layOut)
    {
        for (TForm1* each : {window.get(), copy.window.get()}) {
            if (!each)
                continue;
            layOut(TableBuilder(each->game()));
            each->game().table.markAllColumnsDirty();
            static_cast<TableView*>(each->centralWidget())->FormPaint(PaintSender::Other);
        }
    }
    // The passes a change asked for, each automatic move one of them.
    static void settle()
    {
        for (int pass = 0; pass < 40; ++pass)
            QApplication::processEvents();
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(table(), key, modifiers);
        settle();
    }
    void click(const std::string& word)
    {
        QTest::mouseClick(copy.window->centralWidget(), Qt::LeftButton, {}, clickPointOf(*copy.window, word));
        settle();
    }
    // The words as keys in the window, as clicks in the copy, then the
    // same table, status texts, Undo and boxes in both.
    void keysAndClicks(const std::string& keyLine, const std::string& clickLine, MessageAnswer moreThanOneCard)
    {
        messages.moreThanOneCard = copy.messages.moreThanOneCard = moreThanOneCard;
        const auto keyWords = wordsOf(keyLine);
        const auto clickWords = wordsOf(clickLine);
        for (std::size_t i = 0; i < std::max(keyWords.size(), clickWords.size()); ++i) {
            if (i < keyWords.size())
                key(keyNamed(keyWords[i]));
            if (i < clickWords.size())
                click(clickWords[i]);
            SCOPED_TRACE("after word " + std::to_string(i + 1));
            expectSameAsCopy();
        }
    }
    void expectSameAsCopy()
    {
        const TForm1& other = *copy.window;
        EXPECT_EQ(describe(game()), describe(other.game()));
        for (int panel = 0; panel < 3; ++panel)
            EXPECT_EQ(window->statusText(panel), other.statusText(panel)) << "panel " << panel;
        EXPECT_EQ(game().flags.undoEnabled, other.game().flags.undoEnabled);
        EXPECT_EQ(messages.told, copy.messages.told);
    }
    void sendKey(Qt::Key key, bool autoRepeat, std::uint64_t stamp = 0)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        press.setTimestamp(stamp);
        QApplication::sendEvent(table(), &press);
        settle();
    }
};

// The winning line of the deal of 7 December 2026, 10:30 UTC, as the solver
// found it: "from to", and "from to 1" for one card of several onto an
// empty Column. Each key is checked against the click it stands for.
TEST_F(KeyboardPlayTest, KeysAloneWinADealtGameAsClicksDo)
{
    const char* const line[] = {
        "6 a", "2 b", "2 c", "4 d", "8 6", "b 8", "4 b", "a 4", "8 5", "d 8", "4 a", "4 d", "4 8", "7 8", "7 3",
        "c 3", "4 3", "4 c", "6 3", "a 4", "3 6", "2 a", "2 1", "c 1", "2 c", "8 h", "c h", "1 h", "4 c", "8 h",
        "8 6", "1 8", "5 1", "d 5", "c 5", "3 2", "3 h", "5 4", "5 h", "7 h", "5 7", "2 h", "5 h", "6 h", "b 6",
        "3 b", "3 h", "1 4", "1 h", "4 1", "8 1", "8 c", "1 d", "1 h", "7 5", "7 8", "3 c", "6 b", "2 h", "1 h",
        "4 h", "8 h", "1 c", "1 h"};
    openWindows(true);
    dealBoth(1796639400);
    ASSERT_EQ(describe(game()), describe(copy.window->game()));
    QTimer closer;   // the statistics after the win
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(0);
    for (const std::string transfer : line) {
        SCOPED_TRACE(transfer);
        const std::string moves = transfer.substr(0, 3);
        keysAndClicks(moves, moves, transfer.size() > 3 ? MessageAnswer::No : MessageAnswer::Yes);
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_FALSE(game().flags.gameInPlay);
    EXPECT_EQ(window->runTotals().runWon, 1);
    EXPECT_EQ(copy.window->runTotals().runWon, 1);
    EXPECT_TRUE(messages.told.contains(" Game Result: Congratulations, you won!"));
}

// Column 1 ends in a Deck of two; Column 4's Deck of four is one more than
// the capacity; Column 8 is empty and Room d free.
void position(TableBuilder table)
{
    table.pileUpTo("2H").room(0, "QC").room(1, "KC").room(2, "KS")
        .column(0, {"KH", "9C", "8H"}).column(1, {"10D"}).column(2, {"AS", "3H"}).column(3, {"5C", "AD"})
        .column(4, {"QS", "10C", "9D", "8S", "7H"}).column(5, {"JH"}).column(6, {"4S"});
}

TEST_F(KeyboardPlayTest, EachKeyDoesWhatTheClickItStandsForDoes)
{
    const struct {
        const char* keys;
        const char* clicks;
        MessageAnswer moreThanOneCard = MessageAnswer::Yes;
    } cases[] = {
        {"1", "1"},               // picked up and held
        {"1 1", "1 1"},           // put back: Undo is gone
        {"1 esc", "1 1"},         // Escape puts back as the second click does
        {"1 2", "1 2"},           // a Deck of two onto a Column
        {"1 3", "1 3"},           // onto a card it does not fit
        {"1 d", "1 d"},           // into a free Room
        {"1 a", "1 a"},           // onto an occupied Room
        {"4 d", "4 d"},           // an Ace stays held over a Room
        {"4 h", "4 h"},           // the Ace to its empty Pile
        {"3 h", "3 h"},           // onto the Pile of its suit
        {"2 h", "2 h"},           // no Pile takes it: still held
        {"a 8", "a 8"},           // a Room's card to an empty Column
        {"d 7 8", "d 7 8"},       // an empty Room gives nothing
        {"5 6", "5 6"},           // longer than the capacity: the message
        {"1 8", "1 8"},           // the empty-Column question, Yes
        {"1 8", "1 8", MessageAnswer::No},
    };
    openWindows(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "keys " << c.keys << ", clicks " << c.clicks);
        dealBoth(1796639400);
        layOutBoth(position);
        messages.told.clear();
        copy.messages.told.clear();
        keysAndClicks(c.keys, c.clicks, c.moreThanOneCard);
        game().flags.gameOpen = game().flags.gameInPlay = false;
        copy.window->game().flags.gameOpen = copy.window->game().flags.gameInPlay = false;
    }
}

TEST_F(KeyboardPlayTest, KeysDoNothingWithNoGameUnderABoxDuringAFlightOrHeldDown)
{
    openWindows(false);
    key(Qt::Key_1);
    key(Qt::Key_Right);
    EXPECT_TRUE(game().selection.isEmpty() && !table()->keyboardCursor()) << "no game";

    dealBoth(1796639400);
    layOutBoth([](TableBuilder table) {
        table.pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("2C").column(0, {"KS", "3H"})
            .column(1, {"QS", "JH"});
    });
    const std::string before = describe(game());
    QTimer::singleShot(0, [&] {
        key(Qt::Key_2);
        key(Qt::Key_Right);
        QApplication::activeModalWidget()->close();
    });
    window->GameStats1Click();
    EXPECT_EQ(describe(game()), before) << "under a box";
    EXPECT_FALSE(table()->keyboardCursor()) << "under a box";

    sendKey(Qt::Key_2, true);
    EXPECT_EQ(describe(game()), before) << "held down";
    sendKey(Qt::Key_2, false);
    EXPECT_EQ(cardName(game().selection.card), "JH");

    // The drop lets the Three of Hearts fly to its Pile after the first transfer.
    int keysDuringFlight = 0;
    clock.onSleep = [&](int) {
        if (keysDuringFlight++ == 0)
            QTest::keyClick(table(), Qt::Key_2);
    };
    const std::uint32_t typedBefore = keyClockNow();
    key(Qt::Key_D);
    clock.onSleep = nullptr;
    ASSERT_GT(keysDuringFlight, 0);
    ASSERT_EQ(cardName(game().table.piles[0].card), "3H");
    const std::string afterFlight = describe(game());
    EXPECT_EQ(afterFlight.find('*'), std::string::npos) << "a key while the card flew";
    sendKey(Qt::Key_2, false, typedBefore);
    EXPECT_EQ(describe(game()), afterFlight) << "a key typed during the flight";
    qt_sendShortcutOverrideEvent(table(), typedBefore, Qt::Key_Z, Qt::ControlModifier, QString(), false, 1);
    settle();
    EXPECT_EQ(describe(game()), afterFlight) << "Undo typed during the flight";
    sendKey(Qt::Key_2, false, keyClockNow() + 1);
    EXPECT_EQ(cardName(game().selection.card), "QS") << "a key typed after the flight";
}

// The cursor starts hidden on Column 1; a key shows it, the arrows move
// it between the rows (the Rooms, then the Piles, over the Columns of the
// same number), a place's key moves it there; a click hides it.
TEST_F(KeyboardPlayTest, TheCursorFollowsTheKeysAndHidesAtAClick)
{
    using enum PlaceKind;
    openWindows(false);
    dealBoth(1796639400);
    const struct {
        Qt::Key key;
        Place place;
    } steps[] = {
        {Qt::Key_Down, {Column, 0}}, {Qt::Key_Left, {Column, 0}}, {Qt::Key_Right, {Column, 1}},
        {Qt::Key_Up, {Room, 1}},     {Qt::Key_Right, {Room, 2}},  {Qt::Key_Right, {Room, 3}},
        {Qt::Key_Right, {Pile, 0}},  {Qt::Key_Down, {Column, 4}}, {Qt::Key_End, {Column, 4}},
        {Qt::Key_H, {Pile, 0}},      {Qt::Key_Right, {Pile, 1}},  {Qt::Key_Right, {Pile, 2}},
        {Qt::Key_Right, {Pile, 3}},  {Qt::Key_Right, {Pile, 3}},  {Qt::Key_Down, {Column, 7}},
        {Qt::Key_C, {Room, 2}},      {Qt::Key_6, {Column, 5}},
    };
    EXPECT_FALSE(table()->keyboardCursor());
    for (const auto& step : steps) {
        SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
        key(step.key);
        ASSERT_TRUE(table()->keyboardCursor());
        EXPECT_EQ(*table()->keyboardCursor(), step.place);
    }
    // The 6 picked Column 6's card up; Space on the cursor puts it back.
    EXPECT_FALSE(game().selection.isEmpty());
    key(Qt::Key_Space);
    EXPECT_TRUE(game().selection.isEmpty());
    QTest::mouseClick(table(), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_FALSE(table()->keyboardCursor());
    key(Qt::Key_Left);
    EXPECT_EQ(table()->keyboardCursor(), (Place{Column, 5})) << "shown again where it was";
}

// The frame lies round its place on the window, outside every card: with
// it shown, no pixel of any card place changes, and some pixels do.
TEST_F(KeyboardPlayTest, TheCursorFrameHasFourSidesAndNeverCoversAnIndex)
{
    using enum PlaceKind;
    for (const int smallCards : {1, 0}) {
        registry.set(testing::StoreKey, "OrigCardSize", smallCards);
        openWindows(false);
        dealBoth(1796639400);
        layOutBoth([](TableBuilder table) {
            table.pileUpTo("2H").room(1, "KS").room(2, "QS").column(0, {"KH", "QS", "JD"}).column(1, {"9C"});
        });
        window->resize(1200, 900);
        settle();
        const QImage without = table()->grab().toImage();
        QRegion cells;
        const TableLayout& layout = window->tableLayout();
        auto cell = [&](int x, int y) { return QRect(x, y, layout.CardWidth, layout.CardHeight); };
        for (const SlotRec& slot : game().table.rooms)
            cells += cell(slot.x, slot.y);
        for (const SlotRec& slot : game().table.piles)
            cells += cell(slot.x, slot.y);
        for (const ColumnRec& rec : game().table.columns)
            if (const int top = rec.topPosition(); top >= 0)
                cells += cell(rec.x[0], rec.y[0]) | cell(rec.x[top], rec.y[top]);
        for (const Place place : {Place{Room, 1}, Place{Pile, 0}, Place{Column, 0}, Place{Column, 4}}) {
            SCOPED_TRACE(::testing::Message() << "small cards " << smallCards << ", place " << int(place.kind) << " "
                                              << place.index);
            table()->setKeyboardCursor(place);
            const QImage with = table()->grab().toImage();
            // Rooms and Piles touch: their frame's sides lie on their own
            // card's outer edge, two pixels wide, away from its index.
            QRegion sides;
            if (place.kind != Column) {
                const SlotRec& slot = place.kind == Room ? game().table.rooms[place.index]
                                                         : game().table.piles[place.index];
                const QRect own = cell(slot.x, slot.y);
                sides = QRegion(own.x(), own.y(), 2, own.height()) + QRegion(own.right() - 1, own.y(), 2, own.height());
            }
            int changed = 0, overCards = 0, onSides = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y)) {
                        ++changed;
                        onSides += sides.contains(QPoint(x, y));
                        overCards += cells.contains(QPoint(x, y)) && !sides.contains(QPoint(x, y));
                    }
            EXPECT_GT(changed, 2 * layout.CardWidth);
            EXPECT_EQ(overCards, 0);
            EXPECT_EQ(onSides, place.kind == Column ? 0 : 4 * layout.CardHeight) << "four sides";
            table()->clearFocus();
            EXPECT_EQ(table()->grab().toImage(), without) << "the keys gone elsewhere";
            table()->setFocus();
            table()->setKeyboardCursor(std::nullopt);
            EXPECT_EQ(table()->grab().toImage(), without) << "hidden again";
        }
        // A Column whose top card goes to its Pile by itself takes its frame
        // up with it, on the window as the window system shows it.
        layOutBoth([](TableBuilder table) {
            table.pileUpTo("2H").pileUpTo("2D").pileUpTo("2S").pileUpTo("2C").column(0, {"KH", "QS", "3D"})
                .autoMovesOn();
        });
        const ColumnRec& first = game().table.columns[0];
        const QPoint oldBottom(first.x[2] + layout.CardWidth / 2, first.y[2] + layout.CardHeight + 2);
        table()->setKeyboardCursor(Place{Column, 0});
        key(Qt::Key_Escape);   // nothing held: only the game's pass
        ASSERT_EQ(first.topPosition(), 1);
        const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
        auto shownAt = [&](QPoint inTable) { return screen.pixelColor(table()->mapTo(window.get(), inTable)); };
        EXPECT_EQ(shownAt(oldBottom), shownAt(oldBottom + QPoint(0, 4))) << "no frame left below the card gone";
        EXPECT_NE(shownAt(oldBottom - QPoint(0, layout.ColumnStep)), shownAt(oldBottom + QPoint(0, 4)));

        // A game over, its table cleared: the frame stands where a deal puts
        // the Column, not in the table's corner.
        game().ResetTable();
        table()->setKeyboardCursor(Place{Column, 5});
        const QImage framed = table()->grab().toImage();
        table()->setKeyboardCursor(std::nullopt);
        const QImage bare = table()->grab().toImage();
        QRect changed;
        for (int y = 0; y < framed.height(); ++y)
            for (int x = 0; x < framed.width(); ++x)
                if (framed.pixel(x, y) != bare.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        EXPECT_NEAR(changed.center().x(), game().geometry.columnX(5) + layout.CardWidth / 2, 2);
    }
}

TEST_F(KeyboardPlayTest, ShortcutsStandBesideTheCaptionsAndNoKeyIsBoundTwice)
{
    openWindows(false);
    const struct {
        const char* action;
        const char* caption;
        QKeyCombination shortcut;
    } commands[] = {{"NewGame1", "&New game", keys::NewGame},
                    {"MoveUndo1", "&Undo Move", keys::UndoMove},
                    {"GameExit1", "E&xit", keys::Exit},
                    {"HowToPlay1", "&How to Play", keys::HowToPlay}};
    std::set<int> bound;
    for (const QKeyCombination binding : keys::everyBinding())
        EXPECT_TRUE(bound.insert(binding.toCombined()).second) << QKeySequence(binding).toString().toStdString();
    for (const auto& command : commands) {
        EXPECT_EQ(action(command.action)->text(), command.caption);
        EXPECT_EQ(action(command.action)->shortcut(), QKeySequence(command.shortcut));
    }
    std::set<QString> windowShortcuts;
    for (const QAction* each : window->findChildren<QAction*>()) {
        const bool first = each->shortcut().isEmpty() || windowShortcuts.insert(each->shortcut().toString()).second;
        EXPECT_TRUE(first) << each->objectName().toStdString();
    }

    EXPECT_TRUE(table()->hasFocus());
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(game().flags.gameInPlay) << "Ctrl+N deals";
    layOutBoth([](TableBuilder table) { table.column(0, {"KS", "QH"}).column(1, {"KC"}); });
    const std::string before = describe(game());
    key(Qt::Key_1);
    key(Qt::Key_2);
    const std::string after = describe(game());
    ASSERT_NE(after, before);
    qt_sendShortcutOverrideEvent(table(), 0, Qt::Key_Z, Qt::ControlModifier, QString(), true, 1);
    settle();
    EXPECT_EQ(describe(game()), after) << "a held-down Ctrl+Z";
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(describe(game()), before) << "Ctrl+Z undoes";

    QTest::keyClick(table(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QPushButton*>("BitBtn1")) << "Tab to the buttons";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(table()->hasFocus()) << "and back";
}

} // namespace
} // namespace tavolin
