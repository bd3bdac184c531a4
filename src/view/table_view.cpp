#include "table_view.h"

#include "platform/card_library.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tavolin {
namespace {

const QColor TableColour(0, 153, 0);
const QColor FrameTopLeft(200, 180, 150);
const QColor FrameRight(210, 218, 200);
const QColor FrameBottom(0, 218, 0);
const QColor Separator(170, 160, 134);

} // namespace

TableView::TableView(const Game& game, const TableLayout& layout, const CardLibrary& cards, const InfoPanel& panel,
                     QWidget* parent)
    : QWidget(parent), game_(game), layout_(layout), cards_(cards), panel_(panel)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, TableColour);
    setPalette(palette);
    // Moves between the two clicks of a click-and-click transfer are tracked too.
    setMouseTracking(true);
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    if (onMousePress)
        onMousePress(event->button(), event->position().toPoint());
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint());
}

void TableView::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseRelease)
        onMouseRelease(event->button(), event->position().toPoint());
}

const QImage* TableView::picture(int number)
{
    if (!cards_.isLoaded() || picturesFailed_)
        return nullptr;
    auto found = pictures_.find(number);
    if (found != pictures_.end())
        return &found->second;
    // The larger rendering keeps cards sharp when enlarged or on a 2× screen.
    const int scale = (layout_.CardWidth > 72 || devicePixelRatioF() > 1.0) ? 2 : 1;
    std::optional<QImage> image = cards_.bitmap(number, scale);
    if (!image) {
        picturesFailed_ = true;
        if (onMissingBitmap)
            onMissingBitmap(number);
        return nullptr;
    }
    return &pictures_.emplace(number, *image).first->second;
}

void TableView::drawPicture(QPainter& p, int x, int y, int number, bool stretch)
{
    const QImage* image = picture(number);
    if (!image)
        return;
    const QSizeF size = stretch ? QSizeF(layout_.CardWidth, layout_.CardHeight)
                                : image->deviceIndependentSize();
    p.drawImage(QRectF(QPointF(x, y), size), *image);
}

void TableView::drawCard(QPainter& p, int x, int y, CardCode card, DrawMode mode)
{
    const QRect cell(x, y, layout_.CardWidth, layout_.CardHeight);
    if (mode == DrawMode::Vacant) {
        p.fillRect(cell, TableColour);
        return;
    }
    if (mode == DrawMode::Base) {
        drawPicture(p, x, y, card, false);
        return;
    }
    if (!cards_.isLoaded() || !isValidCard(card))
        return;
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(cell), 3, 3);
    p.save();
    p.setClipPath(rounded);
    drawPicture(p, x, y, faceImageNumber(card), true);
    if (mode == DrawMode::Selected) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.fillRect(cell, Qt::white);
    }
    p.restore();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();
}

void TableView::drawFrames(QPainter& p) const
{
    const int L = layout_.LeftMargin;
    const int T = layout_.TopMargin;
    const int H = layout_.CardHeight;
    for (int left : {L, layout_.PilesLeft}) {
        p.setPen(FrameTopLeft);
        p.drawLine(left, T, left + layout_.BlockWidth - 3, T);
        p.drawLine(left, T, left, T + H);
        p.setPen(FrameRight);
        p.drawLine(left + 4 * layout_.CardWidth + 1, T, left + 4 * layout_.CardWidth + 1, T + H);
        p.setPen(FrameBottom);
        p.drawLine(left, T + H + 1, left + layout_.BlockWidth - 3, T + H + 1);
    }
    p.setPen(QPen(FrameBottom, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(4, 4), QPoint(layout_.TableWidth - 4, height() - 1)));
}

void TableView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (sidePicture_ && !sidePicture_->isNull()) {
        const QRect side(QPoint(layout_.TableWidth, layout_.TopAreaHeight), QPoint(width() - 1, height() - 1));
        p.drawImage(side, *sidePicture_);
    }
    drawFrames(p);
    const TableState& table = game_.table;
    for (const SlotRec& room : table.rooms) {
        if (room.occupied) {
            drawCard(p, room.x, room.y, room.card, room.mode);
        } else {
            p.setPen(Separator);
            p.drawLine(room.x - 1, room.y, room.x - 1, room.y + layout_.CardHeight - 1);
        }
    }
    for (int i = 0; i < PileCount; ++i) {
        const SlotRec& pile = table.piles[i];
        if (pile.occupied) {
            drawCard(p, pile.x, pile.y, pile.card, pile.mode);
        } else {
            drawCard(p, pile.x, pile.y, pileMarks_[i], DrawMode::Base);
            p.setPen(Separator);
            p.drawLine(pile.x - 1, pile.y, pile.x - 1, pile.y + layout_.CardHeight - 1);
        }
    }
    if (game_.flags.DetailsShown || game_.flags.ShowMoves)
        p.drawImage(QPoint(layout_.PanelLeft, layout_.PanelTop), panel_.image());
    for (const ColumnRec& column : table.columns)
        for (int position = 0; position < ColumnDepth && column.present[position]; ++position)
            drawCard(p, column.x[position], column.y[position], column.card[position], column.mode[position]);
    if (flying_)
        drawCard(p, flying_->at.x(), flying_->at.y(), flying_->card, DrawMode::Face);
}

} // namespace tavolin
