// What explains a slip: each row changes one or two entries of a golden case, types the changed
// receipt's amounts as a slip prints them (rounded to cents, thousands grouped, "0" for a line the
// slip lacks) and expects that change as the best explanation of the slip against the case as it is.

#include <gtest/gtest.h>

#include <fstream>
#include <variant>

#include "builtin_period.h"
#include "case_json.h"
#include "compute.h"
#include "slip_search.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

Json caseInput(const std::string &file)
{
    std::ifstream stream(std::string(RECIBO_CASES_DIR) + "/" + file);
    return Json::parse(stream).at("input");
}

Receipt receiptOf(const Snapshot &entries)
{
    const Outcome outcome = compute(entries, builtInPeriod(), '.');
    EXPECT_TRUE(std::holds_alternative<Receipt>(outcome));
    return std::holds_alternative<Receipt>(outcome) ? std::get<Receipt>(outcome) : Receipt{};
}

// "$ 1.234,57": rounded half to even at the cent, grouped with '.', decimals after ','.
std::string slipText(Money amount)
{
    std::int64_t cents = amount.count() / 100;
    const std::int64_t rest = amount.count() % 100;
    if (rest > 50 || rest < -50 || ((rest == 50 || rest == -50) && cents % 2 != 0))
        cents += rest > 0 ? 1 : -1;
    const bool negative = cents < 0;
    const std::string digits = std::to_string(negative ? -cents : cents);
    std::string whole = digits.size() > 2 ? digits.substr(0, digits.size() - 2) : "0";
    const std::string fraction = digits.size() >= 2 ? digits.substr(digits.size() - 2) : "0" + digits;
    for (auto at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<std::size_t>(at), ".");
    return (negative ? "-$ " : "$ ") + whole + "," + fraction;
}

// Every row and total of `changed` as the slip prints it; a row of `base` that `changed` lacks reads "0".
Slip slipOf(const Receipt &changed, const Receipt &base)
{
    Slip slip;
    for (const SlipLine &line : compareSlip(changed, {}, builtInPeriod()).lines)
        setTypedAmount(slip, line.code, line.occurrence, slipText(*line.calculated));
    for (const SlipLine &line : compareSlip(base, {}, builtInPeriod()).lines)
        if (!receiptAmount(changed, line.code, line.occurrence))
            setTypedAmount(slip, line.code, line.occurrence, "0");
    return slip;
}

Json keysJson(const std::vector<KeyChange> &keys)
{
    Json json = Json::array();
    for (const KeyChange &k : keys) {
        const auto value = [](const CaseValue &v) { return std::visit([](const auto &x) { return Json(x); }, v); };
        json.push_back(Json{{"key", k.key}, {"from", value(k.from)}, {"to", value(k.to)}});
    }
    return json;
}

struct SearchCase {
    const char *name;
    const char *file;   // the golden case: the entries as the teacher typed them
    const char *patch;  // the entries the slip was paid with
    const char *best;   // the keys of the best explanation
};

void PrintTo(const SearchCase &c, std::ostream *os) { *os << c.name; }

class SlipSearchFinds : public testing::TestWithParam<SearchCase> {};

TEST_P(SlipSearchFinds, TheChangeTheSlipWasPaidWith)
{
    const SearchCase &c = GetParam();
    const Json input = caseInput(c.file);
    Json changedInput = input;
    changedInput.update(Json::parse(c.patch));
    const Snapshot entries = cases::inputFromJson(input, builtInPeriod()).snapshot;
    const Snapshot paid = cases::inputFromJson(changedInput, builtInPeriod()).snapshot;
    const Receipt receipt = receiptOf(entries);
    const SlipComparison comparison = compareSlip(receipt, slipOf(receiptOf(paid), receipt), builtInPeriod());
    ASSERT_TRUE(comparison.differs());

    const std::vector<TypedLine> typed = typedLines(comparison);
    const SlipSearch search = searchExplanations(entries, builtInPeriod(), typed, ',');
    ASSERT_FALSE(search.explanations.empty());
    const Explanation &best = search.explanations.front();
    EXPECT_EQ(keysJson(best.keys), Json::parse(c.best)) << best.text;
    EXPECT_TRUE(best.explainsAll()) << best.text;
    EXPECT_EQ(best.compared, typed.size());
    EXPECT_EQ(receiptOf(best.entries).totals.liquido, receiptOf(paid).totals.liquido);
    EXPECT_LE(search.explanations.size(), kMostExplanations);
    for (std::size_t i = 0; i < search.explanations.size(); ++i) {
        const Explanation &e = search.explanations[i];
        EXPECT_GT(e.matching, search.matchingNow) << e.text;
        if (i > 0) {
            const Explanation &before = search.explanations[i - 1];
            EXPECT_TRUE(before.matching > e.matching || (before.matching == e.matching && before.changes <= e.changes))
                << e.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    GoldenCases, SlipSearchFinds,
    testing::Values(
        SearchCase{"bracket", "largest_receipt.json", R"({"bracket": 9})", R"([{"key": "bracket", "from": 12, "to": 9}])"},
        SearchCase{"zone", "largest_receipt.json", R"({"zona": 2})", R"([{"key": "zona", "from": 4, "to": 2}])"},
        SearchCase{"deduction_not_ticked", "largest_receipt.json", R"({"Iosper": 0})",
                   R"([{"key": "Iosper", "from": true, "to": false}])"},
        SearchCase{"one_child_more", "largest_receipt.json", R"({"cantidadhijos": "3"})",
                   R"([{"key": "cantidadhijos", "from": "2", "to": "3"}])"},
        SearchCase{"a_day_of_absence_more", "largest_receipt.json", R"({"dinasist": "2"})",
                   R"([{"key": "dinasist", "from": "1", "to": "2"}])"},
        SearchCase{"km_solved", "largest_receipt.json", R"({"cantkm": "25"})",
                   R"([{"key": "cantkm", "from": "10", "to": "25"}])"},
        SearchCase{"bracket_and_zone", "largest_receipt.json", R"({"bracket": 9, "zona": 2})",
                   R"([{"key": "bracket", "from": 12, "to": 9}, {"key": "zona", "from": 4, "to": 2}])"},
        SearchCase{"no_spouse_and_a_disabled_child_more", "largest_receipt.json",
                   R"({"conyuge": 0, "cantidadhijosdisc": "2"})",
                   R"([{"key": "cantidadhijosdisc", "from": "1", "to": "2"}, {"key": "conyuge", "from": true, "to": false}])"},
        SearchCase{"another_position", "position_650_extended_day_follows_002.json", R"({"position": {"code": "734"}})",
                   R"([{"key": "position", "from": "650", "to": "734"}])"},
        SearchCase{"bracket_and_a_deduction", "position_650_extended_day_follows_002.json",
                   R"({"bracket": 3, "Osplad": 1})",
                   R"([{"key": "bracket", "from": 7, "to": 3}, {"key": "Osplad", "from": false, "to": true}])"},
        SearchCase{"hours_solved", "hours_medio_12.json", R"({"numerohorasmed": "14"})",
                   R"([{"key": "numerohorasmed", "from": "12", "to": "14"}])"},
        SearchCase{"higher_level_hours", "hours_medio_12.json",
                   R"({"category": "horassup", "numerohorasmed": "0", "numerohorassup": "12"})",
                   R"([{"key": "category", "from": "horasmedio", "to": "horassup"},
                       {"key": "numerohorasmed", "from": "12", "to": "0"},
                       {"key": "numerohorassup", "from": "0", "to": "12"}])"},
        SearchCase{"children_not_ticked", "hours_medio_12.json", R"({"hijos": 1, "cantidadhijos": "2"})",
                   R"([{"key": "cantidadhijos", "from": "0", "to": "2"}, {"key": "hijos", "from": false, "to": true}])"},
        SearchCase{"transport_not_ticked", "hours_medio_12.json", R"({"transporte": 1, "cantkm": "40"})",
                   R"([{"key": "cantkm", "from": "0", "to": "40"}, {"key": "transporte", "from": false, "to": true}])"}),
    [](const testing::TestParamInfo<SearchCase> &info) { return std::string(info.param.name); });

TEST(SlipSearch, SaysTheChangeInTheTeachersWords)
{
    const Snapshot entries = cases::inputFromJson(caseInput("largest_receipt.json"), builtInPeriod()).snapshot;
    Snapshot paid = entries;
    paid.seniorityOption = 5;
    paid.pctantig = 40;
    paid.porcantig = "40 %";
    paid.hijos = false;
    paid.cantidadhijos = "0";
    const Receipt receipt = receiptOf(entries);
    const std::vector<TypedLine> typed =
        typedLines(compareSlip(receipt, slipOf(receiptOf(paid), receipt), builtInPeriod()));
    const SlipSearch search = searchExplanations(entries, builtInPeriod(), typed, ',');
    ASSERT_FALSE(search.explanations.empty());
    EXPECT_EQ(search.explanations.front().text,
              "Antigüedad \"Entre 7 y 10 años\" en lugar de \"Más de 24 años\" y Cantidad de hijos: 0 en lugar de 2: "
              "coinciden todas las líneas escritas (" + std::to_string(typed.size()) + " de " +
                  std::to_string(typed.size()) + ")");
}

TEST(SlipSearch, AnAmountNoChangeExplainsIsLeftUnexplained)
{
    const Snapshot entries = cases::inputFromJson(caseInput("largest_receipt.json"), builtInPeriod()).snapshot;
    const Receipt receipt = receiptOf(entries);
    std::vector<TypedLine> typed = typedLines(compareSlip(receipt, slipOf(receipt, receipt), builtInPeriod()));
    const auto productivity = std::find_if(typed.begin(), typed.end(), [](const TypedLine &l) { return l.code == "188"; });
    ASSERT_NE(productivity, typed.end());
    productivity->amount = productivity->amount + Money::whole(3);
    const SlipSearch search = searchExplanations(entries, builtInPeriod(), typed, ',');
    EXPECT_TRUE(search.explanations.empty());
    EXPECT_EQ(search.matchingNow, typed.size() - 1);
    EXPECT_FALSE(search.explained[static_cast<std::size_t>(productivity - typed.begin())]);
    EXPECT_GT(search.receiptsComputed, builtInPeriod().positions.size());
}

TEST(SlipSearch, APairCountsOnlyWhereItMatchesMoreThanItsChangesAlone)
{
    const Snapshot entries = cases::inputFromJson(caseInput("largest_receipt.json"), builtInPeriod()).snapshot;
    Snapshot paid = entries;
    paid.seniorityOption = 9;
    paid.pctantig = 80;
    paid.porcantig = "80 %";
    // Only the seniority line typed: every pair with bracket 9 matches it too, and none more.
    const std::vector<TypedLine> typed{{"010", 0, *receiptAmount(receiptOf(paid), "010", 0)}};
    const SlipSearch search = searchExplanations(entries, builtInPeriod(), typed, ',');
    ASSERT_EQ(search.explanations.size(), 1u);
    EXPECT_EQ(search.explanations.front().changes, 1u);
    EXPECT_TRUE(search.explained[0]);
}

}  // namespace
}  // namespace recibo
