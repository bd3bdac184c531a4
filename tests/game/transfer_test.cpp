#include "game_fixture.h"

namespace tavolin::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr int Room0 = -1, Room1 = -2;

class TransferTest : public GameTest {
protected:
    void SetUp() override { game.options.TransferInfo = true; }
    // Columns 2..6 hold one card each, out of the way.
    TableBuilder fillers()
    {
        TableBuilder builder = table();
        builder.column(2, {"2C"}).column(3, {"3C"}).column(4, {"4C"}).column(5, {"5C"}).column(6, {"2S"});
        return builder;
    }
};

// Which drops a card or Deck may make, what each reports, and whether automatic
// moves resume: every transfer resumes them but one between Rooms or to an empty Column.
TEST_F(TransferTest, EachDropTakesWhatTheRulesAllowAndSaysSo)
{
    const struct { const char* name; int origin; char place; int at; const char* status; bool suspended; } cases[] = {
        {"an Ace into a Room", 2, 'R', 2, nullptr, true},
        {"an Ace onto another suit's Pile", 2, 'P', 0, nullptr, true},
        {"an Ace onto its Pile", 2, 'P', 2, "Deck -> Pile:  Ace of Spades", false},
        {"a Room card into its own Room", Room0, 'R', 0, nullptr, true},
        {"a card into an occupied Room", 3, 'R', 1, nullptr, true},
        {"a Room card into a free Room", Room0, 'R', 2, "Room -> free Room:  2 of Hearts", true},
        {"a Column card into a free Room", 3, 'R', 3, "Deck -> free Room:  6 of Clubs", false},
        {"a Room card onto a Column it does not fit", Room1, 'C', 1, nullptr, true},
        {"a Room card onto another suit's Pile", Room1, 'P', 3, nullptr, true},
        {"a Room card onto a Column", Room1, 'C', 0, "Room -> Column:  7 of Clubs", false},
        {"a Room card onto its Pile", Room0, 'P', 0, "Room -> Pile: 2 of Hearts", false},
        {"a Deck onto a Column", 4, 'C', 5, "Deck -> Column:  2 cards", false},
        {"a card into an empty Column", 3, 'E', 6, "Deck -> Column:  6 of Clubs", true},
        {"a Room card into an empty Column", Room0, 'E', 6, "Room -> Column:  2 of Hearts", true},
    };
    for (const bool transferInfo : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (transferInfo ? "" : ", no transfer info"));
            table().pileUpTo("AH").room(0, "2H").room(1, "7C").column(0, {"8D"}).column(1, {"9S"}).column(2, {"AS"})
                .column(3, {"6C"}).column(4, {"QH", "10S", "9D"}).column(5, {"JD"});
            game.options.TransferInfo = transferInfo;
            forgetPlaces();
            ASSERT_TRUE(hold(game, c.origin));
            const TableState before = game.table;
            const CardCode held = game.selection.card;
            events.statuses.clear();
            events.transfers.clear();
            const DropOutcome outcome = drop(game, c.place, c.at);
            EXPECT_EQ(outcome, c.status ? DropOutcome::Done : DropOutcome::Ignored);
            EXPECT_TRUE(outcome == DropOutcome::Done || game.table == before) << "the card is still held";
            EXPECT_TRUE(cardsStacked());
            EXPECT_EQ(events.lastStatus(c.place == 'R' ? 1 : 2), transferInfo && c.status ? c.status : "");
            EXPECT_EQ(events.statuses.size(), transferInfo && c.status ? 1u : 0u);
            EXPECT_EQ(game.flags.autoSuspended, c.suspended);
            // Reported once, whatever the status bar shows: what left which place for which.
            ASSERT_EQ(events.transfers.size(), c.status ? 1u : 0u);
            for (const Transfer& done : events.transfers) {
                const Place from = c.origin < 0 ? Place{PlaceKind::Room, -1 - c.origin}
                                                : Place{PlaceKind::Column, c.origin};
                const PlaceKind to = c.place == 'R' ? PlaceKind::Room
                                   : c.place == 'P' ? PlaceKind::Pile
                                                    : PlaceKind::Column;
                const int left = c.origin < 0 ? 1
                    : before.columns[c.origin].topPosition() - game.table.columns[c.origin].topPosition();
                EXPECT_EQ(done.card, held);
                EXPECT_EQ(done.count, left);
                EXPECT_EQ(done.from, from);
                EXPECT_EQ(done.to, (Place{to, c.at}));
            }
        }
    }
}

TEST_F(TransferTest, ADeckMayBeAsLongAsTheCapacity)
{
    fillers().room(0, "KH").room(1, "KD").column(0, {"KS", "9C", "8H", "7C", "6D"}).column(1, {"QC", "10H"});
    EXPECT_EQ(game.Capacity(), 4);   // two Rooms, one Column, plus one
    forgetPlaces();
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 1), DropOutcome::Done);
    EXPECT_EQ(column(1), (Names{"QC", "10H", "9C", "8H", "7C", "6D"}));
    EXPECT_TRUE(cardsStacked() && events.informations.empty());
    fillers().room(0, "KH").room(1, "KD").column(0, {"KS", "10H", "9C", "8H", "7C", "6D"}).column(1, {"QD", "JC"});
    const TableState before = game.table;
    holdColumnTop(0);
    EXPECT_EQ(game.DropOnColumnTop(1, 1), DropOutcome::Refused);
    EXPECT_EQ(events.informations, (Texts{"Number of cards permitted to move: only 4."}));
    EXPECT_EQ(game.table.columns, before.columns);   // the held card is drawn normally again
}

TEST_F(TransferTest, AnEmptyColumnTakesWhatTheCapacityAndTheAnswerAllow)
{
    const struct { const char* name; bool noRoom; std::deque<bool> answers; Names moved; const char* text; } cases[] = {
        {"Yes: cut to the capacity", false, {true}, {"8H", "7C"}, "Deck -> empty Column:  2 cards"},
        {"No", false, {false}, {"7C"}, "Deck -> empty Column:  1 cards"},
        {"no free Room: no question", true, {}, {"7C"}, "Deck -> empty Column:  1 cards"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events = RecordingEvents{};
        events.answers = c.answers;
        TableBuilder builder = fillers().room(0, "KH").room(1, "KD").room(2, "KS").column(0, {"KC", "9C", "8H", "7C"})
            .column(1, {"QD"});
        if (c.noRoom)
            builder.room(3, "QS");
        forgetPlaces();
        holdColumnTop(0);
        EXPECT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
        EXPECT_EQ(column(7), c.moved);
        EXPECT_TRUE(cardsStacked());
        ASSERT_EQ(events.questions.size(), c.noRoom ? 0u : 1u);
        for (const auto& question : events.questions)
            EXPECT_EQ(question.caption + question.text, " Transfer to empty ColumnMove more than one card ?");
        EXPECT_EQ(events.lastStatus(2), c.text);
        ASSERT_EQ(events.transfers.size(), 1u);
        EXPECT_EQ(events.transfers[0].count, int(c.moved.size()));
    }
}

// A card or Deck moved into an emptied Column lies where the deal put that
// Column's first card, and a card put on it later one step below.
TEST_F(TransferTest, AnEmptiedColumnTakesCardsAtItsDealtPlace)
{
    const struct { const char* name; int origin; std::deque<bool> answers; int moved; } cases[] = {
        {"a Room card", Room0, {}, 1}, {"a Column card", 0, {false}, 1}, {"a Deck", 0, {true}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        events.answers = c.answers;
        table().room(0, "5C").room(1, "QC").column(0, {"KC", "6H", "5S"}).column(1, {"4D"}).column(2, {"2C"})
            .column(3, {"3C"}).column(4, {"4C"}).column(5, {"2S"}).column(6, {"3S"}).column(7, {"9D"});
        holdColumnTop(7);
        ASSERT_EQ(game.DropOnRoom(2), DropOutcome::Done);
        game.EndSelection(true);
        forgetPlaces();
        ASSERT_TRUE(hold(game, c.origin));
        ASSERT_EQ(game.DropOnEmptyColumn(7), DropOutcome::Done);
        game.EndSelection(true);
        holdColumnTop(1);
        ASSERT_EQ(game.DropOnColumnTop(7, c.moved - 1), DropOutcome::Done);
        const ColumnRec& rec = game.table.columns[7];
        for (int p = 0; p <= c.moved; ++p)
            EXPECT_EQ(std::pair(rec.x[p], rec.y[p]), std::pair(game.geometry.columnX(7), game.geometry.columnY(p))) << p;
    }
}

// Column 1 is filled up to the target; position 17 is its last.
TEST_F(TransferTest, NothingGoesPastAColumnsLastPosition)
{
    const struct { int target, origin; DropOutcome outcome; int count; const char* refusal; } cases[] = {
        {17, Room0, DropOutcome::Ignored, 18, nullptr},
        {16, 0, DropOutcome::Refused, 17, "Number of cards permitted to move: only 5."},
        {15, 0, DropOutcome::Done, 18, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        events = RecordingEvents{};
        fillers().room(0, "8D").column(0, {"KS", "8H", "7S"}).column(1, {"9C"});
        std::fill_n(game.table.columns[1].present.begin(), c.target + 1, 1);
        game.table.columns[1].card.fill(card("9C"));
        ASSERT_TRUE(hold(game, c.origin));
        EXPECT_EQ(game.DropOnColumnTop(1, c.target), c.outcome);
        EXPECT_EQ(game.table.columns[1].cardCount(), c.count);
        EXPECT_EQ(events.informations, c.refusal ? Texts{c.refusal} : Texts{});
        EXPECT_EQ(game.table.rooms[0].mode, c.origin == Room0 ? DrawMode::Selected : DrawMode::Face);   // still held
    }
}

// Places that do not exist, hold no card, lie under a top card, are not empty, or are the held card's own.
TEST_F(TransferTest, CallsNamingNoSuchPlaceChangeNothing)
{
    fillers().room(0, "5H").column(0, {"7C", "6D"}).column(1, {"7S", "8S"});
    holdColumnTop(0);
    const TableState before = game.table;
    for (const auto& [place, index] : {std::pair('R', -1), std::pair('R', 4), std::pair('P', -1), std::pair('P', 4),
                                       std::pair('E', 1), std::pair('E', 8), std::pair('E', -1), std::pair('C', 0)})
        EXPECT_EQ(drop(game, place, index), DropOutcome::Ignored) << place << index;
    for (const auto& [c, position] : {std::pair(8, 0), std::pair(-1, 0), std::pair(1, 18), std::pair(1, -3),
                                      std::pair(1, 4), std::pair(1, 0)})
        EXPECT_TRUE(game.DropOnColumnTop(c, position) == DropOutcome::Ignored && game.TransferSearch(c, position) == 0)
            << c << ' ' << position;
    EXPECT_EQ(game.table, before);
    // A selection that names no card on the table is not acted on either.
    const CardCode six = card("6D"), five = card("5H");
    const auto inColumn = SelectionKind::Column, inRoom = SelectionKind::Room;
    for (const Selection corrupt : {Selection{inColumn, 9, 1, six}, Selection{inColumn, 0, 18, six},
                                    Selection{inColumn, 0, 1, 60}, Selection{inRoom, -1, 0, five},
                                    Selection{inRoom, 2, 0, five}}) {
        game.selection = corrupt;
        for (const char place : {'C', 'E', 'R', 'P'})
            EXPECT_EQ(drop(game, place, place == 'C' ? 1 : place == 'E' ? 7 : 3), DropOutcome::Ignored) << place;
        game.PutBack();
        EXPECT_EQ(game.table, before);
    }
}

} // namespace
} // namespace tavolin::testing
