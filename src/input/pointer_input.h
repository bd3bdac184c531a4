#pragma once

#include "game/game.h"
#include "input/hand.h"
#include "view/layout.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace tavolin {

// Picking a card up with the left button, tracking the place under the
// pointer while it is held, and dropping it: by dragging, or by a click on
// the card and a click on the target. A press or release is resolved to the
// place under the pointer and handed to the hand.
class PointerInput {
public:
    PointerInput(Game& game, const TableLayout& layout, Hand& hand, PointerFeedback& feedback);

    void FormMouseDown(Qt::MouseButton button, QPoint at);
    void FormMouseMove(QPoint at);
    void FormMouseUp(Qt::MouseButton button, QPoint at);

private:
    void PickUp(QPoint at);
    void TrackTarget(QPoint at);
    void Release(QPoint at);
    // The Room, Pile, Column top card or empty Column (this many card steps
    // deep) under the point.
    std::optional<Place> placeAt(QPoint at, int emptyColumnSteps) const;

    enum class Scan { Miss, Stop, Accept };
    Scan trackRooms(QPoint at);
    Scan trackColumns(QPoint at);
    Scan trackPiles(QPoint at);
    void accept(const QRect& place, PointerShape shape, int count, const QString& target,
                const QString& targetCard);

    QRect cardRect(int x, int y) const;
    QRect emptyColumnRect(int column, int steps) const;
    bool heldCardIsAce() const { return rankOf(game_.selection.card) == AceRank; }

    Game& game_;
    const TableLayout& layout_;
    Hand& hand_;
    PointerFeedback& feedback_;
    QRect lastTargetRect_;
};

} // namespace tavolin
