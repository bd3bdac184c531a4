#include "solver_search.h"

#include <algorithm>

namespace tavolin::solver {

BestFirst::BestFirst(const PileSuits& suits, const Weights& weights) : suits_(suits), weights_(weights) {}

// Higher for positions nearer a win: cards up, free places, few cards over
// those the Piles want next, Columns in order.
int BestFirst::promiseOf(const Position& position) const
{
    std::array<std::uint8_t, PackSize> coveredBy{};
    int breaks = 0;
    int misplaced = 0;
    int buried = 0;
    for (int c = 0; c < ColumnCount; ++c) {
        const auto& cards = position.column[c];
        const int height = position.height[c];
        std::array<int, SuitCount> lowest{RankCount, RankCount, RankCount, RankCount};
        for (int p = 0; p < height; ++p) {
            coveredBy[cards[p]] = static_cast<std::uint8_t>(height - 1 - p);
            breaks += p > 0 && !fits(cards[p], cards[p - 1]) ? 1 : 0;
            int& lowestOfSuit = lowest[suitOf(cards[p])];
            buried += lowestOfSuit < rankOf(cards[p]) ? 1 : 0;
            lowestOfSuit = std::min(lowestOfSuit, rankOf(cards[p]));
        }
        int ordered = std::min(height, 1);
        while (ordered < height && fits(cards[ordered], cards[ordered - 1]))
            ++ordered;
        misplaced += height - ordered;
    }
    int promise = weights_.freeRoom * position.freeRooms() + weights_.emptyColumn * position.emptyColumns()
                - weights_.breakInColumn * breaks - weights_.misplaced * misplaced - weights_.buried * buried;
    for (int pile = 0; pile < PileCount; ++pile) {
        promise += weights_.pileCard * position.pile[pile];
        if (suits_.suit[pile] >= 0 && position.pile[pile] < RankCount)
            promise -= weights_.coverOfNext * coveredBy[makeCard(position.pile[pile], suits_.suit[pile])];
    }
    return promise;
}

void BestFirst::keep(const Position& position, std::uint32_t parent, std::uint16_t via)
{
    const std::size_t size = packedSize(position);
    // The offsets and the node numbers are 32 bits: far more than memory allows.
    if (packed_.size() + size > UINT32_MAX || nodes_.size() >= UINT32_MAX)
        throw std::bad_alloc();
    const int depth = nodes_.empty() ? 0 : std::min(nodes_[parent].depth + 1, 0xffff);
    nodes_.push_back({static_cast<std::uint32_t>(packed_.size()), parent, via, static_cast<std::uint16_t>(depth)});
    pack(position, packed_.grownBy(size));
}

bool BestFirst::expand(std::uint32_t at, const Position& position, std::uint64_t fingerprint)
{
    transfers_.clear();
    listTransfers(position, suits_, transfers_);
    const int depth = nodes_[at].depth + 1;
    for (const SolverTransfer& transfer : transfers_) {
        unsigned changed = 0;
        const Position next = applied(position, suits_, transfer, &changed);
        if (next.isWon()) {
            transfers_ = {transfer};
            return true;
        }
        if (seen_.contains(fingerprintAfter(position, fingerprint, next, changed)))
            continue;
        const int promise = promiseOf(next) - weights_.depth * depth;
        const auto key = static_cast<std::uint64_t>(std::clamp(promise + 32768, 0, 65535));
        waiting_.push_back(key << 48 | std::uint64_t{at} << 16 | encoded(transfer));
        std::push_heap(waiting_.begin(), waiting_.end());
    }
    return false;
}

// The line from the start to node `last`, and the transfer that wins from there.
SolverAnswer BestFirst::won(std::uint32_t last) const
{
    SolverAnswer answer{SolverVerdict::Winnable, {transfers_.front()}, seen_.size()};
    for (std::uint32_t at = last; at != 0; at = nodes_[at].parent)
        answer.line.push_back(decoded(nodes_[at].via, positionAt(nodes_[at].parent)));
    std::reverse(answer.line.begin(), answer.line.end());
    return answer;
}

std::optional<SolverAnswer> BestFirst::begin(const Position& start)
{
    const std::uint64_t fingerprint = solver::fingerprint(start);
    seen_.add(fingerprint);
    keep(start, 0, 0);
    if (expand(0, start, fingerprint))
        return won(0);
    return std::nullopt;
}

std::optional<SolverAnswer> BestFirst::advance(std::uint64_t count)
{
    const std::uint64_t until = seen_.size() + count;
    while (seen_.size() < until) {
        if (waiting_.empty())
            return SolverAnswer{SolverVerdict::Lost, {}, seen_.size()};
        std::pop_heap(waiting_.begin(), waiting_.end());
        const std::uint64_t entry = waiting_.back();
        waiting_.pop_back();
        const auto parent = static_cast<std::uint32_t>(entry >> 16);
        const auto via = static_cast<std::uint16_t>(entry);
        const Position from = positionAt(parent);
        const Position next = applied(from, suits_, decoded(via, from));
        const std::uint64_t fingerprint = solver::fingerprint(next);
        if (!seen_.add(fingerprint))
            continue;
        const auto at = static_cast<std::uint32_t>(nodes_.size());
        keep(next, parent, via);
        if (expand(at, next, fingerprint))
            return won(at);
    }
    return std::nullopt;
}

} // namespace tavolin::solver
