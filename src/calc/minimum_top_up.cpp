// Item 172: the top-up that lifts a position's pay, net of an estimate of its deductions, to the
// minimum.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr int kTopUpBasicPointsAbove = 900;
constexpr double kTopUpZoneFactor = 1.07;
constexpr double kTopUpDeductionRate = 0.196;
constexpr double kMinimumPay = 1290;
// What the net pay of the test starts from; item 188 enters undiminished, so absences reach the
// test only through the taxable part.
constexpr auto kTopUpGross = joined(kCategoryBase, std::array<Term, 4>{{
                                                       {"010", &Amounts::monto010},
                                                       {"188", &Amounts::monto188},
                                                       {"084", &Amounts::monto084},
                                                       {"113", &Amounts::monto113},
                                                   }});

}  // namespace

void minimumTopUp(Calculation &calc)
{
    Amounts &a = calc.amounts;
    if (calc.in.category != Category::Cargo || a.basicPoints <= kTopUpBasicPointsAbove)
        return;
    const Money zone = toMoney(a.monto078.toDouble() * kTopUpZoneFactor);
    const Money taxable = a.remunerativo - a.monto006 - a.monto014 - zone;
    const double deductions = taxable.toDouble() * kTopUpDeductionRate;
    const Money gross = sumOf<kTopUpGross>(a);
    const double net = gross.toDouble() - deductions;
    if (net < kMinimumPay) {
        a.monto172 = toMoney(kMinimumPay - net);
        if (Working *w = calc.working(&Amounts::monto172)) {
            w->rule = Rule::MinimumTopUp;
            w->operands = {asMoney("remunerativo #", a.remunerativo.toDouble()), asMoney("006 #", a.monto006.toDouble()),
                           asMoney("014 #", a.monto014.toDouble()), asMoney("078 #", a.monto078.toDouble()),
                           asNumber("#", kTopUpZoneFactor), asMoney("#", zone.toDouble()),
                           asMoney("#", taxable.toDouble()), asNumber("#", kTopUpDeductionRate),
                           {"#", deductions, Unit::Money, false, true}, itemised("#", gross),
                           {"#", net, Unit::Money, false, true}, asMoney("mínimo #", kMinimumPay)};
            recordParts<kTopUpGross>(*w, a);
            w->result = a.monto172;
        }
        calc.writeEarnings("172", "Adic para mínimo", "", &Amounts::monto172);
    }
}

}  // namespace recibo::detail
