#pragma once

#include "suits.h"

class QPainter;

namespace tavolin::cards {

// The framed picture of a Jack, Queen or King (rank 10, 11, 12) in the
// middle of the card: a frame in the rank's own colour, the rank's letter
// and the suit, mirrored top to bottom like a double-headed court card.
void paintCourtPanel(QPainter& painter, Suit suit, int rank);

} // namespace tavolin::cards
