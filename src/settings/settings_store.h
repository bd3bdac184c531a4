#pragma once

#include "platform/registry.h"
#include "settings/settings.h"

#include <QSize>
#include <QStringList>

class QWidget;

namespace tavolin {

class MessageBoxes;

// Reads the settings once at start-up and writes each change as it happens,
// one write of the store per change. Trouble with the store is told to the
// player; play always goes on with the settings in memory.
class SettingsStore {
public:
    SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner = nullptr);

    // The stored settings, or on a first run the defaults for this screen,
    // which are then stored. Values that are missing, of the wrong type or out
    // of range are replaced, told once and stored as replaced.
    Settings load(QSize screenResolution);

    void savePlacement(const Settings& settings);
    void saveStatistics(const Settings& settings);
    void saveDisplayOptions(const Settings& settings);
    void savePicturePath(const Settings& settings);
    void savePileSuits(const Settings& settings);
    void saveSpeed(const Settings& settings);

private:
    void write(const Settings& settings, const QStringList& names);
    void tellDamage(const StoreDamage& damage, const QStringList& problems);
    void tellWriteFailure();

    Registry& registry_;
    MessageBoxes& messages_;
    QWidget* owner_;
    bool writeFailureTold_ = false;
};

} // namespace tavolin
