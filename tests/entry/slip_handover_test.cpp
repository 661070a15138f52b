// "Calcular" tells the receipt window which entries its receipt was computed from, and «Usar estos
// datos» in the slip comparison puts an explanation's entries into the window and computes again.

#include "entry_fixture.h"

namespace {

class SlipHandoverTest : public EntryTest {
protected:
    void calculatePosition734()
    {
        chooseCode(QStringLiteral("734"));
        clickInDialog("Command1");
        click("Option4");
        click("Command1");
    }
};

TEST_F(SlipHandoverTest, CalcularHandsTheEntriesBeforeTheReceipt)
{
    calculatePosition734();
    ASSERT_EQ(record.entries.size(), 1u);
    ASSERT_EQ(record.shown.size(), 1u);
    EXPECT_EQ(record.entries[0].category, recibo::Category::Cargo);
    EXPECT_EQ(record.entries[0].codigocargo, "734");
    EXPECT_EQ(record.entries[0].seniorityOption, 4);
}

TEST_F(SlipHandoverTest, UsarEstosDatosShowsTheExplanationsEntriesAndComputesAgain)
{
    calculatePosition734();
    ASSERT_TRUE(record.useEntries);
    recibo::Snapshot explained = record.entries.back();
    explained.seniorityOption = 9;
    explained.pctantig = recibo::builtInPeriod().seniority[8].percent;
    explained.porcantig = recibo::percentText(explained.pctantig);
    explained.hijos = true;
    explained.cantidadhijos = "2";
    // "Volver" first, as the teacher may have done: the category is chosen again by the entries.
    record.volver();
    record.useEntries(explained);

    ASSERT_EQ(record.shown.size(), 2u);
    const recibo::Snapshot shown = window->snapshot();
    EXPECT_EQ(shown.category, recibo::Category::Cargo);
    EXPECT_EQ(shown.codigocargo, "734");
    EXPECT_EQ(shown.seniorityOption, 9);
    EXPECT_EQ(shown.porcantig, explained.porcantig);
    EXPECT_TRUE(shown.hijos);
    EXPECT_EQ(shown.cantidadhijos, "2");
    EXPECT_EQ(record.entries.back().seniorityOption, 9);
    // The second receipt is the one of those entries: it pays for two children.
    const recibo::Receipt &receipt = record.shown.back();
    const auto child = std::find_if(receipt.rows.begin(), receipt.rows.begin() + receipt.rowCount,
                                    [](const recibo::ReceiptRow &row) { return row.code == "1001"; });
    ASSERT_NE(child, receipt.rows.begin() + receipt.rowCount);
    EXPECT_EQ(child->middle, "2");
}

}  // namespace
