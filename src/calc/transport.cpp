// Item 029: transport paid by the weekly kilometres, up to a ceiling.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {

bool transport(Calculation &calc)
{
    if (!calc.in.transporte)
        return true;
    const auto km = calc.read<fields::cantkm>();
    if (!km)
        return false;
    const Period &period = calc.period;
    const double fare = *km * period.transportRatePerKm * period.weeksPerMonth;
    const bool capApplied = fare >= period.transportCeiling.toDouble();
    Amounts &a = calc.amounts;
    a.monto029 = capApplied ? period.transportCeiling : toMoney(fare);
    if (Working *w = calc.working(&Amounts::monto029))
        *w = cappedProduct(a.monto029,
                           {{"# semanales", static_cast<double>(*km), Unit::Km},
                            asMoney("# por km", period.transportRatePerKm), asNumber("# semanas", period.weeksPerMonth)},
                           fare, asMoney("tope #", period.transportCeiling.toDouble()), capApplied);
    calc.writeEarnings("029", "transporte por KM", "", &Amounts::monto029);
    return true;
}

}  // namespace recibo::detail
