#include "platform/qt_environment.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace tavolin {

QSize QtEnvironment::screenResolution() const
{
    const QScreen* screen = window_ ? window_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

QString QtEnvironment::currentDirectory() const
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace tavolin
