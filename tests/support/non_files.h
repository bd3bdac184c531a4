#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace tavolin::testing {

// What a path can name that is no file to read: a named pipe (opening it for
// reading waits for a writer), a link to a device that reads without end, a
// folder, and a link to a pipe.
enum class NonFileKind { Pipe, DeviceLink, Folder, PipeLink };
constexpr NonFileKind NonFileKinds[] = {NonFileKind::Pipe, NonFileKind::DeviceLink, NonFileKind::Folder,
                                        NonFileKind::PipeLink};

inline const char* nameOf(NonFileKind kind)
{
    const char* names[] = {"pipe", "link to a device", "folder", "link to a pipe"};
    return names[int(kind)];
}

// One of them, put at path (in place of whatever a killed run left there)
// for as long as it lives.
class NonFile {
public:
    NonFile(NonFileKind kind, const QString& path) : path_(path)
    {
        remove();
        const QByteArray pipe = QFile::encodeName(pipePath());
        switch (kind) {
        case NonFileKind::Pipe: made_ = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; break;
        case NonFileKind::DeviceLink: made_ = QFile::link(QStringLiteral("/dev/zero"), path); break;
        case NonFileKind::Folder: made_ = QDir().mkdir(path); break;
        case NonFileKind::PipeLink: made_ = ::mkfifo(pipe.constData(), 0600) == 0 && QFile::link(pipePath(), path); break;
        }
    }
    ~NonFile() { remove(); }
    NonFile(const NonFile&) = delete;
    NonFile& operator=(const NonFile&) = delete;

    bool made() const { return made_; }

private:
    QString pipePath() const { return path_ + QStringLiteral(".pipe"); }
    void remove() const
    {
        QFile::remove(path_);
        QDir().rmdir(path_);
        QFile::remove(pipePath());
    }

    QString path_;
    bool made_ = false;
};

} // namespace tavolin::testing
