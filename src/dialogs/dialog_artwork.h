#pragma once

#include <QPixmap>

namespace tavolin {

// Pictures the dialogs draw for themselves.

// The program's picture, 129 × 146: a fan of four cards on green felt.
QPixmap programPicture();
// The logo, 133 × 25: a card beside the product name.
QPixmap logoPicture();

} // namespace tavolin
