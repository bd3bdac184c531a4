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

// Reads the settings once at start-up and writes each change as it happens,
// one write of the store per change. Trouble with the store is told to the
// player; play always goes on with the settings in memory, and what could not
// be written is written with the next write that succeeds.
class SettingsStore {
public:
    SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner = nullptr);

    // The stored settings, or on a first run the defaults for this screen,
    // which are then stored. Values that are missing, of the wrong type or out
    // of range are replaced, told once and stored as replaced.
    Settings load(QSize screenResolution);
    // The same in two steps, for a start that may still move the window: the
    // settings are read first; what must be stored is stored with the
    // placement, when it changed, in one write, and then the player is told.
    Settings readAtStart(QSize screenResolution);
    void storeAtStart(const Settings& settings, bool placementChanged);

    void savePlacement(const Settings& settings);
    // The change is already counted in settings. It is made again on the
    // statistics the store holds now, which another copy of the game may have
    // changed since, and settings takes what is then stored.
    void saveStatistics(Settings& settings, StatisticsChange change);
    void saveDisplayOptions(const Settings& settings);
    void savePicturePath(const Settings& settings);
    void savePileSuits(const Settings& settings);
    void saveSpeed(const Settings& settings);
    void saveLosingMoveWarning(const Settings& settings);

private:
    std::optional<Settings> write(Settings settings, const QStringList& names);
    void tellDamage();
    void tellWriteFailure();

    Registry& registry_;
    MessageBoxes& messages_;
    QWidget* owner_;
    QStringList waitingNames_;
    std::vector<StatisticsChange> unsavedChanges_;
    StoreDamage damageToTell_;
    QStringList problemsToTell_;
    QStringList toldProblems_;
    bool writeFailureTold_ = false;
};

} // namespace tavolin
