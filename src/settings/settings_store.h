#pragma once

#include "platform/registry.h"
#include "settings/settings.h"
#include "settings/statistics.h"

#include <QSize>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace tavolin {

class MessageBoxes;

// How long a write of the settings waits for another copy of the game to
// let the store go, in milliseconds.
struct StoreLockWaits {
    int change = 2000;
    // Once a wait has run out, until a write gets through again: the store
    // is tried, not waited for, so that a copy stopped while it holds the
    // store does not freeze the window at every change.
    int busy = 0;
    // The last chance at quit, before the results are kept aside.
    int quit = 5000;
};

// Reads the settings once at start-up and writes each change as it happens,
// one write of the store per change. Trouble with the store is told to the
// player; play always goes on with the settings in memory, and what could not
// be written is written with the next write that succeeds.
//
// Other copies of the game may share the store. A write stores only what this
// copy changed: the values it set, and its results counted on the statistics
// the store holds at that moment. Everything else stays as the store has it,
// so no copy ever puts back statistics it read earlier.
class SettingsStore {
public:
    SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner = nullptr, StoreLockWaits waits = {});

    // The stored settings, or on a first run the defaults for this screen,
    // which are then stored. Values that are missing, of the wrong type or out
    // of range are replaced, told once and stored as replaced.
    Settings load(QSize screenResolution);
    // The same in two steps, for a start that may still move the window: the
    // settings are read first; what must be stored is stored with the
    // placement, when it changed, in one write, and then the player is told.
    Settings readAtStart(QSize screenResolution);
    void storeAtStart(Settings& settings, bool placementChanged);

    void savePlacement(const Settings& settings);
    // A win or a loss, already counted in settings. It is counted again on
    // the statistics the store holds now, and settings takes them.
    void saveStatistics(Settings& settings, StatisticsChange change);
    void saveDisplayOptions(const Settings& settings);
    void savePicturePath(const Settings& settings);
    void savePileSuits(const Settings& settings);
    void saveSpeed(const Settings& settings);
    void saveLosingMoveWarning(const Settings& settings);

    // settings takes the statistics as the store holds them now, with the
    // results of this copy that wait to be written: what the next write stores.
    void readStatistics(Settings& settings);
    enum class Deletion { Done, ChangedMeanwhile, NotWritten };
    // Deletes the statistics settings shows, if the store still holds them;
    // else settings takes those it holds, and nothing is deleted.
    Deletion deleteStatistics(Settings& settings);
    QString writeProblem() const { return registry_.writeProblem(); }

    // Quitting: a write that fails meanwhile is not told at once. When the
    // player stays, it is told as any other; at the end, what still waits
    // is written with a longer wait, or its results are kept beside the
    // store for the next start, and the player is told so in one box.
    void beginQuit() { quitting_ = true; }
    void cancelQuit();
    void finishQuit();

private:
    Settings storedNow(const RegistryKey& key, QStringList& problems) const;
    std::optional<Settings> write(const Settings& settings, const QStringList& names, int lockWaitMs);
    std::optional<Settings> commit(RegistryKey& key, const Settings& stored, bool statisticsChanged);
    int lockWait() const { return busy_ ? waits_.busy : waits_.change; }
    void tellDamage();
    void tellWriteFailure();
    void tellQuitFailure();

    Registry& registry_;
    MessageBoxes& messages_;
    QWidget* owner_;
    StoreLockWaits waits_;
    Settings defaults_;
    Settings latest_;              // the values of the changes that wait
    QStringList changedNames_;     // values this copy set that wait to be written
    std::vector<StatisticsChange> unsavedResults_;
    bool repairWanted_ = false;    // the start found the store wanting: all is written
    bool keptAtStart_ = false;     // results kept by an earlier copy wait to be counted
    bool busy_ = false;
    bool quitting_ = false;
    bool failureHeld_ = false;
    StoreDamage damageToTell_;
    QStringList problemsToTell_;
    QStringList toldProblems_;
    bool writeFailureTold_ = false;
};

} // namespace tavolin
