// Arbitrary bytes become the texts, options and ticks of the data-entry window; the computation
// must give either a whole receipt, whose every amount can say how it was reached, or a failure that
// names a field and its text.

#include <cstdio>
#include <cstdlib>

#include "builtin_period.h"
#include "compute.h"
#include "receipt_checks.h"
#include "snapshot_bytes.h"
#include "working_text.h"

namespace {

using namespace recibo;
using fuzz::checkReceipt;
using fuzz::require;

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
