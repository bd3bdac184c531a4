#pragma once

#include "game/card.h"
#include "game/place.h"

#include <QAccessibleWidget>

#include <array>
#include <optional>

namespace tavolin {

class TableView;

// Gives every table its readable places and cards from now on; call before
// the first table is made. Calling it again changes nothing.
void installTableAccessibility();

// The table as a screen reader sees it: the four Rooms, the four Piles and
// the eight Columns in reading order, each holding its cards as children,
// then the line that tells each move, the information panel and the table's
// buttons. The places and cards are objects of their own that live as long
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
    // The place under the keyboard cursor takes the focus.
    void followCursor();
    // The latest announcement is now the name of the announcing line.
    void announce();

    const TableView& tableView() const;
    QAccessibleInterface* placeInterface(Place place) const;
    QAccessibleInterface* cardInterface(CardCode card) const;
    QAccessibleInterface* announcerInterface() const;

private:
    static constexpr int PlaceCount = 16;
    static constexpr int OwnChildren = PlaceCount + 2;

    std::array<QAccessible::Id, PlaceCount> places_{};
    std::array<QAccessible::Id, PackSize> cards_{};
    QAccessible::Id announcer_ = 0;
    QAccessible::Id panel_ = 0;

    // What the readers were last told.
    std::array<QString, PlaceCount> placeNames_;
    std::array<std::optional<Place>, PackSize> cardPlaces_{};
    std::optional<CardCode> held_;
};

// The places in reading order: Rooms, Piles, Columns, each from the left.
Place placeAtReadingIndex(int index);
int readingIndexOf(Place place);

} // namespace tavolin
