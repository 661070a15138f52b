#pragma once
// toml++ 3.3.0, as Debian ships it, asks whether some characters outside ASCII are blank space in
// a way that reaches code marked unreachable (its issue 190, mended in later releases), and it asks
// wherever it reads ahead, even past a quote. So toml++ never sees those characters: each stands in
// as a private-use character of plane 16 that it reads safely, and is put back in what it returns.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace recibo {

// The 1-based line of the first character of the stand-ins' own range, which a file cannot keep,
// or nothing. The bytes are well-formed UTF-8.
std::optional<std::size_t> firstStandInLine(std::string_view utf8);

// The text with each character toml++ trips on replaced by its stand-in; lines and columns stay.
std::string shieldFromToml(std::string_view utf8);

// The text with each stand-in put back.
std::string unshield(std::string_view utf8);

}  // namespace recibo
