#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tavolin {

// Pictures the program draws for itself.

// The table button: green and yellow leaves on the table colour, drawn at
// the picture's size for each pixel ratio, so that it stays sharp.
QIcon tableButtonIcon(QSize size);
// Cursors while a card is held over a target: a large arrow up (an empty
// place or a Pile) or down (the top card of a Column).
QCursor largeArrowUpCursor();
QCursor largeArrowDownCursor();
// The program's icon, a small fanned hand of cards: for the window, drawn at
// a size in pixels, and as SVG for the desktop.
QPixmap applicationIcon();
QImage applicationIconImage(int size);
QByteArray applicationIconSvg();

} // namespace tavolin
