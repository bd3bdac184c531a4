#include "answer_output.h"

#include <cerrno>
#include <cstring>

namespace tavolin {

int printed(const QString& program, const QString& text, std::FILE* stream, int code)
{
    errno = 0;
    // The flush makes a failed write show now, not unseen at the exit.
    if (std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0)
        return code;
    if (stream == stderr)
        return code;
    const int error = errno;
    std::fprintf(stderr, "%s: cannot write to standard output: %s\n", program.toLocal8Bit().constData(),
                 std::strerror(error));
    return OutputFailedExit;
}

} // namespace tavolin
