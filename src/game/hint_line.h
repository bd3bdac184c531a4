#pragma once

#include "solver.h"
#include "table.h"
#include "table_cards.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tavolin {

// The winning line the last search found, with the table it continues from.
// A player who does what its hint said is led on along the same line, so
// that following the hints wins without coming back to a table; after any
// other move the line is left and a new search is due.
class HintLine {
public:
    // The line's next transfer when the table is the one the line continues
    // from, or the one its next transfer and the automatic moves after it
    // lead to; nothing when the table is off the line.
    std::optional<SolverTransfer> next(const TableState& table, bool autoSuspended);
    // A winning line a search found for this table.
    void keep(const TableState& table, bool autoSuspended, std::vector<SolverTransfer> line);
    void clear();

private:
    TableState from_;
    bool autoSuspended_ = true;
    std::vector<SolverTransfer> line_;
    std::size_t step_ = 0;
};

} // namespace tavolin
