// The seven percentage deductions, each switched by its own check box, in receipt order.

#include <array>

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

struct Deduction {
    const TickField *box;
    Money Amounts::*amount;
    std::string_view code;
    std::string_view description;
    std::string_view middle;  // fixed texts: the fractional ones keep their decimal comma
    double rate;
    bool includesIncentive;   // union dues are charged on the national incentive too
};

constexpr std::array<Deduction, 7> kDeductions{{
    {&fields::Iosper, &Amounts::monto505, "505", "IOSPER", "3 %", 0.03, false},
    {&fields::Osplad, &Amounts::monto508, "508", "OSPLAD", "3 %", 0.03, false},
    {&fields::APORTEJUB, &Amounts::monto502, "502", "Aporte Jub.", "16 %", 0.16, false},
    {&fields::Ley4035, &Amounts::monto504, "504", "Ley 4035", "0,6 %", 0.006, false},
    {&fields::TOVIL, &Amounts::monto332, "332", "TOVIL", "2 %", 0.02, true},
    {&fields::cajacomp, &Amounts::monto512, "512", "Caja Comp.", "4,5 %", 0.045, false},
    {&fields::Seguro3011, &Amounts::monto510, "510", "Seguro 3011", "2 %", 0.02, false},
}};

}  // namespace

void deductions(Calculation &calc)
{
    Amounts &a = calc.amounts;
    for (const Deduction &d : kDeductions) {
        if (!(calc.in.*d.box->value)) {
            a.*d.amount = Money();
            continue;
        }
        const Money base = d.includesIncentive ? a.remunerativo + a.monto084 : a.remunerativo;
        a.*d.amount = toMoney(base.toDouble() * d.rate);
        if (Working *w = calc.working(d.amount)) {
            *w = product(a.*d.amount, {itemised(d.includesIncentive ? "remunerativo más 084 #" : "remunerativo #", base),
                                       asNumber("#", d.rate)});
            // The remunerative subtotal as it was summed, and the incentive where it is added.
            setParts(*w, calc.working(&Amounts::remunerativo)->parts);
            if (d.includesIncentive)
                w->parts.push_back({"084", a.monto084});
        }
        calc.writeDeduction(d.code, d.description, d.middle, d.amount);
    }
}

}  // namespace recibo::detail
