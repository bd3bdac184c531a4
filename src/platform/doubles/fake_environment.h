#pragma once

#include "platform/environment.h"

namespace tavolin {

class FakeEnvironment final : public Environment {
public:
    explicit FakeEnvironment(QSize resolution = {1280, 1024},
                             QString directory = QStringLiteral("/home/player"))
        : resolution_(resolution), directory_(std::move(directory))
    {
    }

    void setScreenResolution(QSize resolution) { resolution_ = resolution; }
    void setCurrentDirectory(const QString& directory) { directory_ = directory; }

    QSize screenResolution() const override { return resolution_; }
    // No task bar: the whole screen.
    QRect availableArea() const override { return QRect(QPoint(0, 0), resolution_); }
    QString currentDirectory() const override { return directory_; }

private:
    QSize resolution_;
    QString directory_;
};

} // namespace tavolin
