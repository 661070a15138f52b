// Items 010 (seniority) and 078 (school zone): percentages of the category base.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr double kPercentDivisor = 100.0;

// Base times a whole percentage is exact money; only the division by 100 goes through double.
Money percentOf(const Amounts &a, Money base, std::uint8_t percent, std::string_view meaning, Working *working)
{
    const Money product = base.times(percent);
    const Money amount = toMoney(product.toDouble() / kPercentDivisor);
    if (working) {
        *working = percentage(amount, {meaning, static_cast<double>(percent), Unit::Percent},
                              itemised("de la base #", base), product, kPercentDivisor);
        recordParts<kCategoryBase>(*working, a);
    }
    return amount;
}

}  // namespace

void seniorityAndZone(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const Money base = sumOf<kCategoryBase>(a);

    a.monto010 = percentOf(a, base, calc.in.pctantig, "antigüedad #", calc.working(&Amounts::monto010));
    if (calc.in.pctantig > 0)
        calc.writeEarnings("010", "Antigüedad", calc.in.porcantig, &Amounts::monto010);

    const std::uint8_t pctzona = calc.period.zonePercent(calc.in.zona);
    if (pctzona > 0) {
        Working *w = calc.working(&Amounts::monto078);
        a.monto078 = percentOf(a, base, pctzona, "#", w);
        if (w) {
            w->rowLabel = "zona";
            w->rowCaption = calc.period.zones[static_cast<std::size_t>(calc.in.zona)].name;
        }
        calc.writeEarnings("078", "As. por zona", percentText(pctzona), &Amounts::monto078);
    }
}

}  // namespace recibo::detail
