#pragma once

#include <span>

namespace tavolin::cards {

// Where a pip sits inside the pip field of a number card: x 0 is the left
// column, 0.5 the middle, 1 the right; y 0 is the top row, 1 the bottom row.
struct PipSpot {
    double x;
    double y;
};

// The traditional arrangement for the ranks Two to Ten (rank index 1..9);
// empty for any other rank.
std::span<const PipSpot> pipSpots(int rank);

} // namespace tavolin::cards
