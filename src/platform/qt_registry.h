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
//
// A note is a file of its own beside it, "registry.ini.kept.<id>", made whole
// or not at all. The commit that counts notes names them in the file, under
// [Counted notes], and removes them only then: a note named there is one
// already counted, so one left by a program ended between the two is removed,
// not counted again. A name stays there until the next commit.
class QtRegistry final : public Registry {
public:
    // The real file is under 1 KiB: reading stops here, so that no file can
    // cost a start or a save more than a moment.
    static constexpr qsizetype LargestFile = 256 * 1024;
    static constexpr qsizetype LargestNote = 64 * 1024;

    // The folder is made when the first value is written.
    explicit QtRegistry(const QString& directory, SaveStepCheck check = {});

    // $XDG_CONFIG_HOME/Tavolin, or ~/.config/Tavolin when that is not set.
    static QString defaultDirectory();

    QString fileName() const { return fileName_; }

    std::unique_ptr<RegistryKey> openKey(const QString& path) override { return open(path, false, 0); }
    std::unique_ptr<RegistryKey> createKey(const QString& path, int lockWaitMs) override
    {
        return open(path, true, lockWaitMs);
    }
    QString keepNote(const QByteArray& text) override;
    void clearLeftovers() override;
    StoreDamage damage() const override { return damage_; }
    QString writeProblem() const override { return writeProblem_; }
    bool wasBusy() const override { return busy_; }

    using Values = QMap<QString, QVariant>;
    struct Note {
        QString fileName;
        QByteArray text;
    };
    // What a key's commit does: false, with the reason kept, when the values
    // could not be stored; the notes named are counted with them.
    bool save(Values values, const std::vector<Note>& counted, std::unique_ptr<QLockFile>& lock);

private:
    std::unique_ptr<RegistryKey> open(const QString& path, bool create, int lockWaitMs);
    std::vector<Note> notesBeside() const;
    void removeLeftoversOnce();
    std::vector<Note> uncountedNotes(const std::vector<Note>& found, const Values& values, bool removeCounted);
    StoreDamage damageOf(const FileContents& contents, const Values& values);
    QString keepAside(const FileContents& contents);

    QString fileName_;
    SaveStepCheck check_;
    QString keptCopy_;
    bool leftoversRemoved_ = false;
    StoreDamage damage_;
    QString writeProblem_;
    bool busy_ = false;
};

} // namespace tavolin
