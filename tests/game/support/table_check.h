#pragma once

#include "game/game.h"

#include <string>

namespace tavolin::testing {

// The first way in which the table breaks the conservation rules between two
// passes of the game loop, or an empty text: every card once on the table or
// the Piles, Columns without gaps, Piles holding their own suit from the Ace
// up, the counters agreeing, and no card held nor drawn as held.
std::string faultBetweenPasses(const Game& game);

} // namespace tavolin::testing
