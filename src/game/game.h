#pragma once

#include "card.h"
#include "game_events.h"
#include "geometry.h"
#include "random.h"
#include "table.h"

#include <cstdint>

namespace tavolin {

enum class SelectionKind : std::int32_t { None = 0, Room = 1, Column = 2 };

// The card the player holds and where it was taken from.
struct Selection {
    SelectionKind kind = SelectionKind::None;
    std::int32_t index = 0;     // the Room 0..3 or the Column 0..7
    std::int32_t position = 0;  // the held card's Column position; 0 for a Room
    CardCode card = 0;

    bool isEmpty() const { return kind == SelectionKind::None; }
};

// The state flags of a game; the window reads and sets them too, and the
// game loop reacts to them on its next pass.
struct GameFlags {
    bool gameInPlay = false;
    bool gameOpen = false;
    bool movesLeft = false;
    bool detectionOn = false;
    bool ShowMoves = false;
    bool HintHeaderDirty = false;
    bool autoSuspended = true;
    bool undoValid = false;
    bool undoEnabled = false;
    bool showEnabled = false;
    bool finishEnabled = false;
    bool DetailsShown = false;
    bool DetailsHeaderDirty = false;
    std::int32_t lastCardsLeftShown = 0;
};

// The settings the rules consult while they run.
struct RuleOptions {
    bool TransferInfo = false;
    bool TransferDetails = false;
    std::int32_t DetailsColumnLimit = 18;
};

// The one table of a run and the operations on it. Plain data is public:
// the window paints from it and the game loop acts on the flags.
class Game {
public:
    explicit Game(GameEvents& events) : events_(events) {}

    TableState table;
    Selection selection;
    GameFlags flags;
    TableGeometry geometry;
    RuleOptions options;
    RandomGenerator random;

    // Empties the table in place and positions the Rooms and Piles.
    void ResetTable();
    // Builds and shuffles the pack into dealOrder; always succeeds.
    bool BuildPack();
    // Deals dealOrder into the Columns and sets gameInPlay.
    void DealColumns();

    bool PileAccepts(int pile, CardCode card) const;
    int FreeRoomCount() const;
    int EmptyColumnCount() const;

    // The basic edits every move is made of.
    void putOnPile(int pile, CardCode card);
    void takeTopFromColumn(int column);
    void takeFromRoom(int room);

private:
    GameEvents& events_;
};

} // namespace tavolin
