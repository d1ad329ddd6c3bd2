#pragma once

#include "calc/massrules.h"

#include <QString>

#include <optional>

// What the two result fields say in place of figures when a recomputation has none to show:
// a short word, greyed inside the empty field, and the reason in full as its tooltip. The
// fields' texts stay empty, so whatever copies a result copies nothing.
struct ResultNote
{
    QString text;
    QString toolTip;

    // The note of an outcome that clears the results (no current row, as in a table without
    // sizes, no mass in the row, an overflow, a division by zero); nothing for figures and for
    // a state without a rule, which leaves the results as they are.
    static std::optional<ResultNote> of(CalcOutcome::Kind kind);
};
