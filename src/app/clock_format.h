#pragma once

#include <QLocale>
#include <QString>

namespace tavolin {

// The locale's long time format on the 24-hour clock and without its time
// zone, which a game's start and end before "hrs." do not need; brackets
// left around the zone go with it.
QString clockFormat(const QLocale& locale);

} // namespace tavolin
