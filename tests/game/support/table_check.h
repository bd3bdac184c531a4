#pragma once

#include "game/game.h"

#include <string>

namespace tavolin::testing {

// The first way in which the table breaks the conservation rules, or an
// empty text: every card once on the table or the Piles, Columns without
// gaps, Piles holding their own suit from the Ace up, the counters agreeing,
// and every card drawn normally unless it is the one held.
std::string tableFault(const Game& game);

// The same, and also no card may still be held: what holds between two
// passes of the game loop, where every player's action has ended.
std::string faultBetweenPasses(const Game& game);

} // namespace tavolin::testing
