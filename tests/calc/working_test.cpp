// The working of every amount: each golden case computed with its working, each row's and total's
// formula evaluated as C would (double arithmetic, left to right) and converted to money must give
// the amount shown, and every number of the formula must stand in the sentence. Then a few
// sentences written out in full, in both decimal separators.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "builtin_period.h"
#include "case_files.h"
#include "case_json.h"
#include "receipt_case_run.h"
#include "number_text.h"
#include "working_text.h"

namespace recibo {
namespace {

using Json = nlohmann::ordered_json;

// A C expression of numbers, + - * /, unary minus and parentheses, evaluated in double.
class Formula {
public:
    explicit Formula(std::string_view text) : text_(text) {}

    double value()
    {
        const double result = sum();
        skipBlanks();
        if (pos_ != text_.size())
            throw std::invalid_argument("unexpected text at " + std::to_string(pos_));
        return result;
    }

private:
    double sum()
    {
        double result = product();
        while (accept('+') || peek('-')) {
            if (accept('-'))
                result -= product();
            else
                result += product();
        }
        return result;
    }
    double product()
    {
        double result = factor();
        while (peek('*') || peek('/')) {
            if (accept('*'))
                result *= factor();
            else if (accept('/'))
                result /= factor();
        }
        return result;
    }
    double factor()
    {
        if (accept('-'))
            return -factor();
        if (accept('(')) {
            const double inner = sum();
            if (!accept(')'))
                throw std::invalid_argument("missing )");
            return inner;
        }
        skipBlanks();
        double number = 0;
        const auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + text_.size(), number);
        if (error != std::errc() || end == text_.data() + pos_)
            throw std::invalid_argument("number expected at " + std::to_string(pos_));
        pos_ = static_cast<std::size_t>(end - text_.data());
        return number;
    }
    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool peek(char c)
    {
        skipBlanks();
        return pos_ < text_.size() && text_[pos_] == c;
    }
    bool accept(char c)
    {
        if (!peek(c))
            return false;
        ++pos_;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

Money formulaAmount(const std::string &formula) { return toMoney(Formula(formula).value()); }

// The values of the numbers written in a text, read with its decimal separator and the other
// mark as thousands grouping; signs are left aside, as a formula's are. A percentage ("7 %") also
// stands for its fraction (0.07), which is how a formula multiplies by it.
std::set<double> textNumbers(const std::string &text, char separator)
{
    static const std::regex number(R"((\d(?:[\d.,]*\d)?)( %)?)");
    std::set<double> values;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it) {
        std::string plain;
        for (const char c : (*it)[1].str()) {
            if (c == separator)
                plain += '.';
            else if (c != '.' && c != ',')
                plain += c;
        }
        values.insert(std::stod(plain));
        if ((*it)[2].matched)
            values.insert(std::stod(plain) / 100);
    }
    return values;
}

std::set<double> formulaNumbers(const std::string &formula) { return textNumbers(formula, '.'); }

// "$ 1234,5" or "$1234.5" as money.
Money shownAmount(const std::string &cell)
{
    const auto amount = readMoney(std::string_view(cell).substr(cell.find_first_not_of("$ ")));
    EXPECT_TRUE(amount.has_value()) << cell;
    return amount.value_or(Money());
}

// A teacher reads words, not bare arithmetic: at least one word of two letters or more.
bool holdsAWord(const std::string &text)
{
    static const std::regex word(R"([A-Za-z\xC3\xA1\xC3\xA9\xC3\xAD\xC3\xB3\xC3\xBA\xC3\xB1]{2,})");
    return std::regex_search(text, word);
}

void expectFaithful(const Json &working, const std::string &amount, char separator, const std::string &what)
{
    SCOPED_TRACE(what + ": " + working.dump());
    const auto text = working.at("text").get<std::string>();
    const auto formula = working.at("formula").get<std::string>();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(holdsAWord(text)) << "bare arithmetic";
    EXPECT_EQ(formulaAmount(formula), shownAmount(amount));
    const std::set<double> inText = textNumbers(text, separator);
    for (const double number : formulaNumbers(formula))
        EXPECT_TRUE(inText.count(number)) << number << " is in the formula but not in the text";
}

class GoldenCaseWorking : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCaseWorking, EveryFormulaGivesItsAmountWithTheNumbersOfItsText)
{
    std::ifstream file(std::filesystem::path(RECIBO_CASES_DIR) / GetParam());
    const auto in = cases::inputFromJson(Json::parse(file).at("input"), builtInPeriod());
    const auto working = std::make_unique<ReceiptWorking>();
    const Outcome outcome = compute(in.snapshot, builtInPeriod(), in.decimalSeparator, *working);
    // Asking for the working changes nothing on the receipt.
    EXPECT_EQ(cases::outcomeToJson(outcome).dump(), cases::outcomeToJson(compute(in.snapshot, builtInPeriod(), in.decimalSeparator)).dump());
    if (std::holds_alternative<Failure>(outcome))
        return;
    const Json json = cases::outcomeToJson(outcome, working.get());
    for (const Json &row : json.at("rows")) {
        const Json &amount = row.at("earnings").is_null() ? row.at("deductions") : row.at("earnings");
        expectFaithful(row.at("working"), amount.get<std::string>(), in.decimalSeparator,
                       "row " + row.at("code").get<std::string>());
    }
    const Json &totals = json.at("totals");
    for (const char *total : {"thaberes", "tdescuentos", "liquido"})
        expectFaithful(totals.at("working").at(total), totals.at(total).get<std::string>(), in.decimalSeparator, total);
    // The net pay is always the subtraction of its two terms, also when one of them is zero.
    const std::string net = totals.at("working").at("liquido").at("formula").get<std::string>();
    const std::size_t minus = net.find(" - ");
    ASSERT_NE(minus, std::string::npos) << net;
    EXPECT_EQ(toMoney(Formula(net.substr(0, minus)).value()), shownAmount(totals.at("thaberes").get<std::string>()));
    EXPECT_EQ(toMoney(Formula(net.substr(minus + 3)).value()), shownAmount(totals.at("tdescuentos").get<std::string>()));
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCaseWorking, testing::ValuesIn(cases::caseFiles()),
                         cases::caseTestName);

TEST(FormulaCheck, ReadsCArithmeticAndCatchesAWrongAmount)
{
    // The checks above are only as good as these two readers.
    EXPECT_EQ(formulaAmount("1290 - (956 - 856 * 0.196)"), toMoney(1290 - (956 - 856 * 0.196)));
    EXPECT_EQ(formulaAmount("(-2) * 86.9 * 0.59"), toMoney(-2 * 86.9 * 0.59));
    EXPECT_EQ(formulaAmount("3000 - -3.55"), Money::fromCount(30035500));
    EXPECT_NE(formulaAmount("1500 * 0.59"), Money::whole(886));
    EXPECT_EQ(textNumbers("Base $1.033,09 (001 $885) × 0,07 = $72,3163", ','),
              (std::set<double>{1033.09, 1, 885, 0.07, 72.3163}));
    EXPECT_EQ(textNumbers("(de 1,401 a 1,942), llega al tope $161.8: se paga", '.'),
              (std::set<double>{1401, 1942, 161.8}));
    EXPECT_EQ(textNumbers("7 % del adicional 006 ($193)", ','), (std::set<double>{7, 0.07, 6, 193}));
    EXPECT_TRUE(holdsAWord("Total descuentos: 504 Ley 4035 $17,1646"));
    EXPECT_FALSE(holdsAWord("006 $193 × 0,07 = $13,51"));
}

// Position 734 (1500 basic, 101 basic-complement and 150 task points), "Entre 5 y 7 años" (30 %),
// zone "Desfavorable" (40 %), 301 km of transport and IOSPER.
Snapshot position734With301Km()
{
    Snapshot s;
    s.category = Category::Cargo;
    s.codigocargo = "734";
    s.punbas = "1500";
    s.compbas = "101";
    s.jorcom = "0";
    s.proljor = "0";
    s.tardif = "150";
    s.seniorityOption = 4;
    s.pctantig = 30;
    s.porcantig = "30 %";
    s.zona = 2;
    s.transporte = true;
    s.cantkm = "301";
    s.Iosper = true;
    return s;
}

struct Sentence {
    std::string what;  // a row's code, or a total
    char separator;
    std::string text;
    std::string formula;
};

class WorkingSentence : public testing::TestWithParam<Sentence> {};

TEST_P(WorkingSentence, IsWrittenWithTheReceiptsFigures)
{
    const Sentence &want = GetParam();
    const auto working = std::make_unique<ReceiptWorking>();
    const Outcome outcome = compute(position734With301Km(), builtInPeriod(), want.separator, *working);
    const Receipt &receipt = std::get<Receipt>(outcome);
    const Working *found = want.what == "thaberes"      ? &working->thaberes
                           : want.what == "tdescuentos" ? &working->tdescuentos
                           : want.what == "liquido"     ? &working->liquido
                                                        : nullptr;
    for (std::size_t i = 0; i < receipt.rowCount && !found; ++i)
        if (receipt.rows[i].code == want.what)
            found = &working->rows[i];
    ASSERT_NE(found, nullptr) << want.what;
    const WorkingText got = explain(*found, want.separator);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.formula, want.formula);
}

// Worked by hand: 001 = 1500 × 0.59 = 885; 002 = 101 × 0.59 = 59.59; 016 = 150 × 0.59 = 88.5;
// category base 1033.09; 010 = 1033.09 × 30 = 30992.7, ÷ 100 = 309.927; 078 = 1033.09 × 40 ÷ 100
// = 413.236; 006 from row "Entre 5 y 7 años", column 1401 to 1942 = 193; 014 = 193 × 0.07 = 13.51;
// 084 = 110 (incentive ticked, under 600 full-day points); 113 = 100; 188 = (1033.09 + 309.927 +
// 413.236) × 0.07 = 122.93771 -> 122.9377; no top-up (N = 1394.297... is above 1290); 029: 301 ×
// 0.13472 × 4 = 162.20288 reaches the ceiling, 161.8 is paid.
// Total Haberes = 885 + 59.59 + 88.5 + 309.927 + 413.236 + 193 + 13.51 + 110 + 100 + 122.9377 +
// 161.8 = 2457.5007.
INSTANTIATE_TEST_SUITE_P(
    Position734, WorkingSentence,
    testing::Values(
        Sentence{"010", ',',
                 "Antigüedad 30 % de la base $1.033,09 (001 $885 + 002 $59,59 + 016 $88,5): "
                 "$1.033,09 × 30 = $30.992,7; ÷ 100 = $309,927",
                 "30992.7 / 100"},
        Sentence{"010", '.',
                 "Antigüedad 30 % de la base $1,033.09 (001 $885 + 002 $59.59 + 016 $88.5): "
                 "$1,033.09 × 30 = $30,992.7; ÷ 100 = $309.927",
                 "30992.7 / 100"},
        Sentence{"006", ',',
                 "Tabla del decreto: antigüedad \"Entre 5 y 7 años\", puntos de jornada completa 0 (hasta 619), "
                 "puntos básicos 1.500 (de 1.401 a 1.942) → $193",
                 "193"},
        Sentence{"006", '.',
                 "Tabla del decreto: antigüedad \"Entre 5 y 7 años\", puntos de jornada completa 0 (hasta 619), "
                 "puntos básicos 1,500 (de 1,401 a 1,942) → $193",
                 "193"},
        Sentence{"029", ',',
                 "301 km semanales × $0,13472 por km × 4 semanas = $162,20288, llega al tope $161,8: se paga $161,8",
                 "161.8"},
        Sentence{"029", '.',
                 "301 km semanales × $0.13472 por km × 4 semanas = $162.20288, llega al tope $161.8: se paga $161.8",
                 "161.8"},
        Sentence{"014", ',', "7 % del adicional 006 ($193) = $13,51", "193 * 0.07"},
        Sentence{"014", '.', "7 % del adicional 006 ($193) = $13.51", "193 * 0.07"},
        Sentence{"thaberes", ',',
                 "Total Haberes: 001 Asign. de la categoría $885 + 002 Comp. de Básico $59,59 + "
                 "016 Tarea diferenciada $88,5 + 010 Antigüedad $309,927 + 078 As. por zona $413,236 + "
                 "006 Adic. Art 2 y 3 Dcrto 5863/05 $193 + 014 Product Dcrto 5863/05 $13,51 + "
                 "084 Incentivo de Nación $110 + 113 Negro de Nación $100 + 188 Plus Productividad $122,9377 + "
                 "029 transporte por KM $161,8 = $2.457,5007",
                 "885 + 59.59 + 88.5 + 309.927 + 413.236 + 193 + 13.51 + 110 + 100 + 122.9377 + 161.8"},
        Sentence{"thaberes", '.',
                 "Total Haberes: 001 Asign. de la categoría $885 + 002 Comp. de Básico $59.59 + "
                 "016 Tarea diferenciada $88.5 + 010 Antigüedad $309.927 + 078 As. por zona $413.236 + "
                 "006 Adic. Art 2 y 3 Dcrto 5863/05 $193 + 014 Product Dcrto 5863/05 $13.51 + "
                 "084 Incentivo de Nación $110 + 113 Negro de Nación $100 + 188 Plus Productividad $122.9377 + "
                 "029 transporte por KM $161.8 = $2,457.5007",
                 "885 + 59.59 + 88.5 + 309.927 + 413.236 + 193 + 13.51 + 110 + 100 + 122.9377 + 161.8"},
        // 505 = 3 % of 2085.7007 (the base 1033.09 + 010 + 078 + 006 + 014 + 188) = 62.571021 -> 62.571.
        Sentence{"tdescuentos", ',', "Total descuentos: 505 IOSPER $62,571", "62.571"},
        Sentence{"liquido", ',', "Total Haberes $2.457,5007 − Total descuentos $62,571 = $2.394,9297",
                 "2457.5007 - 62.571"}),
    [](const testing::TestParamInfo<Sentence> &info) {
        return "Item" + info.param.what + (info.param.separator == ',' ? "_comma" : "_point");
    });

TEST(WorkingSentence, ATotalOfNothingButZerosSaysSoAndTheNetPayStillSubtracts)
{
    Snapshot s;
    s.category = Category::HorasMedio;  // no hours: every amount is 0
    const auto working = std::make_unique<ReceiptWorking>();
    ASSERT_TRUE(std::holds_alternative<Receipt>(compute(s, builtInPeriod(), ',', *working)));
    EXPECT_EQ(explain(working->thaberes, ',').text, "Total Haberes: ningún importe distinto de cero: $0");
    EXPECT_EQ(explain(working->tdescuentos, ',').text, "Total descuentos: ningún importe distinto de cero: $0");
    EXPECT_EQ(explain(working->thaberes, ',').formula, "0");
    // The net pay still shows its subtraction.
    EXPECT_EQ(explain(working->liquido, ',').text, "Total Haberes $0 − Total descuentos $0 = $0");
    EXPECT_EQ(explain(working->liquido, ',').formula, "0 - 0");
}

TEST(ReceiptCaseTool, ExplainAddsTheWorkingToEveryRowAndTotal)
{
    const std::string file = std::string(RECIBO_CASES_DIR) + "/largest_receipt_comma.json";
    const cases::ToolRun run = cases::runReceiptCase("--explain '" + file + "'");
    ASSERT_EQ(run.status, 0);

    std::ifstream stream(file);
    const auto in = cases::inputFromJson(Json::parse(stream).at("input"), builtInPeriod());
    const auto working = std::make_unique<ReceiptWorking>();
    const Outcome outcome = compute(in.snapshot, builtInPeriod(), in.decimalSeparator, *working);
    const Json printed = Json::parse(run.output);
    EXPECT_EQ(printed.dump(2), cases::outcomeToJson(outcome, working.get()).dump(2));
    for (const Json &row : printed.at("rows"))
        EXPECT_TRUE(row.contains("working")) << row.dump();
}

}  // namespace
}  // namespace recibo
