// The seven percentage deductions, each switched by its own check box, in receipt order.

#include <array>

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// The code, rate and middle text of each come from the period, in this same order.
struct Deduction {
    const TickField *box;
    Money Amounts::*amount;
    std::string_view description;
    bool includesIncentive;  // union dues are charged on the national incentive too
};

constexpr std::array<Deduction, kDeductionCount> kDeductions{{
    {&fields::Iosper, &Amounts::monto505, "IOSPER", false},
    {&fields::Osplad, &Amounts::monto508, "OSPLAD", false},
    {&fields::APORTEJUB, &Amounts::monto502, "Aporte Jub.", false},
    {&fields::Ley4035, &Amounts::monto504, "Ley 4035", false},
    {&fields::TOVIL, &Amounts::monto332, "TOVIL", true},
    {&fields::cajacomp, &Amounts::monto512, "Caja Comp.", false},
    {&fields::Seguro3011, &Amounts::monto510, "Seguro 3011", false},
}};

}  // namespace

void deductions(Calculation &calc)
{
    Amounts &a = calc.amounts;
    for (std::size_t i = 0; i < kDeductions.size(); ++i) {
        const Deduction &d = kDeductions[i];
        const DeductionRate &rate = calc.period.deductions[i];
        if (!(calc.in.*d.box->value)) {
            a.*d.amount = Money();
            continue;
        }
        const Money base = d.includesIncentive ? a.remunerativo + a.monto084 : a.remunerativo;
        a.*d.amount = toMoney(base.toDouble() * rate.rate);
        if (Working *w = calc.working(d.amount)) {
            *w = product(a.*d.amount, {itemised(d.includesIncentive ? "remunerativo más 084 #" : "remunerativo #", base),
                                       asNumber("#", rate.rate)});
            // The remunerative subtotal as it was summed, and the incentive where it is added.
            setParts(*w, calc.working(&Amounts::remunerativo)->parts);
            if (d.includesIncentive)
                w->parts.push_back({"084", a.monto084});
        }
        calc.writeDeduction(rate.code, d.description, rate.middle, d.amount);
    }
}

}  // namespace recibo::detail
