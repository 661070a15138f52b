// "Total Haberes", "Total descuentos" and "Liquido a pagar".

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// Every earnings amount, also those outside the deduction base; absent items are zero.
constexpr auto kTotalEarnings = joined(kEarningsBeforeAllowances, std::array<Term, 5>{{
                                                                     {"029", &Amounts::monto029},
                                                                     {"1001", &Amounts::monto1001},
                                                                     {"1002", &Amounts::monto1002},
                                                                     {"1003", &Amounts::monto1003},
                                                                     {"1010", &Amounts::monto1010},
                                                                 }});
constexpr std::array<Term, 8> kTotalDeductions{{
    {"440", &Amounts::reajuste188},
    {"505", &Amounts::monto505},
    {"508", &Amounts::monto508},
    {"502", &Amounts::monto502},
    {"504", &Amounts::monto504},
    {"332", &Amounts::monto332},
    {"512", &Amounts::monto512},
    {"510", &Amounts::monto510},
}};

}  // namespace

ReceiptTotals totals(const Amounts &a, char separator, ReceiptWorking *working)
{
    const Money earnings = sumOf<kTotalEarnings>(a);
    const Money deductions = sumOf<kTotalDeductions>(a);
    const Money net = earnings - deductions;
    if (working) {
        working->thaberes = sum(earnings);
        recordParts<kTotalEarnings>(working->thaberes, a);
        working->tdescuentos = sum(deductions);
        recordParts<kTotalDeductions>(working->tdescuentos, a);
        const std::array<Part, 2> netParts{{{"Total Haberes", earnings}, {"Total descuentos", deductions, true}}};
        working->liquido = sum(net, netParts);
    }
    return ReceiptTotals{amountText(earnings, separator, AmountPrefix::Spaced),
                         amountText(deductions, separator, AmountPrefix::Spaced),
                         amountText(net, separator, AmountPrefix::Spaced)};
}

}  // namespace recibo::detail
