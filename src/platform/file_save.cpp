#include "platform/file_save.h"

#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin {
namespace {

const QString TemporaryInfix = QStringLiteral(".saving.");

QString failed(const QString& fileName, int error)
{
    return QCoreApplication::translate("FileSave", "%1 could not be written: %2.").arg(QDir::toNativeSeparators(fileName), qt_error_string(error));
}

QString randomSuffix()
{
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

// Where the bytes go: the file itself, or the regular file a link leads to.
QString finalTarget(const QString& fileName)
{
    const QFileInfo info(fileName);
    return info.isSymLink() ? info.canonicalFilePath() : fileName;
}

class Temporary {
public:
    explicit Temporary(const QString& target) : target_(target) {}
    ~Temporary()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }

    int create()
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            name_ = QFile::encodeName(target_ + TemporaryInfix + randomSuffix());
            descriptor_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor_ >= 0) {
                keepPermissions();
                return 0;
            }
            if (errno != EEXIST)
                break;
        }
        const int error = errno;
        name_.clear();
        return error;
    }

    int write(const QByteArray& bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t count = ::write(descriptor_, bytes.constData() + done, std::size_t(bytes.size() - done));
            if (count < 0 && errno != EINTR)
                return errno;
            done += std::max<ssize_t>(count, 0);
        }
        return 0;
    }

    int flush()
    {
        const int result = ::fsync(descriptor_) == 0 ? 0 : errno;
        const int closed = ::close(descriptor_) == 0 ? 0 : errno;
        descriptor_ = -1;
        return result != 0 ? result : closed;
    }

    int rename()
    {
        if (::rename(name_.constData(), QFile::encodeName(target_).constData()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

private:
    // The player's own choice of who may read the file outlives a save.
    void keepPermissions()
    {
        struct stat status {};
        if (::stat(QFile::encodeName(target_).constData(), &status) == 0)
            ::fchmod(descriptor_, status.st_mode & 07777);
    }

    QString target_;
    QByteArray name_;
    int descriptor_ = -1;
};

} // namespace

std::unique_ptr<QLockFile> lockFile(const QString& fileName, int waitMs, QString& problem)
{
    const QString lockName = fileName + QStringLiteral(".lock");
    // Not a file Qt can take over as stale: waiting on it would never end.
    problem = notARegularFile(lockName);
    if (!problem.isEmpty())
        return nullptr;
    auto lock = std::make_unique<QLockFile>(lockName);
    if (lock->tryLock(waitMs))
        return lock;
    const QString shown = QDir::toNativeSeparators(lockName);
    problem = lock->error() == QLockFile::LockFailedError
        ? QCoreApplication::translate("FileSave", "%1 is held by another program and was not let go within %2 seconds.").arg(shown).arg(waitMs / 1000.0)
        : QCoreApplication::translate("FileSave", "%1 could not be made: %2.")
              .arg(shown, lock->error() == QLockFile::PermissionError ? qt_error_string(EACCES) : qt_error_string(EIO));
    return nullptr;
}

QString saveFile(const QString& fileName, const QByteArray& bytes, const SaveStepCheck& check)
{
    if (const QString problem = notARegularFile(fileName); !problem.isEmpty())
        return problem;
    Temporary temporary(finalTarget(fileName));
    const std::pair<SaveStep, std::function<int()>> steps[] = {
        {SaveStep::CreateTemporary, [&] { return temporary.create(); }},
        {SaveStep::Write, [&] { return temporary.write(bytes); }},
        {SaveStep::Flush, [&] { return temporary.flush(); }},
        {SaveStep::Rename, [&] { return temporary.rename(); }},
    };
    // Each step is asked of the check first; one it refuses fails as an I/O error would.
    for (const auto& [step, action] : steps) {
        if (const int error = check && !check(step) ? EIO : action())
            return failed(fileName, error);
    }
    return {};
}

void removeLeftoverTemporaries(const QString& fileName)
{
    const QFileInfo file(fileName);
    const QString pattern = file.fileName() + TemporaryInfix + u'*';
    QDir folder = file.absoluteDir();
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(name);
}

} // namespace tavolin
