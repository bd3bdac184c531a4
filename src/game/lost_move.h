#pragma once

#include "solver.h"
#include "table_cards.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace tavolin {

enum class LostMoveFinding {
    LostBy,            // the transfer made on the last table that could still be won
    LostFromTheDeal,   // not even the deal could be won
    NotLost,           // the last table could still be won
    Undecided,         // a search that mattered did not decide
};

struct LostMove {
    LostMoveFinding finding = LostMoveFinding::Undecided;
    std::size_t transfer = 0;   // LostBy: the transfer's index, from the deal's 0
    int searches = 0;
};

// Which transfer lost a game, from the tables it passed through (the deal
// first, the last table last; transfer i leads from table i to table i+1).
// A table once lost stays lost, so a bisection finds the last one that could
// be won in a few searches, each within `limits`. A search that does not
// decide is stepped round; `cancelled` ends the whole with Undecided.
LostMove findLostMove(const std::vector<TableCards>& tables, const SolverLimits& limits,
                      const std::atomic<bool>* cancelled = nullptr);

} // namespace tavolin
