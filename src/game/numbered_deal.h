#pragma once

#include "game.h"

#include <cstdint>

namespace tavolin {

// Deals game number `number` onto a table emptied by ResetTable: the shuffle
// starts from the number as its seed, so a number always gives the same deal.
// Sets gameOpen and, through the deal, gameInPlay.
void dealNumbered(Game& game, std::uint32_t number);

} // namespace tavolin
