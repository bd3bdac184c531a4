#pragma once

#include "platform/file_save.h"
#include "platform/registry.h"

#include <QMap>
#include <QVariant>

namespace tavolin {

struct FileContents;

// The per-user registry as a text file, "registry.ini", in a folder of its
// own. Keys are flat: a key exists once it holds a value.
//
// Every key is read afresh from the file. A key opened to write holds the
// file's lock until its commit, so that a change made by two copies of the
// program at once is made on what the other one stored, never over it.
class QtRegistry final : public Registry {
public:
    // The real file is under 1 KiB: reading stops here, so that no file can
    // cost a start or a save more than a moment.
    static constexpr qsizetype LargestFile = 256 * 1024;
    // Another copy holds the lock for the moment of its save.
    static constexpr int LockWaitMs = 2000;

    // The folder is made when the first value is written.
    explicit QtRegistry(const QString& directory, SaveStepCheck check = {});

    // $XDG_CONFIG_HOME/Tavolin, or ~/.config/Tavolin when that is not set.
    static QString defaultDirectory();

    QString fileName() const { return fileName_; }

    std::unique_ptr<RegistryKey> openKey(const QString& path, bool create) override;
    StoreDamage damage() const override { return damage_; }
    QString writeProblem() const override { return writeProblem_; }

    using Values = QMap<QString, QVariant>;
    // What a key's commit does: false, with the reason kept, when the values
    // could not be stored.
    bool save(const Values& values, std::unique_ptr<QLockFile>& lock);

private:
    StoreDamage damageOf(const FileContents& contents, const Values& values);
    QString keepAside(const FileContents& contents);

    QString fileName_;
    SaveStepCheck check_;
    QString keptCopy_;
    bool leftoversRemoved_ = false;
    StoreDamage damage_;
    QString writeProblem_;
};

} // namespace tavolin
