#pragma once

// The solver's own compact copy of a table: cards as bytes, no drawing
// state, and the transfers on it made exactly as the game makes them.

#include "solver.h"
#include "table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavolin::solver {

inline constexpr std::uint8_t NoCard = 0xff;

// What stays fixed through a search: the suit each Pile builds (-1 for a
// Pile that can never take a card).
struct PileSuits {
    std::array<int, PileCount> suit{};
};

struct Position {
    std::array<std::array<std::uint8_t, ColumnDepth>, ColumnCount> column{};
    std::array<std::uint8_t, ColumnCount> height{};
    std::array<std::uint8_t, RoomCount> room{NoCard, NoCard, NoCard, NoCard};
    std::array<std::uint8_t, PileCount> pile{};   // cards on each Pile
    bool autoSuspended = false;

    std::uint8_t top(int c) const { return column[c][height[c] - 1]; }
    bool isWon() const;
    int freeRooms() const;
    int emptyColumns() const;

    // Places above a Column's top card are not compared.
    bool operator==(const Position& other) const;
};

// The position of a table between two of the player's actions, or nothing
// when a card is held or the table is not one the game can make.
std::optional<Position> positionOf(const TableState& table, bool autoSuspended, PileSuits& suits);

// The Pile that takes `card` now, or -1.
int pileTaking(const Position& position, const PileSuits& suits, CardCode card);

// Every transfer the player can make that changes the table: one target for
// all free Rooms and one for all empty Columns, as they are interchangeable.
// One card of several to an empty Column is left out where two of the
// others, through a free Room, leave the same table.
void listTransfers(const Position& position, const PileSuits& suits, std::vector<SolverTransfer>& out);

// The transfer, then the automatic moves to their fixpoint unless suspended.
// `changed` gets a bit for each Column the two changed.
Position applied(const Position& position, const PileSuits& suits, const SolverTransfer& transfer,
                 unsigned* changed = nullptr);
// The automatic moves still due, all of them; the bits of the Columns they changed.
unsigned settle(Position& position, const PileSuits& suits);

// Equal for positions that differ only in the order of Columns or Rooms.
std::uint64_t fingerprint(const Position& position);
// The same for `after`, from that of `before` and the Columns that differ.
std::uint64_t fingerprintAfter(const Position& before, std::uint64_t beforeFingerprint, const Position& after,
                               unsigned changed);

// A position in as few bytes as its cards need: that many, written to `out`.
std::size_t packedSize(const Position& position);
void pack(const Position& position, std::uint8_t* out);
Position unpacked(const std::uint8_t* packed);

// A transfer in 16 bits; its card is the one at its origin.
std::uint16_t encoded(const SolverTransfer& transfer);
SolverTransfer decoded(std::uint16_t code, const Position& position);

} // namespace tavolin::solver
