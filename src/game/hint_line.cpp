#include "hint_line.h"

#include "game.h"

#include <tuple>

namespace tavolin {
namespace {

// A Deck to an empty Column goes whole unless the transfer says otherwise.
class TransferEvents : public SilentEvents {
public:
    explicit TransferEvents(bool wholeDeck) : wholeDeck_(wholeDeck) {}
    bool askYesNo(const std::string&, const std::string&) override { return wholeDeck_; }

private:
    bool wholeDeck_;
};

// The transfer made by the game's own rules, then the automatic moves the
// game loop makes after it; nothing when the game does not make it.
std::optional<std::pair<TableState, bool>> played(const TableState& table, bool autoSuspended,
                                                  const SolverTransfer& transfer)
{
    TransferEvents events(!transfer.oneOfSeveral);
    Game game(events);
    game.table = table;
    game.flags.gameInPlay = true;
    game.flags.autoSuspended = autoSuspended;
    const bool taken = transfer.from.kind == PlaceKind::Room ? game.PickUpFromRoom(transfer.from.index)
                                                             : game.PickUpFromColumn(transfer.from.index);
    if (!taken)
        return std::nullopt;
    DropOutcome outcome = DropOutcome::Ignored;
    const int to = transfer.to.index;
    switch (transfer.to.kind) {
    case PlaceKind::Room: outcome = game.DropOnRoom(to); break;
    case PlaceKind::Pile: outcome = game.DropOnPile(to); break;
    case PlaceKind::Column: {
        const int top = game.table.columns[to].topPosition();
        outcome = top < 0 ? game.DropOnEmptyColumn(to) : game.DropOnColumnTop(to, top);
        break;
    }
    }
    if (outcome != DropOutcome::Done)
        return std::nullopt;
    game.EndSelection(true);
    while (game.AutoMoveToPiles()) {
    }
    return std::pair(game.table, game.flags.autoSuspended);
}

} // namespace

std::optional<SolverTransfer> HintLine::next(const TableState& table, bool autoSuspended)
{
    if (step_ >= line_.size())
        return std::nullopt;
    const TableCards asked = cardsOf(table, autoSuspended);
    if (asked == cardsOf(from_, autoSuspended_))
        return line_[step_];
    const auto after = played(from_, autoSuspended_, line_[step_]);
    if (!after || step_ + 1 >= line_.size() || asked != cardsOf(after->first, after->second)) {
        clear();
        return std::nullopt;
    }
    std::tie(from_, autoSuspended_) = *after;
    return line_[++step_];
}

void HintLine::keep(const TableState& table, bool autoSuspended, std::vector<SolverTransfer> line)
{
    from_ = table;
    autoSuspended_ = autoSuspended;
    line_ = std::move(line);
    step_ = 0;
}

void HintLine::clear()
{
    line_.clear();
    step_ = 0;
}

} // namespace tavolin
