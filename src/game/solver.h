#pragma once

#include "card.h"
#include "place.h"
#include "table.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolin {

// One transfer the player makes: the top card of a Column with the Deck
// above it, or a Room's card, to another place. The automatic moves to the
// Piles that follow it are not transfers of their own.
struct SolverTransfer {
    Place from;
    Place to;        // for a Pile: the one that takes the card
    CardCode card = 0;   // the card the player picks up
    int cards = 1;       // how many cards move together
    // A transfer of one card to an empty Column while the game would offer
    // more: the player answers No to "Move more than one card ?".
    bool oneOfSeveral = false;

    bool operator==(const SolverTransfer&) const = default;
};

enum class SolverVerdict { Winnable, Lost, Undecided };

// What a search may spend. The positions are counted over all the searches
// a solver runs, so an answer within them is the same on every machine; the
// time, read from `clock` after every SolverClockPositions positions, keeps a
// search in a window responsive. milliseconds::max() is no time limit.
struct SolverLimits {
    std::chrono::milliseconds time{1000};
    std::uint64_t positions = 200'000;   // distinct positions kept at most
    std::chrono::steady_clock::time_point (*clock)() = &std::chrono::steady_clock::now;
};

inline constexpr std::uint64_t SolverClockPositions = 256;

struct SolverAnswer {
    SolverVerdict verdict = SolverVerdict::Undecided;
    // Winnable: the transfers that win, in order, each made on the table the
    // automatic moves after the one before it left.
    std::vector<SolverTransfer> line;
    std::uint64_t positions = 0;   // distinct positions examined
};

// Decides a position of a game in play under the game's own rules. Nothing
// may be held. `autoSuspended` is the game's flag: no automatic move before
// the first transfer of a game or right after an Undo. A set `cancelled`
// ends the search with Undecided. Thread-safe: it reads only its arguments.
SolverAnswer solvePosition(const TableState& table, bool autoSuspended, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled = nullptr);

// A transfer as one line of the command line's answer: "1 a", "3 h",
// "a 5"; a Deck move is one line, and "1 5 1" moves one card of several
// to an empty Column.
std::string transferLine(const SolverTransfer& transfer);

} // namespace tavolin
