// Every tests/calc/cases/*.json file is one receipt case: "input" (the windows' controls by name)
// and "expected" (rows, header, totals and name, or the failure), worked out by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "builtin_period.h"
#include "case_files.h"
#include "case_json.h"
#include "receipt_case_run.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

Json loadCase(const std::string &file)
{
    std::ifstream stream(std::filesystem::path(RECIBO_CASES_DIR) / file);
    return Json::parse(stream);
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, ComputesTheExpectedReceipt)
{
    const Json json = loadCase(GetParam());
    const auto in = cases::inputFromJson(json.at("input"), builtInPeriod());
    const Json actual = cases::outcomeToJson(compute(in.snapshot, builtInPeriod(), in.decimalSeparator));
    const Json &expected = json.at("expected");

    // Rows first, one by one, so a failure names the row that differs.
    if (expected.contains("rows") && actual.contains("rows")) {
        const Json &want = expected["rows"];
        const Json &got = actual["rows"];
        for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
            EXPECT_EQ(got[i].dump(), want[i].dump()) << "row " << i;
        EXPECT_EQ(got.size(), want.size()) << "row count";
    }
    EXPECT_EQ(actual.dump(2), expected.dump(2));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(cases::caseFiles()),
                         cases::caseTestName);

TEST(GoldenCases, ThereAreCasesToRun)
{
    EXPECT_GE(cases::caseFiles().size(), 20u);
}

TEST(ReceiptCaseTool, PrintsTheSameJsonAsTheTest)
{
    const std::string file = std::string(RECIBO_CASES_DIR) + "/largest_receipt.json";
    const cases::ToolRun run = cases::runReceiptCase("'" + file + "'");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(Json::parse(run.output).dump(2), loadCase("largest_receipt.json").at("expected").dump(2));
}

}  // namespace
}  // namespace recibo
