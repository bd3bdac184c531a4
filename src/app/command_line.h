#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavolin {

// What the command line asks instead of a game: a text to print and the
// program's exit code (0: the help or the version, on standard output; else
// an error, on standard error).
struct CommandLineExit {
    int code = 0;
    QString text;
};

// The arguments as Qt reads them, for the time before the application object.
QStringList argumentList(int argc, char* argv[]);

// The help and the version, answered before the application object exists
// so that neither needs a display. Qt's own options (-platform, -display, ...)
// pass here: the application object takes them out.
std::optional<CommandLineExit> helpOrVersion(const QStringList& arguments);

// What is left once the application object has taken Qt's own options: any
// of it is an error, since the game takes no arguments but its options.
std::optional<CommandLineExit> unknownArguments(const QStringList& arguments);

} // namespace tavolin
