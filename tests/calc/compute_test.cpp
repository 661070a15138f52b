#include <gtest/gtest.h>

#include <random>

#include "compute.h"

namespace recibo {
namespace {

Snapshot position734()
{
    Snapshot s;
    s.category = Category::Cargo;
    s.codigocargo = "734";
    s.puntosbasicos = "1500";
    s.cargox = "Asistente Social";
    s.punbas = "1500";
    s.compbas = "101";
    s.jorcom = "0";
    s.proljor = "0";
    s.tardif = "150";
    return s;
}

const ReceiptRow *findRow(const Receipt &receipt, std::string_view code)
{
    for (std::size_t i = 0; i < receipt.rowCount; ++i)
        if (receipt.rows[i].code == code)
            return &receipt.rows[i];
    return nullptr;
}

TEST(Compute, NothingOfAnEarlierCalculationReachesALaterOne)
{
    Snapshot rich = position734();
    rich.transporte = true;
    rich.cantkm = "300";
    rich.hijos = true;
    rich.cantidadhijos = "2";
    rich.Iosper = true;
    const Outcome first = compute(rich, '.');
    ASSERT_TRUE(std::holds_alternative<Receipt>(first));

    Snapshot hours;
    hours.category = Category::HorasMedio;
    hours.numerohorasmed = "12";
    const Outcome after = compute(hours, '.');
    const Outcome fresh = compute(hours, '.');
    ASSERT_TRUE(std::holds_alternative<Receipt>(after));
    const Receipt &a = std::get<Receipt>(after);
    const Receipt &b = std::get<Receipt>(fresh);
    EXPECT_EQ(a.rowCount, b.rowCount);
    EXPECT_EQ(a.totals.thaberes, b.totals.thaberes);
    EXPECT_EQ(findRow(a, "002"), nullptr);
    EXPECT_EQ(findRow(a, "029"), nullptr);
    EXPECT_FALSE(a.header.pointBoxesVisible);
}

TEST(Compute, FailureNamesTheFirstFieldInEvaluationOrder)
{
    Snapshot s = position734();
    s.jorcom = "x";
    s.dinasist = "y";
    s.hijos = true;
    s.cantidadhijos = "z";
    const Outcome outcome = compute(s, '.');
    ASSERT_TRUE(std::holds_alternative<Failure>(outcome));
    EXPECT_EQ(std::get<Failure>(outcome).field, "jorcom");
    EXPECT_EQ(std::get<Failure>(outcome).text, "x");
}

TEST(Compute, NoTypedTextMakesItThrowOrOverflowTheSlots)
{
    const char *const texts[] = {"",     "-",      ",",   "1,2,3", "1e5", "99999999999999999999",
                                 " 12 ", "08",     "+7,5", "-32768", "32767", "255", "81", "82",
                                 "1",    "3.5",    "0",   "-1",     "abc", "1.5"};
    std::mt19937 random(12345);
    auto pick = [&] { return std::string(texts[random() % std::size(texts)]); };
    for (int round = 0; round < 3000; ++round) {
        Snapshot s;
        s.category = static_cast<Category>(random() % 4);
        s.punbas = pick();
        s.compbas = pick();
        s.jorcom = pick();
        s.proljor = pick();
        s.tardif = pick();
        s.numerohorasmed = pick();
        s.numerohorassup = pick();
        s.numhorascod06 = pick();
        s.numhorasincen = pick();
        s.numhorascod113 = pick();
        s.seniorityOption = static_cast<int>(random() % 13);
        s.pctantig = static_cast<std::uint8_t>(random() % 121);
        s.zona = static_cast<int>(random() % 7) - 1;
        s.transporte = random() % 2;
        s.hijos = random() % 2;
        s.hijosdisc = random() % 2;
        s.conyuge = s.Iosper = s.Osplad = s.APORTEJUB = s.Ley4035 = s.TOVIL = s.cajacomp =
            s.Seguro3011 = random() % 2;
        s.cantkm = pick();
        s.dinasist = pick();
        s.cantidadhijos = pick();
        s.cantidadhijosdisc = pick();
        const Outcome outcome = compute(s, random() % 2 ? '.' : ',');
        if (const auto *receipt = std::get_if<Receipt>(&outcome)) {
            EXPECT_LE(receipt->rowCount, 26u);
        }
    }
}

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
}  // namespace recibo
