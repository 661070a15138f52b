// Item 029: transport paid by the weekly kilometres, up to a ceiling.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

constexpr double kTransportRatePerKm = 0.13472;
constexpr double kWeeksPerMonth = 4;
constexpr double kTransportCeiling = 161.8;

}  // namespace

bool transport(Calculation &calc)
{
    if (!calc.in.transporte)
        return true;
    const auto km = calc.read<fields::cantkm>();
    if (!km)
        return false;
    const double fare = *km * kTransportRatePerKm * kWeeksPerMonth;
    const bool capApplied = fare >= kTransportCeiling;
    Amounts &a = calc.amounts;
    a.monto029 = capApplied ? toMoney(kTransportCeiling) : toMoney(fare);
    if (Working *w = calc.working(&Amounts::monto029))
        *w = cappedProduct(a.monto029,
                           {{"# semanales", static_cast<double>(*km), Unit::Km}, asMoney("# por km", kTransportRatePerKm),
                            asNumber("# semanas", kWeeksPerMonth)},
                           fare, asMoney("tope #", kTransportCeiling), capApplied);
    calc.writeEarnings("029", "transporte por KM", "", &Amounts::monto029);
    return true;
}

}  // namespace recibo::detail
