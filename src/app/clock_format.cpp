#include "app/clock_format.h"

namespace tavolin {

// Read by hand: a regular expression would keep the expression library's
// pages in memory for the one line a deal shows.
QString clockFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u't')
            continue;
        qsizetype start = i;
        qsizetype end = i;
        while (end < format.size() && format[end] == u't')
            ++end;
        if (start > 0 && format[start - 1] == u'(' && end < format.size() && format[end] == u')') {
            --start;
            ++end;
        }
        while (start > 0 && format[start - 1].isSpace())
            --start;
        format.remove(start, end - start);
        i = start - 1;
    }
    return format.trimmed();
}

} // namespace tavolin
