#include "face_painter.h"

#include "court_panel.h"
#include "lettering.h"
#include "pip_layout.h"

#include <QPainter>

#include <array>

namespace tavolin::cards {
namespace {

// The outermost pixel stays clear: the table draws its own outline there.
const QRectF CardBody(1.5, 1.5, 69, 93);
constexpr qreal CornerRadius = 5;
const QColor Paper(255, 255, 255);
const QColor Border(58, 58, 64);

// The pip field of the number cards: centres of the outer columns and rows.
const QRectF PipField(22, 20, 28, 56);
constexpr qreal PipHeight = 12.5;
constexpr qreal AceHeight = 34;

// Rank and suit stand side by side in the top 18 pixels, the part of a card
// that still shows when the next card of a Column covers it.
const QPointF IndexBaseline(7.5, 14);
constexpr qreal IndexCapHeight = 10;
constexpr qreal IndexMaxWidth = 10;
const QPointF IndexPipCentre(18, 9);
constexpr qreal IndexPipHeight = 9;

const std::array<QString, 13> RankLabels{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void paintBlank(QPainter& painter)
{
    painter.setPen(QPen(Border, 1));
    painter.setBrush(Paper);
    painter.drawRoundedRect(CardBody, CornerRadius, CornerRadius);
}

void paintIndex(QPainter& painter, Suit suit, int rank)
{
    const QPainterPath label = letterOutline(RankLabels[rank], "DejaVu Sans", IndexCapHeight, IndexMaxWidth);
    painter.fillPath(label.translated(IndexBaseline), suitColour(suit));
    drawPip(painter, suit, IndexPipCentre, IndexPipHeight);
}

// The index twice, the second turned half round into the opposite corner.
void paintIndexes(QPainter& painter, Suit suit, int rank)
{
    paintIndex(painter, suit, rank);
    painter.save();
    painter.translate(CardBody.center());
    painter.rotate(180);
    painter.translate(-CardBody.center());
    paintIndex(painter, suit, rank);
    painter.restore();
}

void paintPips(QPainter& painter, Suit suit, int rank)
{
    for (const PipSpot& spot : pipSpots(rank)) {
        const QPointF centre(PipField.left() + spot.x * PipField.width(),
                             PipField.top() + spot.y * PipField.height());
        drawPip(painter, suit, centre, PipHeight, spot.y > 0.5);
    }
}

} // namespace

void paintFace(QPainter& painter, Suit suit, int rank)
{
    paintBlank(painter);
    paintIndexes(painter, suit, rank);
    if (rank == AceRank)
        drawPip(painter, suit, CardBody.center(), AceHeight);
    else if (rank >= JackRank)
        paintCourtPanel(painter, suit, rank);
    else
        paintPips(painter, suit, rank);
}

} // namespace tavolin::cards
