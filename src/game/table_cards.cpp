#include "table_cards.h"

#include <algorithm>

namespace tavolin {
namespace {

std::uint8_t cardIn(const SlotRec& slot)
{
    return slot.occupied ? static_cast<std::uint8_t>(slot.card) : TableCards::NoCard;
}

void place(SlotRec& slot, std::uint8_t card)
{
    slot.occupied = card != TableCards::NoCard;
    slot.card = slot.occupied ? card : 0;
    slot.mode = slot.occupied ? DrawMode::Face : DrawMode::Vacant;
}

} // namespace

TableCards cardsOf(const TableState& table, bool autoSuspended)
{
    TableCards cards;
    for (int c = 0; c < ColumnCount; ++c) {
        const ColumnRec& rec = table.columns[c];
        for (int p = 0; p < ColumnDepth; ++p)
            cards.columns[c][p] = rec.present[p] ? static_cast<std::uint8_t>(rec.card[p]) : TableCards::NoCard;
    }
    for (int r = 0; r < RoomCount; ++r)
        cards.rooms[r] = cardIn(table.rooms[r]);
    for (int p = 0; p < PileCount; ++p) {
        cards.piles[p] = cardIn(table.piles[p]);
        cards.pileSuit[p] = static_cast<std::int8_t>(table.pileSuit[p]);
    }
    cards.autoSuspended = autoSuspended;
    return cards;
}

// The Piles' progress follows from their top cards: every card below a top
// one is up, and the automatic moves go by the lowest rank not complete.
TableState tableOf(const TableCards& cards)
{
    TableState table;
    for (int c = 0; c < ColumnCount; ++c) {
        ColumnRec& rec = table.columns[c];
        for (int p = 0; p < ColumnDepth; ++p) {
            rec.present[p] = cards.columns[c][p] != TableCards::NoCard;
            rec.card[p] = rec.present[p] ? cards.columns[c][p] : 0;
            rec.mode[p] = rec.present[p] ? DrawMode::Face : DrawMode::Vacant;
        }
    }
    for (int r = 0; r < RoomCount; ++r)
        place(table.rooms[r], cards.rooms[r]);
    table.cardsLeft = PackSize;
    for (int p = 0; p < PileCount; ++p) {
        place(table.piles[p], cards.piles[p]);
        table.pileSuit[p] = cards.pileSuit[p];
        if (!table.piles[p].occupied)
            continue;
        for (int rank = 0; rank <= rankOf(cards.piles[p]); ++rank)
            table.rankTable[rank].onPile[suitOf(cards.piles[p])] = 1;
        table.cardsLeft -= rankOf(cards.piles[p]) + 1;
    }
    int complete = 0;
    while (complete < RankCount
           && table.rankTable[complete].onPile == std::array<std::uint8_t, SuitCount>{1, 1, 1, 1})
        table.rankTable[complete++].cleared = 1;
    table.autoRank = std::max(1, complete);
    return table;
}

} // namespace tavolin
