#include "hint_marks.h"

#include <QPainter>

namespace tavolin {
namespace {

constexpr int FrameGap = 1;     // between a card's edge and the marks
constexpr int MarkWidth = 3;   // fits the 12-pixel gap between Columns

QRect cardRect(const TableGeometry& geometry, int x, int y)
{
    return QRect(x, y, geometry.CardWidth, geometry.CardHeight);
}

QRect placeRect(const TableState& table, const TableGeometry& geometry, Place place, int cards)
{
    switch (place.kind) {
    case PlaceKind::Room:
        return cardRect(geometry, geometry.roomX(place.index), geometry.slotY());
    case PlaceKind::Pile:
        return cardRect(geometry, geometry.pileX(place.index), geometry.slotY());
    case PlaceKind::Column:
        break;
    }
    const ColumnRec& column = table.columns[place.index];
    const int top = column.topPosition();
    if (top < 0)
        return cardRect(geometry, geometry.columnX(place.index), geometry.columnY(0));
    const int first = std::max(0, top - std::max(1, cards) + 1);
    return cardRect(geometry, column.x[first], column.y[first])
        .united(cardRect(geometry, column.x[top], column.y[top]));
}

QRect frameRect(const QRect& card)
{
    const int out = FrameGap + MarkWidth;
    return card.adjusted(-out, -out, out, out);
}

// An angle at each corner of the frame, its arms a quarter of the card's
// width long: corners, not the keyboard cursor's closed ring.
QRegion corners(const QRect& card)
{
    const QRect outer = frameRect(card);
    const int arm = outer.width() / 4;
    QRegion marks;
    for (const int x : {outer.left(), outer.right() - arm + 1})
        for (const int y : {outer.top(), outer.bottom() - MarkWidth + 1})
            marks += QRect(x, y, arm, MarkWidth);
    for (const int x : {outer.left(), outer.right() - MarkWidth + 1})
        for (const int y : {outer.top(), outer.bottom() - arm + 1})
            marks += QRect(x, y, MarkWidth, arm);
    return marks;
}

} // namespace

HintMarks hintMarksFor(const TableState& table, const TableGeometry& geometry, Place from, int cards, Place to)
{
    return {placeRect(table, geometry, from, cards), placeRect(table, geometry, to, 1)};
}

void drawHintMarks(QPainter& p, const HintMarks& marks)
{
    for (const QRect& band : corners(marks.source) + corners(marks.target))
        p.fillRect(band, HintMarkColour);
}

QRegion hintMarksArea(const HintMarks& marks)
{
    return QRegion(frameRect(marks.source)) + frameRect(marks.target);
}

} // namespace tavolin
