// Item 188 with its absence reduction, the remunerative subtotal, item 172 (minimum top-up) and
// item 029 (transport).

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr double kProductivityRate = 0.07;
constexpr double kAbsenceShareOneDay = 0.25;
constexpr double kAbsenceShareTwoDays = 0.5;
constexpr double kAbsenceShareThreeDays = 0.75;
constexpr double kAbsenceWholeAfterDays = 3;  // more days than this withhold all of item 188

constexpr int kTopUpBasicPointsAbove = 900;
constexpr double kTopUpZoneFactor = 1.07;
constexpr double kTopUpDeductionRate = 0.196;
constexpr double kMinimumPay = 1290;

constexpr double kTransportRatePerKm = 0.13472;
constexpr double kWeeksPerMonth = 4;
constexpr double kTransportCeiling = 161.8;

Money absenceReduction(Money productivity, double days)
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

bool productivityTopUpAndTransport(Calculation &calc)
{
    const Snapshot &in = calc.in;
    Amounts &a = calc.amounts;
    const Money base = a.categoryBase();

    a.monto188 = toMoney((base + a.monto010 + a.monto078).toDouble() * kProductivityRate);
    calc.writeEarnings("188", "Plus Productividad", "7.0", a.monto188);

    const auto days = calc.readDouble("dinasist", in.dinasist);
    if (!days)
        return false;
    a.reajuste188 = absenceReduction(a.monto188, *days);

    a.remunerativo = base + a.monto078 + a.monto010 + a.monto006 + a.monto014 + a.monto188 -
                     a.reajuste188;

    if (in.category == Category::Cargo && a.basicPoints > kTopUpBasicPointsAbove) {
        const Money zone = toMoney(a.monto078.toDouble() * kTopUpZoneFactor);
        const Money taxable = a.remunerativo - a.monto006 - a.monto014 - zone;
        const double deductions = taxable.toDouble() * kTopUpDeductionRate;
        const double net =
            (base + a.monto010 + a.monto188 + a.monto084 + a.monto113).toDouble() - deductions;
        if (net < kMinimumPay) {
            a.monto172 = toMoney(kMinimumPay - net);
            calc.writeEarnings("172", "Adic para mínimo", "", a.monto172);
        }
    }

    if (in.transporte) {
        const auto km = calc.readWhole16("cantkm", in.cantkm);
        if (!km)
            return false;
        const double fare = *km * kTransportRatePerKm * kWeeksPerMonth;
        a.monto029 = fare >= kTransportCeiling ? toMoney(kTransportCeiling) : toMoney(fare);
        calc.writeEarnings("029", "transporte por KM", "", a.monto029);
    }
    return true;
}

}  // namespace recibo::detail
