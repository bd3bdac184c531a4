#pragma once

#include "settings/settings.h"

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tavolin {

// Lets a failed comparison show both sides field by field.
inline void PrintTo(const Settings& s, std::ostream* out)
{
    *out << "{top " << s.FormTop << ", left " << s.FormLeft << ", width " << s.FormWidth
         << ", height " << s.FormHeight << ", state " << s.FormState << ", orig " << s.OrigCardSize
         << ", time " << s.TimeDisplay << ", info " << s.TransferInfo << ", details "
         << s.TransferDetails << ", picture " << s.ShowPicture << ", speed " << s.SpeedSlider
         << ", suits " << s.PileSuit[0] << s.PileSuit[1] << s.PileSuit[2] << s.PileSuit[3]
         << ", won " << s.GamesWon << ", lost " << s.GamesLost << ", streak " << s.StreakType
         << '/' << s.StreakWins << '/' << s.StreakLosses << ", path \"" << s.SWBmpPath.toStdString()
         << "\"}";
}

} // namespace tavolin
