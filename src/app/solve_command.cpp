#include "solve_command.h"

#include "game/numbered_deal.h"

namespace tavolin {
namespace {

// A deal on its own needs no window: nothing it reports is shown.
class Unseen final : public GameEvents {
    void showStatus(int, const std::string&) override {}
    void showInformation(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void animateCardToPile(CardCode, int, int, int, int) override {}
    void repaintTable() override {}
    void resetDetailsPanel() override {}
    void showTransferDetails(const TransferDetails&) override {}
    void showMoveDetection(const MovePanel&) override {}
    void tableRestored() override {}
};

} // namespace

CommandLineExit solveDeal(const SolveRequest& request, const SolverLimits& limits)
{
    Unseen events;
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
