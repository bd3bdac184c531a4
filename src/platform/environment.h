#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace tavolin {

// What the program asks of the machine it runs on.
class Environment {
public:
    virtual ~Environment() = default;

    // Resolution in pixels of the screen the main window is on.
    virtual QSize screenResolution() const = 0;
    // The part of that screen a window may cover (less any task bar), in
    // screen coordinates.
    virtual QRect availableArea() const = 0;
    virtual QString currentDirectory() const = 0;
};

} // namespace tavolin
