// Item 172: the top-up that lifts a position's pay, net of an estimate of its deductions, to the
// minimum.

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr int kTopUpBasicPointsAbove = 900;
constexpr double kTopUpZoneFactor = 1.07;
constexpr double kTopUpDeductionRate = 0.196;
constexpr double kMinimumPay = 1290;

}  // namespace

void minimumTopUp(Calculation &calc)
{
    Amounts &a = calc.amounts;
    if (calc.in.category != Category::Cargo || a.basicPoints <= kTopUpBasicPointsAbove)
        return;
    const Money zone = toMoney(a.monto078.toDouble() * kTopUpZoneFactor);
    const Money taxable = a.remunerativo - a.monto006 - a.monto014 - zone;
    const double deductions = taxable.toDouble() * kTopUpDeductionRate;
    // Item 188 enters undiminished: absences reach the test only through the taxable part.
    const double net =
        (a.categoryBase() + a.monto010 + a.monto188 + a.monto084 + a.monto113).toDouble() - deductions;
    if (net < kMinimumPay) {
        a.monto172 = toMoney(kMinimumPay - net);
        calc.writeEarnings("172", "Adic para mínimo", "", a.monto172);
    }
}

}  // namespace recibo::detail
