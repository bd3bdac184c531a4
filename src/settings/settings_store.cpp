#include "settings/settings_store.h"

#include "platform/message_boxes.h"
#include "settings/placement.h"
#include "settings/stored_values.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <optional>
#include <type_traits>
#include <utility>

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

// Results that wait to be counted, in a note beside the store: one a line,
// a file a person can read.
constexpr char WonLine[] = "won";
constexpr char LostLine[] = "lost";

QByteArray noteOf(const std::vector<StatisticsChange>& results)
{
    QByteArray text = "; Tavolin: results of games that could not be written to the settings file when\n"
                      "; the game was closed. The next start counts them there once and removes this file.\n";
    for (const StatisticsChange result : results)
        text.append(result == StatisticsChange::Win ? WonLine : LostLine).append('\n');
    return text;
}

void countNote(Settings& settings, const QByteArray& note)
{
    for (const QByteArray& line : note.split('\n')) {
        const QByteArray word = line.trimmed();
        if (word == WonLine || word == LostLine)
            applyChange(settings, word == WonLine ? StatisticsChange::Win : StatisticsChange::Loss);
    }
}

bool sameStatistics(const Settings& one, const Settings& other)
{
    bool same = true;
    forEachStatistic(one, [&](const char* name, const auto& field) {
        same = same && field == storedDword(other, QLatin1String(name));
    });
    return same;
}

void takeStatistics(Settings& settings, const Settings& from)
{
    forEachStatistic(settings, [&](const char* name, std::int32_t& field) {
        field = storedDword(from, QLatin1String(name));
    });
}

} // namespace

SettingsStore::SettingsStore(Registry& registry, MessageBoxes& messages, QWidget* owner, StoreLockWaits waits)
    : registry_(registry), messages_(messages), owner_(owner), waits_(waits)
{
}

Settings SettingsStore::load(QSize screenResolution)
{
    Settings settings = readAtStart(screenResolution);
    storeAtStart(settings, false);
    return settings;
}

Settings SettingsStore::readAtStart(QSize screenResolution)
{
    defaults_ = defaultSettings(screenResolution);
    auto key = registry_.openKey(SettingsKeyPath);
    damageToTell_ = registry_.damage();
    problemsToTell_.clear();
    // A damaged file is rewritten without the lines it lost (its copy keeps them).
    repairWanted_ = !key || damageToTell_.total > 0;
    if (!key)
        return defaults_;
    const Settings settings = storedNow(*key, problemsToTell_);
    repairWanted_ = repairWanted_ || !problemsToTell_.isEmpty();
    keptAtStart_ = !key->notes().isEmpty();
    return settings;
}

// Stored as used before the player is told, so that the next start has
// nothing to tell even if this one goes no further.
void SettingsStore::storeAtStart(Settings& settings, bool placementChanged)
{
    // A file the game cannot use cannot be saved either: that is told once,
    // with what was found.
    toldProblems_ = damageToTell_.problems;
    if (repairWanted_ || keptAtStart_ || placementChanged) {
        if (const auto stored = write(settings, placementChanged ? PlacementNames : QStringList(), lockWait()))
            takeStatistics(settings, *stored);
    } else {
        // A write clears them on its way; the read at start left them, as
        // clearing waits for the disk and the window waited for that read.
        registry_.clearLeftovers();
    }
    tellDamage();
}

void SettingsStore::savePlacement(const Settings& settings)
{
    write(settings, PlacementNames, lockWait());
}

void SettingsStore::saveStatistics(Settings& settings, StatisticsChange change)
{
    unsavedResults_.push_back(change);
    if (const auto stored = write(settings, {}, lockWait()))
        takeStatistics(settings, *stored);
}

void SettingsStore::saveDisplayOptions(const Settings& settings)
{
    write(settings, {"TimeDisplay", "TransferInfo", "TransferDetails", "ShowPicture"}, lockWait());
}

void SettingsStore::savePicturePath(const Settings& settings)
{
    write(settings, {PicturePathName, "ShowPicture"}, lockWait());
}

void SettingsStore::savePileSuits(const Settings& settings)
{
    write(settings, {"PileSuit 0", "PileSuit 1", "PileSuit 2", "PileSuit 3"}, lockWait());
}

void SettingsStore::saveSpeed(const Settings& settings)
{
    write(settings, {"SpeedSlider"}, lockWait());
}

void SettingsStore::saveLosingMoveWarning(const Settings& settings)
{
    write(settings, {"WarnLosingMove"}, lockWait());
}

void SettingsStore::readStatistics(Settings& settings)
{
    QStringList unused;
    if (const auto key = registry_.openKey(SettingsKeyPath))
        takeStatistics(settings, storedNow(*key, unused));
}

SettingsStore::Deletion SettingsStore::deleteStatistics(Settings& settings)
{
    // The player asked for it: the store is waited for as long as for any change.
    const auto key = registry_.createKey(SettingsKeyPath, waits_.change);
    busy_ = !key && registry_.wasBusy();
    if (!key)
        return Deletion::NotWritten;
    QStringList unused;
    Settings stored = storedNow(*key, unused);
    if (!sameStatistics(stored, settings)) {
        takeStatistics(settings, stored);
        return Deletion::ChangedMeanwhile;
    }
    applyChange(stored, StatisticsChange::Delete);
    if (!commit(*key, stored, true))
        return Deletion::NotWritten;
    takeStatistics(settings, stored);
    return Deletion::Done;
}

void SettingsStore::cancelQuit()
{
    quitting_ = false;
    if (std::exchange(failureHeld_, false))
        tellWriteFailure();
}

void SettingsStore::finishQuit()
{
    quitting_ = true;
    if ((!changedNames_.isEmpty() || !unsavedResults_.empty() || repairWanted_) && !write(latest_, {}, waits_.quit))
        tellQuitFailure();
    quitting_ = failureHeld_ = false;
}

// What the store holds now, read as a start reads it, with the results kept
// beside it and those of this copy counted on its statistics.
Settings SettingsStore::storedNow(const RegistryKey& key, QStringList& problems) const
{
    Settings stored = readStored(key, defaults_, problems);
    correctRanges(stored, problems);
    for (const QByteArray& note : key.notes())
        countNote(stored, note);
    for (const StatisticsChange result : unsavedResults_)
        applyChange(stored, result);
    return stored;
}

// The values named, with those that wait from an earlier write that failed,
// on what the store holds now; what it then holds, or nothing when it failed.
std::optional<Settings> SettingsStore::write(const Settings& settings, const QStringList& names, int lockWaitMs)
{
    latest_ = settings;
    for (const QString& name : names) {
        if (!changedNames_.contains(name))
            changedNames_ << name;
    }
    const auto key = registry_.createKey(SettingsKeyPath, lockWaitMs);
    busy_ = !key && registry_.wasBusy();
    QStringList unused;
    const auto stored = key ? commit(*key, storedNow(*key, unused), !unsavedResults_.empty()) : std::nullopt;
    if (!stored)
        tellWriteFailure();
    return stored;
}

std::optional<Settings> SettingsStore::commit(RegistryKey& key, const Settings& stored, bool statisticsChanged)
{
    QStringList names = repairWanted_ ? allNames() : changedNames_;
    if (!repairWanted_ && (statisticsChanged || !key.notes().isEmpty()))
        names += StatisticsNames;
    // Every value is tried even after one fails, but only all of them are stored.
    bool allTaken = true;
    for (const QString& name : names)
        allTaken = writeValue(key, changedNames_.contains(name) ? latest_ : stored, name) && allTaken;
    if (!allTaken || !key.commit())
        return std::nullopt;
    changedNames_.clear();
    unsavedResults_.clear();
    repairWanted_ = keptAtStart_ = false;
    writeFailureTold_ = false;
    return stored;
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
    failureHeld_ = quitting_;
    if (quitting_ || writeFailureTold_ || toldProblems_.contains(problem))
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

// What could not be written at quit, and the results kept for the next start.
void SettingsStore::tellQuitFailure()
{
    QString text = QCoreApplication::translate("SettingsStore", "The settings could not be saved: %1").arg(registry_.writeProblem());
    if (!unsavedResults_.empty()) {
        const auto won = std::count(unsavedResults_.begin(), unsavedResults_.end(), StatisticsChange::Win);
        const QString kept = registry_.keepNote(noteOf(unsavedResults_));
        text += kept.isEmpty()
            ? QCoreApplication::translate("SettingsStore", "\n\nThe results of this run that wait to be saved (won: %1, lost: %2) "
                                                           "could not be kept either: %3")
                  .arg(won)
                  .arg(qsizetype(unsavedResults_.size()) - won)
                  .arg(registry_.writeProblem())
            : QCoreApplication::translate("SettingsStore", "\n\nThe results of this run that wait to be saved (won: %1, lost: %2) "
                                                           "are kept in %3, and the next start of the game counts them.")
                  .arg(won)
                  .arg(qsizetype(unsavedResults_.size()) - won)
                  .arg(QDir::toNativeSeparators(kept));
    }
    if (!changedNames_.isEmpty())
        text += QCoreApplication::translate("SettingsStore", "\n\nThe window's place and the preferences changed since the "
                                                             "last save are not saved.");
    messages_.show(owner_, QCoreApplication::translate("SettingsStore", Caption), text, MessageIcon::Warning,
                   MessageButtons::Ok);
}

} // namespace tavolin
