#pragma once

#include "card.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tavolin {

inline constexpr int ColumnCount = 8;
inline constexpr int ColumnDepth = 18;   // positions 0..17
inline constexpr int RoomCount = 4;
inline constexpr int PileCount = 4;
inline constexpr int EmptyColumnTarget = ColumnDepth; // position 18 names an empty Column

enum class DrawMode : std::int32_t { Face = 0, Base = 1, Selected = 2, Vacant = 4 };

struct ColumnRec {
    std::array<std::uint8_t, ColumnDepth> present{};
    std::array<std::int32_t, ColumnDepth> x{};
    std::array<std::int32_t, ColumnDepth> y{};
    std::array<CardCode, ColumnDepth> card{};
    std::array<DrawMode, ColumnDepth> mode{};

    bool isEmpty() const { return present[0] == 0; }
    // The highest present position, or -1 for an empty Column.
    int topPosition() const;
    int cardCount() const { return topPosition() + 1; }

    bool operator==(const ColumnRec&) const = default;
};

// Every rule asks for the top card, so the flags are read eight at a time:
// the highest nonzero byte of a little-endian word is the highest present position.
inline int ColumnRec::topPosition() const
{
    static_assert(std::endian::native == std::endian::little);
    static_assert(ColumnDepth == 18);
    std::uint16_t last = 0;
    std::uint64_t middle = 0;
    std::uint64_t first = 0;
    std::memcpy(&first, present.data(), 8);
    std::memcpy(&middle, present.data() + 8, 8);
    std::memcpy(&last, present.data() + 16, 2);
    if (last != 0)
        return 16 + (15 - std::countl_zero(last)) / 8;
    if (middle != 0)
        return 8 + (63 - std::countl_zero(middle)) / 8;
    if (first != 0)
        return (63 - std::countl_zero(first)) / 8;
    return -1;
}

// A Room or a Pile. A Pile keeps only its top card; the RankTable knows the rest.
struct SlotRec {
    std::uint8_t occupied = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    CardCode card = 0;
    DrawMode mode = DrawMode::Face;

    bool operator==(const SlotRec&) const = default;
};

struct RankRow {
    std::array<std::uint8_t, SuitCount> onPile{};
    std::uint8_t cleared = 0;   // all four cards of the rank lie on the Piles

    bool operator==(const RankRow&) const = default;
};
using RankTable = std::array<RankRow, RankCount>;

using Columns = std::array<ColumnRec, ColumnCount>;
using Rooms = std::array<SlotRec, RoomCount>;
using Piles = std::array<SlotRec, PileCount>;

// What Undo goes back to: the places and the Piles' progress.
struct UndoSnapshot {
    Rooms rooms{};
    Piles piles{};
    Columns columns{};
    RankTable rankTable{};
    std::int32_t autoRank = 1;
    std::int32_t cardsLeft = 0;

    bool operator==(const UndoSnapshot&) const = default;
};

struct TableState {
    Columns columns{};
    Rooms rooms{};
    Piles piles{};
    RankTable rankTable{};
    std::array<std::int32_t, PileCount> pileSuit{0, 1, 2, 3};
    std::array<CardCode, PackSize> dealOrder{};
    std::int32_t cardsLeft = 0;
    std::int32_t autoRank = 1;
    UndoSnapshot undo{};
    std::array<std::int32_t, ColumnCount> ColumnDirty{};

    void markAllColumnsDirty() { ColumnDirty.fill(1); }

    bool operator==(const TableState&) const = default;
};

} // namespace tavolin
