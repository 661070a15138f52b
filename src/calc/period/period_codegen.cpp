// Build step: reads a period file with the period reader and writes it as C++ that builds the same
// Period value, with the file's own bytes beside it.
//   period_codegen PERIOD.toml OUTPUT.cpp
// A file with any problem prints them all and fails, which stops the build.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "period_reader.h"

namespace {

using recibo::Money;

// A C++ string literal; octal escapes, which never swallow the digits that follow them.
std::string literal(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + "\"";
}

// Doubles in hexadecimal, so the value built is the value read to the last bit.
std::string exact(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

std::string money(Money value)
{
    return "Money::fromCount(" + std::to_string(value.count()) + ")";
}

std::string hoursRates(const recibo::HoursRates &r)
{
    return "{" + exact(r.pointsPerHour) + ", " + exact(r.rate006) + ", " + exact(r.hoursCap006) + ", "
           + money(r.ceiling006) + ", " + exact(r.rate084) + ", " + exact(r.rate113) + ", "
           + std::to_string(r.shownHoursCap) + "}";
}

void writePeriod(std::ostream &out, const recibo::Period &p)
{
    out << "    p.name = " << literal(p.name) << ";\n"
        << "    p.startDate = " << literal(p.startDate) << ";\n"
        << "    p.basicPointValue = " << exact(p.basicPointValue) << ";\n"
        << "    p.dayPointValue = " << exact(p.dayPointValue) << ";\n"
        << "    p.minDayPoints = " << p.minDayPoints << ";\n"
        << "    p.hourPointValue = " << exact(p.hourPointValue) << ";\n"
        << "    p.secondary = " << hoursRates(p.secondary) << ";\n"
        << "    p.higher = " << hoursRates(p.higher) << ";\n"
        << "    p.hoursIncentiveCeiling = " << money(p.hoursIncentiveCeiling) << ";\n"
        << "    p.hours113Ceiling = " << money(p.hours113Ceiling) << ";\n";
    for (std::size_t i = 0; i < p.seniority.size(); ++i)
        out << "    p.seniority[" << i << "] = {" << literal(p.seniority[i].caption) << ", "
            << int(p.seniority[i].percent) << "};\n";
    for (const recibo::Zone &zone : p.zones)
        out << "    p.zones.push_back({" << literal(zone.name) << ", " << int(zone.percent) << "});\n";
    for (const int top : p.basicBandTops)
        out << "    p.basicBandTops.push_back(" << top << ");\n";
    out << "    p.fullDayColumnPoints = " << p.fullDayColumnPoints << ";\n"
        << "    p.fullDayLowBasicTop = " << p.fullDayLowBasicTop << ";\n";
    for (const auto &row : p.decree006) {
        out << "    p.decree006.push_back({";
        for (std::size_t c = 0; c < row.size(); ++c)
            out << (c ? ", " : "") << money(row[c]);
        out << "});\n";
    }
    out << "    p.decree014Rate = " << exact(p.decree014Rate) << ";\n"
        << "    p.decree014Shown = " << exact(p.decree014Shown) << ";\n"
        << "    p.nationalFullDayPoints = " << p.nationalFullDayPoints << ";\n"
        << "    p.incentiveFullDay = " << money(p.incentiveFullDay) << ";\n"
        << "    p.incentivePartDay = " << money(p.incentivePartDay) << ";\n"
        << "    p.national113FullDay = " << money(p.national113FullDay) << ";\n"
        << "    p.national113PartDay = " << money(p.national113PartDay) << ";\n"
        << "    p.productivityRate = " << exact(p.productivityRate) << ";\n"
        << "    p.productivityShown = " << literal(p.productivityShown) << ";\n";
    for (const double share : p.absenceShares)
        out << "    p.absenceShares.push_back(" << exact(share) << ");\n";
    out << "    p.topUpBasicPointsAbove = " << p.topUpBasicPointsAbove << ";\n"
        << "    p.topUpZoneFactor = " << exact(p.topUpZoneFactor) << ";\n"
        << "    p.topUpDeductionRate = " << exact(p.topUpDeductionRate) << ";\n"
        << "    p.minimumPay = " << money(p.minimumPay) << ";\n"
        << "    p.transportRatePerKm = " << exact(p.transportRatePerKm) << ";\n"
        << "    p.weeksPerMonth = " << exact(p.weeksPerMonth) << ";\n"
        << "    p.transportCeiling = " << money(p.transportCeiling) << ";\n";
    for (const recibo::ChildRateBracket &bracket : p.childRates)
        out << "    p.childRates.push_back({" << (bracket.top ? money(*bracket.top) : std::string("std::nullopt"))
            << ", " << money(bracket.perChild) << "});\n";
    out << "    p.disabledChildRate = " << money(p.disabledChildRate) << ";\n"
        << "    p.largeFamilyChildren = " << p.largeFamilyChildren << ";\n"
        << "    p.largeFamilyAmount = " << money(p.largeFamilyAmount) << ";\n"
        << "    p.spouseAmount = " << money(p.spouseAmount) << ";\n";
    for (std::size_t i = 0; i < p.deductions.size(); ++i)
        out << "    p.deductions[" << i << "] = {" << literal(p.deductions[i].code) << ", "
            << exact(p.deductions[i].rate) << ", " << literal(p.deductions[i].middle) << "};\n";
    // The catalogue as constant rows copied in a loop: one huge initialiser of strings takes
    // some compilers many minutes under the sanitizers.
    out << "    p.positions.reserve(std::size(kPositions));\n"
        << "    for (const PositionRow &row : kPositions)\n"
        << "        p.positions.push_back({row.code, row.name, row.basicPoints, row.complementPoints, row.taskPoints,\n"
        << "                               row.fullDayPoints, row.extendedDayPoints});\n";
}

void writePositions(std::ostream &out, const std::vector<recibo::Position> &positions)
{
    out << "struct PositionRow {\n    const char *code, *name, *basicPoints, *complementPoints, *taskPoints, "
           "*fullDayPoints, *extendedDayPoints;\n};\n\n"
        << "constexpr PositionRow kPositions[] = {\n";
    for (const recibo::Position &row : positions)
        out << "    {" << literal(row.code) << ", " << literal(row.name) << ", " << literal(row.basicPoints) << ", "
            << literal(row.complementPoints) << ", " << literal(row.taskPoints) << ", " << literal(row.fullDayPoints)
            << ", " << literal(row.extendedDayPoints) << "},\n";
    out << "};\n";
}

void writeBytes(std::ostream &out, std::string_view bytes)
{
    out << "constexpr unsigned char kText[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out << (i % 24 == 0 ? "\n    " : "") << int(static_cast<unsigned char>(bytes[i])) << ",";
    out << "\n};\n";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "uso: period_codegen PERIODO.toml SALIDA.cpp\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream bytes;
    if (!(bytes << in.rdbuf())) {
        std::cerr << argv[1] << ": no se puede leer\n";
        return 1;
    }
    const recibo::PeriodReading reading = recibo::readPeriod(bytes.str());
    if (!reading.period) {
        for (const recibo::PeriodProblem &problem : reading.problems)
            std::cerr << recibo::problemText(problem, argv[1]) << '\n';
        return 1;
    }
    std::ostringstream code;
    code << "// Built from " << argv[1] << " by period_codegen; not to be edited.\n"
         << "#include \"builtin_period.h\"\n\n#include <iterator>\n\nnamespace recibo {\nnamespace {\n\n";
    writeBytes(code, bytes.str());
    code << "\n";
    writePositions(code, reading.period->positions);
    code << "\n}  // namespace\n\nPeriod buildBuiltInPeriod()\n{\n    Period p;\n";
    writePeriod(code, *reading.period);
    code << "    return p;\n}\n\n"
         << "const Period &builtInPeriod()\n{\n    static const Period period = buildBuiltInPeriod();\n    return period;\n}\n\n"
         << "std::string_view builtInPeriodText()\n{\n"
         << "    return {reinterpret_cast<const char *>(kText), sizeof kText};\n}\n\n}  // namespace recibo\n";
    std::ofstream out(argv[2], std::ios::binary);
    out << code.str();
    return out ? 0 : 1;
}
