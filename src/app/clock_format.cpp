#include "app/clock_format.h"

#include <QRegularExpression>

namespace tavolin {

QString clockFormat(const QLocale& locale)
{
    // Without its AM/PM marker, Qt's "h" counts the hours from 0 to 23.
    static const QRegularExpression zoneAndMarker(QStringLiteral(R"(\s*\(?\bt+\b\)?|\s*\b[Aa][Pp]?\b)"));
    return locale.timeFormat(QLocale::LongFormat).remove(zoneAndMarker).trimmed();
}

} // namespace tavolin
