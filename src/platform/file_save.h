#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QLockFile;

// Saving a file so that it holds its old contents or the new ones at every
// moment, never less, with one copy of the program at a time.
namespace tavolin {

enum class SaveStep { CreateTemporary, Write, Flush, Rename, Unlock };

// Asked before each step of a save; a step it refuses fails as the system
// would fail it. Only tests give one: it is how they make a save fail, or end
// the program, at every step in turn.
using SaveStepCheck = std::function<bool(SaveStep)>;

// The file's lock, taken within waitMs or not at all; the reason is in
// problem when it is not. Another copy of the program holds it only for the
// moment of a save, and one that died holding it leaves it stale.
std::unique_ptr<QLockFile> lockFile(const QString& fileName, int waitMs, QString& problem);

// Empty when saved, else why not, naming the file. Only a missing file, a
// regular one or a link to one is written; a link is followed, not replaced.
QString saveFile(const QString& fileName, const QByteArray& bytes, const SaveStepCheck& check);

// Removes what saves that were stopped halfway left beside the file: only our
// own temporaries. Call it holding the lock, so that no save is under way.
void removeLeftoverTemporaries(const QString& fileName);

} // namespace tavolin
