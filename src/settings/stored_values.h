#pragma once

#include "settings/settings.h"

#include <QString>

namespace tavolin {

inline const QString SettingsKeyPath = QStringLiteral("Software\\Projects\\Tavolin 2.2");
inline const QString PicturePathName = QStringLiteral("SWBmpPath");

// Calls visit(name, field) for each of the statistics' values, in the order
// they are stored. S is Settings or const Settings.
template <typename S, typename Visit>
void forEachStatistic(S& settings, Visit&& visit)
{
    visit("Games Won", settings.GamesWon);
    visit("Games Lost", settings.GamesLost);
    visit("Streak Type", settings.StreakType);
    visit("Streak Wins", settings.StreakWins);
    visit("Streak Losses", settings.StreakLosses);
}

// Calls visit(name, field) for each DWORD value, in the order the values are
// read and first written. A field is an std::int32_t or a bool; S is Settings
// or const Settings.
template <typename S, typename Visit>
void forEachDword(S& settings, Visit&& visit)
{
    visit("Form Top", settings.FormTop);
    visit("Form Left", settings.FormLeft);
    visit("Form Width", settings.FormWidth);
    visit("Form Height", settings.FormHeight);
    visit("Form State", settings.FormState);
    visit("OrigCardSize", settings.OrigCardSize);
    visit("TimeDisplay", settings.TimeDisplay);
    visit("TransferInfo", settings.TransferInfo);
    visit("TransferDetails", settings.TransferDetails);
    visit("ShowPicture", settings.ShowPicture);
    visit("SpeedSlider", settings.SpeedSlider);
    visit("PileSuit 0", settings.PileSuit[0]);
    visit("PileSuit 1", settings.PileSuit[1]);
    visit("PileSuit 2", settings.PileSuit[2]);
    visit("PileSuit 3", settings.PileSuit[3]);
    forEachStatistic(settings, visit);
}

// The DWORD values beside the design's, each 0 or 1. A file written before
// one of them existed reads as before, with its default.
template <typename S, typename Visit>
void forEachAddedDword(S& settings, Visit&& visit)
{
    visit("WarnLosingMove", settings.WarnLosingMove);
}

} // namespace tavolin
