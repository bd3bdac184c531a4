#pragma once

#include "panel.h"
#include "table.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tavolin {

// In the order of the detection slots.
enum class MoveCategory { DeckToPile = 0, RoomToPile = 1, RoomToDeck = 2, ColumnToColumn = 3 };
inline constexpr int MoveCategoryCount = 4;
inline constexpr std::int32_t NoMoveSlot = 18;

// The result of one detection pass.
struct MoveDetection {
    std::array<std::int32_t, MoveCategoryCount> counts{};
    // Two per category, in category order: the 1-based source and target of
    // the last move found; NoMoveSlot when none was found.
    std::array<std::int32_t, 2 * MoveCategoryCount> moveSlots{};
    // Per category and source place (Rooms use the first four): a move was found from it.
    std::array<std::array<bool, ColumnCount>, MoveCategoryCount> foundFrom{};
    std::int32_t freeRooms = 0;
    std::int32_t freeSpace = 0;   // free Rooms + empty Columns

    std::int32_t count(MoveCategory category) const { return counts[static_cast<int>(category)]; }
    // A kind of move was found once its first slot names a place.
    bool anyMove() const
    {
        for (int category = 0; category < MoveCategoryCount; ++category)
            if (moveSlots[2 * category] != NoMoveSlot)
                return true;
        return false;
    }
};

enum class MarkerKind {
    Found,        // lime disc
    NoneFound,    // red disc
    EmptyColumn,  // empty square: white outline, table-colour fill
};

// One 10 × 10 marker with its top-left corner.
struct Marker {
    std::int32_t x = 0;
    std::int32_t y = 0;
    MarkerKind kind = MarkerKind::NoneFound;
};

// A box of the Free Rooms picture: outline from (x, y) to (x + 20, y + 24)
// in RGB(190, 170, 140); inside it, from (x + 5, y + 7) to (x + 15, y + 17)
// with a white outline, a red disc for an occupied Room or an empty square
// in the table colour for a free one.
struct RoomBox {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool occupied = false;
};

// Everything the move-detection panel draws after one pass, in drawing order:
// blank and headings (when redrawn), the Free Rooms picture, the count
// labels, the markers, the comments.
struct MovePanel {
    bool headingsRedrawn = false;
    std::vector<PanelText> headings;
    PanelText freeRoomsCaption;
    std::array<RoomBox, RoomCount> roomBoxes{};
    // Only the labels whose count rose in this pass, with their final count.
    std::vector<PanelText> countLabels;
    std::vector<Marker> markers;
    std::vector<PanelText> comments;
};

} // namespace tavolin
