#include "face_painter.h"

#include "court_panel.h"
#include "lettering.h"
#include "pip_layout.h"

#include <QPainter>

#include <array>

namespace tavolin::cards {
namespace {

const QColor Paper(255, 255, 255);
const QColor Border(58, 58, 64);

// Where the parts of a face lie on one card size. The outermost pixel
// stays clear: the table draws its own outline there.
struct FaceDesign {
    QRectF body;
    // No rounder than the table's outline drawn over the face: a rounder
    // body would let the table show between that outline and the paper.
    qreal cornerRadius;
    // Rank and suit side by side near the top left corner.
    qreal rankCentreX;
    qreal indexBaseline;
    qreal indexCapHeight;
    qreal rankMaxWidth;
    QPointF indexPipCentre;
    qreal indexPipHeight;
    // Pips, the Ace and the court picture are drawn in the small card's
    // coordinates, enlarged by this factor.
    qreal bodyScale;
};

// The index fits the top 18 pixels, the part of a card that still shows
// when the next card of a Column covers it.
const FaceDesign Small{QRectF(1.5, 1.5, 69, 93), 1, 7.5, 14, 10, 10, QPointF(18, 9), 9, 1};
const FaceDesign Large{QRectF(1.5, 1.5, 139, 189), 1, 15, 14.5, 11.5, 20, QPointF(35, 9), 12.5, 2};

// The pip field of the number cards: centres of the outer columns and rows.
const QRectF PipField(22, 20, 28, 56);
constexpr qreal PipHeight = 12.5;
constexpr qreal AceHeight = 34;

const std::array<QString, 13> RankLabels{"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void paintBlank(QPainter& painter, const FaceDesign& design)
{
    painter.setPen(QPen(Border, 1));
    painter.setBrush(Paper);
    painter.drawRoundedRect(design.body, design.cornerRadius, design.cornerRadius);
}

void paintIndex(QPainter& painter, const FaceDesign& design, Suit suit, int rank)
{
    const QPainterPath label
        = letterOutline(RankLabels[rank], "DejaVu Sans", design.indexCapHeight, design.rankMaxWidth);
    painter.fillPath(label.translated(design.rankCentreX, design.indexBaseline), suitColour(suit));
    drawPip(painter, suit, design.indexPipCentre, design.indexPipHeight);
}

// The index twice, the second turned half round into the opposite corner.
void paintIndexes(QPainter& painter, const FaceDesign& design, Suit suit, int rank)
{
    paintIndex(painter, design, suit, rank);
    painter.save();
    painter.translate(design.body.center());
    painter.rotate(180);
    painter.translate(-design.body.center());
    paintIndex(painter, design, suit, rank);
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

void paintBody(QPainter& painter, const FaceDesign& design, Suit suit, int rank)
{
    painter.save();
    painter.scale(design.bodyScale, design.bodyScale);
    if (rank == AceRank)
        drawPip(painter, suit, Small.body.center(), AceHeight);
    else if (rank >= JackRank)
        paintCourtPanel(painter, suit, rank);
    else
        paintPips(painter, suit, rank);
    painter.restore();
}

void paintDesign(QPainter& painter, const FaceDesign& design, Suit suit, int rank)
{
    paintBlank(painter, design);
    paintIndexes(painter, design, suit, rank);
    paintBody(painter, design, suit, rank);
}

} // namespace

void paintFace(QPainter& painter, Suit suit, int rank)
{
    paintDesign(painter, Small, suit, rank);
}

void paintLargeFace(QPainter& painter, Suit suit, int rank)
{
    paintDesign(painter, Large, suit, rank);
}

} // namespace tavolin::cards
