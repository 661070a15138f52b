// Where the totals block stands for a receipt of n rows, worked from the row height of 315 twips.

#include <gtest/gtest.h>

#include "receipt_layout.h"

namespace recibo::receipt {
namespace {

struct LayoutCase {
    std::size_t rows;
    TotalsLayout layout;
};

TEST(TotalsLayout, StandsBelowTheLastRow)
{
    const LayoutCase cases[] = {
        {0, {2350, 1050, 1250, 1550, 1650, 1950, 2050, 2350}},
        {10, {5500, 4200, 4400, 4700, 4800, 5100, 5200, 5500}},
        {26, {10540, 9240, 9440, 9740, 9840, 10140, 10240, 10540}},
    };
    for (const auto &c : cases) {
        const TotalsLayout got = totalsLayout(c.rows);
        EXPECT_EQ(got.rulesBottom, c.layout.rulesBottom) << c.rows;
        EXPECT_EQ(got.line6, c.layout.line6) << c.rows;
        EXPECT_EQ(got.haberesTop, c.layout.haberesTop) << c.rows;
        EXPECT_EQ(got.line15, c.layout.line15) << c.rows;
        EXPECT_EQ(got.descuentosTop, c.layout.descuentosTop) << c.rows;
        EXPECT_EQ(got.line16, c.layout.line16) << c.rows;
        EXPECT_EQ(got.liquidoTop, c.layout.liquidoTop) << c.rows;
        EXPECT_EQ(got.line17, c.layout.line17) << c.rows;
    }
}

}  // namespace
}  // namespace recibo::receipt
