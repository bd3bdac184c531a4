#include "deal_number.h"

#include <QCoreApplication>

namespace tavolin {

std::optional<std::uint32_t> readDealNumber(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const qulonglong number = digits.toULongLong(&ok);
    if (!ok || number == 0 || number > LastDealNumber)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

QString notADealNumber(const QString& text)
{
    return QCoreApplication::translate("Deals", "'%1' is not a deal number: deals are numbered from 1 to %2.")
        .arg(text.trimmed())
        .arg(LastDealNumber);
}

} // namespace tavolin
