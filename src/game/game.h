#pragma once

#include "card.h"
#include "game_events.h"
#include "geometry.h"
#include "move_detection.h"
#include "place.h"
#include "random.h"
#include "table.h"
#include "transfer_details.h"

#include <cstdint>
#include <optional>

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

// What a drop did: carried out, refused with a message (the card is back in
// its place), or not taken at all (nothing changed, the card is still held).
enum class DropOutcome { Done, Refused, Ignored };

// One card that went to a Pile by itself.
struct AutoMove {
    CardCode card = 0;
    PlaceKind from = PlaceKind::Column;
    int index = 0;   // the Room or Column it left
    int pile = 0;
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
    // The target whose headings the details panel shows: its card, or
    // EmptyColumnDetailsTarget for any empty Column.
    std::int32_t DetailsTargetCard = -1;
};

inline constexpr std::int32_t EmptyColumnDetailsTarget = 64;

// The settings and layout values the rules consult while they run.
struct RuleOptions {
    bool TransferInfo = false;
    bool TransferDetails = false;
    std::int32_t DetailsColumnLimit = 18;
    std::int32_t PanelLineLimit = 5;
};

// Each Column's top position, -1 for an empty Column.
using ColumnTops = std::array<int, ColumnCount>;
// Bit c of entry r: Column c's top card ranks r or above. None ranks above the Kings.
using TopRanks = std::array<unsigned, RankCount + 1>;

// The one table of a run and the operations on it. Plain data is public:
// the window paints from it and the game loop acts on the flags. Every call
// with a place that does not exist, or that does not hold what the call
// needs, is refused without touching the table.
class Game {
public:
    explicit Game(GameEvents& events) : events_(events) {}

    TableState table;
    Selection selection;
    GameFlags flags;
    TableGeometry geometry;
    RuleOptions options;
    RandomGenerator random;
    MoveDetection detection;

    // Empties the table in place and positions the Rooms and Piles.
    void ResetTable();
    // Builds and shuffles the pack into dealOrder; always succeeds.
    bool BuildPack();
    // Deals dealOrder into the Columns and sets gameInPlay.
    void DealColumns();
    // The model's part of starting the game loop: no undo, automatic moves
    // suspended until the first transfer, detection on, Piles' progress reset.
    void beginGame();

    // An empty Pile takes the Ace of the suit the preferences reserve for it,
    // an occupied one the next card of its suit.
    bool PileAccepts(int pile, CardCode card) const
    {
        if (pile < 0 || pile >= PileCount || !isValidCard(card))
            return false;
        return card == cardPileTakes(pile);
    }
    int FreeRoomCount() const;
    int EmptyColumnCount() const;
    // How many cards may move together onto a Column's top card.
    int Capacity() const;

    // Picking up and ending a selection. A pick-up takes the undo snapshot.
    bool PickUpFromColumn(int column);
    bool PickUpFromRoom(int room);
    // The held card goes back to its place and the selection ends.
    void PutBack();
    // After a drop that was Done or Refused; repaints the table.
    void EndSelection(bool carriedOut);

    // How many cards of the held card's place may go onto the card at
    // `position` of `column`, or onto the empty `column` when position is
    // EmptyColumnTarget. Writes its account while the details panel is shown.
    int TransferSearch(int column, int position);
    DropOutcome DropOnRoom(int room);
    DropOutcome DropOnPile(int pile);
    DropOutcome DropOnColumnTop(int column, int position);
    DropOutcome DropOnEmptyColumn(int column);

    // At most one card to its Pile; also clears ranks and raises autoRank.
    // Nothing while a card is held or automatic moves are suspended.
    std::optional<AutoMove> AutoMoveToPiles();
    void Undo();
    // One detection pass into `detection`; ends the game for lack of moves.
    void DetectMoves();
    // Blanks the details panel (while it is shown) and so asks for headings anew.
    void ResetDetailsPanel();

    // The basic edits every move is made of.
    void putOnPile(int pile, CardCode card);
    void takeTopFromColumn(int column);
    void takeFromRoom(int room);

private:
    GameEvents& events_;

    // Each Pile takes one card at a time: this one, or none when the code
    // is outside the pack. One rank up is four codes on, in the same suit.
    CardCode cardPileTakes(int pile) const
    {
        const SlotRec& slot = table.piles[pile];
        if (slot.occupied)
            return slot.card + SuitCount;
        const int suit = table.pileSuit[pile];
        return suit >= 0 && suit < SuitCount ? makeCard(AceRank, suit) : -1;
    }

    bool heldCardInPlace() const;
    DrawMode& heldCardMode();
    void beginSelection(SelectionKind kind, int index, int position, CardCode card);
    void takeUndoSnapshot();

    // The walk is written once; an Account is a SearchAccount or a SilentAccount.
    template <typename Account>
    int searchTransfer(const Selection& held, int column, int position, Account& account) const;
    template <typename Account>
    int searchTargetCard(const Selection& held, CardCode target, Account& account) const;
    template <typename Account>
    int searchEmptyColumn(const Selection& held, Account& account) const;
    void writeDetailsHeadings(TransferDetails& details, int column, int position);

    void reportCardTransfer(int panel, const char* format, CardCode card);
    void reportDeckTransfer(int panel, const char* format, int count);
    void reportTransfer(CardCode card, int count, Place to);
    void emptyOrigin();
    void placeOnColumn(int column, int position, CardCode card, std::int32_t x, std::int32_t y);
    void moveDeck(int fromColumn, int firstPosition, int toColumn, int toPosition,
                  std::int32_t x, std::int32_t firstY, int count);
    DropOutcome refuseDeck();

    bool clearRanks();
    void checkDetailsSpace(int topPosition);
    int pileAccepting(CardCode card) const;
    void autoMoveFromColumn(int column, int position, int pile);
    void autoMoveFromRoom(int room, int pile);

    void countPileMoves(const ColumnTops& tops);
    void countRoomToDeck(const ColumnTops& tops, const TopRanks& ranks);
    void countColumnToColumn(const ColumnTops& tops, const TopRanks& ranks);
    void recordMove(MoveCategory category, int from, int to);
    MovePanel movePanel(bool headingsRedrawn) const;
};

} // namespace tavolin
