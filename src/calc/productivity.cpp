// Item 188 (productivity) and the remunerative subtotal on which the deductions are charged.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr auto kProductivityBase =
    joined(kCategoryBase, std::array<Term, 2>{{{"010", &Amounts::monto010}, {"078", &Amounts::monto078}}});
// The base of the percentage deductions: neither the national items, the top-up, transport nor the
// family allowances are in it.
constexpr auto kRemunerativo = joined(kCategoryBase, std::array<Term, 6>{{
                                                         {"078", &Amounts::monto078},
                                                         {"010", &Amounts::monto010},
                                                         {"006", &Amounts::monto006},
                                                         {"014", &Amounts::monto014},
                                                         {"188", &Amounts::monto188},
                                                         {"440", &Amounts::reajuste188, true},
                                                     }});

}  // namespace

void productivity(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const Money base = sumOf<kProductivityBase>(a);
    const double rate = calc.period.productivityRate;
    a.monto188 = toMoney(base.toDouble() * rate);
    if (Working *w = calc.working(&Amounts::monto188)) {
        *w = product(a.monto188, {itemised("base #", base), asNumber("#", rate)});
        recordParts<kProductivityBase>(*w, a);
    }
    calc.writeEarnings("188", "Plus Productividad", calc.period.productivityShown, &Amounts::monto188);
}

void remunerativeSubtotal(Calculation &calc)
{
    Amounts &a = calc.amounts;
    a.remunerativo = sumOf<kRemunerativo>(a);
    if (Working *w = calc.working(&Amounts::remunerativo)) {
        *w = sum(a.remunerativo);
        recordParts<kRemunerativo>(*w, a);
    }
}

}  // namespace recibo::detail
