// Items 006, 014, 084 and 113: fixed-sum decree and national supplements.

#include <array>

#include "calculation.h"
#include "number_text.h"
#include "seniority_zone.h"

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

// A rate times hours, paid up to a ceiling.
Money capped(double product, int ceiling)
{
    return product >= ceiling ? Money::whole(ceiling) : toMoney(product);
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
    a.monto006 = *hours006 >= rates.hoursCap006 ? Money::whole(rates.ceiling006)
                                                : toMoney(*hours006 * rates.rate006);
    calc.middle006 = shownHours(*hours006, rates.hoursCap006, in.numhorascod06);

    const auto hoursIncentive = calc.read<fields::numhorasincen>();
    if (!hoursIncentive)
        return false;
    a.monto084 = *hoursIncentive > 0 ? capped(*hoursIncentive * rates.rate084, kIncentiveCeiling)
                                     : Money();
    calc.middle084 = shownHours(*hoursIncentive, rates.shownCap084and113, in.numhorasincen);

    const auto hours113 = calc.read<fields::numhorascod113>();
    if (!hours113)
        return false;
    a.monto113 = capped(*hours113 * rates.rate113, kNational113Ceiling);
    calc.middle113 = shownHours(*hours113, rates.shownCap084and113, in.numhorascod113);
    return true;
}

void decreeAndNationalRows(Calculation &calc)
{
    Amounts &a = calc.amounts;
    calc.writeEarnings("006", "Adic. Art 2 y 3 Dcrto 5863/05", calc.middle006, a.monto006);
    a.monto014 = toMoney(a.monto006.toDouble() * kDecree014Rate);
    calc.writeEarnings("014", "Product Dcrto 5863/05", doubleText(kDecree014Shown, calc.separator),
                       a.monto014);
    if (a.monto084 > Money())
        calc.writeEarnings("084", "Incentivo de Nación", calc.middle084, a.monto084);
    calc.writeEarnings("113", "Negro de Nación", calc.middle113, a.monto113);
}

}  // namespace recibo::detail
