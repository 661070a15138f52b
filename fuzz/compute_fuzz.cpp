// Arbitrary bytes become the texts, options and ticks of the data-entry window; the computation
// must give either a whole receipt, whose every amount can say how it was reached, or a failure that
// names a field and its text.

#include <cstdio>
#include <cstdlib>

#include "builtin_period.h"
#include "compute.h"
#include "snapshot_bytes.h"
#include "working_text.h"

namespace {

using namespace recibo;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_compute: %s\n", what);
        std::abort();
    }
}

// "$", an optional blank, an optional '-', digits, and a fraction without trailing zeros after
// the user's separator only.
bool isAmountText(std::string_view text, char separator)
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

void checkReceipt(const Receipt &receipt, char separator)
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

void checkFailure(const Failure &failure, const Snapshot &snapshot)
{
    if (failure.kind == FailureKind::NoCategory) {
        require(snapshot.category == Category::None, "no category reported with one chosen");
        return;
    }
    for (const fuzz::TextField &field : fuzz::kTextFields) {
        if (field.name == failure.field) {
            require(failure.text == snapshot.*field.member, "a failure quoting another text");
            return;
        }
    }
    require(false, "a failure naming no input field");
}

// The same snapshot computed with its working gives the same receipt, and every working of it can
// be put into words.
void checkWorking(const Snapshot &snapshot, char separator, const Receipt &plain)
{
    ReceiptWorking working;
    const Outcome outcome = compute(snapshot, builtInPeriod(), separator, working);
    const auto *receipt = std::get_if<Receipt>(&outcome);
    require(receipt != nullptr && receipt->rowCount == plain.rowCount, "the working changed the receipt");
    for (std::size_t i = 0; i < receipt->rowCount; ++i) {
        require(receipt->rows[i].amount == plain.rows[i].amount, "the working changed an amount");
        require(!explain(working.rows[i], separator).text.empty(), "a row without working");
    }
    for (const Working *total : {&working.thaberes, &working.tdescuentos, &working.liquido})
        require(!explain(*total, separator).text.empty(), "a total without working");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FuzzInput input = fuzz::fromBytes(data, size);
    const Outcome outcome = compute(input.snapshot, builtInPeriod(), input.decimalSeparator);
    if (const auto *receipt = std::get_if<Receipt>(&outcome)) {
        checkReceipt(*receipt, input.decimalSeparator);
        checkWorking(input.snapshot, input.decimalSeparator, *receipt);
    } else
        checkFailure(std::get<Failure>(outcome), input.snapshot);
    return 0;
}
