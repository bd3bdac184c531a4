#pragma once

#include "dialogs/spoken_news.h"
#include "game/game.h"
#include "view/card_cells.h"
#include "view/hint_marks.h"
#include "view/info_panel.h"
#include "view/layout.h"

#include <QAccessible>
#include <QImage>
#include <QStringList>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace tavolin {

class CardLibrary;
class Clock;
class TableAccessible;

// Qt hands a fill or a copy of more than about 96 pixel rows to its worker
// threads. For a card or a Column's strip, waking them costs more than it
// saves: such small areas are drawn in bands of fewer rows. Large areas
// (a whole image) gain from the threads and are drawn at once.
template <typename Draw>
void inBands(const QRect& area, qreal pixelRatio, Draw draw)
{
    constexpr int LargeArea = 128 * 1024;
    if (area.width() * area.height() > LargeArea) {
        draw(area);
        return;
    }
    const int band = std::max(1, int(48 / pixelRatio));
    for (int top = area.top(); top <= area.bottom(); top += band)
        draw(QRect(area.left(), top, area.width(), std::min(band, area.bottom() + 1 - top)));
}

// Who asked for a paint. The table button's paints leave the side picture alone.
enum class PaintSender { TableButton, Other };

// The green table: Rooms, the table button's block, Piles, Columns, the
// panel below them and the side window.
//
// The Column area is kept in an off-screen image that a paint brings up to
// date with only what the game marked as changed, and the window is given
// the image by a copy; the top area is drawn from the looks of its places
// that the paint took. The widget's own backing store is what the window
// shows: drawing "on the window at once" (a held card, the frames of a card
// flight) is a synchronous repaint of just that rectangle, and the rest of
// the backing store keeps what it had. A paint that Qt asks for by itself
// (first showing, resize, a child widget uncovering the table) never reads
// the change flags: it shows the image and the looks as they are.
class TableView : public QWidget {
public:
    TableView(Game& game, const TableLayout& layout, const CardLibrary& cards, const InfoPanel& panel,
              QWidget* parent = nullptr);

    // Called once when a picture the library should hold cannot be read;
    // from then on no card is drawn.
    void setMissingBitmapHandler(std::function<void(int number)> handler);
    // Empty Piles show the mark of the suit they were given at the last deal.
    void setPileMarks(const std::array<int, 4>& imageNumbers) { pileMarks_ = imageNumbers; }
    // The player's picture for the side window; null shows the table colour.
    void setSidePicture(const QImage* picture) { sidePicture_ = picture; }

    // What changed besides the Columns (their flags are the game's).
    bool FullRepaint = true;
    bool RoomsFrameDirty = false;
    bool PilesFrameDirty = false;
    // The side picture is on the window and need not be drawn again.
    bool SidePictureShown = false;
    bool isAnimating() const { return Animating; }
    void stopAnimating() { Animating = false; }

    // The game's paint: the images brought up to date, then shown.
    void FormPaint(PaintSender sender);
    // The panel's present content onto the table and the window.
    void copyPanel();
    // The held card drawn inverted at once, where it lies.
    void showSelectedCard();
    // The side window filled with the table colour, on the window at once.
    void clearSideWindow();
    // A card travels from a place to a Pile in a few jumps, each frame on
    // the window at once; the clock waits between them.
    void AnimateCardMove(CardCode card, QPoint from, QPoint to, int pause, Clock& clock);

    // What the last paint of the game redrew, for tests and measurements.
    struct Redrawn {
        int cells = 0;
        std::array<bool, ColumnCount> columns{};
    };
    const Redrawn& lastRedrawn() const { return redrawn_; }

    // The place the keys act on, framed on the table once a key was used;
    // none hides the frame. Its change is told to whoever follows it.
    std::optional<Place> keyboardCursor() const { return keyboardCursor_; }
    void setKeyboardCursor(std::optional<Place> place);
    std::function<void()> onKeyboardCursorChanged;

    // A hinted transfer's source and target, framed over the table (never
    // in its images) until cleared.
    const std::optional<HintMarks>& hintMarks() const { return hintMarks_; }
    void setHintMarks(std::optional<HintMarks> marks);
    // What just happened on the table, for a screen reader. The words wait
    // until the automatic moves that follow have run, then are said at once,
    // after the place the keyboard cursor came to, if it moved: a reader
    // fetches a place's name when it hears of the focus, and the name is
    // what the place holds once the table has settled.
    void announce(const QString& words);
    void sayAnnouncements();
    // An undo, with the cards it gave back; told before the table is
    // painted again.
    void announceUndo();
    // Words said at once, with any that wait: the route for anything the
    // window has to say (the hint, the possible moves).
    void sayNow(const QString& words);
    // Qt's bridge hears the table's accessible events while a screen reader
    // is there; a listener given here hears them in its place, always.
    void listenInsteadOfReaders(std::function<void(QAccessibleEvent&)> listener)
    {
        readerListener_ = listener;
        news_.listenInsteadOfReaders(std::move(listener));
    }
    void tellReaders(QAccessibleEvent& event) const;

    // What the table's accessible parts read.
    const Game& game() const { return game_; }
    const InfoPanel& infoPanel() const { return panel_; }
    QRect panelArea() const { return panelRect(); }

    // The pointer, in table coordinates, for the window to act on.
    std::function<void(Qt::MouseButton, QPoint)> onMousePress;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> onMouseRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The waiting words, said or read with a box, and no longer waiting.
    QString takeAnnouncements();
    // Bringing the top area's looks and the Column image up to date.
    QRegion paintTopArea();
    void paintBlockFrame(QPainter& p, int left);
    QRegion paintColumnArea();
    QRect paintColumn(QPainter& p, int column);
    int rowsShown(const ColumnRec& rec, int position, int count);
    QRegion drawPanel(QPainter& p);
    QRect panelPlace() const;
    // What a Room or Pile shows.
    struct PlaceLook {
        bool occupied = false;
        int cardOrMark = -1;
        DrawMode mode = DrawMode::Vacant;
        bool operator==(const PlaceLook&) const = default;
    };
    static bool showsFace(const PlaceLook& look)
    {
        return look.mode == DrawMode::Face || look.mode == DrawMode::Selected;
    }
    QRegion takePlaceLooks(bool topFilled, bool roomsFramePainted, bool pilesFramePainted);
    const SlotRec& slotOf(std::size_t index) const;
    void drawPlace(QPainter& p, std::size_t index);
    void drawSeparator(QPainter& p, std::size_t index);
    void drawTopArea(QPainter& p, const QRegion& area);
    // `rows` limits a face to its top rows: the rest of a covered card is
    // hidden under the next one.
    void DrawCard(QPainter& canvas, int x, int y, int cardOrImage, DrawMode mode, const QColor& fill,
                  int rows = -1);

    // The images, sized for the layout and the screen.
    bool prepareImages();
    QImage& cellImage(QImage& image, const QColor& colour);
    void redrawImages();
    void beginColumnPainting(QPainter& p);
    QRect topAreaRect() const;
    QRect columnAreaRect() const;
    QRect sideRect() const;
    QRegion tableFrame() const;
    QRect cellAt(int x, int y) const;
    QRect panelRect() const;

    // The keyboard cursor's frame: a ring round its place, outside every
    // card cell, shown while the table has the keys.
    QRegion keyboardFrame() const;
    bool hasTheKeys() const;
    void showKeyboardFrame();
    QRegion moveKeyboardFrame();
    QRegion cardCells() const;

    // Drawing on the window: a synchronous repaint of just that area.
    void drawOnWindow(const QRegion& area, const std::function<void(QPainter&)>& draw);
    void showImages(QPainter& p, const QRegion& region);
    // The table's accessible interface, while a reader may be listening.
    TableAccessible* listeningReader();

    Game& game_;
    const TableLayout& layout_;
    const InfoPanel& panel_;
    CardCells cells_;
    std::array<int, 4> pileMarks_{53, 54, 55, 56};
    const QImage* sidePicture_ = nullptr;
    bool Animating = false;

    // The top area holds little besides its eight places, so it keeps no
    // image: this is the size its looks were taken for.
    QSize topAreaSize_;
    QImage ColumnAreaBitmap;   // rows from TopAreaHeight down: the rows above are never shown
    QImage SelectTintBitmap;
    QImage AnimationBitmap;
    // How far down each Column's strip holds anything but the table colour:
    // clearing a strip stops there rather than at the bottom of the image.
    std::array<int, ColumnCount> stripBottom_{};
    // Where the panel lies in the Column image now; empty while it is not shown.
    QRect panelShown_;
    // What each Room and Pile showed at the last paint: only a place that
    // looks different now is copied to the window again.
    std::array<std::optional<PlaceLook>, RoomCount + PileCount> placesShown_{};
    // What the top area shows of each place; a held card in a Room is
    // shown before the next paint.
    std::array<PlaceLook, RoomCount + PileCount> placeLooks_{};
    // How much of an empty place's line lies beneath what the top area shows.
    enum class LineBeneath : std::uint8_t { None, Foot, Whole };
    std::array<LineBeneath, RoomCount + PileCount> separatorBeneath_{};
    std::optional<std::size_t> heldOnTop_;
    // Drawn on the window only (a tint, a flight's trail): the next paint
    // of the game copies the images over it.
    QRegion windowOnly_;
    Redrawn redrawn_;
    std::optional<Place> keyboardCursor_;
    std::optional<HintMarks> hintMarks_;
    // Where the frame was last drawn, so that a moved frame leaves no trace.
    QRegion frameShown_;
    QStringList pendingAnnouncements_;
    // The keyboard cursor moved, or the table took the keys, since a reader
    // was told where the cursor is.
    bool cursorUntold_ = false;
    std::function<void(QAccessibleEvent&)> readerListener_;
    SpokenNews news_{this};

    struct WindowDrawing {
        QRegion area;
        const std::function<void(QPainter&)>* draw;
    };
    std::optional<WindowDrawing> windowDrawing_;
};

} // namespace tavolin
