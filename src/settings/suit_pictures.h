#pragma once

#include <QPixmap>

namespace tavolin {

// The small two-colour suit pictures of the preferences dialog's suit buttons:
// the suit in red (Hearts 0, Diamonds 1) or black (Spades 2, Clubs 3) on white.
QPixmap suitPicture(int suit);

} // namespace tavolin
