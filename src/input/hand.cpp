#include "hand.h"

namespace tavolin {

Hand::Hand(Game& game, PointerFeedback& feedback) : game_(game), feedback_(feedback)
{
}

// Only the top card of a Column or a Room's card can be taken; Piles never give one back.
bool Hand::pickUpFrom(Place place)
{
    if (!game_.selection.isEmpty())
        return false;
    bool taken = false;
    switch (place.kind) {
    case PlaceKind::Column: taken = game_.PickUpFromColumn(place.index); break;
    case PlaceKind::Room: taken = game_.PickUpFromRoom(place.index); break;
    case PlaceKind::Pile: break;
    }
    if (!taken)
        return false;
    feedback_.showHeldCard();
    originReleases_ = 0;
    return true;
}

// An Ace is never dropped into a Room, and a Pile that does not take the
// card is passed over: both leave it held.
void Hand::releaseOver(Place place)
{
    if (game_.selection.isEmpty())
        return;
    switch (place.kind) {
    case PlaceKind::Room:
        if (heldCardIsAce())
            feedback_.heldCardKept(place);
        else if (isHeldFrom(SelectionKind::Room, place.index))
            releaseOverOrigin();
        else
            finishDrop(place, game_.DropOnRoom(place.index));
        return;
    case PlaceKind::Pile:
        if (game_.PileAccepts(place.index, game_.selection.card))
            finishDrop(place, game_.DropOnPile(place.index));
        else
            feedback_.heldCardKept(place);
        return;
    case PlaceKind::Column: {
        if (place.index < 0 || place.index >= ColumnCount)
            return;
        const int top = game_.table.columns[place.index].topPosition();
        if (top < 0)
            finishDrop(place, game_.DropOnEmptyColumn(place.index));
        else if (isHeldFrom(SelectionKind::Column, place.index))
            releaseOverOrigin();
        else
            finishDrop(place, game_.DropOnColumnTop(place.index, top));
        return;
    }
    }
}

// The first release over the held card keeps it (the end of a click); the
// next one puts it back.
void Hand::releaseOverOrigin()
{
    if (++originReleases_ < 2)
        return;
    putBack();
}

void Hand::putBack()
{
    if (game_.selection.isEmpty()) {
        feedback_.nothingHeld();
        return;
    }
    const CardCode card = game_.selection.card;
    game_.PutBack();
    feedback_.setPointerShape(PointerShape::Arrow);
    feedback_.heldCardReturned(card, false);
}

void Hand::finishDrop(Place place, DropOutcome outcome)
{
    if (outcome == DropOutcome::Ignored) {
        feedback_.heldCardKept(place);
        return;
    }
    const CardCode card = game_.selection.card;
    feedback_.setPointerShape(PointerShape::Arrow);
    game_.EndSelection(outcome == DropOutcome::Done);
    if (outcome == DropOutcome::Refused)
        feedback_.heldCardReturned(card, true);
}

} // namespace tavolin
