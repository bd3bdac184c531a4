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
const QStringList PlacementNames{"Form Top", "Form Left", "Form Width", "Form Height", "Form State"};

QStringList statisticsNames()
{
    QStringList names;
    const Settings any;
    forEachStatistic(any, [&](const char* name, const auto&) { names << QLatin1String(name); });
    return names;
}
const QStringList StatisticsNames = statisticsNames();

QStringList allNames()
{
    QStringList names;
    const Settings any;
    forEachDword(any, [&](const char* name, const auto&) { names << QLatin1String(name); });
    names << PicturePathName;
    forEachAddedDword(any, [&](const char* name, const auto&) { names << QLatin1String(name); });
    return names;
}

std::int32_t storedDword(const Settings& settings, const QString& name)
{
    std::optional<std::int32_t> found;
    const auto find = [&](const char* valueName, const auto& field) {
        if (name == QLatin1String(valueName))
            found = static_cast<std::int32_t>(field);
    };
    forEachDword(settings, find);
    forEachAddedDword(settings, find);
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
    const auto read = [&](const char* name, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        // A boolean is on for any number but 0.
        if (const auto value = key.readDword(QLatin1String(name)))
            field = static_cast<Field>(*value);
        else
            problems << QCoreApplication::translate("SettingsStore", "\"%1\" could not be read; %2 is used.")
                            .arg(QLatin1String(name))
                            .arg(static_cast<std::int32_t>(field));
    };
    forEachDword(settings, read);
    settings.SWBmpPath = key.readString(PicturePathName);
    // Missing from an older file, and untold; there but no DWORD, told.
    forEachAddedDword(settings, [&](const char* name, std::int32_t& field) {
        if (key.readDword(QLatin1String(name)) || !key.readString(QLatin1String(name)).isEmpty())
            read(name, field);
    });
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
    forEachAddedDword(settings, [&](const char* name, std::int32_t& field) {
        correct(name, field, field == 1 ? 1 : 0, problems);
    });
    forEachStatistic(settings, [&](const char* name, std::int32_t& field) {
        correct(name, field, std::max(field, 0), problems);
    });
    // The streak that runs tells its type.
    if (settings.StreakType > 2)
        correct("Streak Type", settings.StreakType,
                settings.StreakWins > 0 ? 1 : settings.StreakLosses > 0 ? 2 : 0, problems);
}

// The statistics as stored now with the changes not yet stored made on them;
// the settings as they are when the store holds no statistics to go by.
Settings withStoredStatistics(const RegistryKey& key, Settings settings, const std::vector<StatisticsChange>& changes)
{
    Settings stored = settings;
    bool allStored = true;
    forEachStatistic(stored, [&](const char* name, std::int32_t& field) {
        const auto value = key.readDword(QLatin1String(name));
        allStored = allStored && value;
        if (value)
            field = std::max(*value, 0);
    });
    if (!allStored)
        return settings;
    for (const StatisticsChange change : changes)
        applyChange(stored, change);
    return stored;
}

} // namespace

SettingsStore::SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner)
    : registry_(registry), messages_(messages), owner_(owner)
{
}

Settings SettingsStore::load(QSize screenResolution)
{
    const Settings settings = readAtStart(screenResolution);
    storeAtStart(settings, false);
    return settings;
}

Settings SettingsStore::readAtStart(QSize screenResolution)
{
    const Settings defaults = defaultSettings(screenResolution);
    auto key = registry_.openKey(SettingsKeyPath, false);
    damageToTell_ = registry_.damage();
    problemsToTell_.clear();
    if (!key) {
        waitingNames_ = allNames();
        return defaults;
    }
    Settings settings = readStored(*key, defaults, problemsToTell_);
    key.reset();
    correctRanges(settings, problemsToTell_);
    // A damaged file is rewritten without the lines it lost (its copy keeps them).
    if (damageToTell_.total > 0 || !problemsToTell_.isEmpty())
        waitingNames_ = allNames();
    return settings;
}

// Stored as used before the player is told, so that the next start has
// nothing to tell even if this one goes no further.
void SettingsStore::storeAtStart(const Settings& settings, bool placementChanged)
{
    // A file the game cannot use cannot be saved either: that is told once,
    // with what was found.
    toldProblems_ = damageToTell_.problems;
    if (!waitingNames_.isEmpty() || placementChanged)
        write(settings, placementChanged ? PlacementNames : QStringList());
    tellDamage();
}

void SettingsStore::savePlacement(const Settings& settings)
{
    write(settings, PlacementNames);
}

void SettingsStore::saveStatistics(Settings& settings, StatisticsChange change)
{
    // Nothing counted before a Delete is left to store.
    if (change == StatisticsChange::Delete)
        unsavedChanges_.clear();
    unsavedChanges_.push_back(change);
    if (const auto stored = write(settings, StatisticsNames))
        settings = *stored;
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

void SettingsStore::saveLosingMoveWarning(const Settings& settings)
{
    write(settings, {"WarnLosingMove"});
}

// The values named, with those that wait from an earlier write that failed.
std::optional<Settings> SettingsStore::write(Settings settings, const QStringList& names)
{
    QStringList all = waitingNames_;
    for (const QString& name : names + (unsavedChanges_.empty() ? QStringList() : StatisticsNames)) {
        if (!all.contains(name))
            all << name;
    }
    const auto key = registry_.openKey(SettingsKeyPath, true);
    if (!key) {
        waitingNames_ = all;
        tellWriteFailure();
        return std::nullopt;
    }
    if (!unsavedChanges_.empty())
        settings = withStoredStatistics(*key, settings, unsavedChanges_);
    // Every value is tried even after one fails: the others may still go in.
    bool allStored = true;
    for (const QString& name : all)
        allStored = writeValue(*key, settings, name) && allStored;
    if (!key->commit() || !allStored) {
        waitingNames_ = all;
        tellWriteFailure();
        return std::nullopt;
    }
    waitingNames_.clear();
    unsavedChanges_.clear();
    writeFailureTold_ = false;
    return settings;
}

// The first few problems and how many more there are: a file of junk must
// not give a box taller than the screen.
void SettingsStore::tellDamage()
{
    const StoreDamage damage = std::exchange(damageToTell_, {});
    const QStringList problems = std::exchange(problemsToTell_, {});
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

// Once until a write succeeds again: the player cannot fix it from inside the game.
void SettingsStore::tellWriteFailure()
{
    const QString problem = registry_.writeProblem();
    if (writeFailureTold_ || toldProblems_.contains(problem))
        return;
    writeFailureTold_ = true;
    messages_.show(owner_, QCoreApplication::translate("SettingsStore", Caption),
                   QCoreApplication::translate("SettingsStore",
                                               "The settings could not be saved: %1\n\n"
                                               "The game goes on with the settings as they are now, and saves "
                                               "what could not be saved with the next change that can be saved.")
                       .arg(problem),
                   MessageIcon::Warning, MessageButtons::Ok);
}

} // namespace tavolin
