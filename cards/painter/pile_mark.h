#pragma once

#include "suits.h"

class QPainter;

namespace tavolin::cards {

// Paints the mark of an empty Pile reserved for the suit, in the 72 × 96
// card's own coordinates. It is see-through: light strokes meant to lie on
// the green table.
void paintPileMark(QPainter& painter, Suit suit);

} // namespace tavolin::cards
