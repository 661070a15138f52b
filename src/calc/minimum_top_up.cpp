// Item 172: the top-up that lifts a position's pay, net of an estimate of its deductions, to the
// minimum.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

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
    const Period &period = calc.period;
    if (calc.in.category != Category::Cargo || a.basicPoints <= period.topUpBasicPointsAbove)
        return;
    const double minimumPay = period.minimumPay.toDouble();
    const Money zone = toMoney(a.monto078.toDouble() * period.topUpZoneFactor);
    const Money taxable = a.remunerativo - a.monto006 - a.monto014 - zone;
    const double deductions = taxable.toDouble() * period.topUpDeductionRate;
    const Money gross = sumOf<kTopUpGross>(a);
    const double net = gross.toDouble() - deductions;
    if (net < minimumPay) {
        a.monto172 = toMoney(minimumPay - net);
        if (Working *w = calc.working(&Amounts::monto172)) {
            w->rule = Rule::MinimumTopUp;
            w->operands = {asMoney("remunerativo #", a.remunerativo.toDouble()), asMoney("006 #", a.monto006.toDouble()),
                           asMoney("014 #", a.monto014.toDouble()), asMoney("078 #", a.monto078.toDouble()),
                           asNumber("#", period.topUpZoneFactor), asMoney("#", zone.toDouble()),
                           asMoney("#", taxable.toDouble()), asNumber("#", period.topUpDeductionRate),
                           {"#", deductions, Unit::Money, false, true}, itemised("#", gross),
                           {"#", net, Unit::Money, false, true}, asMoney("mínimo #", minimumPay)};
            recordParts<kTopUpGross>(*w, a);
            w->result = a.monto172;
        }
        calc.writeEarnings("172", "Adic para mínimo", "", &Amounts::monto172);
    }
}

}  // namespace recibo::detail
