#include "game.h"

#include <bit>
#include <cstring>

namespace tavolin {

// Every rule asks for the top card, so the flags are read eight at a time:
// the highest nonzero byte of a little-endian word is the highest present position.
int ColumnRec::topPosition() const
{
    static_assert(std::endian::native == std::endian::little);
    static_assert(ColumnDepth == 18);
    std::uint16_t last = 0;
    std::uint64_t middle = 0;
    std::uint64_t first = 0;
    std::memcpy(&first, present.data(), 8);
    std::memcpy(&middle, present.data() + 8, 8);
    std::memcpy(&last, present.data() + 16, 2);
    if (last != 0)
        return 16 + (15 - std::countl_zero(last)) / 8;
    if (middle != 0)
        return 8 + (63 - std::countl_zero(middle)) / 8;
    if (first != 0)
        return (63 - std::countl_zero(first)) / 8;
    return -1;
}

void Game::ResetTable()
{
    selection = Selection{};
    table.rankTable = RankTable{};
    table.columns = Columns{};
    table.undo.columns = Columns{};
    table.markAllColumnsDirty();
    table.rooms = Rooms{};
    table.piles = Piles{};
    table.undo.rooms = Rooms{};
    table.undo.piles = Piles{};
    for (int i = 0; i < RoomCount; ++i) {
        table.rooms[i].x = geometry.roomX(i);
        table.rooms[i].y = geometry.slotY();
    }
    for (int i = 0; i < PileCount; ++i) {
        table.piles[i].x = geometry.pileX(i);
        table.piles[i].y = geometry.slotY();
    }
}

int Game::FreeRoomCount() const
{
    int count = 0;
    for (const SlotRec& room : table.rooms)
        count += room.occupied ? 0 : 1;
    return count;
}

int Game::EmptyColumnCount() const
{
    int count = 0;
    for (const ColumnRec& column : table.columns)
        count += column.isEmpty() ? 1 : 0;
    return count;
}

void Game::putOnPile(int pile, CardCode card)
{
    SlotRec& slot = table.piles[pile];
    slot.card = card;
    slot.mode = DrawMode::Face;
    slot.occupied = 1;
    table.rankTable[rankOf(card)].onPile[suitOf(card)] = 1;
    --table.cardsLeft;
}

void Game::takeTopFromColumn(int column)
{
    ColumnRec& rec = table.columns[column];
    const int top = rec.topPosition();
    if (top < 0)
        return;
    rec.present[top] = 0;
    rec.mode[top] = DrawMode::Vacant;
    table.ColumnDirty[column] = 1;
}

void Game::takeFromRoom(int room)
{
    table.rooms[room].occupied = 0;
    table.rooms[room].mode = DrawMode::Vacant;
}

} // namespace tavolin
