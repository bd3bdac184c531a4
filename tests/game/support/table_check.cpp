#include "table_check.h"

#include <array>

namespace tavolin::testing {

namespace {

class Checker {
public:
    explicit Checker(const Game& game) : game_(game) {}

    std::string run()
    {
        checkColumns();
        checkRooms();
        checkPiles();
        checkCounts();
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

    void see(CardCode card, const std::string& where)
    {
        if (!isValidCard(card))
            return fail(where + " holds no valid card");
        ++seen_[card];
    }

    DrawMode expectedMode(SelectionKind kind, int index, int position) const
    {
        const Selection& held = game_.selection;
        return held.kind == kind && held.index == index && held.position == position ? DrawMode::Selected
                                                                                     : DrawMode::Face;
    }

    void checkColumns()
    {
        for (int c = 0; c < ColumnCount; ++c) {
            const ColumnRec& rec = game_.table.columns[c];
            const std::string where = "Column " + std::to_string(c);
            for (int position = 0; position <= rec.topPosition(); ++position) {
                if (!rec.present[position])
                    return fail(where + " has a gap at " + std::to_string(position));
                see(rec.card[position], where);
                if (rec.mode[position] != expectedMode(SelectionKind::Column, c, position))
                    fail(where + " draws position " + std::to_string(position) + " wrongly");
            }
        }
    }

    void checkRooms()
    {
        for (int r = 0; r < RoomCount; ++r) {
            const SlotRec& room = game_.table.rooms[r];
            if (!room.occupied)
                continue;
            see(room.card, "Room " + std::to_string(r));
            if (room.mode != expectedMode(SelectionKind::Room, r, 0))
                fail("Room " + std::to_string(r) + " is drawn wrongly");
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
                fail("Pile " + std::to_string(p) + " holds another suit");
            for (int rank = 0; rank < RankCount; ++rank) {
                const bool up = ranks[rank].onPile[suit] != 0;
                if (up != (rank < height))
                    fail("Pile " + std::to_string(p) + " is not built in order");
                if (up)
                    see(makeCard(rank, suit), "Pile " + std::to_string(p));
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

std::string tableFault(const Game& game)
{
    return Checker(game).run();
}

} // namespace tavolin::testing
