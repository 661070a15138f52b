// What a period file goes through before toml++ reads it: a check that it is well-formed UTF-8,
// and the stand-ins for the characters toml++ 3.3.0 trips on.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

#include "period_reader.h"
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

std::string utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

TEST(TomlShield, ReplacesOnlyTheCharactersTomlTripsOnAndPutsThemBack)
{
    struct Row {
        char32_t character;
        bool replaced;
    };
    const Row rows[] = {{0xA0, false},   {0xA1, true},    {0xF1, true},    {0x499, true},   {0x49A, false},
                        {0x2C5D, false}, {0x2C5E, true},  {0x2FFF, true},  {0x3000, false}, {0x3001, true},
                        {0x3057, true},  {0x3058, false}, {0xFB25, false}, {0xFB26, true},  {0xFEFE, true},
                        {0xFEFF, false}, {0x1D11E, false}};
    for (const Row &row : rows) {
        const std::string text = "a = \"x" + utf8(row.character) + "\"\n# " + utf8(row.character) + "\n";
        const std::string shielded = shieldFromToml(text);
        EXPECT_EQ(shielded != text, row.replaced) << std::hex << static_cast<unsigned>(row.character);
        EXPECT_EQ(std::count(shielded.begin(), shielded.end(), '\n'), 2);
        EXPECT_EQ(unshield(shielded), text);
        EXPECT_EQ(firstStandInLine(text), std::nullopt);
    }
}

TEST(TomlShield, FindsTheStandInsOwnCharactersInAFile)
{
    EXPECT_EQ(firstStandInLine("a\n" + utf8(0x100000)), 2u);
    EXPECT_EQ(firstStandInLine("a\nb\n" + utf8(0x100BCA)), 3u);
    EXPECT_EQ(firstStandInLine(utf8(0x100BCB) + utf8(0xFFFFF)), std::nullopt);
}

// toml++ reads past a quote that follows a number and asks of every character it meets whether it
// is blank space; no character of the Basic Multilingual Plane may make it reach its unreachable code.
TEST(TomlShield, NoCharacterInAnyPlaceTakesTomlOffItsRails)
{
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string letter = utf8(c);
        for (const std::string &text : {"a = 1 " + letter, "a = 1\"" + letter + "\"", "a = 1." + letter, "a = 1979-05-27 07" + letter}) {
            const PeriodReading reading = readPeriod(text);
            ASSERT_FALSE(reading.problems.empty()) << std::hex << static_cast<unsigned>(c);
        }
    }
}

}  // namespace
}  // namespace recibo
