#include <gtest/gtest.h>

#include <ostream>

#include <limits>

#include "money.h"

namespace recibo {
namespace {

struct ToMoneyCase {
    const char *rule;
    double value;
    std::int64_t count;
};

void PrintTo(const ToMoneyCase &c, std::ostream *os) { *os << c.rule; }

class ToMoneyTest : public testing::TestWithParam<ToMoneyCase> {};

TEST_P(ToMoneyTest, RoundsTheExactDoubleToTheNearestTenThousandth)
{
    EXPECT_EQ(toMoney(GetParam().value).count(), GetParam().count) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToMoneyTest,
    testing::Values(
        ToMoneyCase{"2913 x 0.59 falls just short of the cent", 2913 * 0.59, 17186700},
        ToMoneyCase{"the double 1718.6699999999998 is 1718.67", 1718.6699999999998, 17186700},
        ToMoneyCase{"the double 381.72999999999996 is 381.73", 381.72999999999996, 3817300},
        ToMoneyCase{"0.00005 is stored just above the half", 0.00005, 1},
        ToMoneyCase{"0.00015 is stored just below the half", 0.00015, 1},
        ToMoneyCase{"12.34565 is stored below the half", 12.34565, 123456},
        ToMoneyCase{"a true binary half goes to the even neighbour below", 0.03125, 312},
        ToMoneyCase{"a true binary half goes to the even neighbour above", 0.09375, 938},
        ToMoneyCase{"a quarter hour of secondary level lies above the half", 0.25 * 64.7 * 0.59, 95433},
        ToMoneyCase{"a negative amount rounds the same way", -3.5, -35000},
        ToMoneyCase{"37.037034 keeps four decimals", 37.037034, 370370},
        ToMoneyCase{"zero", 0.0, 0}));

TEST(ToMoney, ProductThatRoundsToAHalfIsDecidedByTheExactValue)
{
    // 0.00025 * 10000 gives exactly 2.5 in double precision, but the stored 0.00025 is above it.
    ASSERT_EQ(0.00025 * 10000.0, 2.5);
    EXPECT_EQ(toMoney(0.00025).count(), 3);
    // 0.00035 * 10000 gives 3.5 too, while the stored value is below it.
    ASSERT_EQ(0.00035 * 10000.0, 3.5);
    EXPECT_EQ(toMoney(0.00035).count(), 3);
}

struct TextCase {
    const char *rule;
    std::int64_t count;
    char separator;
    const char *text;
};

void PrintTo(const TextCase &c, std::ostream *os) { *os << c.rule; }

class MoneyTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(MoneyTextTest, ShowsOnlyTheFractionDigitsThatAreNotZero)
{
    EXPECT_EQ(moneyText(Money::fromCount(GetParam().count), GetParam().separator), GetParam().text)
        << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyTextTest,
    testing::Values(TextCase{"whole amount has no separator", 5900000, '.', "590"},
                    TextCase{"two decimals", 17186700, '.', "1718.67"},
                    TextCase{"three decimals, not cut to cents", 2672110, '.', "267.211"},
                    TextCase{"four decimals", 2862975, '.', "286.2975"},
                    TextCase{"negative", -35000, '.', "-3.5"},
                    TextCase{"negative below one", -5, '.', "-0.0005"},
                    TextCase{"zero", 0, '.', "0"},
                    TextCase{"decimal comma", 10266000, ',', "1026,6"},
                    TextCase{"no digit grouping", 123456789012345, '.', "12345678901.2345"},
                    TextCase{"most negative count", std::numeric_limits<std::int64_t>::min(), '.',
                             "-922337203685477.5808"}));

TEST(Money, SumsAndDifferencesAreExact)
{
    Money total;
    for (int i = 0; i < 10; ++i)
        total = total + Money::fromCount(1000);  // ten times 0.1
    EXPECT_EQ(total, Money::whole(1));
    EXPECT_EQ((Money::whole(1290) - Money::fromCount(7882240)).count(), 5017760);
    EXPECT_EQ(Money::fromCount(12345678).times(120).count(), 1481481360);
}

TEST(Money, AsDoubleDividesTheCount)
{
    // Dividing by 10000.0 and multiplying by 0.0001 differ in the last bit for this count.
    EXPECT_EQ(Money::fromCount(3).toDouble(), 3 / 10000.0);
    EXPECT_EQ(Money::fromCount(12345678).toDouble(), 12345678 / 10000.0);
}

struct DoubleTextCase {
    double value;
    char separator;
    const char *text;
};

void PrintTo(const DoubleTextCase &c, std::ostream *os) { *os << c.text; }

class DoubleTextTest : public testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleTextTest, HasAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(doubleText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleTextTest,
                         testing::Values(DoubleTextCase{12 * 64.7, '.', "776.4"},
                                         DoubleTextCase{0.7, '.', "0.7"},
                                         DoubleTextCase{0.7, ',', "0,7"},
                                         DoubleTextCase{10 * 64.7, '.', "647"},
                                         DoubleTextCase{5 * 86.9, ',', "434,5"},
                                         DoubleTextCase{7.5 * 64.7, '.', "485.25"},
                                         DoubleTextCase{-3.25, '.', "-3.25"},
                                         DoubleTextCase{0.0, '.', "0"},
                                         DoubleTextCase{-0.0, '.', "0"},
                                         DoubleTextCase{1.0 / 3.0, '.', "0.333333333333333"}));

}  // namespace
}  // namespace recibo
