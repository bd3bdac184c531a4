#pragma once

#include "suits.h"

class QPainter;

namespace tavolin::cards {

// Paints one card face in the 72 × 96 card's own coordinates; the painter's
// transform carries the scale. Rank 0 is the Ace, 12 the King.
void paintFace(QPainter& painter, Suit suit, int rank);

// The face of the enlarged 142 × 192 cell, in its own coordinates. A
// covered card shows only its top 18 pixels, so rank and suit stand whole
// in that strip, large enough to tell a Three from an Eight and a Spade
// from a Club; the pips and court pictures lie below it.
void paintLargeFace(QPainter& painter, Suit suit, int rank);

} // namespace tavolin::cards
