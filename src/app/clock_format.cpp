#include "app/clock_format.h"

namespace tavolin {

namespace {

bool isWordCharacter(const QString& format, qsizetype at)
{
    return at >= 0 && at < format.size() && (format[at].isLetterOrNumber() || format[at] == u'_');
}

// The length of the time zone ("t"s) or of the AM/PM marker ("a" or "ap",
// in either case) standing as a word of its own at `at`; 0 for anything else.
qsizetype zoneOrMarkerAt(const QString& format, qsizetype at)
{
    qsizetype end = at;
    if (format[at] == u't') {
        while (end < format.size() && format[end] == u't')
            ++end;
    } else if (format[at] == u'a' || format[at] == u'A') {
        ++end;
        if (end < format.size() && (format[end] == u'p' || format[end] == u'P'))
            ++end;
    }
    return isWordCharacter(format, at - 1) || isWordCharacter(format, end) ? 0 : end - at;
}

} // namespace

// Read by hand: a regular expression would keep the expression library's
// pages in memory for the one line a deal shows. Without its AM/PM marker,
// Qt's "h" counts the hours from 0 to 23.
QString clockFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const qsizetype length = zoneOrMarkerAt(format, i);
        if (length == 0)
            continue;
        qsizetype start = i;
        qsizetype end = i + length;
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
