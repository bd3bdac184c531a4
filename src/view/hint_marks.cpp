#include "hint_marks.h"

#include <QPainter>

namespace tavolin {
namespace {

constexpr int FrameGap = 1;     // between a card's edge and the frame
constexpr int MarkWidth = 3;   // fits the 12-pixel gap between Columns
const QColor FrameColour(255, 214, 0);

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

} // namespace

HintMarks hintMarksFor(const TableState& table, const TableGeometry& geometry, Place from, int cards, Place to)
{
    return {placeRect(table, geometry, from, cards), placeRect(table, geometry, to, 1)};
}

void drawHintMarks(QPainter& p, const HintMarks& marks)
{
    for (const QRect& card : {marks.source, marks.target}) {
        const QRect outer = frameRect(card);
        QRegion frame(outer);
        frame -= QRegion(outer.adjusted(MarkWidth, MarkWidth, -MarkWidth, -MarkWidth));
        for (const QRect& band : frame)
            p.fillRect(band, FrameColour);
    }
}

QRegion hintMarksArea(const HintMarks& marks)
{
    return QRegion(frameRect(marks.source)) + frameRect(marks.target);
}

} // namespace tavolin
