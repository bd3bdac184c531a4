#include "platform/readable_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin {
namespace {

// An open descriptor of a regular file, closed when it goes.
class OpenRegularFile {
public:
    explicit OpenRegularFile(const QString& path)
    {
        const QByteArray name = QFile::encodeName(path);
        // A device is not even opened: opening some of them does something.
        struct stat seen {};
        if (path.isEmpty() || ::stat(name.constData(), &seen) != 0 || !S_ISREG(seen.st_mode))
            return;
        // Not waiting in open, and looking again at what was opened, so a pipe
        // put in the file's place after the look above is never waited on.
        fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd_ >= 0 && (::fstat(fd_, &opened_) != 0 || !S_ISREG(opened_.st_mode))) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenRegularFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenRegularFile(const OpenRegularFile&) = delete;
    OpenRegularFile& operator=(const OpenRegularFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    qint64 size() const { return opened_.st_size; }

    // Reads up to the size the file had when opened: a file that grows while
    // it is read, or a kernel file that reports no size, cannot make it go on.
    std::optional<QByteArray> readAll() const
    {
        QByteArray bytes(size(), Qt::Uninitialized);
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t got = ::read(fd_, bytes.data() + done, size_t(bytes.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return std::nullopt;
            if (got == 0)
                break;
            done += got;
        }
        bytes.truncate(done);
        return bytes;
    }

private:
    int fd_ = -1;
    struct stat opened_ {};
};

} // namespace

bool isReadableRegularFile(const QString& path)
{
    return OpenRegularFile(path).isOpen();
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    const OpenRegularFile file(path);
    if (!file.isOpen() || file.size() > maxBytes)
        return std::nullopt;
    return file.readAll();
}

} // namespace tavolin
