#pragma once

// A winning line made worth reading: a search finds a line, not the
// shortest one, and may put a card aside and take it back later for nothing.

#include "solver_position.h"

#include <vector>

namespace tavolin::solver {

// The line without the transfers that nothing needed: a card moved and
// moved back (or on) later, where the line still wins with the card left
// in place until its next move. Each transfer of the result is one the game
// makes on the table the one before left, and the result wins from `start`.
std::vector<SolverTransfer> tidied(const Position& start, const PileSuits& suits,
                                   const std::vector<SolverTransfer>& line);

} // namespace tavolin::solver
