#pragma once

#include "game/geometry.h"

#include <QPoint>
#include <QSize>

namespace tavolin {

// Everything on the table is placed by arithmetic on the card size and the
// window's client size; this holds the numbers the window and painter share.
// The card places' own numbers are the game's geometry, which it extends.
struct TableLayout : TableGeometry {
    int ButtonGap = 17;
    int BlockWidth = 4 * 72 + 4;

    int TopAreaHeight = 0;
    int TableWidth = 0;
    int TableHeight = 0;
    int SideWidth = 0;
    int SideHeight = 0;
    QPoint tableButtonPos;

    int PanelLeft = 6;
    int PanelTop = 367;
    int PanelLineLimit = 5;
    bool largeArrangement = false;

    static TableLayout forCards(bool origCardSize);

    // Recomputes what depends on the client size; the client height is the
    // table's own (the status bar lies outside it).
    void layoutTable(QSize buttonSize, QSize tableClientSize);
    // Chooses the small or large arrangement of the panel below the Columns.
    void placePanel(int screenClass, int windowHeight);

    int minimumWindowWidth() const { return TableWidth + LeftMargin; }
    QPoint undoButtonPos() const;
    QPoint showButtonPos() const;
    // Where the Undo and Show buttons go: their own places right of the
    // table while the side window has room for them, else one above the
    // other in the gap below the table button, between Rooms and Piles.
    struct CommandButtons {
        QPoint undo;
        QPoint show;
    };
    CommandButtons commandButtonPlaces(QSize buttonSize, QSize tableButtonSize) const;
    QSize panelSize() const;
};

} // namespace tavolin
