#pragma once
// Reading numbers that the user typed: optional blanks around, an optional sign, digits with at
// most one decimal mark ('.' or ','). Anything else gives no value, never an exception.

#include <cstdint>
#include <optional>
#include <string_view>

#include "money.h"

namespace recibo {

// The nearest double.
std::optional<double> readDouble(std::string_view text);
// The nearest whole number, halves to even, within -32768..32767.
std::optional<std::int16_t> readWhole16(std::string_view text);
// The nearest whole number, halves to even, within 0..255.
std::optional<std::uint8_t> readCount(std::string_view text);
// The exact decimal rounded half-even to four places, within the money range.
std::optional<Money> readMoney(std::string_view text);

}  // namespace recibo
