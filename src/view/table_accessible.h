#pragma once

#include "game/card.h"
#include "game/place.h"

#include <QAccessibleWidget>

#include <array>
#include <optional>

namespace tavolin {

class TableView;

// The keyboard cursor since readers last heard of it: on the place they
// heard, moved to another (or the table took the keys), or moved while the
// keys are elsewhere, to be told when they come back.
enum class CursorNews { Stayed, Moved, Later };

// Gives every table its readable places and cards from now on; call before
// the first table is made. Calling it again changes nothing.
void installTableAccessibility();

// The table as a screen reader sees it: the four Rooms, the four Piles and
// the eight Columns in reading order, each holding its cards as children,
// then the information panel and the table's buttons. The places and cards are objects of their own that live as long
// as the table, so an id a reader holds stays good while cards move.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView* view);
    ~TableAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tells readers what changed since the last call: place names, cards
    // that moved, the held card.
    void followTable();
    // Tells readers where the keyboard cursor is when it moved or the table
    // took the keys, and gives the words to say, with the place under the
    // cursor added when it stayed and what it holds changed unheard.
    QString speak(const QString& words, CursorNews cursorNews);
    // The cards that lie elsewhere than readers were last told, in words:
    // what an undo gave back.
    QString cardsBack() const;

    // A reader reads a place's name when it comes to the focus event, which
    // may be after the place changed: the name it reads is what it heard.
    void nameRead(Place place, const QString& name) const;

    const TableView& tableView() const;
    QAccessibleInterface* placeInterface(Place place) const;
    QAccessibleInterface* cardInterface(CardCode card) const;

private:
    static constexpr int PlaceCount = 16;
    static constexpr int OwnChildren = PlaceCount + 1;

    std::array<QAccessible::Id, PlaceCount> places_{};
    std::array<QAccessible::Id, PackSize> cards_{};
    QAccessible::Id panel_ = 0;

    // What the readers were last told.
    std::array<QString, PlaceCount> placeNames_;
    std::array<std::optional<Place>, PackSize> cardPlaces_{};
    std::optional<CardCode> held_;
    mutable QString heardAtCursor_;
    // The place that took the focus, while no reader has read its name.
    mutable std::optional<Place> focusUnread_;
};

// The places in reading order: Rooms, Piles, Columns, each from the left.
Place placeAtReadingIndex(int index);
int readingIndexOf(Place place);

} // namespace tavolin
