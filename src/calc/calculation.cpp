#include "calculation.h"

#include <cassert>
#include <cmath>

#include "number_text.h"

namespace recibo::detail {
namespace {

// No real hour or point count comes near this.
constexpr double kMaxQuantity = 1e9;
// No amount a quantity makes may pass this: with a period's largest rates, every sum and
// percentage of the receipt then stays inside the money range.
constexpr double kMaxAmount = 1e11;

}  // namespace

Calculation::Calculation(const Snapshot &input, const Period &rates, char decimalSeparator, Receipt &receipt,
                         ReceiptWorking *working)
    : in(input), period(rates), separator(decimalSeparator), receipt_(receipt), receiptWorking_(working)
{
    if (working) {
        working->separator = decimalSeparator;
        // Each working starts empty; the unused room in its lists is left as it is.
        amountWorkings_ = std::make_unique_for_overwrite<AmountWorkings>();
    }
}

Calculation::~Calculation() = default;

Working &Calculation::workingOf(Money Amounts::*amount)
{
    std::size_t i = 0;
    while (i + 1 < kWorkedAmounts.size() && kWorkedAmounts[i] != amount)
        ++i;
    assert(kWorkedAmounts[i] == amount);
    return (*amountWorkings_)[i];
}

std::string amountText(Money amount, char separator, AmountPrefix prefix)
{
    std::string text = prefix == AmountPrefix::Attached ? "$" : "$ ";
    appendMoneyText(text, amount, separator);
    return text;
}

void Calculation::showWorking(Money Amounts::*amount)
{
    receiptWorking_->rows[receipt_.rowCount] = workingOf(amount);
}

void Calculation::writeRow(std::string_view code, std::string_view description,
                           std::optional<std::string_view> middle, Money amount, AmountColumn column,
                           AmountPrefix prefix)
{
    // Every item present at once makes 26 rows, so the 27 slots always suffice.
    ReceiptRow &row = receipt_.rows[receipt_.rowCount++];
    row.code = code;
    row.description = description;
    if (middle)
        row.middle.emplace(*middle);
    else
        row.middle.reset();
    // Filled in place: the slot's string keeps its buffer from one receipt to the next. Written out
    // here rather than shared with amountText: a shared helper costs the largest receipt 10 %.
    row.amount.assign(prefix == AmountPrefix::Attached ? "$" : "$ ");
    appendMoneyText(row.amount, amount, separator);
    row.column = column;
}

void Calculation::fail(FailureKind kind, std::string_view field, const std::string &text)
{
    if (!failure)
        failure = Failure{kind, std::string(field), text};
}

std::optional<double> Calculation::readDouble(std::string_view field, const std::string &text)
{
    auto value = recibo::readDouble(text);
    if (!value)
        fail(FailureKind::Conversion, field, text);
    return value;
}

std::optional<std::int16_t> Calculation::readWhole16(std::string_view field,
                                                     const std::string &text)
{
    auto value = recibo::readWhole16(text);
    if (!value)
        fail(FailureKind::Conversion, field, text);
    return value;
}

std::optional<std::uint8_t> Calculation::readCount(std::string_view field, const std::string &text)
{
    auto value = recibo::readCount(text);
    if (!value)
        fail(FailureKind::Conversion, field, text);
    return value;
}

std::optional<double> Calculation::readBoundedDouble(std::string_view field, const std::string &text)
{
    auto value = readDouble(field, text);
    if (value && !(std::fabs(*value) <= kMaxQuantity)) {
        fail(FailureKind::Limit, field, text);
        return std::nullopt;
    }
    return value;
}

std::optional<Money> Calculation::boundedAmount(std::string_view field, const std::string &text, double value)
{
    if (!(std::fabs(value) <= kMaxAmount)) {
        fail(FailureKind::Limit, field, text);
        return std::nullopt;
    }
    return toMoney(value);
}

std::optional<Money> Calculation::readBoundedMoney(std::string_view field, const std::string &text)
{
    auto value = recibo::readMoney(text);
    if (!value) {
        fail(FailureKind::Conversion, field, text);
        return value;
    }
    if (!(std::fabs(value->toDouble()) <= kMaxQuantity)) {
        fail(FailureKind::Limit, field, text);
        return std::nullopt;
    }
    return value;
}

}  // namespace recibo::detail
