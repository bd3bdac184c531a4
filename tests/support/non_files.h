#pragma once

#include <QDir>
#include <QLockFile>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <functional>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace tavolin::testing {

// Things a path can name that are no file to read: opening a pipe for reading
// waits for a writer, and a device may read without end.
constexpr const char* NonFileKinds[] = {"pipe", "link to a device", "folder", "link to a pipe"};

inline void removeNonFile(const QString& path)
{
    QFile::remove(path);
    QDir().rmdir(path);
    QFile::remove(path + QStringLiteral(".pipe"));
}

// Puts one at path, in place of what a killed run may have left there.
inline bool makeNonFile(const std::string& kind, const QString& path)
{
    removeNonFile(path);
    const QString pipe = kind == "pipe" ? path : path + QStringLiteral(".pipe");
    if (kind == "link to nothing")
        return QFile::link(path + QStringLiteral(".gone"), path);
    if (kind == "folder" || kind == "link to a device")
        return kind == "folder" ? QDir().mkdir(path) : QFile::link(QStringLiteral("/dev/zero"), path);
    return ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0 && (pipe == path || QFile::link(pipe, path));
}

// Runs body in a forked copy of the test, which prints its failed checks, and
// gives how it ended: its exit code (1 for a failed check), or -1 when it was
// still running after about a minute: a call that hangs fails instead of
// holding up the suite. What it guards takes milliseconds, but a fork of a
// sanitized test on a busy machine has taken over ten seconds.
inline int exitInTime(const std::function<void()>& body)
{
    const ::testing::TestResult& result = *::testing::UnitTest::GetInstance()->current_test_info()->result();
    const int partsBefore = result.total_part_count();
    QThreadPool::globalInstance()->waitForDone(); // the copy would wait for ever on the painting's threads
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        bool failed = false;
        for (int part = partsBefore; part < result.total_part_count(); ++part)
            failed = failed || result.GetTestPartResult(part).failed();
        std::fflush(nullptr);
        ::_exit(failed ? 1 : 0);
    }
    int status = 0;
    for (int waited = 0; child > 0 && ::waitpid(child, &status, WNOHANG) == 0 && waited < 12000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (child < 0 || (::kill(child, SIGKILL) == 0 && ::waitpid(child, &status, 0) == child))
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline void expectInTime(const std::function<void()>& body)
{
    EXPECT_EQ(exitInTime(body), 0) << "the forked copy failed, or was still running after a minute";
}

// A copy of the game stopped (SIGSTOP) while it holds the settings file's
// lock. Resumed, it holds it a moment longer and lets it go; else it is
// killed at the end, its lock left stale.
class StoppedCopy {
public:
    explicit StoppedCopy(const QString& folder)
    {
        QThreadPool::globalInstance()->waitForDone();
        std::fflush(nullptr);
        if ((child_ = ::fork()) == 0) {
            QLockFile lock(folder + QStringLiteral("/registry.ini.lock"));
            lock.lock();
            ::raise(SIGSTOP);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            lock.unlock();
            ::_exit(0);
        }
        ::waitpid(child_, nullptr, WUNTRACED);
    }
    ~StoppedCopy()
    {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
    void resume() { ::kill(child_, SIGCONT); }

private:
    pid_t child_;
};

} // namespace tavolin::testing
