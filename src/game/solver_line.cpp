#include "solver_line.h"

namespace tavolin::solver {

namespace {

// A transfer told by its cards rather than by its places, so that it can be
// made again after other transfers left the Columns in another order.
struct Step {
    CardCode card = 0;
    int cards = 1;
    PlaceKind to = PlaceKind::Pile;
    int onto = -1;   // the target Column's top card; -1 for an empty Column
    bool oneOfSeveral = false;
};

Step stepOf(const Position& before, const SolverTransfer& transfer)
{
    Step step{transfer.card, transfer.cards, transfer.to.kind, -1, transfer.oneOfSeveral};
    if (transfer.to.kind == PlaceKind::Column && before.height[transfer.to.index] > 0)
        step.onto = before.top(transfer.to.index);
    return step;
}

bool makes(const Position& position, const SolverTransfer& transfer, const Step& step)
{
    if (transfer.card != step.card || transfer.cards != step.cards || transfer.to.kind != step.to
        || transfer.oneOfSeveral != step.oneOfSeveral)
        return false;
    if (step.to != PlaceKind::Column)
        return true;
    const int height = position.height[transfer.to.index];
    return step.onto < 0 ? height == 0 : height > 0 && position.top(transfer.to.index) == step.onto;
}

class Replay {
public:
    Replay(const PileSuits& suits, std::vector<Step> steps) : suits_(&suits), steps_(std::move(steps)) {}

    // Makes the steps from `position` on: true when each is a transfer the
    // game makes and the last wins. A win before the last step ends the line there.
    bool run(Position position)
    {
        for (std::size_t i = 0; i < steps_.size(); ++i) {
            if (position.isWon()) {
                steps_.resize(i);
                return true;
            }
            const SolverTransfer* transfer = find(position, steps_[i]);
            if (transfer == nullptr)
                return false;
            before_.push_back(position);
            made_.push_back(*transfer);
            position = applied(position, *suits_, *transfer);
        }
        return position.isWon();
    }

    const std::vector<Step>& steps() const { return steps_; }
    const Position& before(std::size_t step) const { return before_[step]; }
    const std::vector<SolverTransfer>& made() const { return made_; }

private:
    const PileSuits* suits_;
    std::vector<Step> steps_;
    std::vector<Position> before_;
    std::vector<SolverTransfer> made_;
    std::vector<SolverTransfer> offered_;

    const SolverTransfer* find(const Position& position, const Step& step)
    {
        offered_.clear();
        listTransfers(position, *suits_, offered_);
        for (const SolverTransfer& transfer : offered_)
            if (makes(position, transfer, step))
                return &transfer;
        return nullptr;
    }
};

} // namespace

std::vector<SolverTransfer> tidied(const Position& start, const PileSuits& suits,
                                   const std::vector<SolverTransfer>& line)
{
    std::vector<Step> steps;
    Position position = start;
    for (const SolverTransfer& transfer : line) {
        steps.push_back(stepOf(position, transfer));
        position = applied(position, suits, transfer);
    }
    Replay kept(suits, steps);
    if (!kept.run(start))
        return line;
    // The next move of the same card either undoes a transfer or takes the
    // card on: the line without the transfer, or without both, is tried.
    for (bool shortened = true; shortened;) {
        shortened = false;
        for (std::size_t i = 0; i < kept.steps().size(); ++i) {
            const std::vector<Step>& current = kept.steps();
            std::size_t next = i + 1;
            while (next < current.size() && current[next].card != current[i].card)
                ++next;
            if (next == current.size())
                continue;
            for (const bool both : {true, false}) {
                // The steps before `i` stay as they are: the rest is tried from the table before it.
                std::vector<Step> rest(current.begin() + static_cast<std::ptrdiff_t>(i) + 1, current.end());
                if (both)
                    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(next - i - 1));
                Replay trial(suits, std::move(rest));
                if (!trial.run(kept.before(i)))
                    continue;
                std::vector<Step> joined(current.begin(), current.begin() + static_cast<std::ptrdiff_t>(i));
                joined.insert(joined.end(), trial.steps().begin(), trial.steps().end());
                Replay shorter(suits, std::move(joined));
                shorter.run(start);
                kept = std::move(shorter);
                shortened = true;
                break;
            }
        }
    }
    return kept.made();
}

} // namespace tavolin::solver
