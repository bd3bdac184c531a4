#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin {
namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("RegularFile", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("RegularFile", "a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("RegularFile", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("RegularFile", "a socket");
    return QCoreApplication::translate("RegularFile", "not a plain file");
}

QString notRegular(const QString& fileName, mode_t mode)
{
    return QCoreApplication::translate("RegularFile", "%1 is not a regular file but %2; the game leaves it as it is.").arg(QDir::toNativeSeparators(fileName), kindOf(mode));
}

QString systemError(const QString& fileName, int error)
{
    return QCoreApplication::translate("RegularFile", "%1 could not be opened: %2.").arg(QDir::toNativeSeparators(fileName), qt_error_string(error));
}

FileContents refused(QString problem)
{
    return {FileContents::State::Refused, {}, false, std::move(problem)};
}

} // namespace

QString notARegularFile(const QString& fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status {};
    if (::stat(path.constData(), &status) == 0)
        return S_ISREG(status.st_mode) ? QString() : notRegular(fileName, status.st_mode);
    const int error = errno;
    // A link that leads nowhere would be replaced by a save, not followed.
    if (error == ENOENT && ::lstat(path.constData(), &status) == 0)
        return QCoreApplication::translate("RegularFile", "%1 is a link to a file that does not exist; the game leaves it as it is.").arg(QDir::toNativeSeparators(fileName));
    return error == ENOENT ? QString() : systemError(fileName, error);
}

FileContents readRegularFile(const QString& fileName, qsizetype limit, WhenLarger whenLarger)
{
    if (const QString problem = notARegularFile(fileName); !problem.isEmpty())
        return refused(problem);
    const QByteArray path = QFile::encodeName(fileName);
    // Without blocking, and checked again once open: the path may have been
    // swapped for a pipe since it was looked at.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT ? FileContents{} : refused(systemError(fileName, errno));
    FileContents contents;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return refused(notRegular(fileName, status.st_mode));
    }
    contents.state = FileContents::State::Read;
    if (whenLarger == WhenLarger::ReadNothing && status.st_size > limit) {
        ::close(descriptor);
        contents.cutShort = true;
        return contents;
    }
    contents.bytes.resize(limit + 1);
    qsizetype got = 0;
    while (got < contents.bytes.size()) {
        const ssize_t count = ::read(descriptor, contents.bytes.data() + got, std::size_t(contents.bytes.size() - got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            ::close(descriptor);
            return refused(systemError(fileName, error));
        }
        if (count == 0)
            break;
        got += count;
    }
    ::close(descriptor);
    contents.cutShort = got > limit;
    contents.bytes.resize(std::min(got, limit));
    return contents;
}

bool isReadableRegularFile(const QString& fileName)
{
    return !fileName.isEmpty() && readRegularFile(fileName, 0, WhenLarger::ReadNothing).state == FileContents::State::Read;
}

} // namespace tavolin
