#include "game.h"

namespace tavolin {

void Game::takeUndoSnapshot()
{
    UndoSnapshot& undo = table.undo;
    undo.rooms = table.rooms;
    undo.piles = table.piles;
    undo.columns = table.columns;
    undo.rankTable = table.rankTable;
    undo.autoRank = table.autoRank;
    undo.cardsLeft = table.cardsLeft;
}

void Game::Undo()
{
    // While a card is held the snapshot is the present table and the
    // Selection would point into the restored one: nothing to take back.
    if (!flags.gameInPlay || !flags.undoValid || !selection.isEmpty())
        return;
    // The automatic moves just taken back must not be repeated at once.
    flags.autoSuspended = true;
    const UndoSnapshot& undo = table.undo;
    table.cardsLeft = undo.cardsLeft;
    table.autoRank = undo.autoRank;
    flags.undoEnabled = false;
    table.rooms = undo.rooms;
    table.piles = undo.piles;
    table.columns = undo.columns;
    table.rankTable = undo.rankTable;
    flags.undoValid = false;
    table.markAllColumnsDirty();
    ResetDetailsPanel();
    events_.tableRestored();
}

void Game::ResetDetailsPanel()
{
    if (!flags.DetailsShown)
        return;
    flags.DetailsHeaderDirty = false;
    // The blank panel shows no target any more: the next search draws the headings.
    flags.DetailsTargetCard = -1;
    events_.resetDetailsPanel();
}

} // namespace tavolin
