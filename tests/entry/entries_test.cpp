// A teacher's entries put into the window read back as the same snapshot, for the entries of every
// golden case that the window can hold.

#include <fstream>
#include <string>

#include "../calc/case_files.h"
#include "case_json.h"
#include "entry_fixture.h"
#include "../file/same_entries.h"

namespace {

using recibo::Snapshot;

class EntriesTest : public EntryTest, public testing::WithParamInterface<std::string> {};

TEST_P(EntriesTest, ShownAndReadBackAreTheSame)
{
    std::ifstream file(std::string(RECIBO_CASES_DIR) + "/" + GetParam());
    const Snapshot given =
        recibo::cases::inputFromJson(nlohmann::ordered_json::parse(file).at("input"), recibo::builtInPeriod()).snapshot;
    // Basic points come only with a code: the dialog's box for them cannot be typed into.
    if (given.category == recibo::Category::Cargo && given.codigocargo.empty() && !given.punbas.empty())
        GTEST_SKIP() << "a position's points without its code";
    window->showEntries(given);
    recibo::test::expectSameEntries(window->snapshot(), given);
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, EntriesTest, testing::ValuesIn(recibo::cases::caseFiles()),
                         recibo::cases::caseTestName);

}  // namespace
