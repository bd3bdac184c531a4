#pragma once

#include "game/solver.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <memory>

namespace tavolin {

// Searches a winning line off the window's thread, on a copy of the table
// taken on the window's thread. A new request cancels the one before it;
// only the latest request's answer comes back, through a queued call, on
// the thread that owns this object. Nothing on the worker reaches further
// than its copy.
class HintSearch : public QObject {
    Q_OBJECT

public:
    explicit HintSearch(SolverLimits limits = {}, QObject* parent = nullptr);
    ~HintSearch() override;

    void start(const TableState& table, bool autoSuspended);
    void cancel();
    bool isSearching() const { return searching_; }

signals:
    void answered(const tavolin::SolverAnswer& answer);

private:
    void deliver(std::uint64_t request, const SolverAnswer& answer);

    SolverLimits limits_;
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::uint64_t request_ = 0;
    bool searching_ = false;
};

} // namespace tavolin
