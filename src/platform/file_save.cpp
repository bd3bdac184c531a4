#include "platform/file_save.h"

#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
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
    // Named as a temporary of nameBase, and renamed to target.
    Temporary(const QString& nameBase, const QString& target) : nameBase_(nameBase), target_(target) {}
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
            name_ = QFile::encodeName(nameBase_ + TemporaryInfix + randomSuffix());
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
        // A power cut must not bring the old file back once the new one is in use.
        syncFolderOf(target_);
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

    QString nameBase_;
    QString target_;
    QByteArray name_;
    int descriptor_ = -1;
};

// The first error of the steps, each asked of the check first; one it
// refuses fails as an I/O error would.
int save(Temporary& temporary, const QByteArray& bytes, const SaveStepCheck& check)
{
    const std::pair<SaveStep, std::function<int()>> steps[] = {
        {SaveStep::CreateTemporary, [&] { return temporary.create(); }},
        {SaveStep::Write, [&] { return temporary.write(bytes); }},
        {SaveStep::Flush, [&] { return temporary.flush(); }},
        {SaveStep::Rename, [&] { return temporary.rename(); }},
    };
    for (const auto& [step, action] : steps) {
        if (const int error = check && !check(step) ? EIO : action())
            return error;
    }
    return 0;
}

// Why no file can be made beside fileName: the error of making and filling
// one, or 0 when that works.
int creationError(const QString& fileName)
{
    Temporary probe(fileName, fileName);
    const int error = probe.create();
    return error != 0 ? error : probe.write(QByteArray(128, 'x'));
}

// Where saves of the file make their temporaries: beside it, and beside the
// file a link leads to. A save never goes through a link to anything but a
// regular file, so nothing beside a device or a pipe (in /dev, say) is ours.
QStringList leftoverPlaces(const QString& fileName)
{
    const QString target = finalTarget(fileName);
    const bool savedThere = !target.isEmpty() && target != fileName && QFileInfo(target).isFile();
    return savedThere ? QStringList{fileName, target} : QStringList{fileName};
}

} // namespace

FileLock lockFile(const QString& fileName, int waitMs)
{
    const QString lockName = fileName + QStringLiteral(".lock");
    // Not a file Qt can take over as stale: waiting on it would never end.
    if (QString problem = notARegularFile(lockName); !problem.isEmpty())
        return {nullptr, problem, false};
    auto lock = std::make_unique<QLockFile>(lockName);
    if (lock->tryLock(waitMs))
        return {std::move(lock), {}, false};
    const QString shown = QDir::toNativeSeparators(lockName);
    if (lock->error() == QLockFile::LockFailedError)
        return {nullptr,
                QCoreApplication::translate("FileSave", "%1 is held by another program and was not let go within %2 seconds.")
                    .arg(shown)
                    .arg(waitMs / 1000.0),
                true};
    // Qt does not keep the system's reason: making a file there again finds it.
    const int error = creationError(fileName);
    const int reason = error != 0 ? error : lock->error() == QLockFile::PermissionError ? EACCES : EIO;
    return {nullptr, QCoreApplication::translate("FileSave", "%1 could not be made: %2.").arg(shown, qt_error_string(reason)),
            false};
}

QString saveFile(const QString& fileName, const QByteArray& bytes, const SaveStepCheck& check)
{
    if (const QString problem = notARegularFile(fileName); !problem.isEmpty())
        return problem;
    const QString target = finalTarget(fileName);
    Temporary temporary(target, target);
    const int error = save(temporary, bytes, check);
    return error != 0 ? failed(fileName, error) : QString();
}

QString createWhole(const QString& newName, const QByteArray& bytes, const QString& fileName)
{
    int error = 0;
    // A start that found the temporary took it for a stopped save's and
    // removed it: the rename finds it gone, and a second one is made.
    for (int attempt = 0; attempt < 2 && (attempt == 0 || error == ENOENT); ++attempt) {
        Temporary temporary(fileName, newName);
        error = save(temporary, bytes, {});
    }
    return error != 0 ? failed(newName, error) : QString();
}

void removeLeftoverTemporaries(const QString& fileName)
{
    for (const QString& place : leftoverPlaces(fileName)) {
        const QFileInfo file(place);
        QDir folder = file.absoluteDir();
        for (const QString& name : namesStartingWith(folder.path(), file.fileName() + TemporaryInfix,
                                                     QDir::Files | QDir::Hidden))
            folder.remove(name);
    }
}

// Without a name filter, which Qt would compile into a regular expression.
QStringList namesStartingWith(const QString& folder, const QString& prefix, QDir::Filters filters)
{
    QStringList names;
    for (QDirIterator entries(folder, filters); entries.hasNext();) {
        const QString name = entries.nextFileInfo().fileName();
        if (name.startsWith(prefix))
            names << name;
    }
    names.sort();
    return names;
}

void syncFolderOf(const QString& fileName)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(fileName).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace tavolin
