#include "hint_search.h"

#include <malloc.h>

namespace tavolin {

HintSearch::HintSearch(SolverLimits limits, QObject* parent) : QObject(parent), limits_(limits)
{
    // One search at a time: a cancelled one ends before the next begins.
    pool_.setMaxThreadCount(1);
    // No thread is kept waiting while no hint is asked.
    pool_.setExpiryTimeout(1000);
}

HintSearch::~HintSearch()
{
    cancel();
    pool_.waitForDone();
}

void HintSearch::start(const TableCards& table, std::optional<TableCards> before)
{
    launch([this, table, before, limits = limits_](const std::atomic<bool>* cancelled) {
        const SolverAnswer answer = solvePosition(tableOf(table), table.autoSuspended, limits, cancelled);
        SolverVerdict beforeVerdict = SolverVerdict::Undecided;
        if (answer.verdict == SolverVerdict::Lost && before)
            beforeVerdict = solvePosition(tableOf(*before), before->autoSuspended, limits, cancelled).verdict;
        return std::function<void()>([this, answer, beforeVerdict] { emit answered(answer, beforeVerdict); });
    });
}

void HintSearch::findLostMove(std::vector<TableCards> tables)
{
    launch([this, tables = std::move(tables), limits = limits_](const std::atomic<bool>* cancelled) {
        const LostMove found = tavolin::findLostMove(tables, limits, cancelled);
        return std::function<void()>([this, found] { emit lostMoveFound(found); });
    });
}

void HintSearch::launch(Work work)
{
    cancel();
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    searching_ = true;
    pool_.start([this, work = std::move(work), cancelled = cancelled_, request = ++request_] {
        const std::function<void()> answer = work(cancelled.get());
        // The search's memory goes back to the system, not only to the heap.
        malloc_trim(0);
        if (!cancelled->load())
            QMetaObject::invokeMethod(this, [this, request, answer] { deliver(request, answer); },
                                      Qt::QueuedConnection);
    });
}

void HintSearch::cancel()
{
    if (cancelled_)
        cancelled_->store(true);
    cancelled_.reset();
    searching_ = false;
}

void HintSearch::deliver(std::uint64_t request, const std::function<void()>& answer)
{
    if (request != request_ || !searching_)
        return;
    searching_ = false;
    answer();
}

} // namespace tavolin
