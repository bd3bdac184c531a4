#pragma once

#include "game/table.h"

#include <Qt>
#include <QKeyCombination>

#include <array>
#include <vector>

namespace tavolin::keys {

// Every key the game answers to is named here, once, so that none is bound
// twice; the README and the help list them from here.

// Shortcuts shown beside the menu captions.
inline constexpr QKeyCombination NewGame = Qt::CTRL | Qt::Key_N;
inline constexpr QKeyCombination UndoMove = Qt::CTRL | Qt::Key_Z;
inline constexpr QKeyCombination Exit = Qt::CTRL | Qt::Key_Q;
inline constexpr QKeyCombination RestartDeal = QKeyCombination(Qt::Key_F5);
inline constexpr QKeyCombination DealByNumber = Qt::CTRL | Qt::Key_D;
// "h" is the Piles, so the hint takes the Control key.
inline constexpr QKeyCombination Hint = Qt::CTRL | Qt::Key_H;
inline constexpr QKeyCombination LosingMove = Qt::CTRL | Qt::Key_L;
inline constexpr QKeyCombination HowToPlay = QKeyCombination(Qt::Key_F1);

// The play keys, pressed on the table. A place's key takes its card, or
// drops the held card there.
inline constexpr std::array<Qt::Key, ColumnCount> ColumnKeys{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                                             Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8};
inline constexpr std::array<Qt::Key, RoomCount> RoomKeys{Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D};
inline constexpr Qt::Key PileKey = Qt::Key_H;
inline constexpr Qt::Key PutBack = Qt::Key_Escape;
// The place under the keyboard cursor, as its key.
inline constexpr std::array<Qt::Key, 3> ActOnCursor{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
inline constexpr Qt::Key CursorLeft = Qt::Key_Left;
inline constexpr Qt::Key CursorRight = Qt::Key_Right;
inline constexpr Qt::Key CursorUp = Qt::Key_Up;
inline constexpr Qt::Key CursorDown = Qt::Key_Down;
// Reading aloud the place under the keyboard cursor card by card, for a
// screen reader: from the top card down, or from the first card up.
inline constexpr Qt::Key ReadTopDown = Qt::Key_R;
inline constexpr Qt::Key ReadBottomUp = Qt::Key_U;

// Qt moves the focus between the table and the buttons with these; no game
// key may take them.
inline constexpr std::array<QKeyCombination, 2> FocusKeys{QKeyCombination(Qt::Key_Tab), Qt::SHIFT | Qt::Key_Tab};

// The play keys as a player reads them, for the help window, which
// translates the words in its own context.
struct HelpLine {
    std::vector<QKeyCombination> keys;
    const char* action;
};
inline std::vector<HelpLine> playKeyHelp()
{
    const auto each = [](const auto& group) { return std::vector<QKeyCombination>(group.begin(), group.end()); };
    return {
        {each(ColumnKeys), QT_TRANSLATE_NOOP("tavolin::HowToPlay", "The Columns, left to right: pick up the top "
                                                                   "card, or drop the held card there")},
        {each(RoomKeys), QT_TRANSLATE_NOOP("tavolin::HowToPlay", "The Rooms, left to right: pick up the card, or "
                                                                 "drop the held card there")},
        {{PileKey}, QT_TRANSLATE_NOOP("tavolin::HowToPlay", "The Piles: drop the held card on the Pile that takes it")},
        {{PutBack}, QT_TRANSLATE_NOOP("tavolin::HowToPlay", "Put the held card back")},
        {{CursorLeft, CursorRight, CursorUp, CursorDown},
         QT_TRANSLATE_NOOP("tavolin::HowToPlay", "Move the keyboard cursor between the Rooms, the Piles and the "
                                                 "Columns")},
        {each(ActOnCursor), QT_TRANSLATE_NOOP("tavolin::HowToPlay", "Act on the place under the keyboard cursor, "
                                                                    "as its key does")},
        {{ReadTopDown}, QT_TRANSLATE_NOOP("tavolin::HowToPlay", "With a screen reader: read the place under the "
                                                                "keyboard cursor card by card, from the top card "
                                                                "down")},
        {{ReadBottomUp}, QT_TRANSLATE_NOOP("tavolin::HowToPlay", "With a screen reader: read the place under the "
                                                                 "keyboard cursor card by card, from the first card "
                                                                 "up")},
        {each(FocusKeys), QT_TRANSLATE_NOOP("tavolin::HowToPlay", "Move between the table and the buttons")},
    };
}

// Every binding above, for the check that none is bound twice.
inline std::vector<QKeyCombination> everyBinding()
{
    std::vector<QKeyCombination> all{NewGame, UndoMove, Exit, RestartDeal, DealByNumber, Hint, LosingMove, HowToPlay,
                                     QKeyCombination(PileKey), QKeyCombination(PutBack), QKeyCombination(CursorLeft),
                                     QKeyCombination(CursorRight), QKeyCombination(CursorUp),
                                     QKeyCombination(CursorDown), QKeyCombination(ReadTopDown),
                                     QKeyCombination(ReadBottomUp)};
    for (Qt::Key key : ColumnKeys)
        all.emplace_back(key);
    for (Qt::Key key : RoomKeys)
        all.emplace_back(key);
    for (Qt::Key key : ActOnCursor)
        all.emplace_back(key);
    all.insert(all.end(), FocusKeys.begin(), FocusKeys.end());
    return all;
}

} // namespace tavolin::keys
