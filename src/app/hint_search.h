#pragma once

#include "game/lost_move.h"
#include "game/solver.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tavolin {

// Runs the hint's search, or the search for the move that lost a game, off
// the window's thread, on copies taken on the window's thread. A new request
// cancels the one before it; only the latest request's answer comes back,
// through a queued call, on the thread that owns this object. Nothing on the
// worker reaches further than its copy.
class HintSearch : public QObject {
    Q_OBJECT

public:
    explicit HintSearch(SolverLimits limits = {}, QObject* parent = nullptr);
    ~HintSearch() override;

    // A winning line from `table`; with `before`, when the table cannot be
    // won, also whether the one before it could.
    void start(const TableCards& table, std::optional<TableCards> before = std::nullopt);
    // The tables a game passed through, the deal first.
    void findLostMove(std::vector<TableCards> tables);
    void cancel();
    bool isSearching() const { return searching_; }

signals:
    void answered(const tavolin::SolverAnswer& answer, tavolin::SolverVerdict before);
    void lostMoveFound(const tavolin::LostMove& found);

private:
    // `work` runs on the worker and gives back what to do with its answer here.
    using Work = std::function<std::function<void()>(const std::atomic<bool>* cancelled)>;
    void launch(Work work);
    void deliver(std::uint64_t request, const std::function<void()>& answer);

    SolverLimits limits_;
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::uint64_t request_ = 0;
    bool searching_ = false;
};

} // namespace tavolin
