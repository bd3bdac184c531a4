#pragma once

#include "game/solver.h"

#include <QString>

namespace tavolin {

// A hinted transfer in plain words, in two parts that each fit a status
// panel: what to take ("Hint: 7 of Diamonds from Column 3") and where it
// goes ("onto the 8 of Clubs in Column 5").
struct HintText {
    QString what;
    QString where;
};

HintText hintText(const TableState& table, const SolverTransfer& transfer);
// The same transfer in one line, without the hint's own word: "7 of
// Diamonds from Column 3 onto the 8 of Clubs in Column 5".
QString transferText(const TableState& table, const SolverTransfer& transfer);
// A transfer the player has just made and Undo can take back, named short
// enough for the two panels: "Lost by 7 of Diamonds to Column 5" / "Undo
// takes it back."
HintText losingTransferText(const SolverTransfer& transfer);

} // namespace tavolin
