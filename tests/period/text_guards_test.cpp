// The checks a period file passes before toml++ reads it: well-formed UTF-8, and no character
// outside ASCII where toml++ 3.3.0 would ask whether it is blank space.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "toml_guard.h"
#include "utf8.h"

namespace recibo {
namespace {

struct Bytes {
    const char *what;
    std::string text;
    std::optional<std::size_t> line;  // where it is refused, or nothing
};

void PrintTo(const Bytes &b, std::ostream *os) { *os << b.what; }

class Utf8Check : public testing::TestWithParam<Bytes> {};

TEST_P(Utf8Check, FindsTheFirstLineThatIsNotUtf8)
{
    EXPECT_EQ(firstInvalidUtf8Line(GetParam().text), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Check,
    testing::Values(Bytes{"ASCII", "a = 1\nb = 2\n", std::nullopt},
                    Bytes{"two, three and four bytes", "ñ = \"€ 𝄞\"\n", std::nullopt},
                    Bytes{"a lone continuation byte", "a\n\x80\n", 2},
                    Bytes{"an overlong slash", "a\nb\n\xC0\xAF", 3},
                    Bytes{"an overlong three-byte form", "\xE0\x80\xAF", 1},
                    Bytes{"a surrogate", "x\n\xED\xA0\x80", 2},
                    Bytes{"past U+10FFFF", "\xF4\x90\x80\x80", 1},
                    Bytes{"cut short at the end", "\xE2\x82", 1},
                    Bytes{"Latin-1, not UTF-8", "Analista T\xE9" "cnico", 1}));

class TomlGuard : public testing::TestWithParam<Bytes> {};

TEST_P(TomlGuard, RefusesWideCharactersOutsideStrings)
{
    EXPECT_EQ(firstStrayNonAsciiLine(GetParam().text), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Places, TomlGuard,
    testing::Values(Bytes{"in basic, literal and multi-line strings", "a = \"ñ\"\nb = 'ñ'\nc = \"\"\"\nñ\"\"\"\nd = '''ñ'''", std::nullopt},
                    Bytes{"in a comment", "a = 1 # año\n", std::nullopt},
                    Bytes{"after a value", "a = 1\nb = 2 ñ\n", 2},
                    Bytes{"as a key", "\nñ = 1", 2},
                    Bytes{"escaped in a string", "a = \"\\ñ\"", 1},
                    Bytes{"after a line-ending backslash", "a = \"\"\"\\\n  ñ\"\"\"", 2},
                    Bytes{"after a string closed by extra quotes", "a = '''x''''\nb = 1 ñ", 2},
                    Bytes{"an escaped quote keeps the string open", "a = \"\\\" ñ\"", std::nullopt}));

}  // namespace
}  // namespace recibo
