#include "table_view.h"

#include "platform/clock.h"
#include "view/card_flight.h"
#include "view/table_accessible.h"
#include "view/table_colour.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tavolin {
namespace {

const QColor TableFrameColour(0, 218, 0);
const QColor KeyboardFrameColour(255, 230, 0);
// The keyboard frame's width and its distance from the place it frames.
constexpr int KeyboardFrameWidth = 3;
constexpr int KeyboardFrameGap = 1;
constexpr int KeyboardFrameSideWidth = 2;
constexpr int FirstFramePause = 2;

// The part of `image` that lies under `target`, the image's top left
// corner being at `origin` on the window.
void copyImage(QPainter& p, const QRect& target, const QImage& image, QPoint origin)
{
    const qreal ratio = image.devicePixelRatio();
    inBands(target, ratio, [&](const QRect& band) {
        const QRectF source(QPointF(band.topLeft() - origin) * ratio, QSizeF(band.size()) * ratio);
        p.drawImage(QRectF(band), image, source);
    });
}

// A black Two to Ten is tinted as well as inverted when held.
bool isTintedWhenHeld(CardCode card)
{
    return colourOf(card) == 2 && rankOf(card) >= 1 && rankOf(card) <= 9;
}

} // namespace

TableView::TableView(Game& game, const TableLayout& layout, const CardLibrary& cards, const InfoPanel& panel,
                     QWidget* parent)
    : QWidget(parent), game_(game), layout_(layout), panel_(panel), cells_(cards)
{
    // Every pixel is painted from the images; what a partial repaint leaves
    // out keeps what the window showed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves between the two clicks of a click-and-click transfer are tracked too.
    setMouseTracking(true);
}

void TableView::setMissingBitmapHandler(std::function<void(int number)> handler)
{
    cells_.onMissingBitmap = std::move(handler);
}

void TableView::setKeyboardCursor(std::optional<Place> place)
{
    if (place == keyboardCursor_)
        return;
    keyboardCursor_ = place;
    cursorUntold_ = place.has_value();
    showKeyboardFrame();
    if (onKeyboardCursorChanged)
        onKeyboardCursorChanged();
}

void TableView::setHintMarks(std::optional<HintMarks> marks)
{
    if (marks == hintMarks_)
        return;
    QRegion changed;
    if (hintMarks_)
        changed += hintMarksArea(*hintMarks_);
    if (marks)
        changed += hintMarksArea(*marks);
    hintMarks_ = marks;
    update(changed);
}

void TableView::showKeyboardFrame()
{
    update(moveKeyboardFrame());
}

// Where the frame was and where it is now: what a repaint must cover.
QRegion TableView::moveKeyboardFrame()
{
    const QRegion frame = keyboardFrame();
    if (frame == frameShown_)
        return {};
    const QRegion changed = frameShown_ + frame;
    frameShown_ = frame;
    return changed;
}

// Only the frame changes with the focus: the rest of the table is not
// painted again, as QWidget would.
void TableView::focusInEvent(QFocusEvent*)
{
    showKeyboardFrame();
    // Qt tells readers of the table's focus after this returns; the place
    // under the cursor is told after that, and read.
    cursorUntold_ = keyboardCursor_.has_value();
    if (cursorUntold_ || !pendingAnnouncements_.isEmpty())
        QTimer::singleShot(0, this, [this] { sayAnnouncements(); });
}

void TableView::focusOutEvent(QFocusEvent*)
{
    showKeyboardFrame();
}

TableAccessible* TableView::listeningReader()
{
    if (!QAccessible::isActive() && !readerListener_)
        return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(this));
}

void TableView::tellReaders(QAccessibleEvent& event) const
{
    if (readerListener_)
        readerListener_(event);
    else
        QAccessible::updateAccessibility(&event);
}

void TableView::announce(const QString& words)
{
    // The watch for message boxes opening over waiting words is on only
    // while words wait: every event of the program passes through it, an
    // idle game's clock ticks included.
    if (pendingAnnouncements_.isEmpty())
        qApp->installEventFilter(this);
    pendingAnnouncements_ << words;
}

QString TableView::takeAnnouncements()
{
    qApp->removeEventFilter(this);
    return std::exchange(pendingAnnouncements_, {}).join(QLatin1Char(' '));
}

// While a box is open or closing, the window is not active, and a reader
// that sees a window go stops what it was saying: the words wait for the
// window to come back.
void TableView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The table, taking the keys back, says them after its place.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !pendingAnnouncements_.isEmpty()
        && window()->focusWidget() != this)
        QTimer::singleShot(0, this, [this] { sayAnnouncements(); });
}

void TableView::sayAnnouncements()
{
    if (!isActiveWindow() && !pendingAnnouncements_.isEmpty())
        return;
    const QString words = takeAnnouncements();
    // Away from the table (a box is open or closing, a button has the keys)
    // the place is told when the table has the keys again, and only then.
    const bool placeUntold = cursorUntold_;
    if (hasFocus())
        cursorUntold_ = false;
    TableAccessible* reader = listeningReader();
    if (!reader)
        return;
    news_.say(reader->speak(words, !hasFocus() ? CursorNews::Later
                                   : placeUntold ? CursorNews::Moved
                                                 : CursorNews::Stayed));
}

// A reader stops speaking when the window it spoke for loses the keys, and
// reads a message box as it opens: words that wait when a box opens (the
// move that ends a game, before the box that says so) are read with the
// box, before its text, and not said again. The name is set as the box is
// shown, before any reader hears of it.
bool TableView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || pendingAnnouncements_.isEmpty())
        return false;
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (!box)
        return false;
    const QString words = takeAnnouncements();
    for (QLabel* label : box->findChildren<QLabel*>())
        if (label->text() == box->text())
            label->setAccessibleName(words + QLatin1Char(' ') + box->text());
    return false;
}

void TableView::announceUndo()
{
    QString words = QCoreApplication::translate("Table", "Move undone.");
    if (TableAccessible* reader = listeningReader())
        words += QLatin1Char(' ') + reader->cardsBack();
    announce(words.trimmed());
}

void TableView::sayNow(const QString& words)
{
    announce(words);
    sayAnnouncements();
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

QRect TableView::topAreaRect() const
{
    return QRect(QPoint(6, 6), QPoint(layout_.TableWidth - 7, layout_.TopAreaHeight - 1));
}

QRect TableView::columnAreaRect() const
{
    return QRect(QPoint(6, layout_.TopAreaHeight), QPoint(layout_.TableWidth - 7, height() - 1));
}

QRect TableView::sideRect() const
{
    return QRect(QPoint(layout_.TableWidth, layout_.TopAreaHeight), QPoint(width() - 1, height() - 1));
}

// Two pixels wide; its bottom edge lies under the status bar.
QRegion TableView::tableFrame() const
{
    const int right = layout_.TableWidth - 6;
    QRegion frame(4, 4, right - 4 + 2, 2);
    frame += QRect(4, 4, 2, height() - 4);
    frame += QRect(right, 4, 2, height() - 4);
    return frame;
}

QRect TableView::panelRect() const
{
    return QRect(QPoint(layout_.PanelLeft, layout_.PanelTop), panel_.size());
}

QRect TableView::cellAt(int x, int y) const
{
    return QRect(x, y, layout_.CardWidth, layout_.CardHeight);
}

// The images follow the card size and the screen's pixel ratio. The Column
// image reaches down as far as anything is drawn: the lowest card of a
// Column, or the panel once it holds something; below that the table colour
// is painted directly. It grows with the Columns and the window and never
// shrinks, so nothing is lost when the window is made small and large again;
// while a card flies it stays as it is, since the table already holds the
// card where it lands. A new image is drawn whole from the table.
bool TableView::prepareImages()
{
    if (layout_.TableWidth <= 0)
        return false;
    const qreal ratio = devicePixelRatioF();
    const QSize cell(layout_.CardWidth, layout_.CardHeight);
    cells_.prepare(cell, ratio);
    auto makeImage = [ratio](QSize size, QImage::Format format, const QColor& colour) {
        QImage image(size * ratio, format);
        image.setDevicePixelRatio(ratio);
        image.fill(colour);
        return image;
    };
    const QSize top(layout_.TableWidth, layout_.TopAreaHeight);
    int columnsBottom = 0;
    for (const ColumnRec& rec : game_.table.columns) {
        if (const int last = rec.topPosition(); last >= 0)
            columnsBottom = std::max(columnsBottom, rec.y[last] + layout_.CardHeight);
    }
    const int panelBottom = panel_.isBlank() ? 0 : panelRect().bottom() + 1;
    const int rows = std::max(1, std::min(height(), std::max(columnsBottom, panelBottom)) - layout_.TopAreaHeight);
    const bool fits = ColumnAreaBitmap.devicePixelRatio() == ratio && topAreaSize_ == top
        && (Animating || ColumnAreaBitmap.deviceIndependentSize().height() >= rows);
    if (fits)
        return true;
    const int keptRows = ColumnAreaBitmap.devicePixelRatio() == ratio
        ? std::max(rows, int(ColumnAreaBitmap.deviceIndependentSize().height()))
        : rows;
    topAreaSize_ = top;
    ColumnAreaBitmap = makeImage(QSize(layout_.TableWidth, keptRows), QImage::Format_RGB32, TableColour);
    redrawImages();
    return true;
}

// A cell-sized image in one colour, made when first needed: many games
// never hold a card or see one fly.
QImage& TableView::cellImage(QImage& image, const QColor& colour)
{
    const qreal ratio = devicePixelRatioF();
    const QSize cell(layout_.CardWidth, layout_.CardHeight);
    if (image.devicePixelRatio() != ratio || image.deviceIndependentSize() != QSizeF(cell)) {
        image = QImage(cell * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(colour);
    }
    return image;
}

// What the window shows of the table: the top area, the Column image, the
// table frame and the side window; the table colour everywhere else.
void TableView::showImages(QPainter& p, const QRegion& region)
{
    const bool haveImages = prepareImages();
    const QRect top = topAreaRect();
    const QRect columns = columnAreaRect();
    const QRect side = sideRect();
    const QRegion frame = tableFrame();
    QRegion plain = region;
    if (haveImages) {
        const QRect columnImage
            = columns & QRect(QPoint(0, layout_.TopAreaHeight), ColumnAreaBitmap.deviceIndependentSize().toSize());
        if (const QRegion topPart = region & top; !topPart.isEmpty())
            drawTopArea(p, topPart);
        for (const QRect& part : region & columnImage)
            copyImage(p, part, ColumnAreaBitmap, QPoint(0, layout_.TopAreaHeight));
        plain -= top;
        plain -= columnImage;
    }
    if (sidePicture_ && region.intersects(side)) {
        p.save();
        p.setClipRegion(region & side);
        p.drawImage(side, *sidePicture_);
        p.restore();
        plain -= side;
    }
    for (const QRect& part : plain - frame)
        p.fillRect(part, TableColour);
    for (const QRect& part : region & frame)
        p.fillRect(part, TableFrameColour);
}

void TableView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    QRegion asked = event->region();
    if (windowDrawing_)
        asked -= windowDrawing_->area;
    if (!asked.isEmpty())
        showImages(p, asked);
    if (windowDrawing_) {
        p.setClipRegion(windowDrawing_->area);
        (*windowDrawing_->draw)(p);
    }
    // Over everything, a flight's frames included: the images never hold it.
    const QRegion frame = keyboardFrame() & event->region();
    if (!frame.isEmpty()) {
        p.setClipRegion(frame);
        p.fillRect(frame.boundingRect(), KeyboardFrameColour);
    }
    // The hint's marks over the cursor's ring, where both frame one place;
    // like it, they give way to the cards beside them.
    if (hintMarks_) {
        p.setClipRegion(event->region() - cardCells());
        drawHintMarks(p, *hintMarks_);
    }
}

// Rooms and Piles touch each other, and a Column's first card lies close
// under the Rooms: where a neighbour's cell is, the ring gives way to it.
QRegion TableView::keyboardFrame() const
{
    if (!keyboardCursor_ || !hasTheKeys() || layout_.TableWidth <= 0)
        return {};
    const TableState& table = game_.table;
    const int index = keyboardCursor_->index;
    QRect place;
    switch (keyboardCursor_->kind) {
    case PlaceKind::Room: place = cellAt(table.rooms[index].x, table.rooms[index].y); break;
    case PlaceKind::Pile: place = cellAt(table.piles[index].x, table.piles[index].y); break;
    case PlaceKind::Column: {
        const ColumnRec& rec = table.columns[index];
        const int top = std::max(0, rec.topPosition());
        // A cleared table keeps no place for its Columns: the frame stands
        // where the next deal puts them, not in the table's corner.
        const bool placed = rec.x[0] != 0 || rec.y[0] != 0;
        place = placed ? cellAt(rec.x[0], rec.y[0]) | cellAt(rec.x[top], rec.y[top])
                       : cellAt(game_.geometry.columnX(index), game_.geometry.columnY(0));
        break;
    }
    }
    const int inner = KeyboardFrameGap;
    const int outer = KeyboardFrameGap + KeyboardFrameWidth;
    const QRegion ring = QRegion(place.adjusted(-outer, -outer, outer, outer))
        - QRegion(place.adjusted(-inner, -inner, inner, inner));
    QRegion frame = ring - cardCells();
    // A Room or a Pile has no room beside it: its sides lie on the card's
    // own edge, outside its index.
    if (keyboardCursor_->kind != PlaceKind::Column) {
        const QRect side(place.x(), place.y() - inner, KeyboardFrameSideWidth, place.height() + 2 * inner);
        frame += QRegion(side) + QRegion(side.translated(place.width() - KeyboardFrameSideWidth, 0));
    }
    return frame;
}

// The table keeps the keys while a box it opened asks something: the frame
// shows where the answer goes.
bool TableView::hasTheKeys() const
{
    return hasFocus() || (QApplication::activeModalWidget() && window()->focusWidget() == this);
}

// Every place a card can lie: the Rooms and Piles whether or not they
// hold one, and each Column down to its top card.
QRegion TableView::cardCells() const
{
    const TableState& table = game_.table;
    QRegion cells;
    for (const SlotRec& slot : table.rooms)
        cells += cellAt(slot.x, slot.y);
    for (const SlotRec& slot : table.piles)
        cells += cellAt(slot.x, slot.y);
    for (const ColumnRec& rec : table.columns) {
        const int top = rec.topPosition();
        if (top >= 0)
            cells += cellAt(rec.x[0], rec.y[0]) | cellAt(rec.x[top], rec.y[top]);
    }
    return cells;
}

// Painted synchronously, so it is on screen before whatever follows (a
// pause of the flight, the next search step).
void TableView::drawOnWindow(const QRegion& area, const std::function<void(QPainter&)>& draw)
{
    windowDrawing_ = WindowDrawing{area, &draw};
    repaint(area);
    windowDrawing_.reset();
}

void TableView::copyPanel()
{
    if (!prepareImages())
        return;
    QPainter p;
    beginColumnPainting(p);
    const QRegion changed = drawPanel(p);
    p.end();
    repaint(changed & columnAreaRect());
}

void TableView::clearSideWindow()
{
    const QRect side = sideRect();
    drawOnWindow(side, [&](QPainter& p) { p.fillRect(side, TableColour); });
}

// Drawn into the image that holds its place, then copied to the window
// with the tint over it, which only the window shows.
void TableView::showSelectedCard()
{
    const Selection& held = game_.selection;
    if (held.isEmpty() || !prepareImages() || !cells_.canDraw())
        return;
    QPainter p;
    QPoint at;
    if (held.kind == SelectionKind::Column) {
        const ColumnRec& rec = game_.table.columns[held.index];
        at = QPoint(rec.x[held.position], rec.y[held.position]);
        beginColumnPainting(p);
    } else {
        const SlotRec& room = game_.table.rooms[held.index];
        at = QPoint(room.x, room.y);
        placeLooks_[held.index] = PlaceLook{true, held.card, DrawMode::Selected};
        heldOnTop_ = static_cast<std::size_t>(held.index);
    }
    if (p.isActive()) {
        DrawCard(p, at.x(), at.y(), held.card, DrawMode::Selected, TableColour);
        p.end();
    }
    const QRect cell = cellAt(at.x(), at.y());
    const bool tinted = isTintedWhenHeld(held.card);
    drawOnWindow(cell, [&](QPainter& window) {
        showImages(window, cell);
        if (tinted) {
            window.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
            window.drawImage(cell.topLeft(), cellImage(SelectTintBitmap, QColor(255, 0, 0)));
        }
    });
    if (tinted)
        windowOnly_ += cell;
}

// Each frame is drawn over the last without erasing; the caller's paint
// wipes the trail. While the card travels, no paint touches the images, so
// the Pile does not show it before it lands.
void TableView::AnimateCardMove(CardCode card, QPoint from, QPoint to, int pause, Clock& clock)
{
    if (!prepareImages())
        return;
    Animating = true;
    {
        QPainter p(&cellImage(AnimationBitmap, TableColour));
        DrawCard(p, 0, 0, card, DrawMode::Face, TableColour);
    }
    const std::vector<QPoint> path = cardFlightPath(from, to);
    for (std::size_t frame = 0; frame + 1 < path.size(); ++frame) {
        const QRect area = cellAt(path[frame].x(), path[frame].y());
        drawOnWindow(area, [&](QPainter& p) { p.drawImage(area.topLeft(), AnimationBitmap); });
        windowOnly_ += area;
        // Draw before sleeping: the frame must be on screen while we wait.
        clock.sleep(frame == 0 ? FirstFramePause : pause);
    }
    const QRect landing = cellAt(to.x(), to.y());
    drawOnWindow(landing, [&](QPainter& p) { DrawCard(p, to.x(), to.y(), card, DrawMode::Face, TableColour); });
    windowOnly_ += landing;
    Animating = false;
}

} // namespace tavolin
