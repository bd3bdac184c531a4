#pragma once

#include "game/geometry.h"
#include "game/place.h"
#include "game/table.h"

#include <QColor>
#include <QRect>
#include <QRegion>

class QPainter;

namespace tavolin {

// Where a hinted transfer's cards lie and where they would go.
struct HintMarks {
    QRect source;
    QRect target;

    bool operator==(const HintMarks&) const = default;
};

// The marks of `cards` cards taken from `from` (a Column's top ones, or a
// Room's card) to `to` (a Column's top card or an empty Column's first
// place, a Room, a Pile), as the table lies now.
HintMarks hintMarksFor(const TableState& table, const TableGeometry& geometry, Place from, int cards, Place to);

// Not the keyboard cursor's yellow: the two stand side by side.
inline const QColor HintMarkColour(232, 0, 184);

// The corners of a frame round each rectangle, just outside it, so that no
// card's corner index is covered.
void drawHintMarks(QPainter& p, const HintMarks& marks);
QRegion hintMarksArea(const HintMarks& marks);

} // namespace tavolin
