#pragma once
// What `receipt_case --comparar` prints: every line of the receipt and of the slip compared, and the
// changes of the entries that explain the slip, best first.

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "case_json.h"
#include "slip.h"
#include "slip_search.h"

namespace recibo::slips {

nlohmann::ordered_json comparisonToJson(const SlipComparison &comparison, const SlipSearch &search);

// The slip file, every amount readable; otherwise nothing, after saying on `errors` which line does not read.
std::optional<Slip> readSlipFile(const std::string &path, std::ostream &errors);

// The case's receipt compared with `slip`, and what explains it; a case that computes no receipt
// gives its failure as the case tool writes it.
nlohmann::ordered_json compareCase(const cases::CaseInput &input, const Period &period, const Slip &slip);

}  // namespace recibo::slips
