#pragma once
// Exact fixed-point money: a signed 64-bit count of ten-thousandths.

#include <compare>
#include <cstdint>
#include <string>

namespace recibo {

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromCount(std::int64_t count) { return Money(count); }
    static constexpr Money whole(std::int64_t units) { return Money(units * kScale); }

    constexpr std::int64_t count() const { return count_; }
    // Dividing (not multiplying by 0.0001) keeps the last bit the rounding rules rely on.
    constexpr double toDouble() const { return static_cast<double>(count_) / 10000.0; }

    constexpr Money operator+(Money other) const { return Money(count_ + other.count_); }
    constexpr Money operator-(Money other) const { return Money(count_ - other.count_); }
    // Money times a whole number stays exact.
    constexpr Money times(std::int64_t factor) const { return Money(count_ * factor); }

    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(std::int64_t count) : count_(count) {}
    std::int64_t count_ = 0;
};

// Converting to money: the exact value of the double, rounded to the nearest
// ten-thousandth with halves to the even neighbour.
Money toMoney(double value);

// Plain decimal text: no grouping, only the fraction digits that are not trailing zeros.
std::string moneyText(Money value, char decimalSeparator);
// Appends the same text to an existing string, to build amount cells without temporaries.
void appendMoneyText(std::string &out, Money value, char decimalSeparator);

// A double as text: at most 15 significant digits, trailing zeros dropped.
std::string doubleText(double value, char decimalSeparator);

}  // namespace recibo
