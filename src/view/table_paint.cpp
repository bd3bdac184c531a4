// Bringing the off-screen images up to date: what FormPaint redraws, and
// DrawCard, which draws every cell.
#include "table_view.h"

#include "view/table_accessible.h"
#include "view/table_colour.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavolin {
namespace {

const QColor FrameTopLeft(200, 180, 150);
const QColor FrameRight(210, 218, 200);
const QColor FrameBottom(0, 218, 0);
const QColor Separator(170, 160, 134);
// Between the lowest card and a panel moved below it.
constexpr int PanelGap = 4;

} // namespace

void TableView::DrawCard(QPainter& canvas, int x, int y, int cardOrImage, DrawMode mode, const QColor& fill, int rows)
{
    if (!cells_.canDraw())
        return;
    ++redrawn_.cells;
    auto drawFace = [&](const CellPicture& cell) {
        const int shown = rows < 0 ? layout_.CardHeight : std::min(rows, layout_.CardHeight);
        const qreal ratio = cell.devicePixelRatio();
        inBands(QRect(x, y, layout_.CardWidth, shown), ratio, [&](const QRect& band) {
            const QRectF source(0, (band.top() - y) * ratio, cell.size().width(), band.height() * ratio);
            const int first = int(source.top());
            const int count = std::min(cell.size().height(), int(std::ceil(source.bottom()))) - first;
            canvas.drawImage(band, cells_.drawn(cell, first, count), source.translated(0, -first));
        });
    };
    switch (mode) {
    case DrawMode::Face:
        if (const CellPicture* cell = isValidCard(cardOrImage) ? cells_.face(cardOrImage) : nullptr)
            drawFace(*cell);
        break;
    case DrawMode::Selected:
        if (isValidCard(cardOrImage)) {
            const CellPicture cell(cells_.selectedFace(cardOrImage));
            if (!cell.isNull())
                drawFace(cell);
        }
        break;
    case DrawMode::Base:
        if (const CellPicture* mark = cells_.base(cardOrImage))
            canvas.drawImage(QPoint(x, y), cells_.drawn(*mark, 0, mark->size().height()));
        break;
    case DrawMode::Vacant:
        inBands(cellAt(x, y), canvas.device()->devicePixelRatioF(), [&](const QRect& band) { canvas.fillRect(band, fill); });
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
void TableView::drawPlace(QPainter& p, std::size_t index)
{
    const PlaceLook& look = placeLooks_[index];
    const SlotRec& slot = slotOf(index);
    DrawCard(p, slot.x, slot.y, look.cardOrMark, look.mode, TableColour);
    if (!look.occupied)
        drawSeparator(p, index);
}

void TableView::drawSeparator(QPainter& p, std::size_t index)
{
    const SlotRec& slot = slotOf(index);
    p.fillRect(QRect(slot.x - 1, slot.y, 1, layout_.CardHeight), Separator);
}

const SlotRec& TableView::slotOf(std::size_t index) const
{
    return index < RoomCount ? game_.table.rooms[index] : game_.table.piles[index - RoomCount];
}

// Each place's look taken from the table, after the top area was filled
// with the table colour or the frames of the blocks were painted again.
// Returns the places that look different from the last paint.
QRegion TableView::takePlaceLooks(bool topFilled, bool roomsFramePainted, bool pilesFramePainted)
{
    QRegion changed;
    for (std::size_t index = 0; index < placeLooks_.size(); ++index) {
        const SlotRec& slot = slotOf(index);
        const bool room = index < RoomCount;
        const PlaceLook look = slot.occupied ? PlaceLook{true, slot.card, slot.mode}
            : room                           ? PlaceLook{false, 0, DrawMode::Vacant}
                                             : PlaceLook{false, pileMarks_[index - RoomCount], DrawMode::Base};
        // An empty place's line stays where it was drawn, under a card laid
        // there later, until something opaque covers its column: the frame
        // of the block for its first place, else the place to the left,
        // unless that shows a face with its clear corners. A block's fill
        // stops a row short of the places' foot.
        const bool firstOfBlock = index == 0 || index == RoomCount;
        const bool framePainted = room ? roomsFramePainted : pilesFramePainted;
        LineBeneath& beneath = separatorBeneath_[index];
        if (!look.occupied)
            beneath = LineBeneath::Whole;
        else if (topFilled || (firstOfBlock && framePainted)
                 || (!firstOfBlock && cells_.canDraw() && !showsFace(placeLooks_[index - 1])))
            beneath = LineBeneath::None;
        else if (framePainted && beneath == LineBeneath::Whole)
            beneath = LineBeneath::Foot;
        placeLooks_[index] = look;
        if (placesShown_[index] != look)
            changed += cellAt(slot.x - 1, slot.y).adjusted(0, 0, 1, 0);
        // Until the library is loaded nothing was drawn, whatever the place holds.
        placesShown_[index] = cells_.canDraw() ? std::optional(look) : std::nullopt;
    }
    heldOnTop_.reset();
    return changed;
}

// Returns the part of the window that changed.
QRegion TableView::paintTopArea()
{
    const bool roomsFrame = FullRepaint || RoomsFrameDirty;
    const bool pilesFrame = FullRepaint || PilesFrameDirty;
    RoomsFrameDirty = false;
    PilesFrameDirty = false;
    const QRegion places = takePlaceLooks(FullRepaint, roomsFrame, pilesFrame);
    return roomsFrame || pilesFrame ? QRegion(topAreaRect()) : places;
}

// The top area within `area`, as the places looked at the last paint: the
// table colour, the two blocks' frames, the lines that lie beneath, then
// the places in their order, since an empty place's line lies on its left
// neighbour's last column; a card held since then lies over its whole cell.
// Each place is drawn once, clipped to its part of the area.
void TableView::drawTopArea(QPainter& p, const QRegion& area)
{
    p.save();
    for (const QRect& part : area)
        p.fillRect(part, TableColour);
    p.setClipRegion(area);
    paintBlockFrame(p, layout_.LeftMargin);
    paintBlockFrame(p, layout_.PilesLeft);
    for (std::size_t i = 0; i < placeLooks_.size(); ++i) {
        const SlotRec& slot = slotOf(i);
        if (separatorBeneath_[i] == LineBeneath::Whole)
            drawSeparator(p, i);
        else if (separatorBeneath_[i] == LineBeneath::Foot)
            p.fillRect(QRect(slot.x - 1, slot.y + layout_.CardHeight - 1, 1, 1), Separator);
    }
    auto drawClipped = [&](std::size_t index) {
        const SlotRec& slot = slotOf(index);
        const QRegion part = area & cellAt(slot.x - 1, slot.y).adjusted(0, 0, 1, 0);
        if (part.isEmpty())
            return;
        p.setClipRegion(part);
        drawPlace(p, index);
    };
    for (std::size_t i = 0; i < placeLooks_.size(); ++i)
        drawClipped(i);
    if (heldOnTop_)
        drawClipped(*heldOnTop_);
    p.restore();
}

// The Column's strip cleared, then its cards from position 0 up, each
// covering the lower part of the one before. Returns the strip.
QRect TableView::paintColumn(QPainter& p, int column)
{
    const ColumnRec& rec = game_.table.columns[column];
    int count = 0;
    for (const std::uint8_t present : rec.present)
        count += present ? 1 : 0;
    const int x0 = game_.geometry.columnX(column);
    const int top = layout_.TopAreaHeight;
    const int cardsBottom = count > 0 ? rec.y[count - 1] + layout_.CardHeight : top;
    const QRect strip(x0 - 1, top, layout_.CardWidth + 2, std::max(stripBottom_[column], cardsBottom) - top);
    inBands(strip, ColumnAreaBitmap.devicePixelRatio(), [&](const QRect& band) { p.fillRect(band, TableColour); });
    for (int position = 0; position < count; ++position)
        DrawCard(p, rec.x[position], rec.y[position], rec.card[position], rec.mode[position], TableColour,
                 rowsShown(rec, position, count));
    stripBottom_[column] = cardsBottom;
    redrawn_.columns[column] = true;
    return strip;
}

// How much of a Column's card is not hidden under the next card, which
// covers everything below its own rounded top corners; -1 for all of it.
int TableView::rowsShown(const ColumnRec& rec, int position, int count)
{
    if (position + 1 >= count)
        return -1;
    const DrawMode next = rec.mode[position + 1];
    if (next != DrawMode::Face && next != DrawMode::Selected)
        return -1;
    const int step = rec.y[position + 1] - rec.y[position];
    const int solid = cells_.solidFromRow(rec.card[position + 1]);
    return step >= solid && rec.x[position + 1] == rec.x[position] ? step + solid : -1;
}

// The panel keeps its place until a Column reaches into it; then it lies
// below the lowest card, and where that leaves too little room for what it
// holds it is not shown. No card is hidden under it and no text is cut, not
// even by the status bar of a window that a window manager's frame has made
// shorter since the panel was sized.
QRect TableView::panelPlace() const
{
    if (panel_.isBlank())
        return {};
    const QRect place = panelRect();
    int top = place.top();
    for (const ColumnRec& rec : game_.table.columns) {
        const int last = rec.topPosition();
        if (last >= 0)
            top = std::max(top, rec.y[last] + layout_.CardHeight + PanelGap);
    }
    const QRect below(QPoint(place.left(), top), QPoint(place.right(), std::min(place.bottom(), height() - 1)));
    return below.height() >= panel_.contentHeight() ? below : QRect();
}

// The panel lies over the Columns' strips, which are then cleared through
// it. Where it lay before and lies no longer, the cards show again. Returns
// the part of the image that changed.
QRegion TableView::drawPanel(QPainter& p)
{
    const QRect place = panelPlace();
    QRegion changed;
    if (place != panelShown_ && !panelShown_.isEmpty()) {
        p.fillRect(panelShown_, TableColour);
        changed += panelShown_;
        for (int column = 0; column < ColumnCount; ++column)
            changed += paintColumn(p, column);
    }
    panelShown_ = place;
    if (place.isEmpty())
        return changed;
    const qreal ratio = panel_.image().devicePixelRatio();
    p.drawImage(place, panel_.image(), QRectF(QPointF(0, 0), QSizeF(place.size()) * ratio));
    for (int& bottom : stripBottom_)
        bottom = std::max(bottom, place.bottom() + 1);
    return changed + place;
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
        stripBottom_.fill(layout_.TopAreaHeight);
        panelShown_ = QRect();
        changed += columnAreaRect();
    }
    TableState& table = game_.table;
    if (table.cardsLeft != 0) {
        game_.ResetDetailsPanel();
        for (int column = 0; column < ColumnCount; ++column) {
            if (!table.ColumnDirty[column])
                continue;
            changed += paintColumn(p, column);
            table.ColumnDirty[column] = 0;
        }
    }
    if (game_.flags.DetailsShown || game_.flags.ShowMoves)
        changed += drawPanel(p);
    return changed & columnAreaRect();
}

// The images are made again whole from the table, without reading or
// clearing what the game marked as changed.
void TableView::redrawImages()
{
    ColumnAreaBitmap.fill(TableColour);
    takePlaceLooks(true, true, true);
    // Everything is copied to the window at the next paint.
    placesShown_.fill(std::nullopt);
    stripBottom_.fill(layout_.TopAreaHeight);
    panelShown_ = QRect();
    QPainter p;
    beginColumnPainting(p);
    for (int column = 0; column < ColumnCount; ++column)
        paintColumn(p, column);
    if (game_.flags.DetailsShown || game_.flags.ShowMoves)
        drawPanel(p);
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
        window += paintTopArea();
        window += paintColumnArea();
        window += windowOnly_;
        windowOnly_ = QRegion();
    }
    FullRepaint = false;
    // A Column that grew or shrank moves its keyboard frame.
    window += moveKeyboardFrame();
    if (!SidePictureShown && sidePicture_) {
        window += sideRect();
        SidePictureShown = true;
    }
    // The table button hides its part of the images: repainting it would
    // only repaint the button.
    repaint(window - childrenRegion());
    if (TableAccessible* reader = listeningReader())
        reader->followTable();
}

} // namespace tavolin
