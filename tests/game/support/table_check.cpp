#include "table_check.h"

#include <array>

namespace tavolin::testing {

namespace {

// Runs after every step of millions of random games: the texts are written
// only for a fault.
class Checker {
public:
    explicit Checker(const Game& game) : game_(game) {}

    std::string run()
    {
        checkColumns();
        checkRooms();
        checkPiles();
        checkCounts();
        if (!game_.selection.isEmpty())
            fail("a card is still held between two passes");
        return fault_;
    }

private:
    const Game& game_;
    std::array<int, PackSize> seen_{};
    int onPiles_ = 0;
    std::string fault_;

    void fail(const std::string& text)
    {
        if (fault_.empty())
            fault_ = text;
    }

    void fail(const char* place, int index, const std::string& text)
    {
        fail(place + (' ' + std::to_string(index)) + text);
    }

    void see(CardCode card, const char* place, int index)
    {
        if (!isValidCard(card))
            return fail(place, index, " holds no valid card");
        ++seen_[card];
    }

    void checkColumns()
    {
        for (int c = 0; c < ColumnCount; ++c) {
            const ColumnRec& rec = game_.table.columns[c];
            for (int position = 0; position <= rec.topPosition(); ++position) {
                if (!rec.present[position])
                    return fail("Column", c, " has a gap at " + std::to_string(position));
                see(rec.card[position], "Column", c);
                if (rec.mode[position] != DrawMode::Face)
                    fail("Column", c, " draws position " + std::to_string(position) + " wrongly");
            }
        }
    }

    void checkRooms()
    {
        for (int r = 0; r < RoomCount; ++r) {
            const SlotRec& room = game_.table.rooms[r];
            if (!room.occupied)
                continue;
            see(room.card, "Room", r);
            if (room.mode != DrawMode::Face)
                fail("Room", r, " is drawn wrongly");
        }
    }

    void checkPiles()
    {
        const RankTable& ranks = game_.table.rankTable;
        for (int p = 0; p < PileCount; ++p) {
            const SlotRec& pile = game_.table.piles[p];
            const int suit = game_.table.pileSuit[p];
            const int height = pile.occupied ? rankOf(pile.card) + 1 : 0;
            if (pile.occupied && suitOf(pile.card) != suit)
                fail("Pile", p, " holds another suit");
            for (int rank = 0; rank < RankCount; ++rank) {
                const bool up = ranks[rank].onPile[suit] != 0;
                if (up != (rank < height))
                    fail("Pile", p, " is not built in order");
                if (up)
                    see(makeCard(rank, suit), "Pile", p);
            }
        }
        for (const RankRow& row : ranks)
            for (std::uint8_t up : row.onPile)
                onPiles_ += up;
    }

    void checkCounts()
    {
        for (CardCode card = 0; card < PackSize; ++card)
            if (seen_[card] != 1)
                fail(cardText("%s of %s", card) + " is there " + std::to_string(seen_[card]) + " times");
        if (game_.table.cardsLeft + onPiles_ != PackSize)
            fail("cardsLeft does not match the Piles");
        for (const RankRow& row : game_.table.rankTable)
            if (row.cleared && row.onPile != std::array<std::uint8_t, SuitCount>{1, 1, 1, 1})
                fail("a rank is cleared before all its cards are up");
    }
};

} // namespace

std::string faultBetweenPasses(const Game& game)
{
    return Checker(game).run();
}

} // namespace tavolin::testing
