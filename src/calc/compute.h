#pragma once
// The pay computation: a snapshot of the windows in, a receipt or a failure out. No Qt here.

#include <variant>

#include "period.h"
#include "receipt.h"
#include "snapshot.h"
#include "working.h"

namespace recibo {

using Outcome = std::variant<Receipt, Failure>;

// The receipt of the period's rates; `decimalSeparator` is the user's ('.' or ','), used for every
// money and number text.
Outcome compute(const Snapshot &snapshot, const Period &period, char decimalSeparator);

// The same receipt, and beside it how each row and total was reached. On a failure `working`
// holds nothing of use.
Outcome compute(const Snapshot &snapshot, const Period &period, char decimalSeparator, ReceiptWorking &working);

}  // namespace recibo
