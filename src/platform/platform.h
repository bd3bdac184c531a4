#pragma once

#include "card_library.h"
#include "clock.h"
#include "environment.h"
#include "message_boxes.h"
#include "registry.h"

namespace tavolin {

// The services of the machine the rest of the program uses, gathered so a
// window can be built on real ones or on test doubles.
struct Platform {
    Registry& registry;
    MessageBoxes& messages;
    Clock& clock;
    Environment& environment;
    CardLibrary& cards;
};

} // namespace tavolin
