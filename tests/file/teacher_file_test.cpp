// The teacher's file: what is written reads back the same for every golden case's entries, and each
// kind of bad file is refused with its key or line, in Spanish.

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>

#include "../calc/case_files.h"
#include "builtin_period.h"
#include "same_entries.h"
#include "teacher_file.h"

namespace recibo::file {
namespace {

const Period *builtInOnly(std::string_view name)
{
    return name == builtInPeriod().name ? &builtInPeriod() : nullptr;
}

Snapshot goldenEntries(const std::string &caseFile)
{
    std::ifstream in(std::string(RECIBO_CASES_DIR) + "/" + caseFile);
    return entriesFromJson(Json::parse(in).at("input"), builtInPeriod()).snapshot;
}

class WrittenAndRead : public testing::TestWithParam<std::string> {};

TEST_P(WrittenAndRead, GivesTheSameEntries)
{
    TeacherFile written;
    written.period = builtInPeriod().name;
    written.entries = goldenEntries(GetParam());
    written.comment = {"Poné tu comentario", "Cobré de menos en marzo.\nPreguntar en la oficina."};
    written.slip.rows = {{"001", {"$ 885,00"}}, {"052", {"1,42", "1,42"}}, {"999", {"abc"}}};
    written.slip.totals = {"", "", "2.000"};
    const TeacherFileReading read = readTeacherFile(writeTeacherFile(written, builtInPeriod()), builtInOnly);
    ASSERT_TRUE(read.file.has_value()) << problemText(*read.problem, "x.recibo");
    test::expectSameEntries(read.file->entries, written.entries);
    EXPECT_EQ(read.file->comment, written.comment);
    EXPECT_EQ(read.file->slip, written.slip);
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, WrittenAndRead, testing::ValuesIn(cases::caseFiles()), cases::caseTestName);

std::string goodFile()
{
    TeacherFile file;
    file.period = builtInPeriod().name;
    file.entries = goldenEntries("position_734_rows_001_002_016.json");
    return writeTeacherFile(file, builtInPeriod());
}

// The good file with the first `from` replaced by `to`.
std::string edited(const std::string &from, const std::string &to)
{
    std::string text = goodFile();
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

struct BadFile {
    const char *fault;
    std::string bytes;
    const char *message;
};

void PrintTo(const BadFile &c, std::ostream *os) { *os << c.fault; }

class BadTeacherFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadTeacherFile, IsRefusedSayingWhere)
{
    const TeacherFileReading read = readTeacherFile(GetParam().bytes, builtInOnly);
    EXPECT_FALSE(read.file.has_value());
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(problemText(*read.problem, "perez.recibo"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadTeacherFile,
    testing::Values(
        BadFile{"not JSON", edited("\"version\": 1,", "\"version\": 1"), "perez.recibo, línea 3: no es JSON válido."},
        BadFile{"not UTF-8", edited("\"docente\": \"", "\"docente\": \"\xE9"), "perez.recibo, línea 10: no es texto UTF-8."},
        BadFile{"a newer format", edited("\"version\": 1", "\"version\": 2"),
                "perez.recibo, clave «version»: el archivo es de una versión más nueva del programa (formato 2)."},
        BadFile{"over 1 MB", goodFile() + std::string(kMaxTeacherFileBytes, ' '), "perez.recibo: el archivo pasa de 1 MB."},
        BadFile{"an unknown key", edited("\"cantkm\"", "\"cantkms\""),
                "perez.recibo, clave «input.cantkms»: clave desconocida."},
        BadFile{"a value of the wrong type", edited("\"conyuge\": false", "\"conyuge\": \"no\""),
                "perez.recibo, clave «input.conyuge»: debe ser true, false, 0 o 1."},
        BadFile{"a position not in the catalogue", edited("\"code\": \"734\"", "\"code\": \"733x\""),
                "perez.recibo, clave «input.position.code»: el cargo 733x no está en el catálogo de «Marzo de 2.008»."},
        BadFile{"a zone out of range", edited("\"zona\": 2", "\"zona\": 9"), "perez.recibo, clave «input.zona»: debe ir de -1 a 4."},
        BadFile{"a bracket out of range", edited("\"bracket\": 4", "\"bracket\": 13"),
                "perez.recibo, clave «input.bracket»: debe ir de 0 a 12."},
        BadFile{"a period not offered", edited("\"Marzo de 2.008\"", "\"Agosto de 2.009\""),
                "perez.recibo, clave «period»: el período «Agosto de 2.009» no está entre los que ofrece el programa."},
        BadFile{"a slip amount that is no text", edited("\"rows\": {}", "\"rows\": {\"001\": 885}"),
                "perez.recibo, clave «slip.rows.001»: el importe debe ser un texto, como \"$ 1.234,56\"."},
        BadFile{"an unknown total", edited("\"totals\": {}", "\"totals\": {\"neto\": \"1\"}"),
                "perez.recibo, clave «slip.totals.neto»: los totales son \"thaberes\", \"tdescuentos\" y \"liquido\"."},
        BadFile{"no entries", edited("\"input\"", "\"entradas\""), "perez.recibo, clave «entradas»: clave desconocida."},
        BadFile{"a number past any range", edited("\"version\": 1", "\"version\": 6e6733"),
                "perez.recibo: no es JSON válido: tiene un número demasiado grande."},
        BadFile{"not an object", "[1, 2]", "perez.recibo: el archivo debe ser un objeto JSON."}));

}  // namespace
}  // namespace recibo::file
