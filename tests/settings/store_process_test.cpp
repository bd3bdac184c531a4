// The store in a forked copy of the test, for what must neither hang the
// tests nor end them.
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_registry.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"
#include "support/non_files.h"

#include <QTemporaryDir>

#include <optional>
#include <sys/resource.h>

namespace tavolin {
namespace {

// A copy of the game started on folder, with brief waits for the lock unless
// others are given; each of its saves fails at step, or the copy ends there
// with 3.
struct Copy {
    explicit Copy(const QString& folder, std::optional<SaveStep> step = {}, bool stop = false,
                  StoreLockWaits waits = {300, 0, 300})
        : registry(folder, [=](SaveStep at) { return at == step && stop ? ::_exit(3), false : at != step; }),
          store(registry, boxes, nullptr, waits)
    {
    }
    void lose() { store.saveStatistics(settings, StatisticsChange::Loss); }
    // The boxes shown, one a line.
    QStringList told() const
    {
        QStringList texts;
        for (const auto& box : boxes.shown())
            texts << QString(box.text).replace(u'\n', u' ');
        return texts;
    }

    QtRegistry registry;
    ScriptedMessageBoxes boxes;
    SettingsStore store;
    Settings settings = store.load({1280, 1024});
};

// The boxes a start on folder shows, and with loss then those of a lost game recorded.
QStringList runStore(const QString& folder, bool loss, std::optional<SaveStep> step = {}, bool stop = false)
{
    Copy copy(folder, step, stop);
    if (loss)
        copy.lose();
    return copy.told();
}

// Each entry's name and kind: a file replaced by another kind shows.
QStringList listing(const QString& folder)
{
    QStringList kinds;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                             | QDir::NoDotAndDotDot, QDir::Name))
        kinds << entry.fileName() + (entry.isSymLink() ? " link" : entry.isDir() ? " folder" : entry.isFile() ? "" : " other");
    return kinds;
}

// Nothing that is not a regular file is opened or written, nor waited on;
// each is told once and the game goes on. An empty file is told and rewritten.
TEST(StoreProcess, FilesThatAreNotFilesAreLeftAsTheyAreAndNeverHoldTheGameUp)
{
    const struct {
        const char* name;
        const char* kind;
        const char* told;
    } cases[] = {
        {"registry.ini", "pipe", "registry.ini is not a regular file but a named pipe"},
        {"registry.ini", "folder", "registry.ini is not a regular file but a folder"},
        {"registry.ini", "link to a device", "registry.ini is not a regular file but a device"},
        {"registry.ini", "link to nothing", "registry.ini is a link to a file that does not exist"},
        {"registry.ini.lock", "folder", "registry.ini.lock is not a regular file but a folder"},
        {"registry.ini.lock", "pipe", "registry.ini.lock is not a regular file but a named pipe"},
        {"registry.ini", "empty", "registry.ini is empty, so the statistics"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(c.name));
        const bool empty = c.kind == std::string("empty");
        ASSERT_TRUE(empty ? testing::writeFileBytes(path, {}) : testing::makeNonFile(c.kind, path));
        const QStringList before = listing(dir.path());

        testing::expectInTime([&] {
            const QStringList told = runStore(dir.path(), true);
            EXPECT_EQ(told.size(), 1);
            EXPECT_TRUE(told.join(u'\n').contains(QLatin1String(c.told))) << told.join(u'\n').toStdString();
        });
        if (empty)
            EXPECT_TRUE(testing::readFileBytes(dir.filePath("registry.ini")).contains("\"Games Lost\"=dword:1\n"));
        else
            EXPECT_EQ(listing(dir.path()), before);
    }
}

// A save that fails at any of its steps, or ends the program there, leaves
// the file as it was or as it was to be, never less. A failure is told once
// and leaves nothing behind; what a stop leaves is cleared by the next
// start, and a file of the player's own beside it stays.
TEST(StoreProcess, ASaveFailedOrStoppedAtAnyStepLosesNothingAndLeavesNothingBehind)
{
    const QStringList alone{"registry.ini", "registry.ini.backup"};
    using enum SaveStep;
    for (const SaveStep step : {CreateTemporary, Write, Flush, Rename, Unlock}) {
        for (const bool stop : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2").arg(stop ? "stopped" : "failed").arg(int(step)).toStdString());
            QTemporaryDir dir;
            const QString file = dir.filePath(QStringLiteral("registry.ini"));
            runStore(dir.path(), false);
            const QByteArray before = testing::readFileBytes(file);
            ASSERT_TRUE(testing::writeFileBytes(file + QStringLiteral(".backup"), before));

            EXPECT_EQ(testing::exitInTime([&] {
                const QStringList told = runStore(dir.path(), true, step, stop);
                if (step != Unlock) {
                    EXPECT_EQ(told.size(), 1);
                    const QString failed = QStringLiteral("could not be saved: %1 could not be written: ").arg(file);
                    EXPECT_TRUE(told.join(u' ').contains(failed));
                }
            }), stop ? 3 : 0);
            const QByteArray after = testing::readFileBytes(file);
            EXPECT_TRUE(step == Unlock ? after.contains("\"Games Lost\"=dword:1\n") : after == before) << after.data();
            if (stop) {
                EXPECT_GT(listing(dir.path()).size(), alone.size()) << "the stopped save left something";
                EXPECT_TRUE(runStore(dir.path(), false).isEmpty());
            }
            EXPECT_EQ(listing(dir.path()), alone);
            EXPECT_EQ(testing::readFileBytes(file), after);
        }
    }
}

// A copy whose start could not write (a value missing, so that all was to be
// written, and the lock held by a stopped copy, told with the wait in
// seconds) puts back none of the statistics it read then: the results
// another copy counted since stay. That copy's saves wait for the lock the
// stopped one lets go a moment after it is resumed.
TEST(StoreProcess, ACopyThatCouldNotWriteAtItsStartPutsNoStatisticsBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(testing::writeFileBytes(dir.filePath("registry.ini"), "[Software\\Projects\\Tavolin 2.2]\n"
                                        "\"Games Lost\"=dword:5\n\"Streak Type\"=dword:1\n\"Streak Wins\"=dword:2\n"));
    testing::StoppedCopy stopped(dir.path());
    Copy late(dir.path());
    EXPECT_TRUE(late.told().join(u' ').contains("registry.ini.lock is held by another program and was not let go within 0.3 seconds."));
    stopped.resume();
    testing::expectInTime([&] {
        Copy other(dir.path(), {}, false, {});
        for (int game = 0; game < 3; ++game)
            other.lose();
        EXPECT_FALSE(other.told().join(u' ').contains("could not be saved"));
    });
    late.store.savePlacement(late.settings);
    late.store.finishQuit();
    const QByteArray file = testing::readFileBytes(dir.filePath("registry.ini"));
    for (const char* line : {"\"Games Lost\"=dword:8\n", "\"Streak Type\"=dword:2\n", "\"Streak Losses\"=dword:3\n",
                             "\"SpeedSlider\"=dword:8\n"})
        EXPECT_TRUE(file.contains(line)) << line;
}

// A result that cannot be written at quit is kept beside the file, told in
// one box, and counted by the next start once, even when that start ends
// between counting it and removing it.
TEST(StoreProcess, AResultWaitingAtQuitIsKeptAndCountedOnceByTheNextStart)
{
    QTemporaryDir dir;
    runStore(dir.path(), false);
    {
        testing::StoppedCopy stopped(dir.path());
        Copy quitting(dir.path());
        quitting.lose();
        quitting.store.finishQuit();
        ASSERT_EQ(quitting.told().size(), 2);
        EXPECT_TRUE(quitting.told().back().contains(
            QStringLiteral("(won: 0, lost: 1) are kept in %1/registry.ini.kept.").arg(dir.path())));
    }
    EXPECT_EQ(testing::exitInTime([&] { runStore(dir.path(), false, SaveStep::RemoveCounted, true); }), 3);
    for (int start = 0; start < 2; ++start)
        EXPECT_TRUE(runStore(dir.path(), false).isEmpty());
    EXPECT_TRUE(testing::readFileBytes(dir.filePath("registry.ini")).contains("\"Games Lost\"=dword:1\n"));
    EXPECT_EQ(listing(dir.path()), QStringList{"registry.ini"});
}

// A disk that takes no more bytes is told by the system's own reason, for
// the lock and for a result that cannot be kept at quit either.
TEST(StoreProcess, AFullDiskIsToldByItsRealReason)
{
    QTemporaryDir dir;
    runStore(dir.path(), false);
    testing::expectInTime([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit noMore{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &noMore);
        Copy copy(dir.path());
        copy.lose();
        copy.store.finishQuit();
        const QString told = copy.told().join(u' ');
        EXPECT_TRUE(told.contains("registry.ini.lock could not be made: " + qt_error_string(EFBIG))) << told.toStdString();
        EXPECT_TRUE(told.contains(QStringLiteral("could not be kept either: %1/registry.ini.kept.").arg(dir.path())));
    });
}

// What a save stopped halfway leaves beside the file a link leads to is
// cleared there by the next start.
TEST(StoreProcess, WhatAStoppedSaveLeftBesideALinksTargetIsClearedThere)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real"), settings = dir.filePath("settings");
    ASSERT_TRUE(QDir().mkpath(real) && QDir().mkpath(settings));
    ASSERT_TRUE(testing::writeFileBytes(real + "/real.ini", "; mine\n"));
    ASSERT_TRUE(QFile::link(real + "/real.ini", settings + "/registry.ini"));
    EXPECT_EQ(testing::exitInTime([&] { runStore(settings, false, SaveStep::Rename, true); }), 3);
    EXPECT_EQ(listing(real).size(), 2) << "the stopped save's temporary";
    runStore(settings, false);
    EXPECT_EQ(listing(real), QStringList{"real.ini"});
    EXPECT_EQ(listing(settings), QStringList{"registry.ini link"});

    // No save goes through a link to a pipe or a device: what lies beside one
    // is not ours, and a start running as root must not clear /dev.
    const QString other = dir.filePath("other");
    ASSERT_TRUE(QDir().mkpath(other) && testing::makeNonFile("pipe", real + "/pipe"));
    ASSERT_TRUE(testing::writeFileBytes(real + "/pipe.saving.theirs", "theirs\n"));
    ASSERT_TRUE(QFile::link(real + "/pipe", other + "/registry.ini"));
    runStore(other, false);
    EXPECT_EQ(listing(real), (QStringList{"pipe other", "pipe.saving.theirs", "real.ini"}));
}

} // namespace
} // namespace tavolin
