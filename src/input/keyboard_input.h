#pragma once

#include "game/game.h"
#include "input/hand.h"

#include <Qt>

#include <functional>
#include <optional>

namespace tavolin {

// Playing with the keys on the table: a place's key, or Space and Return
// on the place under the keyboard cursor, acts as a click on that place
// would; the arrows move the cursor. Keys reach the hand, the pointer's own
// path, so no rule is written twice.
class KeyboardInput {
public:
    // `shownCursor` reads the cursor on the table (none while it is hidden),
    // `showCursor` frames a place there, `readCards` reads a place's cards
    // aloud, from the top card down or from the first card up.
    KeyboardInput(Game& game, Hand& hand, std::function<std::optional<Place>()> shownCursor,
                  std::function<void(Place)> showCursor, std::function<void(Place, bool topDown)> readCards);

    // True when the key is one of the play keys, whether or not it changed
    // anything: a held-down key acts once, on its first press.
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);

private:
    std::optional<Place> placeOfKey(int key) const;
    bool isCursorKey(int key) const;
    void moveCursor(int key);
    void actOn(Place place);
    Place pileForHeldCard() const;

    Game& game_;
    Hand& hand_;
    std::function<std::optional<Place>()> shownCursor_;
    std::function<void(Place)> showCursor_;
    std::function<void(Place, bool)> readCards_;
    // Where the cursor comes back when a key shows it again.
    Place cursor_{PlaceKind::Column, 0};
};

} // namespace tavolin
