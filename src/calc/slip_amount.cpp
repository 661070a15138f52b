// Reading an amount as a pay slip prints it: a "$", blanks, thousands grouped by one mark and the
// decimals after the other.

#include <string>

#include "number_text.h"
#include "slip.h"

namespace recibo {
namespace {

constexpr std::size_t kGroupDigits = 3;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isMark(char c) { return c == '.' || c == ','; }

void trimBlanks(std::string_view &text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
}

// Takes a leading minus, then a "$" with the blanks after it; a minus may also follow the "$".
bool takeSignAndDollar(std::string_view &text)
{
    bool negative = false;
    const auto takeMinus = [&] {
        if (!negative && !text.empty() && text.front() == '-') {
            negative = true;
            text.remove_prefix(1);
            trimBlanks(text);
        }
    };
    takeMinus();
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        trimBlanks(text);
    }
    takeMinus();
    return negative;
}

// The digits and marks as a plain decimal with '.', or nothing when the marks do not read.
std::optional<std::string> plainDecimal(std::string_view digits)
{
    std::string whole;
    std::string fraction;
    char groupMark = 0;
    char decimalMark = 0;
    std::size_t i = 0;
    while (i < digits.size() && isDigit(digits[i]))
        whole.push_back(digits[i++]);
    const std::size_t firstGroup = whole.size();
    if (firstGroup == 0)
        return std::nullopt;
    while (i < digits.size()) {
        const char mark = digits[i++];
        if (!isMark(mark) || decimalMark != 0)
            return std::nullopt;  // something else, or a mark after the decimals
        const std::size_t start = i;
        while (i < digits.size() && isDigit(digits[i]))
            ++i;
        const std::string_view group = digits.substr(start, i - start);
        if (group.empty())
            return std::nullopt;
        if (group.size() == kGroupDigits) {
            if (groupMark != 0 && groupMark != mark)
                return std::nullopt;
            groupMark = mark;
            whole.append(group);
        } else {
            decimalMark = mark;
            fraction.assign(group);
        }
    }
    // Thousands are grouped from a first group of one to three digits, and by the other mark than the decimals.
    if (groupMark != 0 && (firstGroup > kGroupDigits || whole.front() == '0' || groupMark == decimalMark))
        return std::nullopt;
    if (!fraction.empty())
        whole += "." + fraction;
    return whole;
}

}  // namespace

std::optional<Money> readSlipAmount(std::string_view text)
{
    trimBlanks(text);
    const bool negative = takeSignAndDollar(text);
    const auto plain = plainDecimal(text);
    if (!plain)
        return std::nullopt;
    return readMoney(negative ? "-" + *plain : *plain);
}

}  // namespace recibo
