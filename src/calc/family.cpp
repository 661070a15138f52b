// Items 1001, 1002, 1003 and 1010: the family allowances.

#include "family.h"

#include <array>

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr Money kFirstIncomeBracketTop = Money::whole(1900);
constexpr Money kSecondIncomeBracketTop = Money::whole(2600);
constexpr int kChildRateLowIncome = 75;
constexpr int kChildRateMiddleIncome = 60;
constexpr int kChildRateHighIncome = 45;
constexpr int kLargeFamilyChildren = 3;
constexpr int kLargeFamilyAmount = 3;
constexpr int kSpouseAmount = 15;
// The per-child rate for an allowance income up to each bracket's top (inclusive); the last
// bracket has no top.
struct IncomeBracket {
    Money top;
    int rate;
};
constexpr std::array<IncomeBracket, 3> kChildRates{{
    {kFirstIncomeBracketTop, kChildRateLowIncome},
    {kSecondIncomeBracketTop, kChildRateMiddleIncome},
    {Money(), kChildRateHighIncome},
}};

std::size_t childRateBracket(Money allowanceIncome)
{
    std::size_t bracket = 0;
    while (bracket + 1 < kChildRates.size() && allowanceIncome > kChildRates[bracket].top)
        ++bracket;
    return bracket;
}

// The incomes a bracket covers: above the previous top, up to its own.
Band incomeBand(std::size_t bracket)
{
    Band band;
    if (bracket > 0) {
        band.low = kChildRates[bracket - 1].top.toDouble();
        band.lowIncluded = false;
    }
    if (bracket + 1 < kChildRates.size())
        band.high = kChildRates[bracket].top.toDouble();
    return band;
}

// Item 1001; gives the number of children counted, or nothing when the count does not read.
std::optional<int> childAllowance(Calculation &calc)
{
    if (!calc.in.hijos)
        return 0;
    const auto count = calc.read<fields::cantidadhijos>();
    if (!count)
        return std::nullopt;
    Amounts &a = calc.amounts;
    // The income that chooses the rate: neither the absence reduction nor transport is in it.
    const Money income = sumOf<kEarningsBeforeAllowances>(a);
    const std::size_t bracket = childRateBracket(income);
    const int rate = kChildRates[bracket].rate;
    a.monto1001 = Money::whole(*count * rate);
    if (Working *w = calc.working(&Amounts::monto1001)) {
        *w = product(a.monto1001, {asNumber("cantidad de hijos #", *count), asMoney("# por hijo", rate)},
                     {within(itemised("ingreso para el salario familiar #", income), incomeBand(bracket))});
        recordParts<kEarningsBeforeAllowances>(*w, a);
    }
    calc.writeEarnings("1001", "Sal fam hijo", std::to_string(*count), &Amounts::monto1001);
    return *count;
}

// Item 1002; gives the number of disabled children counted, or nothing on a failure.
std::optional<int> disabledChildAllowance(Calculation &calc)
{
    if (!calc.in.hijosdisc)
        return 0;
    const auto count = calc.read<fields::cantidadhijosdisc>();
    if (!count)
        return std::nullopt;
    if (*count > kMaxDisabledChildren) {
        calc.fail(FailureKind::Limit, fields::cantidadhijosdisc.control, calc.in.cantidadhijosdisc);
        return std::nullopt;
    }
    calc.amounts.monto1002 = Money::whole(*count * kDisabledChildRate);
    if (Working *w = calc.working(&Amounts::monto1002))
        *w = product(calc.amounts.monto1002,
                     {asNumber("cantidad de hijos diferenciados #", *count), asMoney("# por hijo", kDisabledChildRate)});
    calc.writeEarnings("1002", "Sal fam hijo diferenciado", std::to_string(*count), &Amounts::monto1002);
    return *count;
}

}  // namespace

bool familyAllowances(Calculation &calc)
{
    const auto children = childAllowance(calc);
    if (!children)
        return false;
    const auto disabledChildren = disabledChildAllowance(calc);
    if (!disabledChildren)
        return false;

    // Item 1003 counts disabled children even when the child allowance is not drawn.
    const int allChildren = *children + *disabledChildren;
    if (allChildren > kMaxChildrenTogether) {
        calc.fail(FailureKind::Limit, fields::cantidadhijosdisc.control, calc.in.cantidadhijosdisc);
        return false;
    }
    Amounts &a = calc.amounts;
    if (allChildren >= kLargeFamilyChildren) {
        a.monto1003 = Money::whole(kLargeFamilyAmount);
        if (Working *w = calc.working(&Amounts::monto1003))
            *w = pick(a.monto1003, {within(asNumber("hijos en total #", allChildren), Band{.low = kLargeFamilyChildren})});
        calc.writeEarnings("1003", "Familia numerosa", std::to_string(allChildren), &Amounts::monto1003);
    }
    if (calc.in.conyuge) {
        a.monto1010 = Money::whole(kSpouseAmount);
        if (Working *w = calc.working(&Amounts::monto1010))
            *w = pick(a.monto1010, {}, asMoney("monto fijo por cónyuge #", kSpouseAmount));
        calc.writeEarnings("1010", "Sal fam Cony", std::nullopt, &Amounts::monto1010);
    }
    return true;
}

}  // namespace recibo::detail
