// The store in a forked copy of the test, for what must neither hang the
// tests nor end them.
#include "platform/doubles/scripted_message_boxes.h"
#include "platform/qt_registry.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"
#include "support/non_files.h"

#include <QTemporaryDir>

#include <optional>

namespace tavolin {
namespace {

// The boxes a start on folder shows, one a line, and with loss then those of
// a lost game recorded; each save fails at step, or the copy ends there with 3.
QStringList runStore(const QString& folder, bool loss, std::optional<SaveStep> step = {}, bool stop = false)
{
    QtRegistry registry(folder, [=](SaveStep at) {
        if (at == step && stop)
            ::_exit(3);
        return at != step;
    });
    ScriptedMessageBoxes boxes;
    SettingsStore store(registry, boxes);
    Settings settings = store.load({1280, 1024});
    if (loss) {
        RunTotals run;
        countLoss(settings, run);
        store.saveStatistics(settings, StatisticsChange::Loss);
    }
    QStringList told;
    for (const auto& box : boxes.shown())
        told << QString(box.text).replace(u'\n', u' ');
    return told;
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

} // namespace
} // namespace tavolin
