#include "game_record.h"

namespace tavolin {

void GameRecord::dealt()
{
    steps_.clear();
    end_.reset();
    autoSuspended_ = true;
}

void GameRecord::transferMade(const TableState& table, const Transfer& transfer, bool autoSuspended)
{
    TableState before = table;
    const UndoSnapshot& undo = table.undo;
    before.columns = undo.columns;
    before.rooms = undo.rooms;
    before.piles = undo.piles;
    steps_.push_back({cardsOf(before, autoSuspended_), {transfer.from, transfer.to, transfer.card, transfer.count}});
    autoSuspended_ = autoSuspended;
}

// Undo goes back to the table the last transfer was made on, with the
// automatic moves held until the next transfer.
void GameRecord::undone()
{
    if (!steps_.empty())
        steps_.pop_back();
    autoSuspended_ = true;
}

void GameRecord::gameEnded(const TableState& table, bool autoSuspended)
{
    end_ = cardsOf(table, autoSuspended);
}

std::vector<TableCards> GameRecord::tables() const
{
    if (!end_)
        return {};
    std::vector<TableCards> tables;
    tables.reserve(steps_.size() + 1);
    for (const Step& step : steps_)
        tables.push_back(step.before);
    tables.push_back(*end_);
    return tables;
}

} // namespace tavolin
