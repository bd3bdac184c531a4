#pragma once

#include <QString>

#include <cstdio>

namespace tavolin {

// The exit status when an answer could not be written to standard output.
inline constexpr int OutputFailedExit = 4;

// Writes `text` to `stream` and returns `code`. An answer that does not
// reach its file (a full disk, a closed standard output) is no answer: that
// is said on standard error, naming the system's reason, and the status is
// OutputFailedExit. An error that cannot be written to standard error keeps
// its own status, as there is nowhere left to say more.
int printed(const QString& program, const QString& text, std::FILE* stream, int code);

} // namespace tavolin
