// Item 188 (productivity) and the remunerative subtotal on which the deductions are charged.

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr double kProductivityRate = 0.07;

}  // namespace

void productivity(Calculation &calc)
{
    Amounts &a = calc.amounts;
    a.monto188 = toMoney((a.categoryBase() + a.monto010 + a.monto078).toDouble() * kProductivityRate);
    calc.writeEarnings("188", "Plus Productividad", "7.0", a.monto188);
}

void remunerativeSubtotal(Calculation &calc)
{
    // Neither the national items, the top-up, transport nor the family allowances are in it.
    Amounts &a = calc.amounts;
    a.remunerativo = a.categoryBase() + a.monto078 + a.monto010 + a.monto006 + a.monto014 + a.monto188 -
                     a.reajuste188;
}

}  // namespace recibo::detail
