#include "calculation.h"

#include <cmath>

#include "number_text.h"

namespace recibo::detail {
namespace {

// No real hour or point count comes near this; far below it every amount, sum and percentage of
// the receipt stays inside the money range.
constexpr double kMaxQuantity = 1e9;

}  // namespace

void assignAmountText(std::string &out, Money amount, char separator, AmountPrefix prefix)
{
    out.assign(prefix == AmountPrefix::Attached ? "$" : "$ ");
    appendMoneyText(out, amount, separator);
}

std::string amountText(Money amount, char separator, AmountPrefix prefix)
{
    std::string text;
    assignAmountText(text, amount, separator, prefix);
    return text;
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
    // Filled in place: the slot's string keeps its buffer from one receipt to the next.
    assignAmountText(row.amount, amount, separator, prefix);
    row.column = column;
}

void Calculation::writeEarnings(std::string_view code, std::string_view description,
                                std::optional<std::string_view> middle, Money amount,
                                AmountPrefix prefix)
{
    writeRow(code, description, middle, amount, AmountColumn::Earnings, prefix);
}

void Calculation::writeDeduction(std::string_view code, std::string_view description,
                                 std::optional<std::string_view> middle, Money amount)
{
    writeRow(code, description, middle, amount, AmountColumn::Deductions,
             AmountPrefix::Spaced);
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
