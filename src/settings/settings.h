#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tavolin {

// The in-memory settings and statistics, named after their stored values.
// These are the live ones: the rest of the program reads them directly.
struct Settings {
    std::int32_t FormTop = 1;
    std::int32_t FormLeft = 1;
    std::int32_t FormWidth = 0;
    std::int32_t FormHeight = 0;
    std::int32_t FormState = 1;     // 0 no placement stored, 1 normal, 2 maximized
    bool OrigCardSize = true;
    bool TimeDisplay = true;
    bool TransferInfo = false;
    bool TransferDetails = false;
    bool ShowPicture = false;
    std::int32_t SpeedSlider = 8;   // 1 slow .. 10 fast
    std::array<std::int32_t, 4> PileSuit{0, 1, 2, 3};
    std::int32_t GamesWon = 0;
    std::int32_t GamesLost = 0;
    std::int32_t StreakType = 0;    // 0 none, 1 won, 2 lost
    std::int32_t StreakWins = 0;
    std::int32_t StreakLosses = 0;
    QString SWBmpPath;
    std::int32_t WarnLosingMove = 0;   // 1: a transfer that loses the game is told at once

    bool operator==(const Settings&) const = default;
};

} // namespace tavolin
