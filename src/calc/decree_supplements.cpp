// Items 006, 014, 084 and 113: fixed-sum decree and national supplements.

#include <array>

#include "calculation.h"
#include "number_text.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// The column of the 006 table: the band of basic points, or one of the two full-day columns
// after the bands.
std::size_t decree006Column(const Period &period, int basicPoints, int fullDayPoints)
{
    const std::vector<int> &tops = period.basicBandTops;
    if (fullDayPoints >= period.fullDayColumnPoints)
        return tops.size() + (basicPoints <= period.fullDayLowBasicTop ? 1 : 2);
    std::size_t column = 0;
    while (column < tops.size() && basicPoints > tops[column])
        ++column;
    return column;
}

// The basic points a column of the 006 table covers.
Band basicBand(const Period &period, std::size_t column)
{
    const std::vector<int> &tops = period.basicBandTops;
    if (column >= tops.size() + 1)
        return column == tops.size() + 1 ? Band{.high = static_cast<double>(period.fullDayLowBasicTop)}
                                         : Band{.low = static_cast<double>(period.fullDayLowBasicTop + 1)};
    Band band;
    if (column > 0)
        band.low = tops[column - 1] + 1;
    if (column < tops.size())
        band.high = tops[column];
    return band;
}

// Hours times a rate, paid up to a ceiling.
Money cappedHours(double hours, double rate, Money ceiling, Working *working)
{
    const double product = hours * rate;
    const bool capApplied = product >= ceiling.toDouble();
    const Money amount = capApplied ? ceiling : toMoney(product);
    if (working)
        *working = cappedProduct(amount, {asHours("#", hours), asMoney("# por hora", rate)}, product,
                                 asMoney("tope #", ceiling.toDouble()), capApplied);
    return amount;
}

// Items 006, 084 and 113 of a position, picked by the seniority option and the points; only
// when the working was asked for.
void recordPositionSupplements(Calculation &calc, std::size_t option, std::size_t column)
{
    const Amounts &a = calc.amounts;
    const Period &period = calc.period;
    const Figure fullDay = asPoints("puntos de jornada completa #", a.fullDayPoints);
    const bool fullDayColumn = column >= period.basicBandTops.size() + 1;
    const double fullDayFrom = period.fullDayColumnPoints;
    Working &w006 = *calc.working(&Amounts::monto006);
    w006 = pick(a.monto006, {within(fullDay, fullDayColumn ? Band{.low = fullDayFrom} : Band{.high = fullDayFrom - 1}),
                             within(asPoints("puntos básicos #", a.basicPoints), basicBand(period, column))});
    w006.table = "tabla del decreto";
    w006.rowLabel = option == 0 ? "sin opción de antigüedad elegida" : "antigüedad";
    w006.rowCaption = option == 0 ? std::string_view() : std::string_view(period.seniority[option - 1].caption);

    const double nationalFrom = period.nationalFullDayPoints;
    const Condition national = within(fullDay, a.fullDayPoints >= period.nationalFullDayPoints
                                                   ? Band{.low = nationalFrom}
                                                   : Band{.high = nationalFrom - 1});
    *calc.working(&Amounts::monto084) = pick(a.monto084, {national});
    *calc.working(&Amounts::monto113) = pick(a.monto113, {national});
}

std::string shownHours(double hours, double cap, const std::string &typed)
{
    return hours >= cap ? std::to_string(static_cast<int>(cap)) : typed;
}

}  // namespace

void positionSupplements(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const Period &period = calc.period;
    const int chosen = calc.in.seniorityOption;
    const bool known = chosen >= 1 && chosen <= static_cast<int>(kSeniorityBracketCount);
    const auto option = static_cast<std::size_t>(known ? chosen : 0);
    const std::size_t column = decree006Column(period, a.basicPoints, a.fullDayPoints);
    a.monto006 = period.decree006[option][column];

    const bool fullDay = a.fullDayPoints >= period.nationalFullDayPoints;
    a.monto084 = calc.in.opincentivo ? (fullDay ? period.incentiveFullDay : period.incentivePartDay) : Money();
    a.monto113 = fullDay ? period.national113FullDay : period.national113PartDay;
    if (calc.explaining())
        recordPositionSupplements(calc, option, column);
    calc.middle006.clear();
    calc.middle084.clear();
    calc.middle113.clear();
}

bool hoursSupplements(Calculation &calc, Category category)
{
    const Snapshot &in = calc.in;
    Amounts &a = calc.amounts;
    const HoursRates &rates = category == Category::HorasMedio ? calc.period.secondary : calc.period.higher;

    const auto hours006 = calc.read<fields::numhorascod06>();
    if (!hours006)
        return false;
    const bool capped006 = *hours006 >= rates.hoursCap006;
    a.monto006 = capped006 ? rates.ceiling006 : toMoney(*hours006 * rates.rate006);
    if (Working *w = calc.working(&Amounts::monto006))
        *w = capped006 ? pick(a.monto006, {within(asHours("#", *hours006), Band{.low = rates.hoursCap006})},
                              asMoney("tope #", rates.ceiling006.toDouble()))
                       : product(a.monto006, {asHours("#", *hours006), asMoney("# por hora", rates.rate006)});
    calc.middle006 = shownHours(*hours006, rates.hoursCap006, in.numhorascod06);

    const auto hoursIncentive = calc.read<fields::numhorasincen>();
    if (!hoursIncentive)
        return false;
    a.monto084 = *hoursIncentive > 0 ? cappedHours(*hoursIncentive, rates.rate084, calc.period.hoursIncentiveCeiling,
                                                   calc.working(&Amounts::monto084))
                                     : Money();
    calc.middle084 = shownHours(*hoursIncentive, rates.shownHoursCap, in.numhorasincen);

    const auto hours113 = calc.read<fields::numhorascod113>();
    if (!hours113)
        return false;
    a.monto113 = cappedHours(*hours113, rates.rate113, calc.period.hours113Ceiling, calc.working(&Amounts::monto113));
    calc.middle113 = shownHours(*hours113, rates.shownHoursCap, in.numhorascod113);
    return true;
}

void decreeAndNationalRows(Calculation &calc)
{
    Amounts &a = calc.amounts;
    calc.writeEarnings("006", "Adic. Art 2 y 3 Dcrto 5863/05", calc.middle006, &Amounts::monto006);
    const double rate014 = calc.period.decree014Rate;
    a.monto014 = toMoney(a.monto006.toDouble() * rate014);
    if (Working *w = calc.working(&Amounts::monto014))
        *w = share(a.monto014, asMoney("del adicional 006 (#)", a.monto006.toDouble()), asRate("#", rate014));
    calc.writeEarnings("014", "Product Dcrto 5863/05", doubleText(calc.period.decree014Shown, calc.separator),
                       &Amounts::monto014);
    if (a.monto084 > Money())
        calc.writeEarnings("084", "Incentivo de Nación", calc.middle084, &Amounts::monto084);
    calc.writeEarnings("113", "Negro de Nación", calc.middle113, &Amounts::monto113);
}

}  // namespace recibo::detail
