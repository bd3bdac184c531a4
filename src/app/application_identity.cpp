#include "application_identity.h"

#include <QGuiApplication>

namespace tavolin {

void nameApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Tavolin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tavolin"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TAVOLIN_VERSION));
}

} // namespace tavolin
