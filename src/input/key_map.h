#pragma once

#include <Qt>

namespace tavolin::keys {

// Every key the game answers to is named here, once, so that none is bound
// twice; the README and the help list them from here. The play keys (1-8,
// a-d, h, the arrows, Space, Return, Escape) are the keyboard input's.

// Shortcuts shown beside the menu captions.
inline constexpr QKeyCombination NewGame = Qt::CTRL | Qt::Key_N;
inline constexpr QKeyCombination UndoMove = Qt::CTRL | Qt::Key_Z;
inline constexpr QKeyCombination Exit = Qt::CTRL | Qt::Key_Q;
inline constexpr QKeyCombination RestartDeal = QKeyCombination(Qt::Key_F5);
inline constexpr QKeyCombination DealByNumber = Qt::CTRL | Qt::Key_D;
// "h" is the Piles, so the hint takes the Control key.
inline constexpr QKeyCombination Hint = Qt::CTRL | Qt::Key_H;
inline constexpr QKeyCombination KeysHelp = QKeyCombination(Qt::Key_F1);

} // namespace tavolin::keys
