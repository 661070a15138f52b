// Items 010 (seniority) and 078 (school zone): percentages of the category base.

#include "seniority_zone.h"

#include "calculation.h"

namespace recibo {

std::string percentText(std::uint8_t percent)
{
    return std::to_string(percent) + " %";
}

std::uint8_t zonePercent(int zoneIndex)
{
    if (zoneIndex < 0 || zoneIndex >= static_cast<int>(kZones.size()))
        return 0;
    return kZones[static_cast<std::size_t>(zoneIndex)].percent;
}

}  // namespace recibo

namespace recibo::detail {
namespace {

// Base times a whole percentage is exact money; only the division by 100 goes through double.
Money percentOf(Money base, std::uint8_t percent)
{
    return toMoney(base.times(percent).toDouble() / 100.0);
}

}  // namespace

void seniorityAndZone(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const Money base = a.categoryBase();

    a.monto010 = percentOf(base, calc.in.pctantig);
    if (calc.in.pctantig > 0)
        calc.writeEarnings("010", "Antigüedad", calc.in.porcantig, a.monto010);

    const std::uint8_t pctzona = zonePercent(calc.in.zona);
    if (pctzona > 0) {
        a.monto078 = percentOf(base, pctzona);
        calc.writeEarnings("078", "As. por zona", percentText(pctzona), a.monto078);
    }
}

}  // namespace recibo::detail
