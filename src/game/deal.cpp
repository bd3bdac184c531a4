#include "game.h"

namespace tavolin {

bool Game::BuildPack()
{
    std::array<CardCode, PackSize> pack{};
    int n = 0;
    for (int suit = 0; suit < SuitCount; ++suit)
        for (int rank = 0; rank < RankCount; ++rank)
            pack[n++] = makeCard(rank, suit);

    // Draw without replacement; the last card still in the pack fills the hole.
    table.cardsLeft = 0;
    while (n > 0) {
        const int j = random.next() % n;
        --n;
        table.dealOrder[table.cardsLeft++] = pack[j];
        pack[j] = pack[n];
    }
    return true;
}

void Game::DealColumns()
{
    for (int i = 0; i < table.cardsLeft && i < PackSize; ++i) {
        const int column = i % ColumnCount;
        const int row = i / ColumnCount;
        ColumnRec& rec = table.columns[column];
        rec.present[row] = 1;
        rec.card[row] = table.dealOrder[i];
        rec.mode[row] = DrawMode::Face;
        rec.x[row] = geometry.columnX(column);
        rec.y[row] = geometry.columnY(row);
    }
    flags.gameInPlay = true;
}

} // namespace tavolin

namespace tavolin {

void Game::beginGame()
{
    flags.undoEnabled = false;
    flags.undoValid = false;
    flags.autoSuspended = true;
    flags.detectionOn = true;
    flags.finishEnabled = true;
    flags.movesLeft = true;
    detection = MoveDetection{};
    detection.moveSlots.fill(NoMoveSlot);
    flags.lastCardsLeftShown = 0;
    for (RankRow& row : table.rankTable)
        row = RankRow{};
    table.autoRank = 1;
}

} // namespace tavolin
