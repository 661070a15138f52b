// Every tests/calc/cases/*.json file is one receipt case: "input" (the windows' controls by name)
// and "expected" (rows, header, totals and name, or the failure), worked out by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "case_json.h"
#include "receipt_case_run.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> caseFiles()
{
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(RECIBO_CASES_DIR))
        if (entry.path().extension() == ".json")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

Json loadCase(const std::string &file)
{
    std::ifstream stream(std::filesystem::path(RECIBO_CASES_DIR) / file);
    return Json::parse(stream);
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, ComputesTheExpectedReceipt)
{
    const Json json = loadCase(GetParam());
    const auto in = cases::inputFromJson(json.at("input"));
    const Json actual = cases::outcomeToJson(compute(in.snapshot, in.decimalSeparator));
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

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(caseFiles()),
                         [](const testing::TestParamInfo<std::string> &info) {
                             std::string name = info.param.substr(0, info.param.size() - 5);
                             std::replace_if(name.begin(), name.end(),
                                             [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });

TEST(GoldenCases, ThereAreCasesToRun)
{
    EXPECT_GE(caseFiles().size(), 20u);
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
