#pragma once

#include "game/game.h"
#include "view/layout.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace tavolin {

enum class PointerShape { Arrow, LargeArrowUp, LargeArrowDown };

// What the pointer handling needs of the window besides the game.
class PointerFeedback {
public:
    virtual ~PointerFeedback() = default;
    virtual void setPointerShape(PointerShape shape) = 0;
    virtual void showStatus(int panel, const QString& text) = 0;
    // A card was picked up: show it held at once.
    virtual void showHeldCard() = 0;
};

// Picking a card up with the left button, tracking the place under the
// pointer while it is held, and dropping it: by dragging, or by a click on
// the card and a click on the target.
class PointerInput {
public:
    PointerInput(Game& game, const TableLayout& layout, PointerFeedback& feedback);

    void FormMouseDown(Qt::MouseButton button, QPoint at);
    void FormMouseMove(QPoint at);
    void FormMouseUp(Qt::MouseButton button, QPoint at);

private:
    void PickUp(QPoint at);
    void TrackTarget(QPoint at);
    void Release(QPoint at);
    void releaseOverOrigin();
    void EndSelection(bool carriedOut);

    enum class Scan { Miss, Stop, Accept };
    Scan trackRooms(QPoint at);
    Scan trackColumns(QPoint at);
    Scan trackPiles(QPoint at);
    void accept(const QRect& place, PointerShape shape, int count, const QString& target,
                const QString& targetCard);
    void finishDrop(DropOutcome outcome);

    QRect cardRect(int x, int y) const;
    QRect emptyColumnRect(int column, int steps) const;
    bool heldCardIsAce() const { return rankOf(game_.selection.card) == AceRank; }

    Game& game_;
    const TableLayout& layout_;
    PointerFeedback& feedback_;
    int originReleases_ = 0;
    QRect lastTargetRect_;
};

} // namespace tavolin
