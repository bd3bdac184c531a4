#pragma once

#include <cstdint>

namespace tavolin {

// The few layout numbers the model needs to give every card place its
// window position. The window computes them (card size, where the Piles
// start) and hands them to the game; the defaults are the small cards.
struct TableGeometry {
    std::int32_t CardWidth = 72;
    std::int32_t CardHeight = 96;
    std::int32_t LeftMargin = 8;
    std::int32_t TopMargin = 8;
    std::int32_t ColumnGap = 12;
    std::int32_t ColumnStep = 18;
    std::int32_t PilesLeft = 375;

    std::int32_t roomX(int room) const { return LeftMargin + room * CardWidth + 1; }
    std::int32_t pileX(int pile) const { return PilesLeft + pile * CardWidth + 1; }
    std::int32_t slotY() const { return TopMargin + 1; }
    std::int32_t columnX(int column) const { return LeftMargin - 1 + column * (CardWidth + ColumnGap); }
    std::int32_t columnY(int position) const { return 2 * LeftMargin + CardHeight + position * ColumnStep; }
};

} // namespace tavolin
