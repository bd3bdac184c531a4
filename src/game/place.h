#pragma once

namespace tavolin {

enum class PlaceKind { Room, Column, Pile };

// One place on the table: a Room 0..3, a Column 0..7 or a Pile 0..3.
struct Place {
    PlaceKind kind = PlaceKind::Column;
    int index = 0;

    bool operator==(const Place&) const = default;
};

} // namespace tavolin
