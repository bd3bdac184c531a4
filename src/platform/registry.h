#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

namespace tavolin {

// One open key of the per-user registry. Closing is destruction.
//
// Values written to a key are stored together by commit(), so that a change
// of several values costs one write of the store, not one per value.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Fails (nullopt) when the value is missing or is not a DWORD.
    virtual std::optional<std::int32_t> readDword(const QString& name) const = 0;
    // A missing value reads as the empty string.
    virtual QString readString(const QString& name) const = 0;
    // False when the value cannot be stored at all (a name the store refuses).
    virtual bool writeDword(const QString& name, std::int32_t value) = 0;
    virtual bool writeString(const QString& name, const QString& value) = 0;
    // Stores the values written since the last commit; false when they could
    // not be stored.
    virtual bool commit() = 0;

    // The notes kept beside the store (Registry::keepNote) and not yet
    // counted, as they were when the key was opened. The commit of a key
    // opened to write counts them: whoever commits has made them part of its
    // values. A note is counted by one commit only, even if the program ends
    // between storing the values and removing the note.
    virtual QList<QByteArray> notes() const = 0;
};

// What could not be read from the store the last time it was opened.
struct StoreDamage {
    QStringList problems;    // the first few, in plain words, one a line
    qsizetype total = 0;     // how many there were in all
    QString keptCopy;        // where the store as it was is kept, if anywhere
};

// The per-user registry: keys named by a path such as "Software\Projects\Tavolin 2.2".
class Registry {
public:
    virtual ~Registry() = default;

    // The key as the store holds it now, to read; nullptr when it does not
    // exist. Never waits for another writer.
    virtual std::unique_ptr<RegistryKey> openKey(const QString& path) = 0;
    // The key to write, made when absent: it reads what the store holds at
    // that moment, and no other writer changes the store until its commit.
    // Another writer is waited for lockWaitMs at most; nullptr when the key
    // cannot be opened.
    virtual std::unique_ptr<RegistryKey> createKey(const QString& path, int lockWaitMs) = 0;

    // Keeps text beside the store, for the next key opened to write to count,
    // without waiting for any other writer: what cannot wait for the store
    // is not lost. Where it is kept, or empty when it could not be kept.
    virtual QString keepNote(const QByteArray& text) = 0;

    // Clears what saves stopped halfway left beside the store, unless another
    // writer holds it now. Reading leaves that alone: clearing takes the
    // store's lock, and taking it waits for the disk.
    virtual void clearLeftovers() = 0;
    // Empty (total 0) when all was well.
    virtual StoreDamage damage() const = 0;
    // Why the last key opened to write, its commit or the last note failed:
    // the file and the reason, in plain words.
    virtual QString writeProblem() const = 0;
    // Whether the last key opened to write failed only because another
    // writer held the store all the time it was waited for.
    virtual bool wasBusy() const = 0;
};

} // namespace tavolin
