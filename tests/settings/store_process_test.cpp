// The store in a process of its own (store_probe), for what must neither
// hang the tests nor end them.
#include "platform/file_save.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tavolin {
namespace {

struct ProbeRun {
    bool ended = false;
    int exitCode = -1;
    QStringList told;   // one message box a line
};

// A probe that has not ended in 10 s hangs; the tests go on without it.
ProbeRun runProbe(const QString& folder, const QStringList& arguments)
{
    QProcess probe;
    probe.start(QStringLiteral(STORE_PROBE), QStringList{folder} + arguments);
    ProbeRun run;
    run.ended = probe.waitForFinished(10000);
    if (!run.ended)
        probe.kill(), probe.waitForFinished();
    run.exitCode = probe.exitCode();
    run.told = QString::fromLocal8Bit(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
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
    const auto pipe = [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; };
    const auto folder = [](const QString& path) { return QDir().mkdir(path); };
    // A node of our own like /dev/null, behind a link: were it replaced, no harm is done.
    const auto deviceLink = [](const QString& path) {
        const QString device = path + QStringLiteral(".device");
        return ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
            && QFile::link(device, path);
    };
    const auto deadLink = [](const QString& path) { return QFile::link(path + QStringLiteral(".gone"), path); };
    const auto empty = [](const QString& path) { return testing::writeFileBytes(path, {}); };
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
        const char* told;
        bool rewritten = false;
    } cases[] = {
        {"registry.ini", pipe, "registry.ini is not a regular file but a named pipe"},
        {"registry.ini", folder, "registry.ini is not a regular file but a folder"},
        {"registry.ini", deviceLink, "registry.ini is not a regular file but a device"},
        {"registry.ini", deadLink, "registry.ini is a link to a file that does not exist"},
        {"registry.ini.lock", folder, "registry.ini.lock is not a regular file but a folder"},
        {"registry.ini.lock", pipe, "registry.ini.lock is not a regular file but a named pipe"},
        {"registry.ini", empty, "registry.ini is empty, so the statistics", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QTemporaryDir dir;
        ASSERT_TRUE(c.make(dir.filePath(QLatin1String(c.name)))) << "a device node needs root";
        const QStringList before = listing(dir.path());

        const ProbeRun run = runProbe(dir.path(), {QStringLiteral("loss")});

        if (!run.ended) {
            ADD_FAILURE() << "hangs";
            continue;
        }
        EXPECT_EQ(run.told.size(), 1);
        EXPECT_TRUE(run.told.join(u'\n').contains(QLatin1String(c.told))) << run.told.join(u'\n').toStdString();
        if (c.rewritten)
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
            ASSERT_TRUE(runProbe(dir.path(), {QStringLiteral("start")}).ended);
            const QByteArray before = testing::readFileBytes(file);
            ASSERT_TRUE(testing::writeFileBytes(file + QStringLiteral(".backup"), before));

            const ProbeRun run =
                runProbe(dir.path(), {QStringLiteral("loss"), stop ? "stop" : "fail", QString::number(int(step))});
            const QByteArray after = testing::readFileBytes(file);
            EXPECT_TRUE(step == Unlock ? after.contains("\"Games Lost\"=dword:1\n") : after == before) << after.data();
            EXPECT_EQ(run.exitCode, stop ? 3 : 0);
            if (stop) {
                EXPECT_GT(listing(dir.path()).size(), alone.size()) << "the stopped save left something";
                EXPECT_TRUE(runProbe(dir.path(), {QStringLiteral("start")}).told.isEmpty());
            } else if (step != Unlock) {
                EXPECT_EQ(run.told.size(), 1);
                EXPECT_TRUE(run.told.join(u' ').contains(QStringLiteral("could not be saved: %1 could not be written: ").arg(file)));
            }
            EXPECT_EQ(listing(dir.path()), alone);
            EXPECT_EQ(testing::readFileBytes(file), after);
        }
    }
}

} // namespace
} // namespace tavolin
