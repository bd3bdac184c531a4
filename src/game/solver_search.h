#pragma once

// One best-first search of the solver: the most promising position met so
// far is taken next, so a poor early choice costs little.

#include "solver.h"
#include "solver_memory.h"
#include "solver_position.h"
#include "solver_seen.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavolin::solver {

// How much each feature of a position weighs in its promise.
struct Weights {
    int pileCard = 12;
    int freeRoom = 4;
    int emptyColumn = 8;
    int coverOfNext = 3;   // per card over the next card a Pile takes
    int breakInColumn = 0; // per card that does not fit onto the one under it
    int misplaced = 0;     // per card above a Column's first break from the bottom
    int buried = 0;        // per card above a lower card of its own suit
    // Per transfer from the start: of two ways to equal promise the shorter
    // is taken first, which keeps the search out of long detours.
    int depth = 0;
};

class BestFirst {
public:
    BestFirst(const PileSuits& suits, const Weights& weights);

    // Winnable at once, or nothing while the search goes on.
    std::optional<SolverAnswer> begin(const Position& start);
    // Keeps up to `count` more positions: an answer when the search has one
    // (lost when no position is left to take), or nothing while it goes on.
    // Throws std::bad_alloc when the system gives no more memory.
    std::optional<SolverAnswer> advance(std::uint64_t count);
    std::uint64_t positions() const { return seen_.size(); }

private:
    // Each position taken is kept packed, with the transfer that led to it;
    // those waiting to be taken are only their parent and transfer.
    struct Node {
        std::uint32_t packedAt = 0;
        std::uint32_t parent = 0;
        std::uint16_t via = 0;
        std::uint16_t depth = 0;
    };

    const PileSuits& suits_;
    Weights weights_;
    SeenPositions seen_;
    MappedArray<Node> nodes_;
    MappedArray<std::uint8_t> packed_;
    // Promise, then the newest parent first; the parent and the transfer below.
    MappedArray<std::uint64_t> waiting_;
    std::vector<SolverTransfer> transfers_;

    int promiseOf(const Position& position) const;
    void keep(const Position& position, std::uint32_t parent, std::uint16_t via);
    Position positionAt(std::uint32_t node) const { return unpacked(packed_.data() + nodes_[node].packedAt); }
    // Puts the steps from node `at` in waiting; true when one of them wins.
    bool expand(std::uint32_t at, const Position& position, std::uint64_t fingerprint);
    SolverAnswer won(std::uint32_t last) const;
};

} // namespace tavolin::solver
