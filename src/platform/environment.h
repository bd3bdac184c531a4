#pragma once

#include <QSize>
#include <QString>

namespace tavolin {

// What the program asks of the machine it runs on.
class Environment {
public:
    virtual ~Environment() = default;

    // Resolution in pixels of the screen the main window is on.
    virtual QSize screenResolution() const = 0;
    virtual QString currentDirectory() const = 0;
};

} // namespace tavolin
