#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLockFile;

// Saving a file so that it holds its old contents or the new ones at every
// moment, never less, with one copy of the program at a time.
namespace tavolin {

enum class SaveStep { CreateTemporary, Write, Flush, Rename, RemoveCounted, Unlock };

// Asked before each step of a save; a step it refuses fails as the system
// would fail it. Only tests give one: it is how they make a save fail, or end
// the program, at every step in turn.
using SaveStepCheck = std::function<bool(SaveStep)>;

struct FileLock {
    std::unique_ptr<QLockFile> lock;   // null when not taken
    QString problem;                   // why not, naming the lock
    bool busy = false;                 // only because another program held it
};

// The file's lock, taken within waitMs or not at all. Another copy of the
// program holds it only for the moment of a save, and one that died holding
// it leaves it stale.
FileLock lockFile(const QString& fileName, int waitMs);

// Empty when saved, else why not, naming the file. Only a missing file, a
// regular one or a link to one is written; a link is followed, not replaced.
QString saveFile(const QString& fileName, const QByteArray& bytes, const SaveStepCheck& check);

// Makes newName, which does not exist, whole or not at all, without the
// lock: its temporary is named as those of fileName's saves, so that what a
// stopped one leaves is cleared with theirs. Empty when made, else why not.
QString createWhole(const QString& newName, const QByteArray& bytes, const QString& fileName);

// Removes what saves that were stopped halfway left beside the file, and
// beside the file a link leads to: only our own temporaries. Call it holding
// the lock, so that no save is under way.
void removeLeftoverTemporaries(const QString& fileName);

// The names in the folder that begin with the prefix, as it is written,
// sorted by name. QDir's name filters would do, but they are regular
// expressions, whose library's pages would stay in memory for a look at the
// start.
QStringList namesStartingWith(const QString& folder, const QString& prefix, QDir::Filters filters);

// Makes the folder's last changes (a rename, a removal) last through a
// power cut, as the file's own contents do.
void syncFolderOf(const QString& fileName);

} // namespace tavolin
