#include "keyboard_input.h"

#include "input/key_map.h"

#include <algorithm>

namespace tavolin {
namespace {

constexpr int TopRowLength = RoomCount + PileCount;

// The Rooms and then the Piles form the top row, above the Columns of the
// same number: Up and Down keep the number, Left and Right stop at the ends.
int topRowIndex(Place place)
{
    return place.kind == PlaceKind::Pile ? RoomCount + place.index : place.index;
}

Place topRowPlace(int index)
{
    return index < RoomCount ? Place{PlaceKind::Room, index} : Place{PlaceKind::Pile, index - RoomCount};
}

template <typename Keys>
int indexOf(const Keys& keys, int key)
{
    const auto found = std::find(keys.begin(), keys.end(), key);
    return found == keys.end() ? -1 : int(found - keys.begin());
}

} // namespace

KeyboardInput::KeyboardInput(Game& game, Hand& hand, std::function<std::optional<Place>()> shownCursor,
                             std::function<void(Place)> showCursor, std::function<void(Place, bool)> readCards)
    : game_(game),
      hand_(hand),
      shownCursor_(std::move(shownCursor)),
      showCursor_(std::move(showCursor)),
      readCards_(std::move(readCards))
{
}

bool KeyboardInput::keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    // Control and Alt make a shortcut or a menu key, never a play key.
    if (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    const std::optional<Place> place = placeOfKey(key);
    const bool cursorKey = isCursorKey(key);
    const bool readKey = key == keys::ReadTopDown || key == keys::ReadBottomUp;
    if (!place && !cursorKey && !readKey && key != keys::PutBack)
        return false;
    if (autoRepeat || !game_.flags.gameInPlay)
        return true;
    if (key == keys::PutBack) {
        hand_.putBack();
    } else if (readKey) {
        showCursor_(cursor_);
        readCards_(cursor_, key == keys::ReadTopDown);
    } else if (place) {
        actOn(*place);
    } else if (!shownCursor_()) {
        // A hidden cursor first shows where it is.
        showCursor_(cursor_);
    } else if (indexOf(keys::ActOnCursor, key) >= 0) {
        actOn(cursor_);
    } else {
        moveCursor(key);
    }
    return true;
}

std::optional<Place> KeyboardInput::placeOfKey(int key) const
{
    if (const int column = indexOf(keys::ColumnKeys, key); column >= 0)
        return Place{PlaceKind::Column, column};
    if (const int room = indexOf(keys::RoomKeys, key); room >= 0)
        return Place{PlaceKind::Room, room};
    if (key == keys::PileKey)
        return Place{PlaceKind::Pile, cursor_.kind == PlaceKind::Pile ? cursor_.index : 0};
    return std::nullopt;
}

bool KeyboardInput::isCursorKey(int key) const
{
    return indexOf(keys::ActOnCursor, key) >= 0 || key == keys::CursorLeft || key == keys::CursorRight
        || key == keys::CursorUp || key == keys::CursorDown;
}

void KeyboardInput::moveCursor(int key)
{
    const bool onColumns = cursor_.kind == PlaceKind::Column;
    const int index = onColumns ? cursor_.index : topRowIndex(cursor_);
    const int last = onColumns ? ColumnCount - 1 : TopRowLength - 1;
    if (key == keys::CursorLeft || key == keys::CursorRight) {
        const int next = std::clamp(index + (key == keys::CursorLeft ? -1 : 1), 0, last);
        cursor_ = onColumns ? Place{PlaceKind::Column, next} : topRowPlace(next);
    } else {
        cursor_ = key == keys::CursorUp ? topRowPlace(index) : Place{PlaceKind::Column, index};
    }
    showCursor_(cursor_);
}

// As a click: with nothing held, a press and a release over the card, which
// keeps it held; with a card held, the release of a second click.
void KeyboardInput::actOn(Place place)
{
    if (place.kind == PlaceKind::Pile && !game_.selection.isEmpty())
        place = pileForHeldCard();
    cursor_ = place;
    showCursor_(cursor_);
    if (game_.selection.isEmpty()) {
        if (hand_.pickUpFrom(place))
            hand_.releaseOver(place);
    } else {
        hand_.releaseOver(place);
    }
}

// The Pile that takes the held card; where none does, the place stays, and
// the release over it is one over a Pile that does not take the card.
Place KeyboardInput::pileForHeldCard() const
{
    for (int k = 0; k < PileCount; ++k)
        if (game_.PileAccepts(k, game_.selection.card))
            return Place{PlaceKind::Pile, k};
    return Place{PlaceKind::Pile, cursor_.kind == PlaceKind::Pile ? cursor_.index : 0};
}

} // namespace tavolin
