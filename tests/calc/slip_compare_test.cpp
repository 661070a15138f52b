// The receipt compared with a typed slip line by line: which lines coincide within half a cent, the
// code that stands twice, codes the receipt lacks, lines left empty or unreadable; and the slip's
// lines kept as typed.

#include <gtest/gtest.h>

#include <variant>

#include "builtin_period.h"
#include "compute.h"
#include "slip.h"

namespace recibo {
namespace {

// Position 650 with both 052 rows, seniority and transport: "$839.52", "$ 41.32", "$ 439.53" ...
Receipt receiptWithTwo052Rows()
{
    Snapshot s;
    s.category = Category::Cargo;
    s.punbas = "1000";
    s.compbas = "70";
    s.jorcom = "10";
    s.proljor = "750";
    s.tardif = "0";
    s.seniorityOption = 4;
    s.pctantig = 30;
    s.porcantig = "30 %";
    const Outcome outcome = compute(s, builtInPeriod(), ',');
    return std::get<Receipt>(outcome);
}

const SlipLine &lineOf(const SlipComparison &comparison, std::string_view code, std::size_t occurrence = 0)
{
    for (const SlipLine &line : comparison.lines)
        if (line.code == code && line.occurrence == occurrence)
            return line;
    static const SlipLine none;
    ADD_FAILURE() << "no line " << code << " " << occurrence;
    return none;
}

// Always four places: three would read as a group of thousands.
std::string fourPlaces(Money amount)
{
    const std::string digits = std::to_string(amount.count() + 10'000'000'000);  // leading zeros kept
    return std::to_string(amount.count() / 10'000) + "," + digits.substr(digits.size() - 4);
}

std::string shifted(const std::optional<Money> &amount, std::int64_t count)
{
    return fourPlaces(amount.value_or(Money()) + Money::fromCount(count));
}

struct Typed {
    const char *name;
    std::int64_t offset;  // ten-thousandths added to the calculated amount
    LineState state;
};

void PrintTo(const Typed &t, std::ostream *os) { *os << t.name; }

class SlipLineState : public testing::TestWithParam<Typed> {};

TEST_P(SlipLineState, CoincidesWithinHalfACent)
{
    const Receipt receipt = receiptWithTwo052Rows();
    const SlipComparison plain = compareSlip(receipt, {}, builtInPeriod());
    Slip slip;
    setTypedAmount(slip, "010", 0, shifted(lineOf(plain, "010").calculated, GetParam().offset));
    const SlipComparison compared = compareSlip(receipt, slip, builtInPeriod());
    const SlipLine &line = lineOf(compared, "010");
    EXPECT_EQ(line.state, GetParam().state);
    EXPECT_EQ(line.difference(), Money::fromCount(GetParam().offset));
    EXPECT_EQ(compared.compared, 1u);
    EXPECT_EQ(compared.matching, GetParam().state == LineState::Matches ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Offsets, SlipLineState,
                         testing::Values(Typed{"exact", 0, LineState::Matches},
                                         Typed{"half_a_cent_more", 50, LineState::Matches},
                                         Typed{"half_a_cent_less", -50, LineState::Matches},
                                         Typed{"just_past_half_a_cent", 51, LineState::Differs},
                                         Typed{"just_below_half_a_cent", -51, LineState::Differs},
                                         Typed{"five_pesos_more", 50'000, LineState::Differs}));

TEST(SlipComparison, TheSecondRowOfACodeTakesTheSecondAmount)
{
    const Receipt receipt = receiptWithTwo052Rows();
    Slip slip;
    setTypedAmount(slip, "052", 1, "$ 1,00");
    const SlipComparison comparison = compareSlip(receipt, slip, builtInPeriod());
    EXPECT_EQ(lineOf(comparison, "052", 0).state, LineState::NotTyped);
    const SlipLine &second = lineOf(comparison, "052", 1);
    EXPECT_EQ(second.description, "Prol. de Jornada");
    EXPECT_EQ(second.state, LineState::Differs);
    EXPECT_EQ(second.difference(), Money::whole(1) - *second.calculated);
}

TEST(SlipComparison, ACodeTheReceiptLacksComparesWithNothingPaidAndIsNamed)
{
    const Receipt receipt = receiptWithTwo052Rows();
    Slip slip;
    setTypedAmount(slip, "1010", 0, "$ 15,00");
    setTypedAmount(slip, "505", 0, "0");
    setTypedAmount(slip, "9999", 0, "3");
    const SlipComparison comparison = compareSlip(receipt, slip, builtInPeriod());
    const SlipLine &spouse = lineOf(comparison, "1010");
    EXPECT_FALSE(spouse.calculated);
    EXPECT_EQ(spouse.description, "Sal fam Cony");
    EXPECT_EQ(spouse.state, LineState::Differs);
    EXPECT_EQ(spouse.difference(), Money::whole(15));
    EXPECT_EQ(lineOf(comparison, "505").description, "IOSPER");
    EXPECT_EQ(lineOf(comparison, "505").state, LineState::Matches);
    EXPECT_EQ(lineOf(comparison, "9999").description, "");
    // They follow the receipt's rows and totals, in the order typed.
    EXPECT_EQ(comparison.lines.back().code, "9999");
    EXPECT_EQ(comparison.lines[comparison.lines.size() - 4].code, "liquido");
    EXPECT_EQ(comparison.compared, 3u);
}

TEST(SlipComparison, EmptyAndUnreadableLinesAreNotCompared)
{
    const Receipt receipt = receiptWithTwo052Rows();
    Slip slip;
    setTypedAmount(slip, "001", 0, "12,34,56");
    setTypedAmount(slip, "thaberes", 0, "   ");
    setTypedAmount(slip, "liquido", 0, shifted(receiptAmount(receipt, "liquido", 0), 0));
    const SlipComparison comparison = compareSlip(receipt, slip, builtInPeriod());
    EXPECT_EQ(lineOf(comparison, "001").state, LineState::Unreadable);
    EXPECT_EQ(lineOf(comparison, "001").typed, "12,34,56");
    EXPECT_EQ(lineOf(comparison, "thaberes").state, LineState::NotTyped);
    EXPECT_EQ(lineOf(comparison, "liquido").state, LineState::Matches);
    EXPECT_EQ(lineOf(comparison, "liquido").description, "Liquido a pagar");
    EXPECT_EQ(comparison.compared, 1u);
    EXPECT_FALSE(comparison.differs());
}

TEST(Slip, LinesAreKeptAsTypedAndEmptiedLinesLeaveNothing)
{
    Slip slip;
    setTypedAmount(slip, "052", 1, "1,42");
    setTypedAmount(slip, "tdescuentos", 0, "$ 10");
    EXPECT_EQ(typedAmount(slip, "052", 0), "");
    EXPECT_EQ(typedAmount(slip, "052", 1), "1,42");
    EXPECT_EQ(typedAmount(slip, "tdescuentos", 0), "$ 10");
    ASSERT_EQ(slip.rows.size(), 1u);
    EXPECT_EQ(slip.rows[0].amounts, (std::vector<std::string>{"", "1,42"}));
    setTypedAmount(slip, "052", 1, "");
    EXPECT_TRUE(slip.rows.empty());
    EXPECT_EQ(slip, (Slip{{}, {"", "$ 10", ""}}));
}

}  // namespace
}  // namespace recibo
