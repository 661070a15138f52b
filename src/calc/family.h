#pragma once
// The widths the family allowances are computed in, published so a message can say how far a
// count may go.

#include <cstdint>
#include <limits>

namespace recibo {

inline constexpr int kDisabledChildRate = 400;  // item 1002, per disabled child
// Item 1002 is a signed 16-bit product: 81 disabled children at most.
inline constexpr int kMaxDisabledChildren = std::numeric_limits<std::int16_t>::max() / kDisabledChildRate;
// Children and disabled children together are an unsigned 8-bit sum.
inline constexpr int kMaxChildrenTogether = std::numeric_limits<std::uint8_t>::max();

}  // namespace recibo
