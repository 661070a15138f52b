// Receipts from the pay computation itself, shown cell by cell as computed: the golden cases of
// the largest receipt in both decimal separators and a short hours receipt.
#include "computed_cases.h"
#include "receipt_layout.h"
#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

class ComputedReceiptTest : public ReceiptWindowTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(ComputedReceiptTest, EveryComputedCellIsShownWhereItBelongsAndFits)
{
    const Receipt receipt = computedCase(GetParam());
    ASSERT_GT(receipt.rowCount, 0u);
    window->showReceipt(receipt);
    const int line2 = line("Line2")->x();
    const int line1 = line("Line1")->x();
    const auto fits = [](QLabel *cell) {
        return cell->fontMetrics().horizontalAdvance(cell->text()) <= cell->width();
    };
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        SCOPED_TRACE(i);
        const ReceiptRow &row = receipt.rows[i];
        EXPECT_EQ(label(slot("cod", i))->text(), qs(row.code));
        EXPECT_EQ(label(slot("Label19", i))->text(), qs(row.description));
        EXPECT_TRUE(fits(label(slot("Label19", i))));
        EXPECT_EQ(label(slot("Label10", i))->isVisible(), row.middle.has_value());
        if (row.middle) {
            EXPECT_EQ(label(slot("Label10", i))->text(), QString::fromStdString(*row.middle));
            EXPECT_TRUE(fits(label(slot("Label10", i))));
        }
        const bool earnings = row.column == AmountColumn::Earnings;
        QLabel *amount = label(slot("Label1", earnings ? i : i + kRowSlots));
        EXPECT_TRUE(amount->isVisible());
        EXPECT_FALSE(label(slot("Label1", earnings ? i + kRowSlots : i))->isVisible());
        EXPECT_EQ(amount->text(), QString::fromStdString(row.amount));
        EXPECT_TRUE(fits(amount));
        EXPECT_GT(amount->x(), earnings ? line2 : line1);
    }
    for (std::size_t i = receipt.rowCount; i < kRowSlots; ++i) {
        EXPECT_FALSE(label(slot("cod", i))->isVisible()) << i;
    }
    EXPECT_EQ(label("thaberes")->text(), QString::fromStdString(receipt.totals.thaberes));
    EXPECT_EQ(label("tdescuentos")->text(), QString::fromStdString(receipt.totals.tdescuentos));
    EXPECT_EQ(label("liquido")->text(), QString::fromStdString(receipt.totals.liquido));
    EXPECT_EQ(label("docente")->text(), QString::fromStdString(receipt.docente));
    EXPECT_EQ(line("Line17")->property("y2").toInt(), totalsLayout(receipt.rowCount).line17);
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, ComputedReceiptTest,
                         ::testing::Values("largest_receipt.json", "largest_receipt_comma.json",
                                           "hours_medio_12.json", "position_734_rows_001_002_016.json"));

TEST_F(ReceiptWindowTest, TheLargestComputedReceiptUsesTwentySixSlots)
{
    const Receipt receipt = computedCase("largest_receipt.json");
    EXPECT_EQ(receipt.rowCount, 26u);
    window->showReceipt(receipt);
    EXPECT_TRUE(label("cod(25)")->isVisible());
    EXPECT_FALSE(label("cod(26)")->isVisible());
}

}  // namespace
}  // namespace recibo::receipt::testing
