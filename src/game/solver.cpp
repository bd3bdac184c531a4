#include "solver.h"

#include "solver_position.h"
#include "solver_seen.h"

#include <algorithm>

namespace tavolin {

namespace {

using solver::Position;
using solver::PileSuits;

// A transfer the search may make next, with the position it leads to.
struct Step {
    SolverTransfer transfer;
    Position next;
    std::uint64_t fingerprint = 0;
    int promise = 0;
};

// A position on the current line: its steps lie in [first, end) of the
// shared list, the next one to try at `next`.
struct Frame {
    std::size_t first = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    SolverTransfer via;
};

// Higher for positions nearer a win: cards up, free places, and few cards
// over those the Piles want next.
int promiseOf(const Position& position, const PileSuits& suits)
{
    std::array<int, PackSize> coveredBy{};
    for (int c = 0; c < ColumnCount; ++c)
        for (int p = 0; p < position.height[c]; ++p)
            coveredBy[position.column[c][p]] = position.height[c] - 1 - p;
    int promise = 4 * position.freeRooms() + 8 * position.emptyColumns();
    for (int pile = 0; pile < PileCount; ++pile) {
        promise += 12 * position.pile[pile];
        if (suits.suit[pile] >= 0 && position.pile[pile] < RankCount)
            promise -= 3 * coveredBy[makeCard(position.pile[pile], suits.suit[pile])];
    }
    return promise;
}

// One card of several to an empty Column is also Column -> free Room ->
// that Column, whenever the automatic moves are on and the card may enter
// a Room: the search needs only that way, and the player is not asked.
bool isDominated(const Position& position, const SolverTransfer& transfer)
{
    return transfer.oneOfSeveral && !position.autoSuspended && position.freeRooms() > 0
        && rankOf(transfer.card) != AceRank;
}

class Search {
public:
    Search(const PileSuits& suits, const SolverLimits& limits, const std::atomic<bool>* cancelled)
        : suits_(suits), limits_(limits), cancelled_(cancelled), seen_(limits.positions),
          deadline_(std::chrono::steady_clock::now() + limits.time)
    {
    }

    SolverAnswer run(const Position& start);

private:
    const PileSuits& suits_;
    const SolverLimits& limits_;
    const std::atomic<bool>* cancelled_;
    solver::SeenPositions seen_;
    std::chrono::steady_clock::time_point deadline_;
    std::vector<Frame> frames_;
    std::vector<Step> steps_;
    std::vector<SolverTransfer> transfers_;
    std::uint64_t expanded_ = 0;

    bool outOfTime();
    // Lists the steps from `position`; true when one of them wins.
    bool expand(const Position& position, const SolverTransfer& via);
    SolverAnswer won(const SolverTransfer& last) const;
};

bool Search::outOfTime()
{
    if (++expanded_ % 256 != 0)
        return false;
    if (cancelled_ != nullptr && cancelled_->load(std::memory_order_relaxed))
        return true;
    return std::chrono::steady_clock::now() >= deadline_;
}

bool Search::expand(const Position& position, const SolverTransfer& via)
{
    Frame frame{steps_.size(), steps_.size(), steps_.size(), via};
    transfers_.clear();
    solver::listTransfers(position, suits_, transfers_);
    for (const SolverTransfer& transfer : transfers_) {
        if (isDominated(position, transfer))
            continue;
        Step step{transfer, solver::applied(position, suits_, transfer), 0, 0};
        if (step.next.isWon()) {
            frames_.push_back(frame);
            steps_.push_back(step);
            return true;
        }
        step.fingerprint = solver::fingerprint(step.next);
        if (seen_.contains(step.fingerprint))
            continue;
        step.promise = promiseOf(step.next, suits_);
        steps_.push_back(step);
    }
    frame.end = steps_.size();
    std::stable_sort(steps_.begin() + static_cast<std::ptrdiff_t>(frame.first), steps_.end(),
                     [](const Step& a, const Step& b) { return a.promise > b.promise; });
    frames_.push_back(frame);
    return false;
}

SolverAnswer Search::won(const SolverTransfer& last) const
{
    SolverAnswer answer{SolverVerdict::Winnable, {}, seen_.size()};
    for (std::size_t i = 1; i < frames_.size(); ++i)
        answer.line.push_back(frames_[i].via);
    answer.line.push_back(last);
    return answer;
}

SolverAnswer Search::run(const Position& start)
{
    SolverAnswer undecided;
    if (start.isWon())
        return {SolverVerdict::Winnable, {}, 0};
    if (seen_.add(solver::fingerprint(start)) == solver::SeenPositions::Outcome::Full)
        return undecided;
    if (expand(start, {}))
        return won(steps_.back().transfer);
    while (!frames_.empty()) {
        Frame& frame = frames_.back();
        if (frame.next == frame.end) {
            steps_.resize(frame.first);
            frames_.pop_back();
            continue;
        }
        const Step step = steps_[frame.next++];
        const auto outcome = seen_.add(step.fingerprint);
        if (outcome == solver::SeenPositions::Outcome::Known)
            continue;
        if (outcome == solver::SeenPositions::Outcome::Full || outOfTime()) {
            undecided.positions = seen_.size();
            return undecided;
        }
        if (expand(step.next, step.transfer))
            return won(steps_.back().transfer);
    }
    return {SolverVerdict::Lost, {}, seen_.size()};
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

} // namespace

SolverAnswer solvePosition(const TableState& table, bool autoSuspended, const SolverLimits& limits,
                           const std::atomic<bool>* cancelled)
{
    PileSuits suits;
    std::optional<Position> start = solver::positionOf(table, autoSuspended, suits);
    if (!start)
        return {};
    // The automatic moves still due happen before the player's next transfer.
    solver::settle(*start, suits);
    Search search(suits, limits, cancelled);
    return search.run(*start);
}

std::string transferLine(const SolverTransfer& transfer)
{
    std::string line = placeName(transfer.from) + ' ' + placeName(transfer.to);
    if (transfer.oneOfSeveral)
        line += " 1";
    return line;
}

} // namespace tavolin
