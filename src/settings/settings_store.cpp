#include "settings/settings_store.h"

#include "platform/message_boxes.h"
#include "settings/placement.h"
#include "settings/stored_values.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <type_traits>

namespace tavolin {
namespace {

const char* const Caption = QT_TRANSLATE_NOOP("SettingsStore", " Settings");
constexpr qsizetype MaxProblemsShown = 10;
constexpr std::array<std::int32_t, 4> UsualSuitOrder{0, 1, 2, 3};

QStringList allNames()
{
    QStringList names;
    const Settings any;
    forEachDword(any, [&](const char* name, const auto&) { names << QLatin1String(name); });
    return names << PicturePathName;
}

std::int32_t storedDword(const Settings& settings, const QString& name)
{
    std::optional<std::int32_t> found;
    forEachDword(settings, [&](const char* valueName, const auto& field) {
        if (name == QLatin1String(valueName))
            found = static_cast<std::int32_t>(field);
    });
    // Every writer names values of the store.
    return found.value();
}

bool writeValue(RegistryKey& key, const Settings& settings, const QString& name)
{
    if (name == PicturePathName)
        return key.writeString(name, settings.SWBmpPath);
    return key.writeDword(name, storedDword(settings, name));
}

// Every value read over the defaults: one that cannot be read keeps its default.
Settings readStored(const RegistryKey& key, Settings settings, QStringList& problems)
{
    forEachDword(settings, [&](const char* name, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        // A boolean is on for any number but 0.
        if (const auto value = key.readDword(QLatin1String(name)))
            field = static_cast<Field>(*value);
        else
            problems << QCoreApplication::translate("SettingsStore", "\"%1\" could not be read; %2 is used.")
                            .arg(QLatin1String(name))
                            .arg(static_cast<std::int32_t>(field));
    });
    settings.SWBmpPath = key.readString(PicturePathName);
    return settings;
}

void correct(const char* name, std::int32_t& field, std::int32_t corrected, QStringList& problems)
{
    if (field == corrected)
        return;
    problems << QCoreApplication::translate("SettingsStore", "\"%1\" was %2; %3 is used.")
                    .arg(QLatin1String(name))
                    .arg(field)
                    .arg(corrected);
    field = corrected;
}

void correctPileSuits(Settings& settings, QStringList& problems)
{
    auto& suits = settings.PileSuit;
    if (std::is_permutation(suits.begin(), suits.end(), UsualSuitOrder.begin()))
        return;
    problems << QCoreApplication::translate("SettingsStore",
                                            "The suits of the Piles were %1, %2, %3, %4, which leaves a suit "
                                            "without a Pile; the usual order is used.")
                    .arg(suits[0])
                    .arg(suits[1])
                    .arg(suits[2])
                    .arg(suits[3]);
    suits = UsualSuitOrder;
}

void correctRanges(Settings& settings, QStringList& problems)
{
    const bool knownState = settings.FormState >= 0 && settings.FormState <= 2;
    correct("Form State", settings.FormState, knownState ? settings.FormState : 1, problems);
    correct("SpeedSlider", settings.SpeedSlider, std::clamp(settings.SpeedSlider, 1, 10), problems);
    correctPileSuits(settings, problems);
    const std::pair<const char*, std::int32_t*> statistics[] = {
        {"Games Won", &settings.GamesWon},
        {"Games Lost", &settings.GamesLost},
        {"Streak Type", &settings.StreakType},
        {"Streak Wins", &settings.StreakWins},
        {"Streak Losses", &settings.StreakLosses},
    };
    for (const auto& [name, field] : statistics)
        correct(name, *field, std::max(*field, 0), problems);
}

} // namespace

SettingsStore::SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner)
    : registry_(registry), messages_(messages), owner_(owner)
{
}

Settings SettingsStore::load(QSize screenResolution)
{
    const Settings defaults = defaultSettings(screenResolution);
    auto key = registry_.openKey(SettingsKeyPath, false);
    const StoreDamage damage = registry_.damage();
    if (!key) {
        write(defaults, allNames());
        tellDamage(damage, {});
        return defaults;
    }
    QStringList problems;
    Settings settings = readStored(*key, defaults, problems);
    key.reset();
    correctRanges(settings, problems);
    // Stored as used before the player is told, so that the next start has
    // nothing to tell even if this one goes no further; a damaged file is
    // rewritten without the lines it lost (its copy keeps them).
    if (damage.total > 0 || !problems.isEmpty())
        write(settings, allNames());
    tellDamage(damage, problems);
    return settings;
}

void SettingsStore::savePlacement(const Settings& settings)
{
    write(settings, {"Form Top", "Form Left", "Form Width", "Form Height", "Form State"});
}

void SettingsStore::saveStatistics(const Settings& settings)
{
    write(settings, {"Games Won", "Games Lost", "Streak Type", "Streak Wins", "Streak Losses"});
}

void SettingsStore::saveDisplayOptions(const Settings& settings)
{
    write(settings, {"TimeDisplay", "TransferInfo", "TransferDetails", "ShowPicture"});
}

void SettingsStore::savePicturePath(const Settings& settings)
{
    write(settings, {PicturePathName, "ShowPicture"});
}

void SettingsStore::savePileSuits(const Settings& settings)
{
    write(settings, {"PileSuit 0", "PileSuit 1", "PileSuit 2", "PileSuit 3"});
}

void SettingsStore::saveSpeed(const Settings& settings)
{
    write(settings, {"SpeedSlider"});
}

void SettingsStore::write(const Settings& settings, const QStringList& names)
{
    const auto key = registry_.openKey(SettingsKeyPath, true);
    if (!key) {
        tellWriteFailure();
        return;
    }
    // Every value is tried even after one fails: the others may still go in.
    bool allStored = true;
    for (const QString& name : names)
        allStored = writeValue(*key, settings, name) && allStored;
    if (!key->commit() || !allStored)
        tellWriteFailure();
}

// The first few problems and how many more there are: a file of junk must
// not give a box taller than the screen.
void SettingsStore::tellDamage(const StoreDamage& damage, const QStringList& problems)
{
    const qsizetype total = damage.total + problems.size();
    if (total == 0)
        return;
    const QStringList all = damage.problems + problems;
    const QStringList shown = all.mid(0, MaxProblemsShown);
    QString text = QCoreApplication::translate("SettingsStore",
                                               "Some saved settings could not be used as they were, so the "
                                               "game has replaced them:\n\n")
        + shown.join(u'\n');
    if (total > shown.size())
        text += QCoreApplication::translate("SettingsStore", "\n... and %1 more.").arg(total - shown.size());
    if (!damage.keptCopy.isEmpty())
        text += QCoreApplication::translate("SettingsStore", "\n\nThe settings file as it was is kept in %1.")
                    .arg(damage.keptCopy);
    messages_.show(owner_, QCoreApplication::translate("SettingsStore", Caption), text, MessageIcon::Warning,
                   MessageButtons::Ok);
}

void SettingsStore::tellWriteFailure()
{
    // Once is enough: the player cannot fix it from inside the game.
    if (writeFailureTold_)
        return;
    writeFailureTold_ = true;
    messages_.show(owner_, QCoreApplication::translate("SettingsStore", Caption),
                   QCoreApplication::translate("SettingsStore",
                                               "The settings could not be saved. The game goes on with the "
                                               "settings as they are now, but changes may be lost when it ends."),
                   MessageIcon::Warning, MessageButtons::Ok);
}

} // namespace tavolin
