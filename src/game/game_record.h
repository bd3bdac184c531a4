#pragma once

#include "game_events.h"
#include "solver.h"
#include "table.h"
#include "table_cards.h"

#include <optional>
#include <vector>

namespace tavolin {

// A game's transfers from the deal on, each with the table it was made on;
// a transfer taken back with Undo is no longer among them. The tables are
// what the rules read, so the record of a long game stays small.
class GameRecord {
public:
    struct Step {
        TableCards before;
        SolverTransfer transfer;   // as the solver names it; a Deck's top card the one taken
    };

    void dealt();
    // The transfer is on the table; the table's undo snapshot holds the one
    // it was made on.
    void transferMade(const TableState& table, const Transfer& transfer, bool autoSuspended);
    void undone();
    void gameEnded(const TableState& table, bool autoSuspended);
    bool hasEnded() const { return end_.has_value(); }

    const std::vector<Step>& steps() const { return steps_; }
    // Every table the game passed through, from the deal to its end: one
    // more than the steps. Empty before the game ends.
    std::vector<TableCards> tables() const;

private:
    std::vector<Step> steps_;
    std::optional<TableCards> end_;
    // The flag as the last transfer or Undo left it: the next transfer is made under it.
    bool autoSuspended_ = true;
};

} // namespace tavolin
