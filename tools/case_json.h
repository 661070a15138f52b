#pragma once
// Receipt cases as JSON: a snapshot keyed by control names in, the receipt or failure out.
// Shared by the receipt_case tool and the golden-case test; not part of the program.

#include <nlohmann/json.hpp>

#include "compute.h"
#include "entries_json.h"

namespace recibo::cases {

using CaseInput = file::Entries;

// Keys left out take the start state of the data-entry window; a position code and a seniority
// bracket take their points and percentage from `period`. Throws file::EntriesError on a
// malformed case.
inline CaseInput inputFromJson(const nlohmann::ordered_json &input, const Period &period)
{
    return file::entriesFromJson(input, period);
}

// The outcome in the shape of a case's "expected" member. With `working`, each row gets a
// "working" member {"text", "formula"} and the totals a "working" member with one for each total.
nlohmann::ordered_json outcomeToJson(const Outcome &outcome, const ReceiptWorking *working = nullptr);

}  // namespace recibo::cases
