// Which key of a period file fills which figure of the period, and the checks across figures:
// brackets and bands in order, tables of the right shape, positions with unique codes.

#include "period_reader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>

#include "period_document.h"
#include "toml_guard.h"
#include "utf8.h"

namespace recibo {
namespace {

using period_file::Problems;
using period_file::Section;
using period_file::Unit;

constexpr int kFormat = 1;              // the one format this program reads
constexpr int kMaxPoints = std::numeric_limits<std::int16_t>::max();  // points are 16-bit
constexpr int kMaxPercent = std::numeric_limits<std::uint8_t>::max();  // pctantig is 8-bit
constexpr int kMaxHours = 10000;
constexpr double kMaxFactor = 10;
constexpr int kMaxWeeks = 5;
constexpr int kMaxCode = 999;

// The deduction keys in receipt order, as Period::deductions holds them.
constexpr std::array<std::string_view, kDeductionCount> kDeductionKeys{
    "iosper", "osplad", "aporte_jubilatorio", "ley_4035", "tovil", "caja_compensadora", "seguro_3011"};

// A list of rows: each must be a table, read as its own section with a numbered path.
template <typename Read>
void forEachRow(Section &owner, const toml::array *rows, std::string_view key, Read read)
{
    if (!rows)
        return;
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const toml::node &row = *rows->get(i);
        const std::string where = owner.keyPath(key) + "[" + std::to_string(i + 1) + "]";
        if (!row.is_table()) {
            owner.problems().add(period_file::lineOf(row), where, "debe ser una tabla en línea");
            continue;
        }
        Section section(owner.problems(), *row.as_table(), where);
        read(section, i);
    }
}

void checkAscending(Section &owner, std::string_view key, const std::vector<double> &values)
{
    for (std::size_t i = 1; i < values.size(); ++i)
        if (!(values[i - 1] < values[i])) {
            owner.problems().add(owner.lineOfKey(key), owner.keyPath(key), "los topes deben ir de menor a mayor");
            return;
        }
}

void readPosition(Section &file, Period &p)
{
    auto cargo = file.section("cargo");
    if (!cargo)
        return;
    p.basicPointValue = cargo->number("valor_punto_basico", Unit::Pesos, period_file::kMaxPesos);
    p.dayPointValue = cargo->number("valor_punto_jornada", Unit::Pesos, period_file::kMaxPesos);
    p.minDayPoints = cargo->whole("puntos_minimos_jornada", Unit::Points, 0, kMaxPoints);
}

HoursRates readHoursLevel(Section &hours, std::string_view key)
{
    HoursRates rates;
    auto level = hours.section(key);
    if (!level)
        return rates;
    rates.pointsPerHour = level->number("puntos_por_hora", Unit::Points, kMaxPoints);
    rates.rate006 = level->number("valor_hora_006", Unit::Pesos, period_file::kMaxPesos);
    rates.hoursCap006 = level->whole("horas_tope_006", Unit::Hours, 0, kMaxHours);
    rates.ceiling006 = level->pesos("tope_006");
    rates.rate084 = level->number("valor_hora_084", Unit::Pesos, period_file::kMaxPesos);
    rates.rate113 = level->number("valor_hora_113", Unit::Pesos, period_file::kMaxPesos);
    rates.shownHoursCap = level->whole("horas_mostradas_084_113", Unit::Hours, 0, kMaxHours);
    return rates;
}

void readHours(Section &file, Period &p)
{
    auto hours = file.section("horas");
    if (!hours)
        return;
    p.hourPointValue = hours->number("valor_punto", Unit::Pesos, period_file::kMaxPesos);
    p.hoursIncentiveCeiling = hours->pesos("tope_084");
    p.hours113Ceiling = hours->pesos("tope_113");
    p.secondary = readHoursLevel(*hours, "medio");
    p.higher = readHoursLevel(*hours, "superior");
}

// A list of { nombre, porcentaje } rows, as the seniority options and the zones are.
template <typename Row>
std::vector<Row> readPercentRows(Section &table, std::string_view key)
{
    std::vector<Row> rows;
    table.describedAs(Unit::Percent);
    forEachRow(table, table.array(key), key, [&rows](Section &row, std::size_t) {
        const std::string name = row.plainText("nombre");
        const int percent = row.plainWhole("porcentaje", 0, kMaxPercent);
        rows.push_back({name, static_cast<std::uint8_t>(percent)});
    });
    return rows;
}

void readSeniorityAndZones(Section &file, Period &p)
{
    if (auto seniority = file.section("antiguedad")) {
        const auto brackets = readPercentRows<SeniorityBracket>(*seniority, "tramos");
        if (brackets.size() == kSeniorityBracketCount)
            std::copy(brackets.begin(), brackets.end(), p.seniority.begin());
        else
            file.problems().add(seniority->lineOfKey("tramos"), seniority->keyPath("tramos"),
                                "debe tener " + std::to_string(kSeniorityBracketCount)
                                    + " tramos, uno por opción de la ventana, y tiene " + std::to_string(brackets.size()));
    }
    if (auto zones = file.section("zonas")) {
        p.zones = readPercentRows<Zone>(*zones, "lista");
        if (p.zones.empty())
            file.problems().add(zones->lineOfKey("lista"), zones->keyPath("lista"), "debe tener al menos una zona");
    }
}

void readDecree006(Section &file, Period &p)
{
    auto decree = file.section("adicional_006");
    if (!decree)
        return;
    decree->describedAs(Unit::Pesos);
    p.basicBandTops = decree->wholeList("topes_bandas", Unit::Points, kMaxPoints);
    checkAscending(*decree, "topes_bandas", std::vector<double>(p.basicBandTops.begin(), p.basicBandTops.end()));
    p.fullDayColumnPoints = decree->whole("puntos_jornada_completa", Unit::Points, 0, kMaxPoints);
    p.fullDayLowBasicTop = decree->whole("tope_basicos_jornada_completa", Unit::Points, 0, kMaxPoints);

    const std::size_t columns = p.basicBandTops.size() + 3;  // the open band and the two full-day ones
    const std::string key = decree->keyPath("tabla");
    const toml::array *rows = decree->array("tabla");
    if (!rows)
        return;
    if (rows->size() != kSeniorityBracketCount + 1) {
        file.problems().add(period_file::lineOf(*rows), key,
                            "debe tener 13 filas (sin opción elegida y una por tramo de antigüedad), y tiene "
                                + std::to_string(rows->size()));
        return;
    }
    for (std::size_t r = 0; r < rows->size(); ++r) {
        const toml::node &row = *rows->get(r);
        const std::string where = key + "[" + std::to_string(r + 1) + "]";
        const toml::array *cells = row.as_array();
        if (!cells || cells->size() != columns) {
            file.problems().add(period_file::lineOf(row), where,
                                "debe ser una lista de " + std::to_string(columns)
                                    + " montos: uno por banda de puntos básicos y dos de jornada completa");
            continue;
        }
        std::vector<Money> amounts;
        for (std::size_t c = 0; c < columns; ++c)
            amounts.push_back(period_file::checkPesos(file.problems(), *cells->get(c),
                                                      where + "[" + std::to_string(c + 1) + "]")
                                  .value_or(Money()));
        p.decree006.push_back(std::move(amounts));
    }
}

void readSupplements(Section &file, Period &p)
{
    if (auto decree014 = file.section("productividad_014")) {
        p.decree014Rate = decree014->number("coeficiente", Unit::Coefficient, period_file::kMaxCoefficient);
        p.decree014Shown = decree014->number("cifra_mostrada", Unit::Number, period_file::kMaxPesos);
    }
    if (auto national = file.section("nacion")) {
        p.nationalFullDayPoints = national->whole("puntos_jornada_completa", Unit::Points, 0, kMaxPoints);
        p.incentiveFullDay = national->pesos("incentivo_jornada_completa");
        p.incentivePartDay = national->pesos("incentivo_jornada_simple");
        p.national113FullDay = national->pesos("monto_113_jornada_completa");
        p.national113PartDay = national->pesos("monto_113_jornada_simple");
    }
    if (auto productivity = file.section("productividad_188")) {
        p.productivityRate = productivity->number("coeficiente", Unit::Coefficient, period_file::kMaxCoefficient);
        p.productivityShown = productivity->text("texto_celda");
    }
    if (auto absences = file.section("inasistencias")) {
        absences->describedAs(Unit::Coefficient);
        if (const toml::array *shares = absences->array("por_dias"))
            for (std::size_t i = 0; i < shares->size(); ++i)
                p.absenceShares.push_back(period_file::checkNumber(file.problems(), *shares->get(i),
                                                                   absences->keyPath("por_dias") + "["
                                                                       + std::to_string(i + 1) + "]",
                                                                   period_file::kMaxCoefficient)
                                              .value_or(0));
    }
}

void readTopUpAndTransport(Section &file, Period &p)
{
    if (auto topUp = file.section("adicional_minimo")) {
        p.topUpBasicPointsAbove = topUp->whole("puntos_basicos_desde", Unit::Points, 0, kMaxPoints);
        p.topUpZoneFactor = topUp->number("factor_zona", Unit::Coefficient, kMaxFactor);
        p.topUpDeductionRate = topUp->number("coeficiente_descuentos", Unit::Coefficient, period_file::kMaxCoefficient);
        p.minimumPay = topUp->pesos("minimo");
    }
    if (auto transport = file.section("transporte")) {
        p.transportRatePerKm = transport->number("valor_km", Unit::Pesos, period_file::kMaxPesos);
        p.weeksPerMonth = transport->number("semanas", Unit::Weeks, kMaxWeeks);
        p.transportCeiling = transport->pesos("tope");
    }
}

void readFamily(Section &file, Period &p)
{
    auto family = file.section("familia");
    if (!family)
        return;
    family->describedAs(Unit::Pesos);
    const toml::array *brackets = family->array("tramos_hijo");
    forEachRow(*family, brackets, "tramos_hijo", [&p, brackets](Section &row, std::size_t i) {
        const bool last = i + 1 == brackets->size();
        // Every bracket but the last ends at its top; the last takes every income above.
        const std::optional<Money> top = row.plainPesos("tope", last);
        if (last && top)
            row.problems().add(row.line(), row.keyPath("tope"), "el último tramo no tiene tope");
        p.childRates.push_back({last ? std::nullopt : top, row.plainPesos("por_hijo").value_or(Money())});
    });
    if (brackets && brackets->empty())
        file.problems().add(family->lineOfKey("tramos_hijo"), family->keyPath("tramos_hijo"), "debe tener al menos un tramo");
    std::vector<double> tops;
    for (const ChildRateBracket &bracket : p.childRates)
        if (bracket.top)
            tops.push_back(bracket.top->toDouble());
    checkAscending(*family, "tramos_hijo", tops);
    p.disabledChildRate = family->pesos("por_hijo_diferenciado");
    p.largeFamilyChildren = family->whole("hijos_familia_numerosa", Unit::Children, 1, kMaxChildrenTogether);
    p.largeFamilyAmount = family->pesos("familia_numerosa");
    p.spouseAmount = family->pesos("conyuge");
}

void readDeductions(Section &file, Period &p)
{
    auto deductions = file.section("descuentos");
    if (!deductions)
        return;
    for (std::size_t i = 0; i < kDeductionKeys.size(); ++i) {
        auto entry = deductions->section(kDeductionKeys[i]);
        if (!entry)
            continue;
        entry->describedAs(Unit::Coefficient);
        DeductionRate &d = p.deductions[i];
        d.code = entry->plainText("codigo");
        d.rate = entry->plainNumber("coeficiente", period_file::kMaxCoefficient);
        d.middle = entry->plainText("texto_celda");
    }
}

std::string threeDigits(int code)
{
    char text[4];
    std::snprintf(text, sizeof text, "%03d", code);
    return text;
}

void readPositions(Section &file, Period &p)
{
    auto positions = file.section("cargos");
    if (!positions)
        return;
    positions->describedAs(Unit::Points);
    std::array<std::size_t, kMaxCode + 1> lineOfCode{};
    const toml::array *rows = positions->array("lista");
    forEachRow(*positions, rows, "lista", [&](Section &row, std::size_t) {
        const toml::node *codeNode = row.take("codigo");
        const auto code = codeNode ? period_file::checkWhole(row.problems(), *codeNode, row.keyPath("codigo"), 1, kMaxCode)
                                   : std::nullopt;
        if (code && lineOfCode[static_cast<std::size_t>(*code)] != 0)
            row.problems().add(row.line(), row.keyPath("codigo"),
                               "el código " + threeDigits(*code) + " ya está en la línea "
                                   + std::to_string(lineOfCode[static_cast<std::size_t>(*code)]));
        else if (code)
            lineOfCode[static_cast<std::size_t>(*code)] = row.line();
        Position position;
        position.code = code ? threeDigits(*code) : std::string();
        position.name = row.plainText("nombre");
        position.basicPoints = std::to_string(row.plainWhole("basicos", 1, kMaxPoints));
        position.complementPoints = std::to_string(row.plainWhole("complemento", 0, kMaxPoints));
        position.taskPoints = std::to_string(row.plainWhole("tarea_diferenciada", 0, kMaxPoints));
        position.fullDayPoints = std::to_string(row.plainWhole("jornada_completa", 0, kMaxPoints));
        position.extendedDayPoints = std::to_string(row.plainWhole("prolongacion_jornada", 0, kMaxPoints));
        p.positions.push_back(std::move(position));
    });
    if (rows && rows->empty())
        file.problems().add(positions->lineOfKey("lista"), positions->keyPath("lista"), "debe tener al menos un cargo");
}

void readHeading(Section &file, Period &p)
{
    if (const toml::node *format = file.take("formato")) {
        const auto number = format->value<std::int64_t>();
        if (!format->is_integer() || *number != kFormat)
            file.problems().add(period_file::lineOf(*format), "formato",
                                "este programa lee archivos de formato " + std::to_string(kFormat));
    }
    p.name = file.plainText("nombre");
    if (const toml::node *since = file.take("desde")) {
        if (const auto *date = since->as_date()) {
            char text[16];
            const toml::date d = date->get();
            std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(d.year), unsigned(d.month), unsigned(d.day));
            p.startDate = text;
        } else {
            file.problems().add(period_file::lineOf(*since), "desde", "debe ser una fecha como 2008-03-01");
        }
    }
}

void readSections(Problems &problems, const toml::table &root, Period &p)
{
    Section file(problems, root, "");
    readHeading(file, p);
    readPosition(file, p);
    readHours(file, p);
    readSeniorityAndZones(file, p);
    readDecree006(file, p);
    readSupplements(file, p);
    readTopUpAndTransport(file, p);
    readFamily(file, p);
    readDeductions(file, p);
    readPositions(file, p);
}

}  // namespace

PeriodReading readPeriod(std::string_view bytes)
{
    PeriodReading reading;
    if (bytes.size() > kMaxPeriodFileBytes) {
        reading.problems.push_back({0, {}, "el archivo pasa de 1 MB"});
        return reading;
    }
    if (const auto bad = firstInvalidUtf8Line(bytes)) {
        reading.problems.push_back({*bad, {}, "no es texto UTF-8"});
        return reading;
    }
    if (const auto standIn = firstStandInLine(bytes)) {
        reading.problems.push_back({*standIn, {}, "tiene un carácter de uso privado del plano 16, que un período no admite"});
        return reading;
    }
    const toml::parse_result parsed = toml::parse(shieldFromToml(bytes));
    if (!parsed) {
        const toml::source_position where = parsed.error().source().begin;
        reading.problems.push_back(
            {where.line, {}, "no es TOML válido (columna " + std::to_string(where.column) + ")"});
        return reading;
    }
    Problems problems;
    Period period;
    readSections(problems, parsed.table(), period);
    reading.problems = problems.take();
    std::stable_sort(reading.problems.begin(), reading.problems.end(),
                     [](const PeriodProblem &a, const PeriodProblem &b) { return a.line < b.line; });
    if (reading.problems.empty())
        reading.period = std::move(period);
    return reading;
}

PeriodReading readPeriodFile(const std::filesystem::path &file)
{
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        return {std::nullopt, {{0, {}, "es una carpeta, no un archivo"}}};
    const auto size = std::filesystem::file_size(file, error);
    if (error)
        return {std::nullopt, {{0, {}, "no existe o no se puede leer"}}};
    if (size > kMaxPeriodFileBytes)
        return {std::nullopt, {{0, {}, "el archivo pasa de 1 MB"}}};
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open())
        return {std::nullopt, {{0, {}, "no se puede abrir: falta permiso de lectura"}}};
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad())
        return {std::nullopt, {{0, {}, "no se puede leer"}}};
    return readPeriod(bytes);
}

std::string problemText(const FileProblem &problem, std::string_view fileName)
{
    std::string text(fileName);
    if (problem.line > 0)
        text += ", línea " + std::to_string(problem.line);
    if (!problem.key.empty())
        text += ", clave «" + problem.key + "»";
    text += ": " + problem.text + ".";
    return text;
}

}  // namespace recibo
