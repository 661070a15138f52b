// Amounts typed as pay slips print them: which texts read, to what, and which are refused.

#include <gtest/gtest.h>

#include <ostream>

#include "slip.h"

namespace recibo {
namespace {

struct Accepted {
    const char *text;
    std::int64_t count;  // ten-thousandths
};

void PrintTo(const Accepted &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class SlipAmountReads : public testing::TestWithParam<Accepted> {};

TEST_P(SlipAmountReads, AsTheSlipMeantIt)
{
    const auto amount = readSlipAmount(GetParam().text);
    ASSERT_TRUE(amount) << GetParam().text;
    EXPECT_EQ(amount->count(), GetParam().count) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SlipAmountReads,
    testing::Values(Accepted{"$ 1.234,56", 12'345'600}, Accepted{"1234.56", 12'345'600}, Accepted{"1.234", 12'340'000},
                    Accepted{"$885", 8'850'000}, Accepted{"72,32", 723'200}, Accepted{"1.234,5", 12'345'000},
                    Accepted{"72.3163", 723'163}, Accepted{"1,234.56", 12'345'600},
                    Accepted{"1.234.567,89", 12'345'678'900}, Accepted{"  $  0,59  ", 5'900}, Accepted{"12", 120'000},
                    Accepted{"0,5", 5'000}, Accepted{"-$ 5,50", -55'000}, Accepted{"$ -5,50", -55'000},
                    Accepted{"$-1.234", -12'340'000},
                    // Three digits after a mark group thousands, even where a receipt would show three decimals.
                    Accepted{"\t$ 641,028\t", 6'410'280'000},
                    // More places than money keeps round half to even.
                    Accepted{"0,00005", 0}, Accepted{"0,00015", 2}, Accepted{"1.234,56789", 12'345'679}));

class SlipAmountRefuses : public testing::TestWithParam<const char *> {};

TEST_P(SlipAmountRefuses, WhatNoSlipPrints) { EXPECT_FALSE(readSlipAmount(GetParam())) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(
    Texts, SlipAmountRefuses,
    testing::Values("12,34,56", "abc", "", "   ", "$", "-", "1.234.5", "1,234,5", "1.234,567", "1234.567", "0.500",
                    ".5", "5.", "1..2", "$$5", "5$", "--5", "-$-5", "1 234", "12a", "1e5", "+5", "1.2.3"));

}  // namespace
}  // namespace recibo
