#include "money.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace recibo {

Money toMoney(double value)
{
    const double scaled = value * 10000.0;
    double rounded = std::nearbyint(scaled);  // default rounding mode: halves to even
    if (std::fabs(scaled - rounded) == 0.5) {
        // The product looks like a tie; its exact error decides which side the true value lies on.
        const double error = std::fma(value, 10000.0, -scaled);
        if (error > 0)
            rounded = std::floor(scaled) + 1.0;
        else if (error < 0)
            rounded = std::floor(scaled);
    }
    return Money::fromCount(static_cast<std::int64_t>(rounded));
}

void appendMoneyText(std::string &out, Money value, char decimalSeparator)
{
    const std::int64_t count = value.count();
    // Work on the magnitude as unsigned so the most negative count has no overflow.
    std::uint64_t magnitude = count < 0 ? 0 - static_cast<std::uint64_t>(count)
                                        : static_cast<std::uint64_t>(count);
    std::uint64_t whole = magnitude / Money::kScale;
    std::uint64_t fraction = magnitude % Money::kScale;

    // Filled from the right: at most a sign, 15 whole digits, the separator and 4 decimals.
    char buffer[32];
    char *const end = buffer + sizeof buffer;
    char *p = end;
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        for (; digits > 0; --digits) {
            *--p = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        *--p = decimalSeparator;
    }
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (count < 0)
        *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
}

std::string moneyText(Money value, char decimalSeparator)
{
    std::string out;
    appendMoneyText(out, value, decimalSeparator);
    return out;
}

std::string doubleText(double value, char decimalSeparator)
{
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string out(buffer, static_cast<std::size_t>(result.ptr - buffer));
    // The general form, like printf's %g, drops trailing zeros itself; only a negative zero is mended.
    if (out == "-0")
        out = "0";
    if (const std::size_t point = out.find('.'); point != std::string::npos)
        out[point] = decimalSeparator;
    return out;
}

}  // namespace recibo
