// Item 029: transport paid by the weekly kilometres, up to a ceiling.

#include "calculation.h"

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
    Amounts &a = calc.amounts;
    a.monto029 = fare >= kTransportCeiling ? toMoney(kTransportCeiling) : toMoney(fare);
    calc.writeEarnings("029", "transporte por KM", "", a.monto029);
    return true;
}

}  // namespace recibo::detail
