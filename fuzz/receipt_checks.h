#pragma once
// What every receipt a fuzz target computes must look like, whatever the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "receipt.h"

namespace recibo::fuzz {

inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}

// "$", an optional blank, an optional '-', digits, and a fraction without trailing zeros after
// the user's separator only.
inline bool isAmountText(std::string_view text, char separator)
{
    if (text.substr(0, 1) != "$")
        return false;
    text.remove_prefix(text.substr(0, 2) == "$ " ? 2 : 1);
    if (text.substr(0, 1) == "-")
        text.remove_prefix(1);
    const std::size_t mark = text.find(separator);
    const std::string_view whole = text.substr(0, mark);
    const std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    const auto allDigits = [](std::string_view digits) {
        return digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction))
        return false;
    return mark == std::string_view::npos || (!fraction.empty() && fraction.back() != '0');
}

inline void checkReceipt(const Receipt &receipt, char separator)
{
    require(receipt.rowCount <= 26, "more than 26 rows");
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        const ReceiptRow &row = receipt.rows[i];
        require(!row.code.empty() && !row.description.empty(), "a row without code or description");
        require(isAmountText(row.amount, separator), "a row amount that is not money text");
    }
    for (const std::string *total : {&receipt.totals.thaberes, &receipt.totals.tdescuentos,
                                     &receipt.totals.liquido})
        require(isAmountText(*total, separator), "a total that is not money text");
}

}  // namespace recibo::fuzz
