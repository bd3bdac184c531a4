#pragma once

#include <QLocale>
#include <QString>

namespace tavolin {

// The locale's long time format without its time zone, which a game's start
// and end do not need; brackets left around the zone go with it.
QString clockFormat(const QLocale& locale);

} // namespace tavolin
