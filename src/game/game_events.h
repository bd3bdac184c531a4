#pragma once

#include "card.h"
#include "place.h"

#include <string>

namespace tavolin {

struct TransferDetails;
struct MovePanel;

// A transfer the player completed: `count` cards, `card` the one on top,
// went from one place to another.
struct Transfer {
    CardCode card = 0;
    int count = 1;
    Place from;
    Place to;
};

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
    // A card travels from a table place to a Pile. The Pile already shows it;
    // the place it left is emptied right after this returns.
    virtual void animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY) = 0;
    // The table changed: paint what is marked dirty.
    virtual void repaintTable() = 0;
    // Blank the details panel without copying it to the window. Sent only
    // while the details panel is shown.
    virtual void resetDetailsPanel() = 0;
    // Draw the account of one transfer search. Sent only while the details
    // panel is shown.
    virtual void showTransferDetails(const TransferDetails& details) = 0;
    // Draw the move-detection panel after a pass. Sent only while ShowMoves is on.
    virtual void showMoveDetection(const MovePanel& panel) = 0;
    // Undo replaced the whole table: stop any card animation, mark the Room
    // and Pile frames for redrawing and paint the table (every Column is dirty).
    virtual void tableRestored() = 0;
    // The player's transfer is on the table; the selection has not ended yet.
    virtual void transferDone(const Transfer& /*transfer*/) {}
};

// For a game no one watches (the command line's, a test's): nothing is
// shown, and every question is answered No unless a subclass says otherwise.
class SilentEvents : public GameEvents {
public:
    void showStatus(int, const std::string&) override {}
    void showInformation(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void animateCardToPile(CardCode, int, int, int, int) override {}
    void repaintTable() override {}
    void resetDetailsPanel() override {}
    void showTransferDetails(const TransferDetails&) override {}
    void showMoveDetection(const MovePanel&) override {}
    void tableRestored() override {}
};

} // namespace tavolin
