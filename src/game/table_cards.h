#pragma once

#include "table.h"

#include <array>
#include <cstdint>

namespace tavolin {

// What the rules read of a table between two of the player's actions: where
// each card lies, the Piles' suits and whether the automatic moves wait. Two
// tables that play alike compare equal, wherever their cards are drawn; a
// copy of a whole game's tables fits in a few hundred kilobytes.
struct TableCards {
    static constexpr std::uint8_t NoCard = 0xff;

    std::array<std::array<std::uint8_t, ColumnDepth>, ColumnCount> columns{};   // NoCard above the top
    std::array<std::uint8_t, RoomCount> rooms{};
    std::array<std::uint8_t, PileCount> piles{};   // the top card
    std::array<std::int8_t, PileCount> pileSuit{};
    bool autoSuspended = false;

    bool operator==(const TableCards&) const = default;
};

// A held card counts as lying in its place.
TableCards cardsOf(const TableState& table, bool autoSuspended);
// The table again, every card face up; where cards are drawn is not kept.
TableState tableOf(const TableCards& cards);

} // namespace tavolin
