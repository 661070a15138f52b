// The part of item 188 withheld for days of absence, and its deduction row 440.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// The share of item 188 withheld for this many days, or nothing when all or none of it is: the
// period lists a share for 1, 2, 3... whole days.
std::optional<double> absenceShare(const std::vector<double> &shares, double days)
{
    for (std::size_t i = 0; i < shares.size(); ++i)
        if (days == static_cast<double>(i + 1))
            return shares[i];
    return std::nullopt;
}

Money withheld(const std::vector<double> &shares, Money productivity, double days, Working *working)
{
    // More days than the period lists withhold all of item 188.
    const auto wholeAfterDays = static_cast<double>(shares.size());
    const Figure absence{"inasistencias #", days, Unit::Days};
    if (const auto share = absenceShare(shares, days)) {
        const Money amount = toMoney(productivity.toDouble() * *share);
        if (working)
            *working = product(amount, {asMoney("188 #", productivity.toDouble()), asNumber("#", *share)},
                               {when(absence)});
        return amount;
    }
    if (days > wholeAfterDays) {
        if (working)
            *working = pick(productivity, {within(absence, Band{.low = wholeAfterDays, .lowIncluded = false})},
                            asMoney("todo el 188 #", productivity.toDouble()));
        return productivity;
    }
    return Money();  // no days, a negative count or a fraction within the listed days
}

}  // namespace

bool absenceReduction(Calculation &calc)
{
    const auto days = calc.read<fields::dinasist>();
    if (!days)
        return false;
    calc.amounts.reajuste188 =
        withheld(calc.period.absenceShares, calc.amounts.monto188, *days, calc.working(&Amounts::reajuste188));
    return true;
}

void absenceAdjustmentRow(Calculation &calc)
{
    // Already subtracted from the remunerative subtotal; here it is only shown, with the days as typed.
    if (calc.amounts.reajuste188 > Money())
        calc.writeDeduction("440", "Reajuste cod. 188", calc.in.dinasist, &Amounts::reajuste188);
}

}  // namespace recibo::detail
