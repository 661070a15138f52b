#pragma once
// The one place a working becomes words: the Spanish sentence a teacher reads (tool tip, the
// "Cómo se calculó" window, receipt_case --explain) and the same arithmetic as a plain C expression.

#include <string>

#include "working.h"

namespace recibo {

struct WorkingText {
    // Figures with the user's decimal separator and thousands grouped by the other mark;
    // money with "$" and every decimal it has.
    std::string text;
    // Numbers with '.', no grouping; + - * / and parentheses. Evaluated in double and converted to
    // money it gives the amount, and each of its numbers appears in `text`.
    std::string formula;
};

WorkingText explain(const Working &working, char decimalSeparator);

}  // namespace recibo
