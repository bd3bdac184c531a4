#include "game.h"

namespace tavolin {

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
