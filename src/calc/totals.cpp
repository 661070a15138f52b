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

// The table's terms as the total's parts, each named by the description of its row on the receipt.
template <const auto &Terms>
void recordNamedParts(Working &working, const Amounts &a, const Receipt &receipt)
{
    for (const Term &term : Terms) {
        std::string_view name;
        for (std::size_t i = 0; i < receipt.rowCount && name.empty(); ++i)
            name = receipt.rows[i].code == term.code ? receipt.rows[i].description : name;
        working.parts.push_back({term.code, a.*term.amount, term.subtracted, name});
    }
}

}  // namespace

ReceiptTotals totals(const Amounts &a, const Receipt &receipt, char separator, ReceiptWorking *working)
{
    const Money earnings = sumOf<kTotalEarnings>(a);
    const Money deductions = sumOf<kTotalDeductions>(a);
    const Money net = earnings - deductions;
    if (working) {
        working->thaberes = sum(earnings);
        working->thaberes.total = "Total Haberes";
        recordNamedParts<kTotalEarnings>(working->thaberes, a, receipt);
        working->tdescuentos = sum(deductions);
        working->tdescuentos.total = "Total descuentos";
        recordNamedParts<kTotalDeductions>(working->tdescuentos, a, receipt);
        // Always the subtraction, also with no deductions.
        working->liquido = difference(net, asMoney("Total Haberes #", earnings.toDouble()),
                                      asMoney("Total descuentos #", deductions.toDouble()));
    }
    return ReceiptTotals{amountText(earnings, separator, AmountPrefix::Spaced),
                         amountText(deductions, separator, AmountPrefix::Spaced),
                         amountText(net, separator, AmountPrefix::Spaced)};
}

}  // namespace recibo::detail
