// The case reader refuses what it does not know, so a misspelt key cannot silently test the start
// value of its field.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "builtin_period.h"
#include "case_json.h"
#include "receipt_case_run.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

struct Refusal {
    const char *input;
    const char *message;
};

class CaseReaderRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(CaseReaderRefuses, NamesTheKey)
{
    const Refusal &c = GetParam();
    try {
        cases::inputFromJson(Json::parse(c.input), builtInPeriod());
        ADD_FAILURE() << "accepted " << c.input;
    } catch (const std::invalid_argument &error) {
        EXPECT_STREQ(error.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CaseReaderRefuses,
    testing::Values(Refusal{R"({"numerohoramed": "12"})", R"(unknown key "numerohoramed")"},
                    Refusal{R"({"position": {"code": "734", "nombre": "x"}})", R"(unknown key "position.nombre")"},
                    Refusal{R"({"cantkm": 10})", R"(key "cantkm" must be a string)"},
                    Refusal{R"({"hijos": "1"})", R"(key "hijos" must be true, false or a whole number)"},
                    Refusal{R"({"Option4": "si"})", R"(key "Option4" must be true, false or a whole number)"},
                    Refusal{R"({"zona": "2"})", R"(key "zona" must be a whole number)"},
                    Refusal{R"({"position": "734"})", R"(key "position" must be an object)"},
                    Refusal{R"({"category": 1})", R"(key "category" must be a string or null)"}));

TEST(CaseReader, ReadsEveryFieldOfTheTablesByItsControlName)
{
    const Json input = Json::parse(R"({"docente": "Ana", "cargox": "Escrito", "conyuge": true, "Seguro3011": 1,
                                       "opincentivo": 0, "porcantig": "7 %", "tardif": "3"})");
    const Snapshot s = cases::inputFromJson(input, builtInPeriod()).snapshot;
    EXPECT_EQ(s.docente, "Ana");
    EXPECT_EQ(s.cargox, "Escrito");
    EXPECT_EQ(s.porcantig, "7 %");
    EXPECT_EQ(s.tardif, "3");
    EXPECT_TRUE(s.conyuge);
    EXPECT_TRUE(s.Seguro3011);
    EXPECT_FALSE(s.opincentivo);
    EXPECT_EQ(s.cantkm, "0") << "a field left out keeps its start value";
}

TEST(ReceiptCaseTool, NamesTheFileAndTheKeyItRefuses)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "recibo_misspelt_case.json";
    std::ofstream(file) << R"({"input": {"category": "horasmedio", "numerohoramed": "12"}})";
    const cases::ToolRun run = cases::runReceiptCase("'" + file.string() + "' 2>&1");
    EXPECT_NE(run.status, 0);
    std::filesystem::remove(file);
    EXPECT_EQ(run.output, file.string() + ": unknown key \"numerohoramed\"\n");
}

}  // namespace
}  // namespace recibo
