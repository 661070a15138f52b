// The part of item 188 withheld for days of absence, and its deduction row 440.

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr double kAbsenceShareOneDay = 0.25;
constexpr double kAbsenceShareTwoDays = 0.5;
constexpr double kAbsenceShareThreeDays = 0.75;
constexpr double kAbsenceWholeAfterDays = 3;  // more days than this withhold all of item 188

Money withheld(Money productivity, double days)
{
    if (days == 1)
        return toMoney(productivity.toDouble() * kAbsenceShareOneDay);
    if (days == 2)
        return toMoney(productivity.toDouble() * kAbsenceShareTwoDays);
    if (days == 3)
        return toMoney(productivity.toDouble() * kAbsenceShareThreeDays);
    if (days > kAbsenceWholeAfterDays)
        return productivity;
    return Money();  // no days, a negative count or a fraction below three
}

}  // namespace

bool absenceReduction(Calculation &calc)
{
    const auto days = calc.read<fields::dinasist>();
    if (!days)
        return false;
    calc.amounts.reajuste188 = withheld(calc.amounts.monto188, *days);
    return true;
}

void absenceAdjustmentRow(Calculation &calc)
{
    // Already subtracted from the remunerative subtotal; here it is only shown, with the days as typed.
    if (calc.amounts.reajuste188 > Money())
        calc.writeDeduction("440", "Reajuste cod. 188", calc.in.dinasist, calc.amounts.reajuste188);
}

}  // namespace recibo::detail
