#include "app/clock_format.h"

#include <QRegularExpression>

namespace tavolin {

QString clockFormat(const QLocale& locale)
{
    static const QRegularExpression zone(QStringLiteral(R"(\s*\(?\bt+\b\)?)"));
    return locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}

} // namespace tavolin
