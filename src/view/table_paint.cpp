// Bringing the off-screen images up to date: what FormPaint redraws, and
// DrawCard, which draws every cell.
#include "table_view.h"

#include <QPainter>

namespace tavolin {
namespace {

const QColor TableColour(0, 153, 0);
const QColor FrameTopLeft(200, 180, 150);
const QColor FrameRight(210, 218, 200);
const QColor FrameBottom(0, 218, 0);
const QColor Separator(170, 160, 134);

} // namespace

void TableView::DrawCard(QPainter& canvas, int x, int y, int cardOrImage, DrawMode mode, const QColor& fill)
{
    if (!cells_.canDraw())
        return;
    ++redrawn_.cells;
    switch (mode) {
    case DrawMode::Face:
        if (const QImage* cell = isValidCard(cardOrImage) ? cells_.face(cardOrImage) : nullptr)
            canvas.drawImage(QPoint(x, y), *cell);
        break;
    case DrawMode::Selected:
        if (isValidCard(cardOrImage)) {
            const QImage cell = cells_.selectedFace(cardOrImage);
            if (!cell.isNull())
                canvas.drawImage(QPoint(x, y), cell);
        }
        break;
    case DrawMode::Base:
        if (const QImage* mark = cells_.base(cardOrImage))
            canvas.drawImage(QPoint(x, y), *mark);
        break;
    case DrawMode::Vacant:
        canvas.fillRect(cellAt(x, y), fill);
        break;
    }
}

// Lines run from their first point up to, not including, the second.
void TableView::paintBlockFrame(QPainter& p, int left)
{
    const int top = layout_.TopMargin;
    const int height = layout_.CardHeight;
    const int width = layout_.BlockWidth;
    p.fillRect(QRect(left, top, width, height), TableColour);
    p.fillRect(QRect(left, top, width - 2, 1), FrameTopLeft);
    p.fillRect(QRect(left, top, 1, height + 1), FrameTopLeft);
    p.fillRect(QRect(4 * layout_.CardWidth + left + 1, top, 1, height + 1), FrameRight);
    p.fillRect(QRect(left, top + height + 1, width - 2, 1), FrameBottom);
}

// An empty place shows the table colour (a Room) or its suit's mark (a
// Pile), with a darker line on its left.
void TableView::paintPlaces(QPainter& p)
{
    const TableState& table = game_.table;
    auto separator = [&](const SlotRec& slot) {
        p.fillRect(QRect(slot.x - 1, slot.y, 1, layout_.CardHeight), Separator);
    };
    for (const SlotRec& room : table.rooms) {
        if (room.occupied) {
            DrawCard(p, room.x, room.y, room.card, room.mode, TableColour);
        } else {
            DrawCard(p, room.x, room.y, 0, DrawMode::Vacant, TableColour);
            separator(room);
        }
    }
    for (int i = 0; i < PileCount; ++i) {
        const SlotRec& pile = table.piles[i];
        if (pile.occupied) {
            DrawCard(p, pile.x, pile.y, pile.card, pile.mode, TableColour);
        } else {
            DrawCard(p, pile.x, pile.y, pileMarks_[i], DrawMode::Base, TableColour);
            separator(pile);
        }
    }
}

void TableView::paintTopArea()
{
    QPainter p(&TopAreaBitmap);
    if (FullRepaint) {
        p.fillRect(QRect(0, 0, layout_.TableWidth, layout_.TopAreaHeight), TableColour);
        RoomsFrameDirty = true;
        PilesFrameDirty = true;
    }
    if (RoomsFrameDirty) {
        paintBlockFrame(p, layout_.LeftMargin);
        RoomsFrameDirty = false;
    }
    if (PilesFrameDirty) {
        paintBlockFrame(p, layout_.PilesLeft);
        PilesFrameDirty = false;
    }
    paintPlaces(p);
}

// The Column's strip cleared to the bottom, then its cards from position 0
// up, each covering the lower part of the one before.
void TableView::paintColumn(QPainter& p, int column)
{
    const ColumnRec& rec = game_.table.columns[column];
    int count = 0;
    for (const std::uint8_t present : rec.present)
        count += present ? 1 : 0;
    const int x0 = game_.geometry.columnX(column);
    const int top = layout_.TopAreaHeight;
    const int bottom = top + int(ColumnAreaBitmap.deviceIndependentSize().height());
    p.fillRect(QRect(x0 - 1, top, layout_.CardWidth + 2, bottom - top), TableColour);
    for (int position = 0; position < count; ++position)
        DrawCard(p, rec.x[position], rec.y[position], rec.card[position], rec.mode[position], TableColour);
    redrawn_.columns[column] = true;
}

// Returns the part of the window that changed.
QRegion TableView::paintColumnArea()
{
    QPainter p;
    beginColumnPainting(p);
    QRegion changed;
    if (FullRepaint) {
        p.fillRect(QRect(QPoint(0, layout_.TopAreaHeight), ColumnAreaBitmap.deviceIndependentSize().toSize()),
                   TableColour);
        changed += columnAreaRect();
    }
    TableState& table = game_.table;
    if (table.cardsLeft != 0) {
        game_.ResetDetailsPanel();
        for (int column = 0; column < ColumnCount; ++column) {
            if (!table.ColumnDirty[column])
                continue;
            paintColumn(p, column);
            const int x0 = game_.geometry.columnX(column);
            changed += QRect(x0 - 1, layout_.TopAreaHeight, layout_.CardWidth + 2, height());
            table.ColumnDirty[column] = 0;
        }
    }
    if (game_.flags.DetailsShown || game_.flags.ShowMoves) {
        const QPoint at(layout_.PanelLeft, layout_.PanelTop);
        p.drawImage(at, panel_.image());
        changed += QRect(at, panel_.image().deviceIndependentSize().toSize());
    }
    return changed & columnAreaRect();
}

// The images are made again whole from the table, without reading or
// clearing what the game marked as changed.
void TableView::redrawImages()
{
    TopAreaBitmap.fill(TableColour);
    ColumnAreaBitmap.fill(TableColour);
    {
        QPainter p(&TopAreaBitmap);
        paintBlockFrame(p, layout_.LeftMargin);
        paintBlockFrame(p, layout_.PilesLeft);
        paintPlaces(p);
    }
    QPainter p;
    beginColumnPainting(p);
    for (int column = 0; column < ColumnCount; ++column)
        paintColumn(p, column);
    if (game_.flags.DetailsShown || game_.flags.ShowMoves)
        p.drawImage(QPoint(layout_.PanelLeft, layout_.PanelTop), panel_.image());
}

void TableView::beginColumnPainting(QPainter& p)
{
    p.begin(&ColumnAreaBitmap);
    p.translate(0, -layout_.TopAreaHeight);
}

void TableView::FormPaint(PaintSender sender)
{
    if (sender != PaintSender::TableButton)
        SidePictureShown = false;
    redrawn_ = {};
    QRegion window = tableFrame();
    if (prepareImages() && !Animating) {
        paintTopArea();
        window += topAreaRect();
        window += paintColumnArea();
        window += windowOnly_;
        windowOnly_ = QRegion();
    }
    FullRepaint = false;
    if (!SidePictureShown && sidePicture_) {
        window += sideRect();
        SidePictureShown = true;
    }
    repaint(window);
}

} // namespace tavolin
