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

}  // namespace

bool familyAllowances(Calculation &calc)
{
    const Snapshot &in = calc.in;
    Amounts &a = calc.amounts;

    int children = 0;
    if (in.hijos) {
        const auto count = calc.read<fields::cantidadhijos>();
        if (!count)
            return false;
        children = *count;
        const Money income = a.categoryBase() + a.monto006 + a.monto014 + a.monto010 + a.monto188 +
                             a.monto172 + a.monto078 + a.monto084 + a.monto113;
        a.monto1001 = Money::whole(children * childRate(income));
        calc.writeEarnings("1001", "Sal fam hijo", std::to_string(children), a.monto1001);
    }

    int disabledChildren = 0;
    if (in.hijosdisc) {
        const auto count = calc.read<fields::cantidadhijosdisc>();
        if (!count)
            return false;
        disabledChildren = *count;
        if (disabledChildren > kMaxDisabledChildren) {
            calc.fail(FailureKind::Limit, fields::cantidadhijosdisc.control, in.cantidadhijosdisc);
            return false;
        }
        a.monto1002 = Money::whole(disabledChildren * kDisabledChildRate);
        calc.writeEarnings("1002", "Sal fam hijo diferenciado", std::to_string(disabledChildren),
                           a.monto1002);
    }

    const int allChildren = children + disabledChildren;
    if (allChildren > kMaxChildrenTogether) {
        calc.fail(FailureKind::Limit, fields::cantidadhijosdisc.control, in.cantidadhijosdisc);
        return false;
    }
    if (allChildren >= kLargeFamilyChildren) {
        a.monto1003 = Money::whole(kLargeFamilyAmount);
        calc.writeEarnings("1003", "Familia numerosa", std::to_string(allChildren), a.monto1003);
    }

    if (in.conyuge) {
        a.monto1010 = Money::whole(kSpouseAmount);
        calc.writeEarnings("1010", "Sal fam Cony", std::nullopt, a.monto1010);
    }
    return true;
}

}  // namespace recibo::detail
