// A typed slip as JSON, read strictly and written back; `receipt_case --comparar` as a script runs
// it; and the description a slip line gets for a code the receipt lacks, checked against every
// golden receipt.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "builtin_period.h"
#include "case_files.h"
#include "case_json.h"
#include "receipt_case_run.h"
#include "slip_json.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

struct Refusal {
    const char *json;
    const char *where;
};

void PrintTo(const Refusal &r, std::ostream *os) { *os << r.json; }

class SlipJsonRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(SlipJsonRefuses, NamingTheKey)
{
    try {
        slips::slipFromJson(Json::parse(GetParam().json));
        ADD_FAILURE() << "accepted " << GetParam().json;
    } catch (const slips::SlipJsonError &error) {
        EXPECT_EQ(error.where(), GetParam().where);
        EXPECT_FALSE(std::string(error.what()).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, SlipJsonRefuses,
                         testing::Values(Refusal{R"({"filas": {}})", "filas"}, Refusal{R"({"rows": []})", "rows"},
                                         Refusal{R"({"rows": {"01a": "5"}})", "rows.01a"},
                                         Refusal{R"({"rows": {"": "5"}})", "rows."},
                                         Refusal{R"({"rows": {"001": 890}})", "rows.001"},
                                         Refusal{R"({"rows": {"052": ["1", 2]}})", "rows.052"},
                                         Refusal{R"({"totals": {"neto": "5"}})", "totals.neto"},
                                         Refusal{R"({"totals": {"liquido": null}})", "totals.liquido"},
                                         Refusal{R"([])", ""}));

TEST(SlipJson, ReadsListsForACodeThatStandsTwiceAndWritesTheSameBack)
{
    const Json json = Json::parse(
        R"({"rows": {"001": "$ 890,00", "052": ["1,42", "1,43"], "188": "12,34,56"}, "totals": {"liquido": "2.513,24"}})");
    const Slip slip = slips::slipFromJson(json);
    EXPECT_EQ(typedAmount(slip, "052", 1), "1,43");
    EXPECT_EQ(typedAmount(slip, "liquido", 0), "2.513,24");
    EXPECT_EQ(slips::slipToJson(slip), json);
    // Kept as typed; the first amount that does not read is named by its line.
    const auto unreadable = slips::firstUnreadable(slip);
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->line, "188");
    EXPECT_EQ(unreadable->text, "12,34,56");
}

class CompareTool : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("comparar-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    cases::ToolRun compare(const std::string &slip, const std::string &caseFile)
    {
        const auto path = dir_ / "recibo.json";
        std::ofstream(path) << slip;
        return cases::runReceiptCase("--comparar '" + path.string() + "' '" + RECIBO_CASES_DIR + "/" + caseFile +
                                     "' 2>&1");
    }

private:
    std::filesystem::path dir_;
};

TEST_F(CompareTool, PrintsEveryLineAndTheExplanations)
{
    // Position 650 paid with bracket 8 instead of 7 ($ 960,24), and a line nothing explains.
    const cases::ToolRun run = compare(
        R"({"rows": {"001": "$1.026,60", "010": "$ 1.120,28", "052": ["532,50"], "999": "4"}})",
        "position_650_extended_day_follows_002.json");
    ASSERT_EQ(run.status, 0) << run.output;
    const Json out = Json::parse(run.output);
    const Json &lines = out.at("lines");
    const auto line = [&lines](const std::string &code) {
        for (const Json &l : lines)
            if (l.at("code") == code)
                return l;
        return Json();
    };
    EXPECT_EQ(line("001"), Json::parse(R"({"code": "001", "calculated": 1026.6, "slip": 1026.6, "difference": 0.0,
                                           "matches": true})"));
    EXPECT_EQ(line("002").at("slip"), nullptr);
    EXPECT_EQ(line("002").at("matches"), nullptr);
    EXPECT_EQ(line("liquido").at("difference"), nullptr);
    EXPECT_EQ(line("999"), Json::parse(R"({"code": "999", "calculated": null, "slip": 4.0, "difference": 4.0,
                                           "matches": false})"));
    EXPECT_EQ(line("010").at("matches"), false);
    const Json &best = out.at("explanations").at(0);
    EXPECT_EQ(best.at("changes"), Json::parse(R"([{"key": "bracket", "from": 7, "to": 8}])"));
    EXPECT_EQ(best.at("compared"), 4);
    EXPECT_EQ(best.at("matching"), 3);
    EXPECT_TRUE(best.at("text").get<std::string>().starts_with("Antigüedad \"Entre 15 y 17 años\" en lugar de"));
}

TEST_F(CompareTool, AnUnreadableAmountIsAnErrorNamingItsLine)
{
    const cases::ToolRun run = compare(R"({"rows": {"001": "890"}, "totals": {"liquido": "12,34,56"}})",
                                       "hours_medio_12.json");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("línea liquido: no se puede leer el importe \"12,34,56\""), std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find('{'), std::string::npos);
}

// A code the receipt lacks is named as a receipt would name it.
TEST(ItemDescriptions, AreTheOnesEveryGoldenReceiptWrites)
{
    std::size_t rowsChecked = 0;
    for (const std::string &name : cases::caseFiles()) {
        std::ifstream file(std::string(RECIBO_CASES_DIR) + "/" + name);
        const auto input = cases::inputFromJson(Json::parse(file).at("input"), builtInPeriod());
        const Outcome outcome = compute(input.snapshot, builtInPeriod(), input.decimalSeparator);
        const auto *receipt = std::get_if<Receipt>(&outcome);
        for (std::size_t i = 0; receipt && i < receipt->rowCount; ++i) {
            const ReceiptRow &row = receipt->rows[i];
            // The category row and the second 052 row describe what the first of their code does not.
            if (row.code == "001" || (row.code == "052" && row.description != "Jornada completa"))
                continue;
            EXPECT_EQ(itemDescription(row.code, builtInPeriod()), row.description) << name << " " << row.code;
            ++rowsChecked;
        }
    }
    EXPECT_GT(rowsChecked, 0u);
}

}  // namespace
}  // namespace recibo
