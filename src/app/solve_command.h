#pragma once

#include "command_line.h"

#include "game/solver.h"

namespace tavolin {

// The answer to --solve: "Deal 17: winnable in 93 transfers" and the line,
// one transfer a line; "lost" or "undecided" alone. Exit code 0 winnable,
// 1 lost, 3 undecided.
// A verdict must not hang on the machine's load: the command line counts
// positions only, as many as fit in a second of this machine's processor
// and well within 64 MiB, far more than any of the deals 1 to 10,000 needs.
inline constexpr SolverLimits CommandLineLimits{std::chrono::milliseconds::max(), 200'000};
CommandLineExit solveDeal(const SolveRequest& request, const SolverLimits& limits = CommandLineLimits);
CommandLineExit solverExit(std::uint32_t deal, const SolverAnswer& answer);

} // namespace tavolin
