#pragma once

// The walk of a transfer search, shared by the player's transfers and move
// detection. Inline so that detection, which runs it for every pair of
// Columns on every pass of the game loop, pays no call for it.

#include "game.h"
#include "search_account.h"

namespace tavolin {

template <typename Account>
int Game::searchTransfer(const Selection& held, int column, int position, Account& account) const
{
    if (held.isEmpty())
        return 0;
    if (held.kind == SelectionKind::Column && held.index == column)
        return 0;
    if (position == EmptyColumnTarget)
        return searchEmptyColumn(held, account);
    return searchTargetCard(held, table.columns[column].card[position], account);
}

// Walks down from the held card while the cards under it form a Deck, until
// one of them fits the target. Ranks rise by one along a Deck, so at most one
// card can fit: the answer is unique.
template <typename Account>
int Game::searchTargetCard(const Selection& held, CardCode target, Account& account) const
{
    const CardCode h = held.card;
    if (held.kind == SelectionKind::Room)
        return fits(h, target) ? account.result(1, GAME_TEXT_NOOP("Panel", "Ready for tranfer of single card."))
                               : account.result(0, GAME_TEXT_NOOP("Panel", "Try other destination."));
    if (held.position == 0)
        return fits(h, target) ? account.result(1, GAME_TEXT_NOOP("Panel", "Ready for tranfer of single deck card."))
                               : account.result(0, GAME_TEXT_NOOP("Panel", "Try other destination."));
    account.firstCard(h);
    if (fits(h, target))
        return account.result(1, GAME_TEXT_NOOP("Panel", "Selected card matches target."));
    account.firstCardMisses();

    const ColumnRec& origin = table.columns[held.index];
    CardCode previous = h;
    int count = 1;
    for (int i = held.position - 1; i >= 0; --i) {
        // Further down a Deck the ranks only rise: once they reach the
        // target's, nothing can fit. The account still shows the whole walk.
        if (account.isSilent() && rankOf(previous) + 1 >= rankOf(target))
            return 0;
        if (!origin.present[i]) {
            account.missing(count + 1, i);
            return account.result(0, GAME_TEXT_NOOP("Panel", "Card missing in selected column."));
        }
        const CardCode card = origin.card[i];
        account.card(count + 1, card);
        if (!fits(previous, card)) {
            account.noMatch(count + 1);
            return account.result(0, GAME_TEXT_NOOP("Panel", "Try other target."));
        }
        ++count;
        if (fits(card, target)) {
            account.matches(count);
            return account.result(count, GAME_TEXT_NOOP("Panel", "%d cards at origin match target."));
        }
        previous = card;
    }
    return account.result(0, GAME_TEXT_NOOP("Panel", "Try other target."));
}

// The longest Deck that ends with the held card.
template <typename Account>
int Game::searchEmptyColumn(const Selection& held, Account& account) const
{
    if (held.kind == SelectionKind::Room)
        return account.result(1, GAME_TEXT_NOOP("Panel", "Ready for transfer of single card."));
    account.firstCard(held.card);

    const ColumnRec& origin = table.columns[held.index];
    CardCode previous = held.card;
    int count = 1;
    for (int i = held.position - 1; i >= 0; --i) {
        if (!origin.present[i]) {
            account.missing(count + 1, i);
            return account.result(0, GAME_TEXT_NOOP("Panel", "Card missing in selected column."));
        }
        const CardCode card = origin.card[i];
        account.card(count + 1, card);
        if (!fits(previous, card))
            break;
        ++count;
        previous = card;
    }
    return count == 1 ? account.result(1, GAME_TEXT_NOOP("Panel", "Ready for tranfer of single deck card."))
                      : account.result(count, GAME_TEXT_NOOP("Panel", "Ready for tranfer of %d deck cards."));
}

} // namespace tavolin
