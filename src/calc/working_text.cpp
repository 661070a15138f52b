#include "working_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <string_view>

namespace recibo {
namespace {

constexpr std::string_view kTimes = " × ";
constexpr std::string_view kPlus = " + ";
constexpr std::string_view kMinus = " − ";

// The fewest digits that read back as the same double, in plain decimal form with '.'.
std::string shortestText(double value)
{
    char buffer[400];  // the longest double in fixed form has 309 integer digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    return text == "-0" ? "0" : text;
}

// An intermediate double as the receipt shows one: at most 15 significant digits.
std::string roundedText(double value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const std::string text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    return text.find('e') == std::string::npos && text != "-0" ? text : shortestText(value);
}

// A fraction's plain decimal text as the percentage it is: the point moved two places right, so
// 0.07 reads "7" exactly, where 0.07 * 100 in double would not.
std::string hundredfold(std::string_view plain)
{
    const bool negative = plain.starts_with('-');
    if (negative)
        plain.remove_prefix(1);
    const std::size_t point = plain.find('.');
    std::string digits(plain.substr(0, point));
    if (point != std::string_view::npos)
        digits.append(plain.substr(point + 1));
    const std::size_t integerDigits = (point == std::string_view::npos ? plain.size() : point) + 2;
    if (digits.size() < integerDigits)
        digits.append(integerDigits - digits.size(), '0');
    std::string integer = digits.substr(0, integerDigits);
    std::string fraction = digits.substr(integerDigits);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (negative ? "-" : "") + integer + (fraction.empty() ? "" : "." + fraction);
}

// A figure as the formula writes it; a negative one in parentheses so it reads as one number.
std::string formulaNumber(double value)
{
    const std::string text = shortestText(value);
    return text.starts_with('-') ? std::string("(") + text + ")" : text;
}

class Writer {
public:
    Writer(const Working &working, char separator)
        : w_(working), separator_(separator), group_(separator == ',' ? '.' : ',')
    {
    }

    WorkingText explain() const;

private:
    std::string grouped(std::string_view plain) const;
    std::string moneyText(double value) const { return std::string("$") + grouped(shortestText(value)); }
    std::string moneyText(Money value) const { return moneyText(value.toDouble()); }
    std::string figureNumber(const Figure &figure) const;
    std::string figureText(const Figure &figure) const;
    std::string bandText(const Band &band, Unit unit) const;
    std::string partsText() const;
    std::string prefix() const;
    std::string productText(std::span<const Figure> factors) const;

    std::string body() const;
    std::string percentageBody() const;
    std::string cappedBody() const;
    std::string sumBody() const;
    std::string sumOfProductsBody() const;
    std::string topUpBody() const;
    std::string formula() const;
    std::string partsFormula() const;

    const Working &w_;
    char separator_;
    char group_;
};

std::string Writer::grouped(std::string_view plain) const
{
    const std::size_t start = plain.starts_with('-') ? 1 : 0;
    const std::size_t point = plain.find('.');
    const std::size_t integerEnd = point == std::string_view::npos ? plain.size() : point;
    std::string out(plain.substr(0, start));
    for (std::size_t i = start; i < integerEnd; ++i) {
        if (i > start && (integerEnd - i) % 3 == 0)
            out += group_;
        out += plain[i];
    }
    if (point != std::string_view::npos) {
        out += separator_;
        out.append(plain.substr(point + 1));
    }
    return out;
}

std::string Writer::figureNumber(const Figure &figure) const
{
    const std::string plain = figure.approximate ? roundedText(figure.value) : shortestText(figure.value);
    const std::string number = grouped(plain);
    const bool one = std::fabs(figure.value) == 1;
    switch (figure.unit) {
    case Unit::Money: return std::string("$") + number;
    case Unit::Percent: return number + " %";
    case Unit::Rate: return grouped(hundredfold(plain)) + " %";
    case Unit::Hours: return number + (one ? " hora" : " horas");
    case Unit::Days: return number + (one ? " día" : " días");
    case Unit::Km: return number + " km";
    case Unit::Points:
    case Unit::Number: break;
    }
    return number;
}

std::string Writer::figureText(const Figure &figure) const
{
    std::string text(figure.meaning);
    const std::size_t mark = text.find('#');
    const std::string number = figureNumber(figure);
    if (mark == std::string::npos)
        text += std::string(text.empty() ? "" : " ") + number;
    else
        text.replace(mark, 1, number);
    if (figure.itemised) {
        const std::string parts = partsText();
        if (!parts.empty())
            text += std::string(" (") + parts + ")";
    }
    return text;
}

std::string Writer::bandText(const Band &band, Unit unit) const
{
    const auto bound = [&](double value) {
        const std::string number = grouped(shortestText(value));
        return unit == Unit::Money ? std::string("$") + number : number;
    };
    if (std::isinf(band.low))
        return std::string("hasta ") + bound(band.high);
    if (std::isinf(band.high))
        return band.lowIncluded ? bound(band.low) + " o más" : std::string("más de ") + bound(band.low);
    return band.lowIncluded ? std::string("de ") + bound(band.low) + " a " + bound(band.high)
                            : std::string("más de ") + bound(band.low) + " y hasta " + bound(band.high);
}

// The parts that are not zero, by item code and name where they have one: "001 $885 + 002 $59,59 −
// 440 $22,7253".
std::string Writer::partsText() const
{
    std::string text;
    for (const Part &part : w_.parts) {
        if (part.amount == Money())
            continue;
        if (!text.empty())
            text += part.subtracted ? kMinus : kPlus;
        else if (part.subtracted)
            text += "−";
        text.append(part.code);
        if (!part.name.empty())
            text += std::string(" ") + std::string(part.name);
        text += std::string(" ") + moneyText(part.amount);
    }
    return text;
}

// The table row and the conditions that chose the rule's branch.
std::string Writer::prefix() const
{
    std::string text(w_.rowLabel);
    if (!w_.rowCaption.empty())
        text += " \"" + std::string(w_.rowCaption) + "\"";
    for (const Condition &condition : w_.conditions) {
        if (!text.empty())
            text += ", ";
        text += figureText(condition.figure);
        if (condition.banded)
            text += std::string(" (") + bandText(condition.band, condition.figure.unit) + ")";
    }
    return text;
}

std::string Writer::productText(std::span<const Figure> factors) const
{
    std::string text;
    for (const Figure &factor : factors)
        text += (text.empty() ? "" : std::string(kTimes)) + figureText(factor);
    return text;
}

std::string Writer::body() const
{
    const std::span<const Figure> operands(w_.operands.begin(), w_.operands.end());
    switch (w_.rule) {
    case Rule::Product: return productText(operands) + " = " + moneyText(w_.result);
    case Rule::Percentage: return percentageBody();
    case Rule::BelowCap:
        return productText(operands.first(operands.size() - 1)) + " = " + moneyText(w_.result) + " (" +
               figureText(operands.back()) + ")";
    case Rule::Capped: return cappedBody();
    case Rule::Pick: return operands.empty() ? moneyText(w_.result) : figureText(operands.front());
    case Rule::Sum: return sumBody();
    case Rule::SumOfProducts: return sumOfProductsBody();
    case Rule::MinimumTopUp: return topUpBody();
    case Rule::Share: return figureText(operands[1]) + " " + figureText(operands[0]) + " = " + moneyText(w_.result);
    case Rule::Difference:
        return figureText(operands[0]) + std::string(kMinus) + figureText(operands[1]) + " = " + moneyText(w_.result);
    case Rule::None: break;
    }
    return {};
}

// Zero parts are left out of the sum; with none left it says so instead of an empty sum, and one
// part alone is the amount itself.
std::string Writer::sumBody() const
{
    std::size_t counted = 0;
    bool subtracted = false;
    for (const Part &part : w_.parts) {
        counted += part.amount == Money() ? 0 : 1;
        subtracted = subtracted || (part.amount != Money() && part.subtracted);
    }
    if (counted == 0)
        return std::string("ningún importe distinto de cero: ") + moneyText(w_.result);
    return counted == 1 && !subtracted ? partsText() : partsText() + " = " + moneyText(w_.result);
}

// "antigüedad 30 % de la base $1.000 (001 $1.000): $1.000 × 30 = $30.000; ÷ 100 = $300"
std::string Writer::percentageBody() const
{
    const Figure &percent = w_.operands[0];
    const Figure &base = w_.operands[1];
    return figureText(percent) + " " + figureText(base) + ": " + moneyText(base.value) + std::string(kTimes) +
           grouped(shortestText(percent.value)) + " = " + moneyText(w_.operands[2].value) + "; ÷ " +
           figureNumber(w_.operands[3]) + " = " + moneyText(w_.result);
}

// "301 km semanales × $0,13472 por km × 4 semanas = $162,20288, llega al tope $161,8: se paga $161,8"
std::string Writer::cappedBody() const
{
    const std::span<const Figure> operands(w_.operands.begin(), w_.operands.end());
    const Figure &reached = operands[operands.size() - 2];
    return productText(operands.first(operands.size() - 2)) + " = " + figureNumber(reached) + ", llega al " +
           figureText(operands.back()) + ": se paga " + moneyText(w_.result);
}

std::string Writer::sumOfProductsBody() const
{
    std::string text;
    std::string total;
    for (std::size_t i = 0; i + 2 < w_.operands.size(); i += 3) {
        const std::string product = moneyText(w_.operands[i + 2].value);
        text += productText(std::span<const Figure>(&w_.operands[i], 2)) + " = " + product + "; ";
        total += (total.empty() ? "" : std::string(kPlus)) + product;
    }
    return text + total + " = " + moneyText(w_.result);
}

std::string Writer::topUpBody() const
{
    const auto figure = [this](TopUpOperand which) { return figureText(w_.operands[which]); };
    const auto amount = [this](TopUpOperand which) { return figureNumber(w_.operands[which]); };
    return std::string("sujeto a descuento: ") + figure(kTopUpRemunerativo) + std::string(kMinus) + figure(kTopUp006) +
           std::string(kMinus) + figure(kTopUp014) + std::string(kMinus) + figure(kTopUp078) +
           std::string(kTimes) + amount(kTopUpZoneFactor) + " (" + amount(kTopUpZone) + ") = " +
           amount(kTopUpTaxable) + "; descuento estimado " + amount(kTopUpTaxable) + std::string(kTimes) +
           amount(kTopUpDeductionRate) + " = " + amount(kTopUpDeductions) + "; neto " + figure(kTopUpGross) +
           std::string(kMinus) + amount(kTopUpDeductions) + " = " + amount(kTopUpNet) + ", menos que el " +
           figure(kTopUpMinimum) + ": " + amount(kTopUpMinimum) + std::string(kMinus) + amount(kTopUpNet) +
           " = " + moneyText(w_.result);
}

std::string Writer::partsFormula() const
{
    std::string formula;
    for (const Part &part : w_.parts) {
        if (part.amount == Money())
            continue;
        const std::string number = formulaNumber(part.amount.toDouble());
        if (formula.empty())
            formula = part.subtracted ? std::string("-") + number : number;
        else
            formula += std::string(part.subtracted ? " - " : " + ") + number;
    }
    return formula.empty() ? "0" : formula;
}

std::string Writer::formula() const
{
    const auto &ops = w_.operands;
    const auto product = [](std::span<const Figure> factors) {
        std::string formula;
        for (const Figure &factor : factors)
            formula += std::string(formula.empty() ? "" : " * ") + formulaNumber(factor.value);
        return formula;
    };
    switch (w_.rule) {
    case Rule::Product: return product(std::span<const Figure>(ops.begin(), ops.end()));
    case Rule::Percentage: return formulaNumber(ops[2].value) + " / " + formulaNumber(ops[3].value);
    case Rule::BelowCap: return product(std::span<const Figure>(ops.begin(), ops.size() - 1));
    case Rule::Capped: return formulaNumber(ops[ops.size() - 1].value);
    case Rule::Pick: return formulaNumber(ops.empty() ? w_.result.toDouble() : ops[0].value);
    case Rule::Sum: return partsFormula();
    case Rule::SumOfProducts: {
        std::string formula;
        for (std::size_t i = 2; i < ops.size(); i += 3)
            formula += std::string(formula.empty() ? "" : " + ") + formulaNumber(ops[i].value);
        return formula;
    }
    case Rule::Share: return formulaNumber(ops[0].value) + " * " + formulaNumber(ops[1].value);
    case Rule::Difference: return formulaNumber(ops[0].value) + " - " + formulaNumber(ops[1].value);
    case Rule::MinimumTopUp:
        // The engine's own order: N = gross - T × rate, then the minimum less N.
        return formulaNumber(ops[kTopUpMinimum].value) + " - (" + formulaNumber(ops[kTopUpGross].value) + " - " +
               formulaNumber(ops[kTopUpTaxable].value) + " * " + formulaNumber(ops[kTopUpDeductionRate].value) +
               ")";
    case Rule::None: break;
    }
    return {};
}

WorkingText Writer::explain() const
{
    if (w_.rule == Rule::None)
        return {};
    const std::string lead = prefix();
    std::string text = body();
    if (!lead.empty())
        text = lead + (w_.rule == Rule::Pick ? " → " : ": ") + text;
    if (!w_.table.empty())
        text = std::string(w_.table) + ": " + text;
    if (!w_.total.empty())
        text = std::string(w_.total) + ": " + text;
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return {text, formula()};
}

}  // namespace

WorkingText explain(const Working &working, char decimalSeparator)
{
    return Writer(working, decimalSeparator).explain();
}

}  // namespace recibo
