#pragma once
// toml++ 3.3.0, as Debian ships it, asks whether a character outside ASCII is blank space in a way
// that reaches code marked unreachable, for some characters (its issue 190, mended in later
// releases). TOML allows such characters only inside strings and comments, so any other place
// refuses the file before toml++ sees it.

#include <cstddef>
#include <optional>
#include <string_view>

namespace recibo {

// The 1-based line of the first character outside ASCII that stands outside a string or a comment,
// or right after a backslash in a string; nothing when there is none. The bytes are UTF-8.
std::optional<std::size_t> firstStrayNonAsciiLine(std::string_view bytes);

}  // namespace recibo
