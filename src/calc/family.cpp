// Items 1001, 1002, 1003 and 1010: the family allowances.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

// The bracket of the per-child rate: each runs up to its top (inclusive), the last has none.
std::size_t childRateBracket(const std::vector<ChildRateBracket> &brackets, Money allowanceIncome)
{
    std::size_t bracket = 0;
    while (bracket + 1 < brackets.size() && allowanceIncome > *brackets[bracket].top)
        ++bracket;
    return bracket;
}

// The incomes a bracket covers: above the previous top, up to its own.
Band incomeBand(const std::vector<ChildRateBracket> &brackets, std::size_t bracket)
{
    Band band;
    if (bracket > 0) {
        band.low = brackets[bracket - 1].top->toDouble();
        band.lowIncluded = false;
    }
    if (bracket + 1 < brackets.size())
        band.high = brackets[bracket].top->toDouble();
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
    const std::vector<ChildRateBracket> &brackets = calc.period.childRates;
    const Money income = sumOf<kEarningsBeforeAllowances>(a);
    const std::size_t bracket = childRateBracket(brackets, income);
    const Money rate = brackets[bracket].perChild;
    a.monto1001 = rate.times(*count);
    if (Working *w = calc.working(&Amounts::monto1001)) {
        *w = product(a.monto1001, {asNumber("cantidad de hijos #", *count), asMoney("# por hijo", rate.toDouble())},
                     {within(itemised("ingreso para el salario familiar #", income), incomeBand(brackets, bracket))});
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
    if (*count > calc.period.maxDisabledChildren()) {
        calc.fail(FailureKind::Limit, fields::cantidadhijosdisc.control, calc.in.cantidadhijosdisc);
        return std::nullopt;
    }
    const Money rate = calc.period.disabledChildRate;
    calc.amounts.monto1002 = rate.times(*count);
    if (Working *w = calc.working(&Amounts::monto1002))
        *w = product(calc.amounts.monto1002,
                     {asNumber("cantidad de hijos diferenciados #", *count), asMoney("# por hijo", rate.toDouble())});
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
    const Period &period = calc.period;
    if (allChildren >= period.largeFamilyChildren) {
        a.monto1003 = period.largeFamilyAmount;
        if (Working *w = calc.working(&Amounts::monto1003))
            *w = pick(a.monto1003, {within(asNumber("hijos en total #", allChildren),
                                           Band{.low = static_cast<double>(period.largeFamilyChildren)})});
        calc.writeEarnings("1003", "Familia numerosa", std::to_string(allChildren), &Amounts::monto1003);
    }
    if (calc.in.conyuge) {
        a.monto1010 = period.spouseAmount;
        if (Working *w = calc.working(&Amounts::monto1010))
            *w = pick(a.monto1010, {}, asMoney("monto fijo por cónyuge #", period.spouseAmount.toDouble()));
        calc.writeEarnings("1010", "Sal fam Cony", std::nullopt, &Amounts::monto1010);
    }
    return true;
}

}  // namespace recibo::detail
