#include "layout.h"

namespace tavolin {

TableLayout TableLayout::forCards(bool origCardSize)
{
    TableLayout layout;
    layout.CardWidth = origCardSize ? 72 : 142;
    layout.CardHeight = origCardSize ? 96 : 192;
    layout.BlockWidth = 4 * layout.CardWidth + 4;
    return layout;
}

void TableLayout::layoutTable(QSize buttonSize, QSize tableClientSize)
{
    TableHeight = tableClientSize.height();
    TopAreaHeight = 2 * TopMargin + CardHeight;
    TableWidth = 2 * (LeftMargin + BlockWidth) + buttonSize.width() + 2 * ButtonGap;
    SideWidth = tableClientSize.width() - TableWidth;
    SideHeight = TableHeight - TopAreaHeight;
    tableButtonPos = QPoint(LeftMargin + BlockWidth + ButtonGap, ButtonGap);
    PilesLeft = tableButtonPos.x() + buttonSize.width() + ButtonGap;
}

void TableLayout::placePanel(int screenClass, int windowHeight)
{
    largeArrangement = !(screenClass == 1 || windowHeight <= 600);
    PanelLeft = LeftMargin - 2;
    PanelTop = largeArrangement ? 535 : 367;
    PanelLineLimit = largeArrangement ? 5 + 168 / ColumnStep : 5;
}

QPoint TableLayout::undoButtonPos() const
{
    return QPoint(TableWidth + (largeArrangement ? 42 : 21), 24);
}

QPoint TableLayout::showButtonPos() const
{
    return QPoint(TableWidth + (largeArrangement ? 42 : 21), 62);
}

TableLayout::CommandButtons TableLayout::commandButtonPlaces(QSize buttonSize, QSize tableButtonSize) const
{
    const CommandButtons beside{undoButtonPos(), showButtonPos()};
    if (beside.undo.x() + buttonSize.width() <= TableWidth + SideWidth)
        return beside;
    const int left = tableButtonPos.x() + (tableButtonSize.width() - buttonSize.width()) / 2;
    const int undoTop = tableButtonPos.y() + tableButtonSize.height() + 8;
    const CommandButtons below{QPoint(left, undoTop), QPoint(left, undoTop + beside.show.y() - beside.undo.y())};
    const bool fitsGap = left >= LeftMargin + BlockWidth && left + buttonSize.width() <= PilesLeft
        && below.show.y() + buttonSize.height() <= TopAreaHeight - TopMargin;
    return fitsGap ? below : beside;
}

QSize TableLayout::panelSize() const
{
    const int height = TableHeight - PanelTop - 10;
    return QSize(TableWidth - (LeftMargin + 6), height > 0 ? height : 0);
}

} // namespace tavolin
