// The period reader: the built-in file passes every check and gives the built-in period; each kind
// of fault in a copy of it is refused with the file's line and key.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>

#include "builtin_period.h"
#include "period_reader.h"

namespace recibo {
namespace {

std::string builtInText() { return std::string(builtInPeriodText()); }

// The built-in file with the first `from` replaced by `to`.
std::string edited(const std::string &from, const std::string &to)
{
    std::string text = builtInText();
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "not in the file: " << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

TEST(PeriodReader, TheBuiltInFileGivesTheBuiltInPeriod)
{
    const PeriodReading reading = readPeriod(builtInPeriodText());
    ASSERT_TRUE(reading.problems.empty()) << problemText(reading.problems.front(), "2008-03.toml");
    ASSERT_TRUE(reading.period.has_value());
    EXPECT_EQ(*reading.period, builtInPeriod());
    EXPECT_EQ(reading.period->name, "Marzo de 2.008");
    EXPECT_EQ(reading.period->startDate, "2008-03-01");
}

TEST(PeriodReader, KeepsEveryLetterOfANameAsWritten)
{
    const std::string name = "Analista Técnico ¡ҙ ⱞ、ﬦ﻾ 𝄞";
    const PeriodReading reading = readPeriod(edited("\"Analista Técnico\"", "\"" + name + "\""));
    ASSERT_TRUE(reading.period.has_value());
    const auto &positions = reading.period->positions;
    EXPECT_TRUE(std::any_of(positions.begin(), positions.end(), [&](const auto &p) { return p.name == name; }));
}

struct BadFile {
    const char *fault;
    std::string bytes;
    const char *message;  // the first problem, as said for "x.toml"
};

void PrintTo(const BadFile &c, std::ostream *os) { *os << c.fault; }

class BadPeriodFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadPeriodFile, IsRefusedWithItsLineAndKey)
{
    const PeriodReading reading = readPeriod(GetParam().bytes);
    EXPECT_FALSE(reading.period.has_value());
    ASSERT_FALSE(reading.problems.empty());
    EXPECT_EQ(problemText(reading.problems.front(), "x.toml"), GetParam().message);
}

const std::string kHoursCeiling = "tope_113 = { valor = 200, unidad = \"pesos\", "
                                  "descripcion = \"Lo más que paga el ítem 113 por horas\" }\n";
const std::string kLastSeniority = "  { nombre = \"Más de 24 años\",     porcentaje = 120 },\n";
const std::string kLast006Row = "  [  620,  510,  480,  335,  330,  190,   620,   510 ],  # Más de 24 años\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, BadPeriodFile,
    testing::Values(
        BadFile{"missing key", edited(kHoursCeiling, ""), "x.toml, línea 16, clave «horas.tope_113»: falta la clave."},
        BadFile{"unknown key", edited("[horas]\n", "[horas]\ntope_114 = 3\n"),
                "x.toml, línea 17, clave «horas.tope_114»: clave desconocida."},
        BadFile{"text for a number", edited("coeficiente = 0.16", "coeficiente = \"0.16\""),
                "x.toml, línea 145, clave «descuentos.aporte_jubilatorio.coeficiente»: debe ser un número, no un texto."},
        BadFile{"negative", edited("valor = 0.59", "valor = -0.59"),
                "x.toml, línea 12, clave «cargo.valor_punto_basico.valor»: no puede ser negativo."},
        BadFile{"not finite", edited("valor = 0.71", "valor = nan"),
                "x.toml, línea 13, clave «cargo.valor_punto_jornada.valor»: debe ser un número finito."},
        BadFile{"absurd rate", edited("valor = 0.13472", "valor = 2e6"),
                "x.toml, línea 123, clave «transporte.valor_km.valor»: es demasiado grande: el máximo es 1000000."},
        BadFile{"a percentage as a coefficient", edited("valor = 0.07, unidad = \"coeficiente\"", "valor = 7, unidad = \"coeficiente\""),
                "x.toml, línea 97, clave «productividad_014.coeficiente.valor»: es demasiado grande: el máximo es 1."},
        BadFile{"absurd percentage", edited("porcentaje = 120 },", "porcentaje = 1200 },"),
                "x.toml, línea 55, clave «antiguedad.tramos[12].porcentaje»: debe ir de 0 a 255."},
        BadFile{"another unit", edited("valor = 0.07, unidad = \"coeficiente\"", "valor = 0.07, unidad = \"%\""),
                "x.toml, línea 97, clave «productividad_014.coeficiente.unidad»: debe ser \"coeficiente\", no \"%\"."},
        BadFile{"more decimals than money has", edited("valor = 161.8,", "valor = 161.80001,"),
                "x.toml, línea 125, clave «transporte.tope.valor»: tiene más de cuatro decimales."},
        BadFile{"bands out of order", edited("[971, 1169, 1400,", "[971, 1400, 1169,"),
                "x.toml, línea 76, clave «adicional_006.topes_bandas»: los topes deben ir de menor a mayor."},
        BadFile{"brackets out of order", edited("{ tope = 2600,", "{ tope = 1800,"),
                "x.toml, línea 130, clave «familia.tramos_hijo»: los topes deben ir de menor a mayor."},
        BadFile{"a top on the last bracket", edited("{              por_hijo = 45 }", "{ tope = 9000, por_hijo = 45 }"),
                "x.toml, línea 133, clave «familia.tramos_hijo[3].tope»: el último tramo no tiene tope."},
        BadFile{"a table row short", edited("  0,   220,   220 ],", "  0,   220 ],"),
                "x.toml, línea 84, clave «adicional_006.tabla[4]»: debe ser una lista de 8 montos: uno por banda "
                "de puntos básicos y dos de jornada completa."},
        BadFile{"a table row missing", edited(kLast006Row, ""),
                "x.toml, línea 79, clave «adicional_006.tabla»: debe tener 13 filas (sin opción elegida y una por "
                "tramo de antigüedad), y tiene 12."},
        BadFile{"a seniority bracket missing", edited(kLastSeniority, ""),
                "x.toml, línea 43, clave «antiguedad.tramos»: debe tener 12 tramos, uno por opción de la ventana, y tiene 11."},
        BadFile{"a repeated code", edited("{ codigo = 985,", "{ codigo = 999,"),
                "x.toml, línea 159, clave «cargos.lista[2].codigo»: el código 999 ya está en la línea 158."},
        BadFile{"a code past 999", edited("{ codigo = 985,", "{ codigo = 1985,"),
                "x.toml, línea 159, clave «cargos.lista[2].codigo»: debe ir de 1 a 999."},
        BadFile{"an empty name", edited("\"Analista Técnico\"", "\"  \""),
                "x.toml, línea 159, clave «cargos.lista[2].nombre»: no puede estar vacío."},
        BadFile{"a control character in a name", edited("\"Analista Técnico\"", "\"Analista\\tTécnico\""),
                "x.toml, línea 159, clave «cargos.lista[2].nombre»: tiene caracteres de control."},
        BadFile{"another format", edited("formato = 1", "formato = 2"),
                "x.toml, línea 7, clave «formato»: este programa lee archivos de formato 1."},
        BadFile{"a start that is no date", edited("desde = 2008-03-01", "desde = \"marzo\""),
                "x.toml, línea 9, clave «desde»: debe ser una fecha como 2008-03-01."},
        BadFile{"not UTF-8", edited("Analista Técnico", "Analista T\xE9" "cnico"), "x.toml, línea 159: no es texto UTF-8."},
        BadFile{"a letter outside quotes", edited("valor = 0.71,", "valor = 0.71 á,"),
                "x.toml, línea 13: no es TOML válido (columna 38)."},
        BadFile{"a letter escaped", edited("\"Analista Técnico\"", "\"Analista \\écnico\""),
                "x.toml, línea 159: no es TOML válido (columna 152)."},
        BadFile{"a quote after a number", edited("descripcion = \"Ítem 006 por cada hora de nivel superior\"",
                                                 "descripcion =0\"Ítem 006 por cada hora de nivel superior\""),
                "x.toml, línea 32: no es TOML válido (columna 64)."},
        BadFile{"a stand-in character", edited("Analista Técnico", "Analista T\xF4\x80\x80\x80" "cnico"),
                "x.toml, línea 159: tiene un carácter de uso privado del plano 16, que un período no admite."},
        BadFile{"an unknown key with an accent", edited("[horas]\n", "[horas]\n\"tope_ñ\" = 3\n"),
                "x.toml, línea 17, clave «horas.tope_ñ»: clave desconocida."},
        BadFile{"not TOML", edited("nombre = \"Marzo de 2.008\"", "nombre = Marzo"),
                "x.toml, línea 8: no es TOML válido (columna 10)."},
        BadFile{"over 1 MB", builtInText() + std::string(kMaxPeriodFileBytes, '#'), "x.toml: el archivo pasa de 1 MB."}));

TEST(PeriodReader, EveryProblemIsSaidInLineOrder)
{
    std::string text = edited("valor = 0.59", "valor = -1");
    text.replace(text.find("{ codigo = 985,"), 15, "{ codigo = 999,");
    const PeriodReading reading = readPeriod(text);
    ASSERT_EQ(reading.problems.size(), 2u);
    EXPECT_LT(reading.problems[0].line, reading.problems[1].line);
}

TEST(PeriodReader, MissingFilesAndFoldersAreRefusedNotRead)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    EXPECT_EQ(readPeriodFile(folder / "no-hay-tal-periodo.toml").problems.at(0).text, "no existe o no se puede leer");
    EXPECT_EQ(readPeriodFile(folder).problems.at(0).text, "es una carpeta, no un archivo");
}

TEST(Period, TheDisabledChildrenLimitFollowsTheRate)
{
    // Item 1002 is a 16-bit product: at most 32767 pesos, and never more than 255 children.
    struct Limit {
        Money rate;
        int children;
    };
    for (const Limit &l : {Limit{Money::whole(400), 81}, Limit{Money::fromCount(4005000), 81},
                           Limit{Money::whole(100), 255}, Limit{Money(), 255}, Limit{Money::whole(40000), 0}}) {
        Period period;
        period.disabledChildRate = l.rate;
        EXPECT_EQ(period.maxDisabledChildren(), l.children) << l.rate.toDouble();
    }
}

}  // namespace
}  // namespace recibo
