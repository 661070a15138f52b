// Items 1001, 1002, 1003 and 1010: the family allowances.

#include "family.h"

#include "calculation.h"

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

int childRate(Money allowanceIncome)
{
    if (allowanceIncome <= kFirstIncomeBracketTop)
        return kChildRateLowIncome;
    if (allowanceIncome <= kSecondIncomeBracketTop)
        return kChildRateMiddleIncome;
    return kChildRateHighIncome;
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
    // Summed exactly; the absence reduction and transport are not part of this income.
    const Money income = a.categoryBase() + a.monto006 + a.monto014 + a.monto010 + a.monto188 + a.monto172 +
                         a.monto078 + a.monto084 + a.monto113;
    a.monto1001 = Money::whole(*count * childRate(income));
    calc.writeEarnings("1001", "Sal fam hijo", std::to_string(*count), a.monto1001);
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
    calc.writeEarnings("1002", "Sal fam hijo diferenciado", std::to_string(*count), calc.amounts.monto1002);
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
        calc.writeEarnings("1003", "Familia numerosa", std::to_string(allChildren), a.monto1003);
    }
    if (calc.in.conyuge) {
        a.monto1010 = Money::whole(kSpouseAmount);
        calc.writeEarnings("1010", "Sal fam Cony", std::nullopt, a.monto1010);
    }
    return true;
}

}  // namespace recibo::detail
