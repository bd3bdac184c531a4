#pragma once

#include "command_line.h"

#include "game/solver.h"

namespace tavolin {

// The answer to --solve: "Deal 17: winnable in 93 transfers" and the line,
// one transfer a line; "lost" or "undecided" alone. Exit code 0 winnable,
// 1 lost, 3 undecided.
CommandLineExit solveDeal(const SolveRequest& request, const SolverLimits& limits = {});
CommandLineExit solverExit(std::uint32_t deal, const SolverAnswer& answer);

} // namespace tavolin
