#pragma once

#include "command_line.h"

#include "game/solver.h"

namespace tavolin {

// The answer to --solve: "Deal 17: winnable in 93 transfers" and the line,
// one transfer a line; "lost" or "undecided" alone. Exit code 0 winnable,
// 1 lost, 3 undecided.
// Nobody waits on a window here, and a verdict should not hang on the
// machine's load: the command line gives a search ten seconds.
inline constexpr SolverLimits CommandLineLimits{std::chrono::seconds(10), SolverLimits{}.positions};
CommandLineExit solveDeal(const SolveRequest& request, const SolverLimits& limits = CommandLineLimits);
CommandLineExit solverExit(std::uint32_t deal, const SolverAnswer& answer);

} // namespace tavolin
