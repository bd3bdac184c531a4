#pragma once

#include "suits.h"

class QPainter;

namespace tavolin::cards {

// Paints one card face in the 72 × 96 card's own coordinates; the painter's
// transform carries the scale. Rank 0 is the Ace, 12 the King.
void paintFace(QPainter& painter, Suit suit, int rank);

} // namespace tavolin::cards
