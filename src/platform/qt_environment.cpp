#include "platform/qt_environment.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace tavolin {

const QScreen* QtEnvironment::screen() const
{
    return window_ ? window_->screen() : QGuiApplication::primaryScreen();
}

QSize QtEnvironment::screenResolution() const
{
    const QScreen* measured = screen();
    return measured ? measured->size() : QSize();
}

QRect QtEnvironment::availableArea() const
{
    const QScreen* measured = screen();
    return measured ? measured->availableGeometry() : QRect();
}

QString QtEnvironment::currentDirectory() const
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace tavolin
