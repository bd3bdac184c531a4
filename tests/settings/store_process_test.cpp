#include "platform/file_save.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tavolin {
namespace {

struct ProbeRun {
    bool ended = false;
    int exitCode = -1;
    QStringList told;   // one message box a line
};

// A probe that has not ended in this time hangs; the test goes on without it.
ProbeRun runProbe(const QString& folder, const QStringList& arguments)
{
    QProcess probe;
    probe.start(QStringLiteral(STORE_PROBE), QStringList{folder} + arguments);
    ProbeRun run;
    run.ended = probe.waitForFinished(10000);
    if (!run.ended) {
        probe.kill();
        probe.waitForFinished();
    }
    run.exitCode = probe.exitCode();
    run.told = QString::fromLocal8Bit(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(StoreProcess, FilesThatAreNotFilesNeverHoldTheGameUp)
{
    const struct {
        const char* name;
        bool pipe;
        const char* action;
        const char* told;
    } cases[] = {
        {"registry.ini", true, "start", "registry.ini is not a regular file but a named pipe"},
        {"registry.ini.lock", false, "loss", "registry.ini.lock is not a regular file but a folder"},
        {"registry.ini.lock", true, "loss", "registry.ini.lock is not a regular file but a named pipe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(c.name));
        ASSERT_TRUE(c.pipe ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QDir().mkdir(path));

        const ProbeRun run = runProbe(dir.path(), {QLatin1String(c.action)});

        if (!run.ended) {
            ADD_FAILURE() << "hangs";
            continue;
        }
        EXPECT_EQ(run.exitCode, 0);
        ASSERT_EQ(run.told.size(), 1) << run.told.join(u'\n').toStdString();
        EXPECT_TRUE(run.told.front().contains(QLatin1String(c.told))) << run.told.front().toStdString();
        EXPECT_EQ(QFileInfo(path).isDir(), !c.pipe) << "left as it was";
        EXPECT_EQ(QFileInfo(path).isFile(), false);
    }
}

// A save that ends the program before any of its steps leaves the file as
// it was or as it was to be, never less, and the next start clears what the
// save left; a file of the player's own beside it stays.
TEST(StoreProcess, ASaveStoppedAtAnyStepLosesNothingAndTheNextStartClearsUp)
{
    const struct {
        SaveStep step;
        bool saved;
    } stops[] = {{SaveStep::CreateTemporary, false},
                 {SaveStep::Write, false},
                 {SaveStep::Flush, false},
                 {SaveStep::Rename, false},
                 {SaveStep::Unlock, true}};
    for (const auto& stop : stops) {
        SCOPED_TRACE(int(stop.step));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("registry.ini"));
        ASSERT_TRUE(runProbe(dir.path(), {QStringLiteral("start")}).ended);
        const QByteArray before = testing::readFileBytes(file);
        ASSERT_TRUE(testing::writeFileBytes(file + QStringLiteral(".backup"), before));

        const ProbeRun stopped = runProbe(dir.path(), {QStringLiteral("loss"), QString::number(int(stop.step))});
        ASSERT_TRUE(stopped.ended);
        EXPECT_EQ(stopped.exitCode, 3) << "stopped at the step";
        EXPECT_GT(entries(dir.path()).size(), 2) << "the stopped save left something";
        const QByteArray after = testing::readFileBytes(file);
        EXPECT_TRUE(stop.saved ? after.contains("\"Games Lost\"=dword:1\n") : after == before) << after.data();

        const ProbeRun next = runProbe(dir.path(), {QStringLiteral("start")});
        ASSERT_TRUE(next.ended);
        EXPECT_TRUE(next.told.isEmpty());
        EXPECT_EQ(entries(dir.path()), (QStringList{"registry.ini", "registry.ini.backup"}));
        EXPECT_EQ(testing::readFileBytes(file), after);
    }
}

} // namespace
} // namespace tavolin
