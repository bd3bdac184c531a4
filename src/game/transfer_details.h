#pragma once

#include "panel.h"

#include <cstdint>
#include <vector>

namespace tavolin {

// The step-by-step account of one transfer search, for the details panel.
struct TransferDetails {
    // The panel was blanked and the headings are drawn anew: a new card was
    // picked up or the pointer reached another target.
    bool headingsRedrawn = false;
    std::vector<PanelText> headings;
    // The right column, in writing order; a dotted line precedes each card
    // line at the same place so that a longer line underneath is blanked.
    std::vector<PanelText> steps;
    // Lime when at least one card may go, yellow otherwise.
    PanelText result;
    std::int32_t count = 0;
};

} // namespace tavolin
