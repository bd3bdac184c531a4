#pragma once

#include <QString>
#include <QStringList>

namespace tavolin {

// While it lives (around the making of the application object), Qt's
// messages are held back, and Qt's fatal message that no platform plugin
// could be started ends the program with one line naming the display
// problem and exit status 1 instead of an abort. Messages held back are
// passed on when the display opened after all.
class DisplayOpening {
public:
    explicit DisplayOpening(const QString& program);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};

// The one line for a display that could not be opened, from Qt's messages
// before its fatal one and the fatal one itself.
QString displayFailureLine(const QString& program, const QStringList& warnings, const QString& fatal);

} // namespace tavolin
