#include <gtest/gtest.h>

#include <random>

#include "builtin_period.h"
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
    const Outcome first = compute(rich, builtInPeriod(), '.');
    ASSERT_TRUE(std::holds_alternative<Receipt>(first));

    Snapshot hours;
    hours.category = Category::HorasMedio;
    hours.numerohorasmed = "12";
    const Outcome after = compute(hours, builtInPeriod(), '.');
    const Outcome fresh = compute(hours, builtInPeriod(), '.');
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
    const Outcome outcome = compute(s, builtInPeriod(), '.');
    ASSERT_TRUE(std::holds_alternative<Failure>(outcome));
    EXPECT_EQ(std::get<Failure>(outcome).field, "jorcom");
    EXPECT_EQ(std::get<Failure>(outcome).text, "x");
}

TEST(Compute, NoTypedTextMakesItThrowOrOverflowTheSlots)
{
    const char *const texts[] = {"",     "-",      ",",   "1,2,3", "1e5", "99999999999999999999",
                                 " 12 ", "08",     "+7,5", "-32768", "32767", "255", "81", "82",
                                 "1",    "3.5",    "0",   "-1",     "abc", "1.5", "1000000000", "922337203685477"};
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
        const Outcome outcome = compute(s, builtInPeriod(), random() % 2 ? '.' : ',');
        if (const auto *receipt = std::get_if<Receipt>(&outcome)) {
            EXPECT_LE(receipt->rowCount, 26u);
        }
    }
}

// Texts go in as std::string: assigning a C string here, inlined at -O2, trips a false GCC 12
// -Wrestrict report inside std::string.
Snapshot editedPosition(const std::string &basic, const std::string &fullDay, int option)
{
    const std::string zero = "0";
    Snapshot s;
    s.category = Category::Cargo;
    s.punbas = basic;
    s.compbas = zero;
    s.jorcom = fullDay;
    s.proljor = zero;
    s.tardif = zero;
    s.seniorityOption = option;
    return s;
}

std::string amountOf(const Outcome &outcome, std::string_view code)
{
    const auto *receipt = std::get_if<Receipt>(&outcome);
    if (!receipt)
        return "failed";
    const ReceiptRow *row = findRow(*receipt, code);
    return row ? row->amount : "no row";
}

struct Decree006Case {
    const char *basic;
    const char *fullDay;
    int option;
    const char *amount;
};

TEST(Decree006, BandLimitsSelectTheirCells)
{
    const Decree006Case cases[] = {
        // Option4 row: 225, 195, 240, 193, 180, 0 | full day 380, 350
        {"971", "0", 4, "$ 225"},   {"972", "0", 4, "$ 195"},   {"1169", "0", 4, "$ 195"},
        {"1170", "0", 4, "$ 240"},  {"1400", "0", 4, "$ 240"},  {"1401", "0", 4, "$ 193"},
        {"1942", "0", 4, "$ 193"},  {"1943", "0", 4, "$ 180"},  {"2220", "0", 4, "$ 180"},
        {"2221", "0", 4, "$ 0"},    {"971", "619", 4, "$ 225"}, {"971", "620", 4, "$ 380"},
        {"972", "620", 4, "$ 350"}, {"2500", "700", 12, "$ 510"}, {"900", "700", 12, "$ 620"},
        {"900", "0", 0, "$ 80"},    {"1500", "620", 1, "$ 0"},  {"2300", "0", 5, "$ 140"},
        {"1000", "0", 2, "$ 90"},   {"1300", "0", 9, "$ 395"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(amountOf(compute(editedPosition(c.basic, c.fullDay, c.option), builtInPeriod(), '.'), "006"), c.amount)
            << "basic " << c.basic << ", full day " << c.fullDay << ", option " << c.option;
}

struct NationalCase {
    bool incentive;
    const char *fullDay;
    const char *amount084;
    const char *amount113;
};

TEST(National, FullDayPointsOf600OrMoreDoubleTheAmounts)
{
    const NationalCase cases[] = {
        {false, "599", "no row", "$ 100"},
        {false, "600", "no row", "$ 200"},
        {true, "599", "$ 110", "$ 100"},
        {true, "600", "$ 220", "$ 200"},
    };
    for (const auto &c : cases) {
        Snapshot s = editedPosition("1500", c.fullDay, 0);
        s.opincentivo = c.incentive;
        const Outcome outcome = compute(s, builtInPeriod(), '.');
        EXPECT_EQ(amountOf(outcome, "084"), c.amount084) << c.fullDay;
        EXPECT_EQ(amountOf(outcome, "113"), c.amount113) << c.fullDay;
    }
}

struct AbsenceCase {
    const char *days;
    const char *withheld;
};

TEST(Absence, DaysWithholdTheirShareOfProductivity)
{
    // Base 1000 (basic 0, complement 1000 / 0.59): item 188 = 1000 x 0.07 = 70.
    const AbsenceCase cases[] = {
        {"1", "$ 17.5"}, {"2", "$ 35"}, {"3", "$ 52.5"}, {"3.5", "$ 70"}, {"4", "$ 70"},
        {"10", "$ 70"},  {"0", "no row"}, {"1.5", "no row"}, {"2,5", "no row"}, {"-2", "no row"},
    };
    for (const auto &c : cases) {
        Snapshot s = editedPosition("0", "0", 0);
        s.compbas = "1694.9152542372881";
        s.dinasist = c.days;
        const Outcome outcome = compute(s, builtInPeriod(), '.');
        ASSERT_EQ(amountOf(outcome, "188"), "$ 70");
        EXPECT_EQ(amountOf(outcome, "440"), c.withheld) << c.days;
    }
}

struct TransportCase {
    const char *km;
    const char *amount;
};

TEST(Transport, PaysPerKilometreUpToTheCeiling)
{
    const TransportCase cases[] = {
        {"300", "$ 161.664"}, {"301", "$ 161.8"}, {"0", "$ 0"}, {"10", "$ 5.3888"},
        {"10.5", "$ 5.3888"},  // halves to even: 10 km
        {"11.5", "$ 6.4666"},  // 12 km: 12 x 0.13472 x 4 = 6.46656
    };
    for (const auto &c : cases) {
        Snapshot s = editedPosition("1000", "0", 0);
        s.transporte = true;
        s.cantkm = c.km;
        EXPECT_EQ(amountOf(compute(s, builtInPeriod(), '.'), "029"), c.amount) << c.km;
    }
}

TEST(Seniority, MiddleCellShowsTheTextOfTheSeniorityBox)
{
    Snapshot s = editedPosition("1000", "0", 10);
    s.pctantig = 100;
    s.porcantig = "100 %";
    const Outcome outcome = compute(s, builtInPeriod(), ',');
    const auto &receipt = std::get<Receipt>(outcome);
    const ReceiptRow *row = findRow(receipt, "010");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->middle, "100 %");
    EXPECT_EQ(row->amount, "$ 590");
}

}  // namespace
}  // namespace recibo
