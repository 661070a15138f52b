// A copy of the built-in period with one figure changed pays differently exactly where that figure
// is used: the rows that use it and the totals, nothing else.

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <variant>

#include "builtin_period.h"
#include "compute.h"
#include "period_reader.h"

namespace recibo {
namespace {

// Every item of the receipt at once: 26 rows.
Snapshot largestReceipt()
{
    Snapshot s;
    s.category = Category::Cargo;
    s.punbas = "901";
    s.compbas = s.jorcom = s.proljor = s.tardif = "1";
    s.seniorityOption = 12;
    s.pctantig = 120;
    s.porcantig = "120 %";
    s.zona = 4;
    s.transporte = s.hijos = s.hijosdisc = s.conyuge = true;
    s.cantkm = "10";
    s.cantidadhijos = "2";
    s.cantidadhijosdisc = "1";
    s.dinasist = "1";
    s.Iosper = s.Osplad = s.APORTEJUB = s.Ley4035 = s.TOVIL = s.cajacomp = s.Seguro3011 = true;
    return s;
}

struct Change {
    const char *figure;
    const char *from;
    const char *to;
    std::set<std::string> rowsChanged;
    bool deductionsChanged;
};

void PrintTo(const Change &c, std::ostream *os) { *os << c.figure; }

class ChangedRate : public testing::TestWithParam<Change> {};

TEST_P(ChangedRate, ChangesOnlyTheRowsThatUseIt)
{
    const Change &change = GetParam();
    std::string text(builtInPeriodText());
    const std::size_t at = text.find(change.from);
    ASSERT_NE(at, std::string::npos) << change.from;
    text.replace(at, std::string(change.from).size(), change.to);
    const PeriodReading changed = readPeriod(text);
    ASSERT_TRUE(changed.period.has_value());

    const Outcome before = compute(largestReceipt(), builtInPeriod(), '.');
    const Outcome after = compute(largestReceipt(), *changed.period, '.');
    const auto &was = std::get<Receipt>(before);
    const auto &is = std::get<Receipt>(after);
    ASSERT_EQ(was.rowCount, 26u);
    ASSERT_EQ(is.rowCount, was.rowCount);
    for (std::size_t i = 0; i < was.rowCount; ++i) {
        const std::string code(was.rows[i].code);
        EXPECT_EQ(is.rows[i].code, was.rows[i].code);
        EXPECT_EQ(is.rows[i].amount != was.rows[i].amount, change.rowsChanged.contains(code)) << code;
    }
    EXPECT_NE(is.totals.thaberes == was.totals.thaberes, change.rowsChanged.contains("thaberes"));
    EXPECT_EQ(is.totals.tdescuentos != was.totals.tdescuentos, change.deductionsChanged);
    EXPECT_NE(is.totals.liquido, was.totals.liquido);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ChangedRate,
    testing::Values(
        Change{"transport per km", "valor = 0.13472", "valor = 0.2", {"029", "thaberes"}, false},
        Change{"spouse allowance", "conyuge = { valor = 15,", "conyuge = { valor = 16,", {"1010", "thaberes"}, false},
        Change{"disabled child allowance", "valor = 400,", "valor = 410,", {"1002", "thaberes"}, false},
        Change{"OSPLAD", "coeficiente = 0.03, texto_celda = \"3 %\", descripcion = \"Obra social OSPLAD\"",
               "coeficiente = 0.031, texto_celda = \"3,1 %\", descripcion = \"Obra social OSPLAD\"", {"508"}, true},
        // Withheld from the remunerative subtotal: every deduction and the top-up's test move with it.
        Change{"absence share of one day", "por_dias = [0.25,", "por_dias = [0.3,",
               {"440", "172", "505", "508", "502", "504", "332", "512", "510", "thaberes"}, true}));

}  // namespace
}  // namespace recibo
