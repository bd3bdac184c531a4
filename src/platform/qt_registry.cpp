#include "platform/qt_registry.h"

#include "platform/registry_file.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

namespace tavolin {
namespace {

const QString CountedNotesKey = QStringLiteral("Counted notes");
const QString NoteInfix = QStringLiteral(".kept.");

class QtRegistryKey final : public RegistryKey {
public:
    QtRegistryKey(QtRegistry& registry, QtRegistry::Values values, QString path, std::unique_ptr<QLockFile> lock,
                  std::vector<QtRegistry::Note> notes, bool toWrite)
        : registry_(registry),
          values_(std::move(values)),
          path_(std::move(path)),
          lock_(std::move(lock)),
          notes_(std::move(notes)),
          toWrite_(toWrite)
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
    bool commit() override
    {
        if (!toWrite_ || !registry_.save(values_, notes_, lock_))
            return false;
        notes_.clear();
        return true;
    }

    QList<QByteArray> notes() const override
    {
        QList<QByteArray> texts;
        for (const auto& note : notes_)
            texts << note.text;
        return texts;
    }

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
    std::vector<QtRegistry::Note> notes_;
    bool toWrite_;
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

// The values of the file as read. The line the size limit cut through is
// no damage of the file's own, and names nothing.
QtRegistry::Values valuesRead(const FileContents& contents)
{
    return parsed(contents.cutShort ? contents.bytes.left(contents.bytes.lastIndexOf('\n') + 1) : contents.bytes);
}

QByteArray written(const QtRegistry::Values& values)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    registry_file::writeFile(buffer, values);
    return bytes;
}

// The values of one key, by their full names.
QStringList namesUnder(const QtRegistry::Values& values, const QString& path)
{
    const QString prefix = registry_file::group(path) + u'/';
    QStringList names;
    for (auto it = values.lowerBound(prefix); it != values.end() && it.key().startsWith(prefix); ++it)
        names << it.key();
    return names;
}

QString folderProblem(const QString& folder)
{
    return QCoreApplication::translate("QtRegistry", "The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder));
}

// A second name for the file a link leads to; a copy where the system has
// no second names.
bool keepWhole(const QString& fileName, const QString& copy)
{
    return ::linkat(AT_FDCWD, QFile::encodeName(fileName).constData(), AT_FDCWD, QFile::encodeName(copy).constData(),
                    AT_SYMLINK_FOLLOW) == 0
        || QFile::copy(fileName, copy);
}

QString shortName(const QString& fileName)
{
    return QFileInfo(fileName).fileName();
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

std::unique_ptr<RegistryKey> QtRegistry::open(const QString& path, bool create, int lockWaitMs)
{
    busy_ = false;
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (create && !QDir().mkpath(folder)) {
        writeProblem_ = folderProblem(folder);
        return nullptr;
    }
    // Reading needs no lock, as a save replaces the file whole.
    FileLock lock = create ? lockFile(fileName_, lockWaitMs) : FileLock{};
    if (create && !lock.lock) {
        writeProblem_ = lock.problem;
        busy_ = lock.busy;
        return nullptr;
    }
    if (lock.lock)
        removeLeftoversOnce();
    // Before the file: a note counted meanwhile is then named in it.
    std::vector<Note> notes = notesBeside();
    const FileContents contents = readRegularFile(fileName_, LargestFile);
    Values values = valuesRead(contents);
    damage_ = damageOf(contents, values);
    if (contents.state == FileContents::State::Refused) {
        writeProblem_ = contents.problem;
        return nullptr;
    }
    if (!create && namesUnder(values, path).isEmpty())
        return nullptr;
    // Of a file over the limit only the key asked for is kept: the next
    // write makes it the size the game writes, and its copy keeps the rest.
    if (contents.cutShort)
        values.removeIf([&](const auto& value) { return !value.key().startsWith(registry_file::group(path) + u'/'); });
    notes = uncountedNotes(notes, values, lock.lock != nullptr);
    // A key to read has no more use for the lock.
    return std::make_unique<QtRegistryKey>(*this, std::move(values), path, create ? std::move(lock.lock) : nullptr,
                                           std::move(notes), create);
}

std::vector<QtRegistry::Note> QtRegistry::notesBeside() const
{
    const QString folder = QFileInfo(fileName_).absolutePath();
    std::vector<Note> notes;
    for (const QString& name : namesStartingWith(folder, shortName(fileName_) + NoteInfix, QDir::Files)) {
        const FileContents note = readRegularFile(QDir(folder).filePath(name), LargestNote);
        if (note.state == FileContents::State::Read)
            notes.push_back({name, note.bytes});
    }
    return notes;
}

// Called holding the lock: no save is under way.
void QtRegistry::removeLeftoversOnce()
{
    if (!leftoversRemoved_) {
        removeLeftoverTemporaries(fileName_);
        leftoversRemoved_ = true;
    }
}

void QtRegistry::clearLeftovers()
{
    if (!QFileInfo(QFileInfo(fileName_).absolutePath()).isDir())
        return;
    const FileLock lock = lockFile(fileName_, 0);
    if (!lock.lock)
        return;
    removeLeftoversOnce();
    // Notes before the file, as a key opened to write reads them.
    const std::vector<Note> notes = notesBeside();
    uncountedNotes(notes, valuesRead(readRegularFile(fileName_, LargestFile)), true);
}

// Those of the notes found that the file does not name as counted. Holding
// the lock, those it names are removed: what a save ended before it removed
// them left.
std::vector<QtRegistry::Note> QtRegistry::uncountedNotes(const std::vector<Note>& found, const Values& values,
                                                         bool removeCounted)
{
    const QString folder = QFileInfo(fileName_).absolutePath();
    std::vector<Note> uncounted;
    for (const Note& note : found) {
        if (!values.contains(registry_file::settingsKey(CountedNotesKey, note.fileName)))
            uncounted.push_back(note);
        else if (removeCounted)
            QFile::remove(QDir(folder).filePath(note.fileName));
    }
    return uncounted;
}

bool QtRegistry::save(Values values, const std::vector<Note>& counted, std::unique_ptr<QLockFile>& lock)
{
    for (const QString& name : namesUnder(values, CountedNotesKey))
        values.remove(name);
    for (const Note& note : counted)
        values.insert(registry_file::settingsKey(CountedNotesKey, note.fileName), 1);
    writeProblem_ = saveFile(fileName_, written(values), check_);
    if (writeProblem_.isEmpty() && !counted.empty() && (!check_ || check_(SaveStep::RemoveCounted))) {
        const QDir folder = QFileInfo(fileName_).absoluteDir();
        for (const Note& note : counted)
            QFile::remove(folder.filePath(note.fileName));
        syncFolderOf(fileName_);
    }
    if (!check_ || check_(SaveStep::Unlock))
        lock.reset();
    return writeProblem_.isEmpty();
}

QString QtRegistry::keepNote(const QByteArray& text)
{
    const QString folder = QFileInfo(fileName_).absolutePath();
    if (!QDir().mkpath(folder)) {
        writeProblem_ = folderProblem(folder);
        return {};
    }
    const QString name = fileName_ + NoteInfix + QString::number(QRandomGenerator::global()->generate64(), 36);
    writeProblem_ = createWhole(name, text, fileName_);
    return writeProblem_.isEmpty() ? name : QString();
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
// is kept under a second name, not copied: it stays in place, read as far
// as the limit, until the next write replaces it.
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
                ? keepWhole(fileName_, copy)
                : file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(contents.bytes) == contents.bytes.size();
            return keptCopy_ = kept ? copy : QString();
        }
        if (!contents.cutShort && earlier.state == FileContents::State::Read && earlier.bytes == contents.bytes)
            keptCopy_ = copy;
    }
    return keptCopy_;
}

} // namespace tavolin
