#pragma once

#include "platform/registry.h"

class QSettings;

namespace tavolin {

// The per-user registry as a text file, "registry.ini", in a folder of its
// own. Keys are flat: a key exists once it holds a value.
class QtRegistry final : public Registry {
public:
    // The folder is made when the first value is written.
    explicit QtRegistry(const QString& directory);

    // $XDG_CONFIG_HOME/Tavolin, or ~/.config/Tavolin when that is not set.
    static QString defaultDirectory();

    QString fileName() const { return fileName_; }

    std::unique_ptr<RegistryKey> openKey(const QString& path, bool create) override;
    StoreDamage damage() const override { return damage_; }

private:
    StoreDamage unreadableLines();

    QString fileName_;
    std::shared_ptr<QSettings> settings_;
    QString keptCopy_;
    StoreDamage damage_;
};

} // namespace tavolin
