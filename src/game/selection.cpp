#include "game.h"
#include "words.h"

namespace tavolin {

bool Game::PickUpFromColumn(int column)
{
    if (!flags.gameInPlay || !selection.isEmpty() || column < 0 || column >= ColumnCount)
        return false;
    const ColumnRec& rec = table.columns[column];
    const int top = rec.topPosition();
    if (top < 0)
        return false;
    beginSelection(SelectionKind::Column, column, top, rec.card[top]);
    return true;
}

bool Game::PickUpFromRoom(int room)
{
    if (!flags.gameInPlay || !selection.isEmpty() || room < 0 || room >= RoomCount)
        return false;
    const SlotRec& slot = table.rooms[room];
    if (!slot.occupied)
        return false;
    beginSelection(SelectionKind::Room, room, 0, slot.card);
    return true;
}

void Game::beginSelection(SelectionKind kind, int index, int position, CardCode card)
{
    selection.kind = kind;
    flags.undoEnabled = false;
    // Before the card is marked, so that Undo restores it drawn normally.
    takeUndoSnapshot();
    flags.undoValid = true;
    selection.index = index;
    selection.position = position;
    selection.card = card;
    heldCardMode() = DrawMode::Selected;
    flags.DetailsHeaderDirty = true;
    if (options.TransferInfo) {
        events_.showStatus(0, cardText(GAME_TEXT("Game", "Card selected: %s of %s"), card));
        events_.showStatus(1, "");
        events_.showStatus(2, "");
    }
}

void Game::PutBack()
{
    if (!heldCardInPlace())
        return;
    if (selection.kind == SelectionKind::Column)
        table.ColumnDirty[selection.index] = 1;
    EndSelection(false);
}

void Game::EndSelection(bool carriedOut)
{
    // A card still at its place after the selection is no longer held.
    if (heldCardInPlace())
        heldCardMode() = DrawMode::Face;
    events_.repaintTable();
    flags.lastCardsLeftShown = 0;
    selection.kind = SelectionKind::None;
    flags.undoEnabled = carriedOut && flags.undoValid;
    flags.HintHeaderDirty = true;
}

// The selection names a card that still lies, uncovered, where it was taken.
bool Game::heldCardInPlace() const
{
    switch (selection.kind) {
    case SelectionKind::Room:
        return selection.index >= 0 && selection.index < RoomCount
            && table.rooms[selection.index].occupied && table.rooms[selection.index].card == selection.card;
    case SelectionKind::Column: {
        if (selection.index < 0 || selection.index >= ColumnCount)
            return false;
        const ColumnRec& rec = table.columns[selection.index];
        return selection.position >= 0 && selection.position == rec.topPosition()
            && rec.card[selection.position] == selection.card;
    }
    case SelectionKind::None:
        break;
    }
    return false;
}

DrawMode& Game::heldCardMode()
{
    if (selection.kind == SelectionKind::Room)
        return table.rooms[selection.index].mode;
    return table.columns[selection.index].mode[selection.position];
}

} // namespace tavolin
