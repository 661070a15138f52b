#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <optional>
#include <string>

#include "number_text.h"

namespace recibo {
namespace {

// Texts that convert to no kind of number at all; the last is a UTF-8 no-break space and "5".
const char *const kNotNumbers[] = {"",    " ",      "-",   "+",     ",",     ".",    "1,2,3",
                                   "1.2.3", "1,2.3", "1e5", "abc",   "12a",   "a12",  "1 2",
                                   "--1",  "+-1",   "0x10", "inf",  "nan",   "1,5,2", ("\xc2\xa0" "5")};

TEST(NumberText, TextsThatAreNotNumbersConvertToNothing)
{
    for (const char *text : kNotNumbers) {
        EXPECT_FALSE(readDouble(text)) << '"' << text << '"';
        EXPECT_FALSE(readWhole16(text)) << '"' << text << '"';
        EXPECT_FALSE(readCount(text)) << '"' << text << '"';
        EXPECT_FALSE(readMoney(text)) << '"' << text << '"';
    }
}

struct DoubleCase {
    const char *text;
    double value;
};

void PrintTo(const DoubleCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class ReadDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ReadDoubleTest, GivesTheNearestDouble)
{
    const auto value = readDouble(GetParam().text);
    ASSERT_TRUE(value) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadDoubleTest,
                         testing::Values(DoubleCase{"12", 12.0}, DoubleCase{" 12 ", 12.0},
                                         DoubleCase{"\t7.5\t", 7.5}, DoubleCase{"7,5", 7.5},
                                         DoubleCase{"+7,5", 7.5}, DoubleCase{"-2.25", -2.25},
                                         DoubleCase{"08", 8.0}, DoubleCase{".5", 0.5},
                                         DoubleCase{"5.", 5.0}, DoubleCase{"0,1", 0.1},
                                         DoubleCase{"99999999999999999999", 1e20},
                                         DoubleCase{"29.5", 29.5}));

TEST(NumberText, TextsBelowTheSmallestDoubleReadAsZeroLikeTheWholeReaders)
{
    // Built by appending: "literal" + std::string trips GCC 12's false -Wrestrict at -O3.
    std::string tiny = "0,";
    tiny.append(400, '0').push_back('1');
    std::string negative = "-";
    negative += tiny;
    for (const std::string &text : {tiny, negative}) {
        const auto value = readDouble(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(*value, 0.0) << text;
        EXPECT_EQ(std::signbit(*value), text.front() == '-') << text;
        EXPECT_EQ(readWhole16(text), 0) << text;
    }
    // Above the largest double there is no nearest one.
    EXPECT_FALSE(readDouble(std::string(400, '9')));
}

struct WholeCase {
    const char *text;
    std::optional<int> whole16;
    std::optional<int> count;
};

void PrintTo(const WholeCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class ReadWholeTest : public testing::TestWithParam<WholeCase> {};

TEST_P(ReadWholeTest, RoundsHalvesToEvenWithinRange)
{
    const WholeCase &c = GetParam();
    const auto whole = readWhole16(c.text);
    const auto count = readCount(c.text);
    EXPECT_EQ(whole ? std::optional<int>(*whole) : std::nullopt, c.whole16) << c.text;
    EXPECT_EQ(count ? std::optional<int>(*count) : std::nullopt, c.count) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWholeTest,
    testing::Values(WholeCase{"0", 0, 0}, WholeCase{" 12 ", 12, 12}, WholeCase{"08", 8, 8},
                    WholeCase{"+7", 7, 7}, WholeCase{"2.5", 2, 2}, WholeCase{"3,5", 4, 4},
                    WholeCase{"2.50001", 3, 3}, WholeCase{"2.4999", 2, 2},
                    WholeCase{"0.5", 0, 0}, WholeCase{"-0.5", 0, 0}, WholeCase{"-0,4", 0, 0},
                    WholeCase{"255", 255, 255}, WholeCase{"255.5", 256, std::nullopt},
                    WholeCase{"256", 256, std::nullopt}, WholeCase{"-1", -1, std::nullopt},
                    WholeCase{"32767", 32767, std::nullopt},
                    WholeCase{"32767.5", std::nullopt, std::nullopt},
                    WholeCase{"32768", std::nullopt, std::nullopt},
                    WholeCase{"-32768", -32768, std::nullopt},
                    WholeCase{"-32768.5", -32768, std::nullopt},
                    WholeCase{"-32769", std::nullopt, std::nullopt},
                    WholeCase{"99999999999999999999", std::nullopt, std::nullopt},
                    // 2^64 + 12 and -(2^64 + 1): a reader that wrapped at 64 bits would take 12 and -1.
                    WholeCase{"18446744073709551628", std::nullopt, std::nullopt},
                    WholeCase{"-18446744073709551617", std::nullopt, std::nullopt},
                    WholeCase{"9223372036854775807", std::nullopt, std::nullopt},
                    WholeCase{"0000000000000000000000000012", 12, 12}));

struct MoneyCase {
    const char *text;
    std::optional<std::int64_t> count;
};

void PrintTo(const MoneyCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class ReadMoneyTest : public testing::TestWithParam<MoneyCase> {};

TEST_P(ReadMoneyTest, KeepsTheExactDecimalToFourPlaces)
{
    const auto money = readMoney(GetParam().text);
    EXPECT_EQ(money ? std::optional<std::int64_t>(money->count()) : std::nullopt, GetParam().count)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadMoneyTest,
    testing::Values(MoneyCase{"150", 1500000}, MoneyCase{" 17 ", 170000},
                    MoneyCase{"0,1", 1000}, MoneyCase{"1234.5678", 12345678},
                    MoneyCase{"0.00005", 0}, MoneyCase{"0.00015", 2},
                    MoneyCase{"0.000050001", 1}, MoneyCase{"-3.5", -35000},
                    MoneyCase{"922337203685477.5807", 9223372036854775807},
                    MoneyCase{"922337203685477.5808", std::nullopt},
                    MoneyCase{"-922337203685477.5807", -9223372036854775807},
                    MoneyCase{"-922337203685477.5808", std::nullopt},
                    // The last half rounds ...5807 up to one past the largest count, ...5806 stays even.
                    MoneyCase{"922337203685477.58075", std::nullopt},
                    MoneyCase{"922337203685477.58065", 9223372036854775806},
                    // (2^64 + 12) ten-thousandths: wrapping at 64 bits would give 12.
                    MoneyCase{"1844674407370955.1628", std::nullopt},
                    MoneyCase{"99999999999999999999", std::nullopt}));

}  // namespace
}  // namespace recibo
