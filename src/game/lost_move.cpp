#include "lost_move.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace tavolin {

LostMove findLostMove(const std::vector<TableCards>& tables, const SolverLimits& limits,
                      const std::atomic<bool>* cancelled)
{
    LostMove found;
    const auto verdict = [&](std::size_t i) {
        ++found.searches;
        return solvePosition(tableOf(tables[i]), tables[i].autoSuspended, limits, cancelled).verdict;
    };
    if (tables.empty())
        return found;
    const SolverVerdict last = verdict(tables.size() - 1);
    if (last != SolverVerdict::Lost) {
        found.finding = last == SolverVerdict::Winnable ? LostMoveFinding::NotLost : LostMoveFinding::Undecided;
        return found;
    }
    // Table `won` could be won (-1: none known yet), table `lost` could not;
    // the tables between them that did not decide are passed over.
    std::ptrdiff_t won = -1;
    std::ptrdiff_t lost = static_cast<std::ptrdiff_t>(tables.size()) - 1;
    std::set<std::ptrdiff_t> undecided;
    while (lost - won > 1) {
        if (cancelled && cancelled->load())
            return found;
        // The table nearest the middle that has not failed to decide.
        std::ptrdiff_t middle = -1;
        const auto offMiddle = [&](std::ptrdiff_t i) { return std::abs(2 * i - won - lost); };
        for (std::ptrdiff_t i = won + 1; i < lost; ++i)
            if (!undecided.count(i) && (middle < 0 || offMiddle(i) < offMiddle(middle)))
                middle = i;
        if (middle < 0)
            return found;
        switch (verdict(static_cast<std::size_t>(middle))) {
        case SolverVerdict::Winnable: won = middle; break;
        case SolverVerdict::Lost: lost = middle; break;
        case SolverVerdict::Undecided: undecided.insert(middle); break;
        }
    }
    // With no table won the loop ends only at the deal.
    found.finding = won < 0 ? LostMoveFinding::LostFromTheDeal : LostMoveFinding::LostBy;
    found.transfer = static_cast<std::size_t>(std::max<std::ptrdiff_t>(won, 0));
    return found;
}

} // namespace tavolin
