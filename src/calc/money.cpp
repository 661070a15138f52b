#include "money.h"

#include <cmath>
#include <cstdio>
#include <cstring>

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
    if (count < 0)
        out.push_back('-');
    std::uint64_t whole = magnitude / Money::kScale;
    std::uint64_t fraction = magnitude % Money::kScale;

    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    while (n > 0)
        out.push_back(digits[--n]);

    if (fraction == 0)
        return;
    char frac[4];
    for (int i = 3; i >= 0; --i) {
        frac[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    int used = 4;
    while (frac[used - 1] == '0')
        --used;
    out.push_back(decimalSeparator);
    out.append(frac, static_cast<std::size_t>(used));
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
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    const std::size_t exponent = text.find_first_of("eE");
    std::string mantissa = text.substr(0, exponent);
    const std::string tail = exponent == std::string::npos ? std::string() : text.substr(exponent);
    const std::size_t point = mantissa.find('.');
    if (point != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
        else
            mantissa[point] = decimalSeparator;
    }
    if (mantissa == "-0")
        mantissa = "0";
    return mantissa + tail;
}

}  // namespace recibo
