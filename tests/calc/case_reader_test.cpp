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
    testing::Values(Refusal{R"({"numerohoramed": "12"})", "clave «numerohoramed»: clave desconocida"},
                    Refusal{R"({"position": {"code": "734", "nombre": "x"}})", "clave «position.nombre»: clave desconocida"},
                    Refusal{R"({"cantkm": 10})", "clave «cantkm»: debe ser un texto"},
                    Refusal{R"({"hijos": "1"})", "clave «hijos»: debe ser true, false, 0 o 1"},
                    Refusal{R"({"hijos": 3})", "clave «hijos»: debe ir de 0 a 2"},
                    Refusal{R"({"Option4": "si"})", "clave «Option4»: debe ser true, false, 0 o 1"},
                    Refusal{R"({"zona": "2"})", "clave «zona»: debe ser un número entero"},
                    Refusal{R"({"zona": 5})", "clave «zona»: debe ir de -1 a 4"},
                    Refusal{R"({"bracket": 18446744073709551615})", "clave «bracket»: debe ir de 0 a 12"},
                    Refusal{R"({"pctantig": -1})", "clave «pctantig»: debe ir de 0 a 255"},
                    Refusal{R"({"position": "734"})", "clave «position»: debe ser un objeto"},
                    Refusal{R"({"category": 1})", "clave «category»: debe ser un texto o null"},
                    Refusal{R"({"category": "cargos"})",
                            "clave «category»: debe ser \"cargo\", \"horasmedio\", \"horassup\" o \"none\""}));

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
    EXPECT_EQ(run.output, file.string() + ": clave «numerohoramed»: clave desconocida\n");
}

TEST(ReceiptCaseTool, ComputesWithAnotherPeriodAndItsCatalogue)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path period = folder / "recibo_otro_periodo.toml";
    const std::filesystem::path broken = folder / "recibo_periodo_roto.toml";
    const std::filesystem::path caseFile = folder / "recibo_caso_734.json";
    std::string text(builtInPeriodText());
    const std::string position734 = "{ codigo = 734, basicos = 1500,";
    text.replace(text.find(position734), position734.size(), "{ codigo = 734, basicos = 1600,");
    const std::string name734 = "\"Asistente Social\" },\n  { codigo = 928";
    text.replace(text.find(name734), name734.size(), "\"Asistente Social Mayor\" },\n  { codigo = 928");
    std::ofstream(period) << text;
    text.replace(text.find("valor = 0.71"), 12, "valor = -1");
    std::ofstream(broken) << text;
    std::ofstream(caseFile) << R"({"input": {"category": "cargo", "position": {"code": "734"}}})";

    const cases::ToolRun run = cases::runReceiptCase("--periodo '" + period.string() + "' '" + caseFile.string() + "'");
    const cases::ToolRun refused =
        cases::runReceiptCase("--periodo '" + broken.string() + "' '" + caseFile.string() + "' 2>&1");
    const cases::ToolRun exported = cases::runReceiptCase("--exportar-periodo");
    for (const auto &file : {period, broken, caseFile})
        std::filesystem::remove(file);

    EXPECT_EQ(run.status, 0);
    const Json receipt = Json::parse(run.output);
    EXPECT_EQ(receipt["header"]["carsel"], "Asistente Social Mayor");
    // 1600 points of $0.59.
    EXPECT_EQ(receipt["rows"][0]["earnings"], "$944");
    EXPECT_NE(refused.status, 0);
    EXPECT_EQ(refused.output,
              broken.string() + ", línea 13, clave «cargo.valor_punto_jornada.valor»: no puede ser negativo.\n");
    EXPECT_EQ(exported.output, builtInPeriodText());
}

}  // namespace
}  // namespace recibo
