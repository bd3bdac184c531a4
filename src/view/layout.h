#pragma once

#include <QPoint>
#include <QSize>

namespace tavolin {

// Everything on the table is placed by arithmetic on the card size and the
// window's client size; this holds the numbers the window and painter share.
struct TableLayout {
    int CardWidth = 72;
    int CardHeight = 96;
    int LeftMargin = 8;
    int TopMargin = 8;
    int ButtonGap = 17;
    int ColumnGap = 12;
    int ColumnStep = 18;
    int BlockWidth = 4 * 72 + 4;

    int TopAreaHeight = 0;
    int TableWidth = 0;
    int TableHeight = 0;
    int PilesLeft = 0;
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
    QSize panelSize() const;
};

} // namespace tavolin
