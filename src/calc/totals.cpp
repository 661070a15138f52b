// "Total Haberes", "Total descuentos" and "Liquido a pagar".

#include "calculation.h"

namespace recibo::detail {

ReceiptTotals totals(const Amounts &a, char separator)
{
    // Every earnings amount, also those outside the deduction base; absent items are zero.
    const Money earnings = a.categoryBase() + a.monto006 + a.monto014 + a.monto010 + a.monto188 +
                           a.monto172 + a.monto1001 + a.monto1002 + a.monto1003 + a.monto1010 +
                           a.monto078 + a.monto084 + a.monto113 + a.monto029;
    const Money deductions = a.monto505 + a.monto508 + a.monto502 + a.monto504 + a.monto332 +
                             a.monto512 + a.monto510 + a.reajuste188;
    return ReceiptTotals{amountText(earnings, separator, AmountPrefix::Spaced),
                         amountText(deductions, separator, AmountPrefix::Spaced),
                         amountText(earnings - deductions, separator, AmountPrefix::Spaced)};
}

}  // namespace recibo::detail
