#include "number_text.h"

#include <charconv>
#include <limits>
#include <string>

namespace recibo {
namespace {

// A typed number split into its parts; only digits remain in wholeDigits and fractionDigits.
struct DecimalText {
    bool negative = false;
    std::string_view wholeDigits;
    std::string_view fractionDigits;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<DecimalText> split(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    DecimalText parts;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    parts.wholeDigits = text.substr(0, i);
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        const std::size_t start = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        parts.fractionDigits = text.substr(start, i - start);
    }
    if (i != text.size() || (parts.wholeDigits.empty() && parts.fractionDigits.empty()))
        return std::nullopt;
    return parts;
}

// value * 10 + digit, unless that passes `limit`; every step only grows the value, so once past
// the limit it stays past it.
bool appendDigit(std::uint64_t &value, unsigned digit, std::uint64_t limit)
{
    if (digit > limit || value > (limit - digit) / 10)
        return false;
    value = value * 10 + digit;
    return true;
}

// The magnitude rounded half-even at `places` fraction digits, as a whole count of
// 10^-places units; nothing when it exceeds `limit`.
std::optional<std::uint64_t> roundedMagnitude(const DecimalText &parts, std::size_t places,
                                              std::uint64_t limit)
{
    std::uint64_t value = 0;
    for (char c : parts.wholeDigits) {
        if (!appendDigit(value, static_cast<unsigned>(c - '0'), limit))
            return std::nullopt;
    }
    const std::string_view fraction = parts.fractionDigits;
    for (std::size_t k = 0; k < places; ++k) {
        const unsigned digit = k < fraction.size() ? static_cast<unsigned>(fraction[k] - '0') : 0u;
        if (!appendDigit(value, digit, limit))
            return std::nullopt;
    }

    if (fraction.size() > places) {
        const char first = fraction[places];
        const bool restNonZero =
            fraction.substr(places + 1).find_first_not_of('0') != std::string_view::npos;
        const bool up = first > '5' || (first == '5' && (restNonZero || value % 2 == 1));
        if (up && value == limit)
            return std::nullopt;
        if (up)
            ++value;
    }
    return value;
}

std::optional<std::int64_t> readWhole(std::string_view text, std::int64_t min, std::int64_t max)
{
    const auto parts = split(text);
    if (!parts)
        return std::nullopt;
    const std::uint64_t limit = static_cast<std::uint64_t>(parts->negative ? -min : max);
    const auto magnitude = roundedMagnitude(*parts, 0, limit);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return parts->negative ? -value : value;
}

}  // namespace

std::optional<double> readDouble(std::string_view text)
{
    const auto parts = split(text);
    if (!parts)
        return std::nullopt;
    // from_chars reads only '.' as the decimal mark.
    std::string normal;
    normal.reserve(parts->wholeDigits.size() + parts->fractionDigits.size() + 3);
    if (parts->negative)
        normal.push_back('-');
    normal.append(parts->wholeDigits.empty() ? std::string_view("0") : parts->wholeDigits);
    if (!parts->fractionDigits.empty()) {
        normal.push_back('.');
        normal.append(parts->fractionDigits);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    // Out of range below one is below the smallest double, whose nearest double is zero.
    if (error == std::errc::result_out_of_range
        && parts->wholeDigits.find_first_not_of('0') == std::string_view::npos)
        return parts->negative ? -0.0 : 0.0;
    if (error != std::errc() || end != normal.data() + normal.size())
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> readWhole16(std::string_view text)
{
    const auto value = readWhole(text, std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max());
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::uint8_t> readCount(std::string_view text)
{
    const auto value = readWhole(text, 0, std::numeric_limits<std::uint8_t>::max());
    if (!value)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

std::optional<Money> readMoney(std::string_view text)
{
    const auto parts = split(text);
    if (!parts)
        return std::nullopt;
    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const auto magnitude = roundedMagnitude(*parts, 4, limit);
    if (!magnitude)
        return std::nullopt;
    const auto count = static_cast<std::int64_t>(*magnitude);
    return Money::fromCount(parts->negative ? -count : count);
}

}  // namespace recibo
