#pragma once
// Checking that bytes are UTF-8 before a reader that would refuse them with a vaguer message.

#include <cstddef>
#include <optional>
#include <string_view>

namespace recibo {

// The 1-based line of the first byte that is not well-formed UTF-8, or nothing when all are.
std::optional<std::size_t> firstInvalidUtf8Line(std::string_view bytes);

}  // namespace recibo
