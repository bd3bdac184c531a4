#pragma once

#include <QPoint>

#include <vector>

namespace tavolin {

// The places a card passes on its way to a Pile, start and end included: a
// few straight jumps that stop as soon as one axis has arrived.
std::vector<QPoint> cardFlightPath(QPoint from, QPoint to);

// Milliseconds between two frames: slower on larger screens and for lower speeds.
int cardFlightPause(int screenClass, int speedSlider);

} // namespace tavolin
