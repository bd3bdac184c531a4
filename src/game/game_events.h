#pragma once

#include "card.h"

#include <string>

namespace tavolin {

// How the model reaches the player. The window implements it (status bar,
// message boxes, animation, painting); tests record it and script the answers.
// The model never blocks, paints or sleeps itself: everything visible goes
// through here.
class GameEvents {
public:
    virtual ~GameEvents() = default;

    // Status bar text by panel index 0..3.
    virtual void showStatus(int panel, const std::string& text) = 0;
    // The framework's plain information dialog, OK only.
    virtual void showInformation(const std::string& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // A card travels from a table place to a Pile; the model has already moved it.
    virtual void animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY) = 0;
    // The table changed: paint what is marked dirty.
    virtual void repaintTable() = 0;
};

} // namespace tavolin
