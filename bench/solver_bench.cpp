// The solver over many seeded deals: how many it decides within the
// command line's limit, how long it takes, how long its lines are, how much
// memory it holds, and how quickly it answers for positions met in play
// (a hint's first answer, under the hint's limits).
//
//   solver_bench [FIRST LAST [POSITIONS]]
//
// Deals FIRST..LAST (default 1..10000) within POSITIONS positions (default
// 200,000, as --solve) and no time limit. The machine may be shared: the
// processor time of the solving thread is given beside the time on the clock.

#include "game/solver.h"
#include "random_player.h"
#include "solver_replay.h"

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace tavolin;
using namespace tavolin::testing;

namespace {

using Clock = std::chrono::steady_clock;

struct Timed {
    SolverAnswer answer;
    double ms = 0;
    double cpuMs = 0;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timed timedSolve(const Game& game, const SolverLimits& limits)
{
    const auto start = Clock::now();
    const double cpuStart = threadCpuMs();
    Timed timed{solvePosition(game.table, game.flags.autoSuspended, limits), 0, 0};
    timed.cpuMs = threadCpuMs() - cpuStart;
    timed.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return timed;
}

// Resident memory now, from the kernel's account of the process.
double residentMiB()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// The positions a player meets: every fifth position of the winning line.
void collectLinePositions(const Game& dealt, const std::vector<SolverTransfer>& line, std::vector<Game>& out,
                          AnsweringEvents& events)
{
    Game game(events);
    copyGame(dealt, game);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!pickUp(game, line[i].from))
            return;
        events.answer = !line[i].oneOfSeveral;
        dropOn(game, line[i].to);
        game.EndSelection(true);
        finishAutoMoves(game);
        if (i % 5 == 4) {
            out.emplace_back(events);
            copyGame(game, out.back());
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::uint32_t first = argc > 2 ? static_cast<std::uint32_t>(std::atoi(argv[1])) : 1;
    const std::uint32_t last = argc > 2 ? static_cast<std::uint32_t>(std::atoi(argv[2])) : 10000;
    const SolverLimits dealLimits{std::chrono::milliseconds::max(),
                                  argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 200'000};
    const SolverLimits hintLimits;
    const double residentBefore = residentMiB();
    AnsweringEvents events;
    std::vector<double> times;
    std::vector<double> cpuTimes;
    std::uint64_t positions = 0;
    std::uint64_t mostPositions = 0;
    std::vector<double> lineLengths;
    int decidedInCpuSecond = 0;
    std::vector<double> hintTimes;
    std::vector<double> hintCpuTimes;
    int hintsDecided = 0;
    // Timed at once and dropped, so that they add nothing to the peak memory.
    auto timeHints = [&](const std::vector<Game>& positions) {
        for (const Game& game : positions) {
            const Timed timed = timedSolve(game, hintLimits);
            hintTimes.push_back(timed.ms);
            hintCpuTimes.push_back(timed.cpuMs);
            hintsDecided += timed.answer.verdict != SolverVerdict::Undecided ? 1 : 0;
        }
    };
    int winnable = 0;
    int lost = 0;
    for (std::uint32_t seed = first; seed <= last; ++seed) {
        Game game(events);
        dealSeeded(game, seed);
        const Timed timed = timedSolve(game, dealLimits);
        times.push_back(timed.ms);
        cpuTimes.push_back(timed.cpuMs);
        positions += timed.answer.positions;
        mostPositions = std::max(mostPositions, timed.answer.positions);
        winnable += timed.answer.verdict == SolverVerdict::Winnable ? 1 : 0;
        if (timed.answer.verdict == SolverVerdict::Winnable)
            lineLengths.push_back(static_cast<double>(timed.answer.line.size()));
        decidedInCpuSecond += timed.answer.verdict != SolverVerdict::Undecided && timed.cpuMs <= 1000 ? 1 : 0;
        lost += timed.answer.verdict == SolverVerdict::Lost ? 1 : 0;
        if (timed.answer.verdict == SolverVerdict::Undecided)
            std::printf("undecided: deal %u (%.0f ms, %llu positions)\n", seed, timed.ms,
                        static_cast<unsigned long long>(timed.answer.positions));
        else if (timed.answer.verdict == SolverVerdict::Lost)
            std::printf("lost: deal %u\n", seed);
        if (seed % 10 != 0)
            continue;
        std::vector<Game> hints;
        if (timed.answer.verdict == SolverVerdict::Winnable)
            collectLinePositions(game, timed.answer.line, hints, events);
        // A position after a few random transfers, undos among them.
        RandomGame random(seed, PlayLimits{.maxSteps = 10 + static_cast<int>(seed % 50)});
        random.play();
        if (random.game.flags.gameInPlay && random.game.selection.isEmpty()) {
            hints.emplace_back(events);
            copyGame(random.game, hints.back());
        }
        timeHints(hints);
    }

    const double deals = static_cast<double>(times.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("deals %u..%u: %zu\n", first, last, times.size());
    std::printf("decided within the limit: %.2f %% (winnable %d, lost %d)\n",
                100.0 * (winnable + lost) / deals, winnable, lost);
    std::printf("decided within 1 s of processor time: %.2f %%\n", 100.0 * decidedInCpuSecond / deals);
    std::printf("winnable: %.2f %%; transfers of a winning line: median %.0f, longest %.0f\n",
                100.0 * winnable / deals, percentile(lineLengths, 0.5), percentile(lineLengths, 1.0));
    std::printf("time per deal: median %.2f ms, 99th percentile %.2f ms, max %.2f ms\n",
                percentile(times, 0.5), percentile(times, 0.99), percentile(times, 1.0));
    std::printf("processor time per deal: median %.2f ms, 99th percentile %.2f ms, max %.2f ms\n",
                percentile(cpuTimes, 0.5), percentile(cpuTimes, 0.99), percentile(cpuTimes, 1.0));
    std::printf("positions per deal: mean %.0f, most %llu\n", static_cast<double>(positions) / deals,
                static_cast<unsigned long long>(mostPositions));
    std::printf("hint positions: %zu, decided %d, median %.2f ms, 99th percentile %.2f ms (processor %.2f ms)\n",
                hintTimes.size(), hintsDecided, percentile(hintTimes, 0.5), percentile(hintTimes, 0.99),
                percentile(hintCpuTimes, 0.99));
    std::printf("peak memory: %.1f MiB; resident before the searches %.1f MiB, after them %.1f MiB\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0, residentBefore, residentMiB());
    return 0;
}
