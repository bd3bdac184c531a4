#include "solver.h"

#include "solver_search.h"

#include <array>
#include <memory>
#include <new>

namespace tavolin {

namespace {

using solver::BestFirst;
using solver::Weights;

// Positions a search takes before the next one has its turn.
constexpr int Slice = 4096;

// Cards up, free places and the cover of the next cards weigh alike in all;
// one counts the breaks in the Columns too, one the cards above the first break.
constexpr std::array<Weights, 3> Portfolio = {
    Weights{12, 4, 8, 3, 0, 0},
    Weights{12, 4, 8, 3, 3, 0},
    Weights{12, 4, 8, 3, 0, 2},
};

bool stopped(const std::atomic<bool>* cancelled, std::chrono::steady_clock::time_point deadline)
{
    if (cancelled != nullptr && cancelled->load(std::memory_order_relaxed))
        return true;
    return std::chrono::steady_clock::now() >= deadline;
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

// Searches that weigh positions differently take turns: a deal that is hard
// for one is seldom hard for all. Each is exhaustive, so the first to run out
// of positions proves the deal lost.
SolverAnswer searchInTurns(const solver::Position& start, const solver::PileSuits& suits, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled, std::chrono::steady_clock::time_point deadline)
{
    std::vector<std::unique_ptr<BestFirst>> searches;
    for (const Weights& weights : Portfolio)
        searches.push_back(std::make_unique<BestFirst>(suits, weights, limits.positions / Portfolio.size()));
    for (auto& search : searches)
        if (auto answer = search->begin(start))
            return *answer;
    auto positions = [&searches] {
        std::uint64_t sum = 0;
        for (const auto& search : searches)
            sum += search->positions();
        return sum;
    };
    for (bool going = true; going;) {
        going = false;
        for (auto& search : searches) {
            if (search->isFull())
                continue;
            going = true;
            for (int part = 0; part < Slice / 256; ++part) {
                if (stopped(cancelled, deadline))
                    return {SolverVerdict::Undecided, {}, positions()};
                if (auto answer = search->advance(256)) {
                    answer->positions = positions();
                    return *answer;
                }
            }
        }
    }
    return {SolverVerdict::Undecided, {}, positions()};
}

} // namespace

SolverAnswer solvePosition(const TableState& table, bool autoSuspended, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled)
{
    const auto deadline = std::chrono::steady_clock::now() + limits.time;
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
        return searchInTurns(*start, suits, limits, cancelled, deadline);
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
