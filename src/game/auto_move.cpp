#include "game.h"
#include "words.h"

namespace tavolin {

namespace {

constexpr int WinningRank = RankCount;

} // namespace

// An Ace at the top of a Column goes up at once, a Two as soon as its Ace is
// up, any higher card only when all four cards of the rank below it are up:
// nothing the player may still need to build on is taken away. An Ace never
// lands in a Room, so Room cards go by autoRank alone.
std::optional<AutoMove> Game::AutoMoveToPiles()
{
    if (!selection.isEmpty() || flags.autoSuspended)
        return std::nullopt;
    if (clearRanks())
        return std::nullopt;

    for (int column = 0; column < ColumnCount; ++column) {
        const int top = table.columns[column].topPosition();
        if (top < 0)
            continue;
        checkDetailsSpace(top);
        const CardCode card = table.columns[column].card[top];
        if (rankOf(card) != AceRank && rankOf(card) != table.autoRank)
            continue;
        const int pile = pileAccepting(card);
        if (pile >= 0) {
            autoMoveFromColumn(column, top, pile);
            return AutoMove{card, PlaceKind::Column, column, pile};
        }
    }
    for (int room = 0; room < RoomCount; ++room) {
        const SlotRec& slot = table.rooms[room];
        if (!slot.occupied || rankOf(slot.card) != table.autoRank)
            continue;
        const int pile = pileAccepting(slot.card);
        if (pile >= 0) {
            const CardCode card = slot.card;
            autoMoveFromRoom(room, pile);
            return AutoMove{card, PlaceKind::Room, room, pile};
        }
    }
    return std::nullopt;
}

// Marks every rank whose four cards are up and brings autoRank to the lowest
// rank from the Twos on that is not complete. True when the Kings are complete.
bool Game::clearRanks()
{
    for (int rank = 0; rank < RankCount; ++rank) {
        RankRow& row = table.rankTable[rank];
        if (row.cleared)
            continue;
        if (rank >= 1 && rank < table.autoRank)
            table.autoRank = rank;
        if (row.onPile != std::array<std::uint8_t, SuitCount>{1, 1, 1, 1})
            continue;
        row.cleared = 1;
        events_.showStatus(1, formatText(GAME_TEXT("Game", " Rank cleared: %ss").c_str(), rankName(rank).c_str()));
        if (++table.autoRank >= WinningRank)
            return true;
    }
    return false;
}

void Game::checkDetailsSpace(int topPosition)
{
    if (!options.TransferDetails || topPosition < options.DetailsColumnLimit)
        return;
    flags.DetailsShown = false;
    events_.showStatus(0, GAME_TEXT("Game", "Transfer Details off by lack of space."));
}

int Game::pileAccepting(CardCode card) const
{
    for (int pile = 0; pile < PileCount; ++pile)
        if (PileAccepts(pile, card))
            return pile;
    return -1;
}

// The Pile shows the card before it travels; the place is emptied after.
void Game::autoMoveFromColumn(int column, int position, int pile)
{
    ColumnRec& rec = table.columns[column];
    const CardCode card = rec.card[position];
    SlotRec& target = table.piles[pile];
    target.card = card;
    target.mode = DrawMode::Face;
    target.occupied = 1;
    events_.animateCardToPile(card, rec.x[position], rec.y[position], target.x, target.y);
    if (options.TransferInfo)
        events_.showStatus(2, formatText(GAME_TEXT("Game", "Autom. -> Pile[ %d ]: %s of %s").c_str(), pile + 1,
                                         rankName(rankOf(card)).c_str(), suitName(suitOf(card)).c_str()));
    rec.mode[position] = DrawMode::Vacant;
    rec.present[position] = 0;
    table.ColumnDirty[column] = 1;
    events_.repaintTable();
    table.rankTable[rankOf(card)].onPile[suitOf(card)] = 1;
    --table.cardsLeft;
    flags.HintHeaderDirty = true;
}

void Game::autoMoveFromRoom(int room, int pile)
{
    SlotRec& slot = table.rooms[room];
    const CardCode card = slot.card;
    SlotRec& target = table.piles[pile];
    target.card = card;
    target.mode = DrawMode::Face;
    target.occupied = 1;
    events_.animateCardToPile(card, slot.x, slot.y, target.x, target.y);
    if (options.TransferInfo)
        events_.showStatus(2, formatText(GAME_TEXT("Game", "Autom. -> Pile[ %d ]: %s of %s").c_str(), pile + 1,
                                         rankName(rankOf(card)).c_str(), suitName(suitOf(card)).c_str()));
    slot.mode = DrawMode::Vacant;
    slot.occupied = 0;
    table.rankTable[rankOf(card)].onPile[suitOf(card)] = 1;
    --table.cardsLeft;
    events_.repaintTable();
    flags.HintHeaderDirty = true;
}

} // namespace tavolin
