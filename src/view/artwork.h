#pragma once

#include <QCursor>
#include <QPixmap>

namespace tavolin {

// Pictures the program draws for itself.

// The table button: green and yellow leaves on the table colour.
QPixmap tableButtonPicture();
// Cursors while a card is held over a target: a large arrow up (an empty
// place or a Pile) or down (the top card of a Column).
QCursor largeArrowUpCursor();
QCursor largeArrowDownCursor();
// The window icon: a small fanned hand of cards.
QPixmap applicationIcon();

} // namespace tavolin
