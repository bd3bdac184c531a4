#pragma once

#include <QThreadPool>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavolin::testing {

// Runs body in a forked copy of the test and waits for it at most limit, so a
// call that hangs fails its test instead of holding up the suite. The copy
// prints its failed checks as they happen; true when it ended in time with
// every check passed.
inline bool passesWithin(std::chrono::milliseconds limit, const std::function<void()>& body)
{
    const ::testing::TestResult& result = *::testing::UnitTest::GetInstance()->current_test_info()->result();
    const int partsBefore = result.total_part_count();
    std::fflush(nullptr);
    // Only the forking thread lives on in the copy: the painting's helper
    // threads are ended first, or the copy would wait on them for ever.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        bool failed = false;
        for (int part = partsBefore; part < result.total_part_count(); ++part)
            failed = failed || result.GetTestPartResult(part).failed();
        std::fflush(nullptr);
        ::_exit(failed ? 1 : 0);
    }
    if (child < 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << "still running after " << limit.count() << " ms";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Long enough for a slow sanitizer build; what it guards takes milliseconds.
constexpr std::chrono::milliseconds HangLimit{10'000};

} // namespace tavolin::testing
