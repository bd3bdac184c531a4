#include "platform/qt_registry.h"

#include "platform/registry_file.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

namespace tavolin {
namespace {

class QtRegistryKey final : public RegistryKey {
public:
    QtRegistryKey(QtRegistry& registry, QtRegistry::Values values, QString path, std::unique_ptr<QLockFile> lock)
        : registry_(registry), values_(std::move(values)), path_(std::move(path)), lock_(std::move(lock))
    {
    }

    std::optional<std::int32_t> readDword(const QString& name) const override
    {
        const QVariant data = value(name);
        if (data.typeId() != QMetaType::Int)
            return std::nullopt;
        return data.toInt();
    }

    QString readString(const QString& name) const override
    {
        const QVariant data = value(name);
        return data.typeId() == QMetaType::QString ? data.toString() : QString();
    }

    bool writeDword(const QString& name, std::int32_t value) override { return write(name, QVariant(value)); }
    bool writeString(const QString& name, const QString& value) override { return write(name, QVariant(value)); }
    bool commit() override { return registry_.save(values_, lock_); }

private:
    QVariant value(const QString& name) const { return values_.value(registry_file::settingsKey(path_, name)); }

    bool write(const QString& name, const QVariant& data)
    {
        if (name.isEmpty())
            return false;
        values_.insert(registry_file::settingsKey(path_, name), data);
        return true;
    }

    QtRegistry& registry_;
    QtRegistry::Values values_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

QtRegistry::Values parsed(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QtRegistry::Values values;
    registry_file::readFile(buffer, values);
    return values;
}

QByteArray written(const QtRegistry::Values& values)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    registry_file::writeFile(buffer, values);
    return bytes;
}

bool holdsKey(const QtRegistry::Values& values, const QString& path)
{
    const QString prefix = registry_file::group(path) + u'/';
    const auto first = values.lowerBound(prefix);
    return first != values.end() && first.key().startsWith(prefix);
}

} // namespace

QtRegistry::QtRegistry(const QString& directory, SaveStepCheck check)
    : fileName_(QDir(directory).filePath(QStringLiteral("registry.ini"))), check_(std::move(check))
{
}

QString QtRegistry::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tavolin");
}

std::unique_ptr<RegistryKey> QtRegistry::openKey(const QString& path, bool create)
{
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (create && !QDir().mkpath(folder)) {
        writeProblem_ = QCoreApplication::translate("QtRegistry", "The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    // Reading needs no lock, as a save replaces the file whole; it only
    // takes one that is free, to clear what stopped saves left.
    QString lockProblem;
    auto lock = QDir(folder).exists() ? lockFile(fileName_, create ? LockWaitMs : 0, lockProblem) : nullptr;
    if (create && !lock) {
        writeProblem_ = lockProblem;
        return nullptr;
    }
    if (lock && !leftoversRemoved_) {
        removeLeftoverTemporaries(fileName_);
        leftoversRemoved_ = true;
    }
    const FileContents contents = readRegularFile(fileName_, LargestFile);
    // The line the limit cut through is no damage of the file's own.
    Values values = parsed(contents.cutShort ? contents.bytes.left(contents.bytes.lastIndexOf('\n') + 1) : contents.bytes);
    damage_ = damageOf(contents, values);
    if (contents.state == FileContents::State::Refused) {
        writeProblem_ = contents.problem;
        return nullptr;
    }
    if (!create && !holdsKey(values, path))
        return nullptr;
    return std::make_unique<QtRegistryKey>(*this, std::move(values), path, std::move(lock));
}

bool QtRegistry::save(const Values& values, std::unique_ptr<QLockFile>& lock)
{
    if (!lock && !(lock = lockFile(fileName_, LockWaitMs, writeProblem_)))
        return false;
    writeProblem_ = saveFile(fileName_, written(values), check_);
    if (!check_ || check_(SaveStep::Unlock))
        lock.reset();
    return writeProblem_.isEmpty();
}

StoreDamage QtRegistry::damageOf(const FileContents& contents, const Values& values)
{
    QStringList fileProblems;
    if (contents.state == FileContents::State::Refused)
        fileProblems << contents.problem;
    else if (contents.state == FileContents::State::Read && contents.bytes.isEmpty())
        // What a crash of another program or a full disk leaves: not a first run.
        fileProblems << QCoreApplication::translate("QtRegistry", "%1 is empty, so the statistics and settings it held are lost.").arg(QDir::toNativeSeparators(fileName_));
    else if (contents.cutShort)
        fileProblems << QCoreApplication::translate("QtRegistry", "%1 is larger than %2 KiB, far more than the game ever writes: only its start was read.")
                            .arg(QDir::toNativeSeparators(fileName_))
                            .arg(LargestFile / 1024);
    StoreDamage damage;
    damage.problems = fileProblems + values.value(QLatin1String(registry_file::UnreadableLinesKey)).toStringList();
    damage.total = fileProblems.size() + values.value(QLatin1String(registry_file::UnreadableLineCountKey)).toLongLong();
    if (damage.total > 0 && contents.state == FileContents::State::Read && !contents.bytes.isEmpty())
        damage.keptCopy = QDir::toNativeSeparators(keepAside(contents));
    return damage;
}

// The next write drops what could not be read; the file as it was is kept
// for the player to mend by hand. A copy of an earlier damage may not be
// mended yet, so it is never replaced: the new one takes the next free name,
// unless it is the same damage found again. A file too large to read whole
// is moved aside, never copied.
QString QtRegistry::keepAside(const FileContents& contents)
{
    constexpr int MostCopies = 100;
    if (!keptCopy_.isEmpty())
        return keptCopy_;
    for (int number = 1; number <= MostCopies && keptCopy_.isEmpty(); ++number) {
        const QString copy = fileName_ + QStringLiteral(".damaged")
            + (number > 1 ? QStringLiteral(".%1").arg(number) : QString());
        const FileContents earlier = readRegularFile(copy, LargestFile);
        if (earlier.state == FileContents::State::Missing) {
            QFile file(copy);
            const bool kept = contents.cutShort
                ? QFile::rename(fileName_, copy)
                : file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(contents.bytes) == contents.bytes.size();
            return keptCopy_ = kept ? copy : QString();
        }
        if (!contents.cutShort && earlier.state == FileContents::State::Read && earlier.bytes == contents.bytes)
            keptCopy_ = copy;
    }
    return keptCopy_;
}

} // namespace tavolin
