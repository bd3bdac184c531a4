#include "solve_command.h"

#include "game/numbered_deal.h"

namespace tavolin {

CommandLineExit solveDeal(const SolveRequest& request, const SolverLimits& limits)
{
    SilentEvents events;
    Game game(events);
    game.ResetTable();
    game.table.pileSuit = request.pileSuits;
    dealNumbered(game, request.deal);
    game.beginGame();
    return solverExit(request.deal, solvePosition(game.table, game.flags.autoSuspended, limits));
}

CommandLineExit solverExit(std::uint32_t number, const SolverAnswer& answer)
{
    const QString deal = QStringLiteral("Deal %1: ").arg(number);
    switch (answer.verdict) {
    case SolverVerdict::Lost:
        return {1, deal + QStringLiteral("lost\n")};
    case SolverVerdict::Undecided:
        return {3, deal + QStringLiteral("undecided\n")};
    case SolverVerdict::Winnable:
        break;
    }
    QString text = deal + QStringLiteral("winnable in %1 transfers\n").arg(answer.line.size());
    for (const SolverTransfer& transfer : answer.line)
        text += QString::fromStdString(transferLine(transfer)) + u'\n';
    return {0, text};
}

} // namespace tavolin
