#pragma once

#include "game/game.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavolin::testing {

// "5H", "10C", "AS", "KD": rank then suit letter. -1 for anything else.
CardCode cardNamed(std::string_view name);
// The same short name back: "5H".
std::string cardName(CardCode card);

// Sets a table up in a few lines. Starts from an empty table and a game
// just begun (automatic moves suspended, no undo), every Column position
// placed as the deal would place it.
class TableBuilder {
public:
    explicit TableBuilder(Game& game);

    // The cards from position 0 upwards; the last one is the top card.
    TableBuilder& column(int column, std::initializer_list<std::string_view> cards);
    TableBuilder& room(int room, std::string_view card);
    // The Ace up to this card of its suit on the Pile reserved for the suit.
    TableBuilder& pileUpTo(std::string_view topCard);
    // As after the player's first transfer: automatic moves resume.
    TableBuilder& autoMovesOn();

private:
    Game& game_;
};

} // namespace tavolin::testing
