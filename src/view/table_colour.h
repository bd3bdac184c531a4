#pragma once

#include <QColor>

namespace tavolin {

// The green of the table: the window's colour and every empty place's.
inline const QColor TableColour(0, 153, 0);

} // namespace tavolin
