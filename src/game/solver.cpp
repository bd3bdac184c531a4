#include "solver.h"

#include "solver_line.h"
#include "solver_search.h"

#include <array>
#include <memory>
#include <new>
#include <optional>

namespace tavolin {

namespace {

using solver::BestFirst;
using solver::Weights;
using Clock = std::chrono::steady_clock;

// Positions a search keeps before the next one has its turn: most deals are
// won within the first turn of the first search, whose lines are short.
constexpr std::uint64_t Turn = 4096;

// Searches that weigh positions differently: a deal that is hard for one is
// seldom hard for all. Cards up, free places and the cover of the next cards
// weigh alike in all; the others count the disorder of the Columns in their
// own ways, and the shortest way to a position counts for some more than others.
constexpr std::array<Weights, 4> Portfolio = {
    Weights{12, 4, 8, 3, 0, 2, 0, 4},
    Weights{12, 4, 8, 3, 3, 0, 0, 0},
    Weights{12, 4, 8, 3, 0, 2, 2, 2},
    Weights{12, 4, 8, 3, 0, 2, 2, 6},
};

// When the time is up: never, for a limit no clock reaches.
std::optional<Clock::time_point> deadlineOf(const SolverLimits& limits)
{
    const Clock::time_point now = limits.clock();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::time_point::max() - now);
    if (limits.time >= left)
        return std::nullopt;
    return now + limits.time;
}

bool stopped(const SolverLimits& limits, const std::atomic<bool>* cancelled,
             const std::optional<Clock::time_point>& deadline)
{
    if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed))
        return true;
    return deadline && limits.clock() >= *deadline;
}

std::string placeName(const Place& place)
{
    switch (place.kind) {
    case PlaceKind::Column:
        return std::to_string(place.index + 1);
    case PlaceKind::Room:
        return std::string(1, static_cast<char>('a' + place.index));
    case PlaceKind::Pile:
        break;
    }
    return "h";
}

// The searches take turns. Each is exhaustive, so the first to run out of
// positions proves the deal lost; the positions of all count against the limit.
SolverAnswer searchInTurns(const solver::Position& start, const solver::PileSuits& suits, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled)
{
    const std::optional<Clock::time_point> deadline = deadlineOf(limits);
    const std::uint64_t limit = limits.positions;
    // A search begins at its first turn: most deals need only the first.
    std::array<std::unique_ptr<BestFirst>, Portfolio.size()> searches;
    std::uint64_t spent = 0;
    auto answered = [&spent](SolverAnswer answer) {
        answer.positions = spent;
        return answer;
    };
    for (;;) {
        for (std::size_t k = 0; k < Portfolio.size(); ++k) {
            auto& search = searches[k];
            if (!search) {
                if (spent >= limit || stopped(limits, cancelled, deadline))
                    return answered({SolverVerdict::Undecided, {}, 0});
                search = std::make_unique<BestFirst>(suits, Portfolio[k]);
                const std::optional<SolverAnswer> answer = search->begin(start);
                spent += search->positions();
                if (answer)
                    return answered(*answer);
            }
            for (std::uint64_t kept = 0; kept < Turn; kept += SolverClockPositions) {
                if (spent >= limit || stopped(limits, cancelled, deadline))
                    return answered({SolverVerdict::Undecided, {}, 0});
                const std::uint64_t before = search->positions();
                const std::optional<SolverAnswer> answer = search->advance(std::min(SolverClockPositions, limit - spent));
                spent += search->positions() - before;
                if (answer)
                    return answered(*answer);
            }
        }
    }
}

} // namespace

SolverAnswer solvePosition(const TableState& table, bool autoSuspended, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled)
{
    solver::PileSuits suits;
    std::optional<solver::Position> start = solver::positionOf(table, autoSuspended, suits);
    if (!start)
        return {};
    // The automatic moves still due happen before the player's next transfer.
    solver::settle(*start, suits);
    if (start->isWon())
        return {SolverVerdict::Winnable, {}, 0};
    // A search the system cannot give memory to is undecided, not the end of the program.
    try {
        SolverAnswer answer = searchInTurns(*start, suits, limits, cancelled);
        answer.line = solver::tidied(*start, suits, answer.line);
        return answer;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::string transferLine(const SolverTransfer& transfer)
{
    std::string line = placeName(transfer.from) + ' ' + placeName(transfer.to);
    if (transfer.oneOfSeveral)
        line += " 1";
    return line;
}

} // namespace tavolin
