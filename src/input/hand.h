#pragma once

#include "game/game.h"

#include <QString>

namespace tavolin {

enum class PointerShape { Arrow, LargeArrowUp, LargeArrowDown };

// What the pointer and the keys need of the window besides the game.
class PointerFeedback {
public:
    virtual ~PointerFeedback() = default;
    virtual void setPointerShape(PointerShape shape) = 0;
    virtual void showStatus(int panel, const QString& text) = 0;
    // A card was picked up: show it held at once.
    virtual void showHeldCard() = 0;
    // The held card went back to its place: put back by the player, or
    // after a refused drop, once its message was seen.
    virtual void heldCardReturned(CardCode card, bool refused) = 0;
    // A release over a place that does not take the held card: it stays held.
    virtual void heldCardKept(Place place) = 0;
    // Put back with nothing held.
    virtual void nothingHeld() = 0;
};

// The card in the player's hand: taken from a place, released over a
// place. The pointer and the keys both come here once they know the place,
// so a key does exactly what the click it stands for does.
class Hand {
public:
    Hand(Game& game, PointerFeedback& feedback);

    // A press over the place: takes its top card, if it gives one.
    bool pickUpFrom(Place place);
    // A release over the place with a card held: a drop there, or, over the
    // held card's own place, the end of a click or a put-back.
    void releaseOver(Place place);
    // The held card goes back without a drop; with none, the player is told.
    void putBack();

private:
    void releaseOverOrigin();
    void finishDrop(Place place, DropOutcome outcome);
    bool heldCardIsAce() const { return rankOf(game_.selection.card) == AceRank; }
    bool isHeldFrom(SelectionKind kind, int index) const
    {
        return game_.selection.kind == kind && game_.selection.index == index;
    }

    Game& game_;
    PointerFeedback& feedback_;
    // Releases over the held card's own place since it was picked up.
    int originReleases_ = 0;
};

} // namespace tavolin
