// Items 006, 014, 084 and 113: fixed-sum decree and national supplements.

#include <array>

#include "calculation.h"
#include "number_text.h"
#include "seniority_zone.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// Item 006 for a position, in whole money units: rows by seniority option (0 = none chosen),
// columns by band of basic points, then the two full-day columns.
constexpr int kBandCount = 8;
constexpr std::array<std::array<int, kBandCount>, kSeniorityBrackets.size() + 1> kDecree006{{
    {80, 80, 0, 0, 0, 0, 0, 0},            // no option
    {80, 80, 0, 0, 0, 0, 0, 0},            // Option1
    {90, 90, 0, 0, 0, 0, 0, 0},            // Option2
    {180, 180, 240, 193, 180, 0, 220, 220},  // Option3
    {225, 195, 240, 193, 180, 0, 380, 350},  // Option4
    {250, 210, 250, 200, 180, 140, 440, 400},
    {270, 230, 250, 200, 180, 140, 475, 435},
    {320, 260, 260, 203, 190, 160, 510, 450},
    {345, 285, 285, 230, 190, 160, 525, 465},
    {425, 345, 395, 340, 280, 180, 555, 475},
    {535, 435, 410, 330, 310, 180, 590, 490},
    {605, 495, 430, 330, 320, 190, 615, 505},
    {620, 510, 480, 335, 330, 190, 620, 510},  // Option12
}};
// Upper limits (inclusive) of the basic-point bands of the first six columns.
constexpr std::array<int, 5> kBasicBandTop{971, 1169, 1400, 1942, 2220};
constexpr int kFullDayColumnPoints = 620;   // from here the full-day columns apply
constexpr int kFullDayLowBasicTop = 971;    // full-day column for basic points up to this

constexpr double kDecree014Rate = 0.07;
constexpr double kDecree014Shown = 0.7;  // the middle cell shows the rate as this figure

// Items 084 and 113 for a position.
constexpr int kNationalFullDayPoints = 600;
constexpr int kIncentiveFullDay = 220;
constexpr int kIncentivePartDay = 110;
constexpr int kNational113FullDay = 200;
constexpr int kNational113PartDay = 100;

// Per-hour rates of the hours categories, with their ceilings and the hours shown at most.
struct HoursRates {
    double rate006;
    double hoursCap006;
    int ceiling006;
    double rate084;
    double rate113;
    double shownCap084and113;
};
constexpr HoursRates kSecondaryRates{9.4, 30, 282, 7.33, 6.66, 30};
constexpr HoursRates kHigherRates{9.4, 15, 141, 9.166, 8.333, 24};
constexpr int kIncentiveCeiling = 220;
constexpr int kNational113Ceiling = 200;

int decree006Column(int basicPoints, int fullDayPoints)
{
    if (fullDayPoints >= kFullDayColumnPoints)
        return basicPoints <= kFullDayLowBasicTop ? 6 : 7;
    int column = 0;
    while (column < static_cast<int>(kBasicBandTop.size()) &&
           basicPoints > kBasicBandTop[static_cast<std::size_t>(column)])
        ++column;
    return column;
}

// The basic points a column of the 006 table covers.
Band basicBand(std::size_t column)
{
    if (column >= kBasicBandTop.size() + 1)
        return column == kBasicBandTop.size() + 1 ? Band{.high = kFullDayLowBasicTop}
                                                  : Band{.low = kFullDayLowBasicTop + 1};
    Band band;
    if (column > 0)
        band.low = kBasicBandTop[column - 1] + 1;
    if (column < kBasicBandTop.size())
        band.high = kBasicBandTop[column];
    return band;
}

// Hours times a rate, paid up to a ceiling.
Money cappedHours(double hours, double rate, int ceiling, Working *working)
{
    const double product = hours * rate;
    const bool capApplied = product >= ceiling;
    const Money amount = capApplied ? Money::whole(ceiling) : toMoney(product);
    if (working)
        *working = cappedProduct(amount, {asHours("#", hours), asMoney("# por hora", rate)}, product,
                                 asMoney("tope #", ceiling), capApplied);
    return amount;
}

// Items 006, 084 and 113 of a position, picked by the seniority option and the points; only
// when the working was asked for.
void recordPositionSupplements(Calculation &calc, std::size_t option, std::size_t column)
{
    const Amounts &a = calc.amounts;
    const Figure fullDay = asPoints("puntos de jornada completa #", a.fullDayPoints);
    const bool fullDayColumn = column >= kBasicBandTop.size() + 1;
    Working &w006 = *calc.working(&Amounts::monto006);
    w006 = pick(a.monto006, {within(fullDay, fullDayColumn ? Band{.low = kFullDayColumnPoints}
                                                           : Band{.high = kFullDayColumnPoints - 1}),
                             within(asPoints("puntos básicos #", a.basicPoints), basicBand(column))});
    w006.table = "tabla del decreto";
    w006.rowLabel = option == 0 ? "sin opción de antigüedad elegida" : "antigüedad";
    w006.rowCaption = option == 0 ? std::string_view() : kSeniorityBrackets[option - 1].caption;

    const Condition national = within(fullDay, a.fullDayPoints >= kNationalFullDayPoints
                                                   ? Band{.low = kNationalFullDayPoints}
                                                   : Band{.high = kNationalFullDayPoints - 1});
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
    const int chosen = calc.in.seniorityOption;
    const bool known = chosen >= 1 && chosen <= static_cast<int>(kSeniorityBrackets.size());
    const auto option = static_cast<std::size_t>(known ? chosen : 0);
    const auto column = static_cast<std::size_t>(decree006Column(a.basicPoints, a.fullDayPoints));
    a.monto006 = Money::whole(kDecree006[option][column]);

    const bool fullDay = a.fullDayPoints >= kNationalFullDayPoints;
    a.monto084 = calc.in.opincentivo
                     ? Money::whole(fullDay ? kIncentiveFullDay : kIncentivePartDay)
                     : Money();
    a.monto113 = Money::whole(fullDay ? kNational113FullDay : kNational113PartDay);
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
    const HoursRates &rates = category == Category::HorasMedio ? kSecondaryRates : kHigherRates;

    const auto hours006 = calc.read<fields::numhorascod06>();
    if (!hours006)
        return false;
    const bool capped006 = *hours006 >= rates.hoursCap006;
    a.monto006 = capped006 ? Money::whole(rates.ceiling006) : toMoney(*hours006 * rates.rate006);
    if (Working *w = calc.working(&Amounts::monto006))
        *w = capped006 ? pick(a.monto006, {within(asHours("#", *hours006), Band{.low = rates.hoursCap006})},
                              asMoney("tope #", rates.ceiling006))
                       : product(a.monto006, {asHours("#", *hours006), asMoney("# por hora", rates.rate006)});
    calc.middle006 = shownHours(*hours006, rates.hoursCap006, in.numhorascod06);

    const auto hoursIncentive = calc.read<fields::numhorasincen>();
    if (!hoursIncentive)
        return false;
    a.monto084 = *hoursIncentive > 0 ? cappedHours(*hoursIncentive, rates.rate084, kIncentiveCeiling,
                                                   calc.working(&Amounts::monto084))
                                     : Money();
    calc.middle084 = shownHours(*hoursIncentive, rates.shownCap084and113, in.numhorasincen);

    const auto hours113 = calc.read<fields::numhorascod113>();
    if (!hours113)
        return false;
    a.monto113 = cappedHours(*hours113, rates.rate113, kNational113Ceiling, calc.working(&Amounts::monto113));
    calc.middle113 = shownHours(*hours113, rates.shownCap084and113, in.numhorascod113);
    return true;
}

void decreeAndNationalRows(Calculation &calc)
{
    Amounts &a = calc.amounts;
    calc.writeEarnings("006", "Adic. Art 2 y 3 Dcrto 5863/05", calc.middle006, &Amounts::monto006);
    a.monto014 = toMoney(a.monto006.toDouble() * kDecree014Rate);
    if (Working *w = calc.working(&Amounts::monto014))
        *w = share(a.monto014, asMoney("del adicional 006 (#)", a.monto006.toDouble()), asRate("#", kDecree014Rate));
    calc.writeEarnings("014", "Product Dcrto 5863/05", doubleText(kDecree014Shown, calc.separator),
                       &Amounts::monto014);
    if (a.monto084 > Money())
        calc.writeEarnings("084", "Incentivo de Nación", calc.middle084, &Amounts::monto084);
    calc.writeEarnings("113", "Negro de Nación", calc.middle113, &Amounts::monto113);
}

}  // namespace recibo::detail
