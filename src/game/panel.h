#pragma once

#include <cstdint>
#include <string>

namespace tavolin {

// What the information panel under the Columns shows, as data: the window
// draws each text opaque on the table colour, in the order given, so a later
// text at the same place covers an earlier one.
enum class PanelFont { CourierNew, TimesNewRoman };

// White RGB(255, 255, 255), Lime RGB(0, 255, 0), Aqua RGB(0, 255, 255),
// Yellow RGB(255, 255, 0), Red RGB(255, 0, 0).
enum class PanelColour { White, Lime, Aqua, Yellow, Red };

struct PanelText {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
    PanelFont font = PanelFont::TimesNewRoman;
    PanelColour colour = PanelColour::White;
    bool underline = false;
};

} // namespace tavolin
