#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace tavolin {

// What the command line asks instead of a game: a text to print and the
// program's exit code (0: the help or the version, on standard output; else
// an error, on standard error).
struct CommandLineExit {
    int code = 0;
    QString text;

    bool operator==(const CommandLineExit&) const = default;
};

// --solve: decide a deal with the Piles' suits in this order (suit index of
// each Pile), print the answer and end without a window.
struct SolveRequest {
    std::uint32_t deal = 1;
    std::array<std::int32_t, 4> pileSuits{0, 1, 2, 3};
};

// The window, with a deal already dealt when --deal asked for one.
struct PlayRequest {
    std::optional<std::uint32_t> deal;
};

using CommandLineRequest = std::variant<CommandLineExit, SolveRequest, PlayRequest>;

// The arguments as Qt reads them, for the time before the application object.
QStringList argumentList(int argc, char* argv[]);

// Everything the command line asks, read before the application object
// exists, so that neither the answers nor the errors need a display. Qt's
// own options (-platform, -display, -style, ...) are known and left to it;
// anything else unknown is refused.
CommandLineRequest readCommandLine(const QStringList& arguments);

// The program's name as the messages give it.
QString programName(const QStringList& arguments);

} // namespace tavolin
