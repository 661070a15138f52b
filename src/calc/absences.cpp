// The part of item 188 withheld for days of absence, and its deduction row 440.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr double kAbsenceShareOneDay = 0.25;
constexpr double kAbsenceShareTwoDays = 0.5;
constexpr double kAbsenceShareThreeDays = 0.75;
constexpr double kAbsenceWholeAfterDays = 3;  // more days than this withhold all of item 188

// The share of item 188 withheld for this many days, or nothing when all or none of it is.
std::optional<double> absenceShare(double days)
{
    if (days == 1)
        return kAbsenceShareOneDay;
    if (days == 2)
        return kAbsenceShareTwoDays;
    if (days == 3)
        return kAbsenceShareThreeDays;
    return std::nullopt;
}

Money withheld(Money productivity, double days, Working *working)
{
    const Figure absence{"inasistencias #", days, Unit::Days};
    if (const auto share = absenceShare(days)) {
        const Money amount = toMoney(productivity.toDouble() * *share);
        if (working)
            *working = product(amount, {asMoney("188 #", productivity.toDouble()), asNumber("#", *share)},
                               {when(absence)});
        return amount;
    }
    if (days > kAbsenceWholeAfterDays) {
        if (working)
            *working = pick(productivity, {within(absence, Band{.low = kAbsenceWholeAfterDays, .lowIncluded = false})},
                            asMoney("todo el 188 #", productivity.toDouble()));
        return productivity;
    }
    return Money();  // no days, a negative count or a fraction below three
}

}  // namespace

bool absenceReduction(Calculation &calc)
{
    const auto days = calc.read<fields::dinasist>();
    if (!days)
        return false;
    calc.amounts.reajuste188 = withheld(calc.amounts.monto188, *days, calc.working(&Amounts::reajuste188));
    return true;
}

void absenceAdjustmentRow(Calculation &calc)
{
    // Already subtracted from the remunerative subtotal; here it is only shown, with the days as typed.
    if (calc.amounts.reajuste188 > Money())
        calc.writeDeduction("440", "Reajuste cod. 188", calc.in.dinasist, &Amounts::reajuste188);
}

}  // namespace recibo::detail
