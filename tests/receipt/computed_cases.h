#pragma once
// Receipts as the pay computation produces them from the golden cases in tests/calc/cases.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <variant>

#include "builtin_period.h"
#include "case_json.h"
#include "compute.h"

namespace recibo::receipt::testing {

inline Receipt computedCase(const char *name)
{
    std::ifstream file(std::string(RECIBO_CASES_DIR) + "/" + name);
    EXPECT_TRUE(file.good()) << name;
    const auto json = nlohmann::ordered_json::parse(file);
    const cases::CaseInput input = cases::inputFromJson(json.at("input"), builtInPeriod());
    const Outcome outcome = compute(input.snapshot, builtInPeriod(), input.decimalSeparator);
    EXPECT_TRUE(std::holds_alternative<Receipt>(outcome)) << name;
    return std::holds_alternative<Receipt>(outcome) ? std::get<Receipt>(outcome) : Receipt{};
}

}  // namespace recibo::receipt::testing
