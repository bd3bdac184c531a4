#pragma once

#include "platform/environment.h"

#include <QPointer>
#include <QWidget>

class QScreen;

namespace tavolin {

class QtEnvironment final : public Environment {
public:
    // The screen measured is the one window is on; the primary screen while
    // there is no window.
    explicit QtEnvironment(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    QSize screenResolution() const override;
    QRect availableArea() const override;
    QString currentDirectory() const override;

private:
    const QScreen* screen() const;

    QPointer<QWidget> window_;
};

} // namespace tavolin
