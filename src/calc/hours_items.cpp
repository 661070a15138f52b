// Item 001 for the two hours categories: hours turned into points at a fixed rate per hour.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

struct HoursLevel {
    double pointsPerHour;
    std::string_view description;  // the 001 row
    std::string_view headerName;   // carsel
};

constexpr double kHourPointValue = 0.59;
constexpr HoursLevel kSecondary{64.7, "Hs. N. Medio", "Horas de nivel medio"};
constexpr HoursLevel kHigher{86.9, "Hs. N. Superior", "Horas de nivel superior"};

}  // namespace

bool hoursItems(Calculation &calc)
{
    const bool secondary = calc.in.category == Category::HorasMedio;
    const HoursLevel &level = secondary ? kSecondary : kHigher;
    const std::string &quantity = secondary ? calc.in.numerohorasmed : calc.in.numerohorassup;

    const auto hours = secondary ? calc.read<fields::numerohorasmed>() : calc.read<fields::numerohorassup>();
    if (!hours)
        return false;
    const double points = *hours * level.pointsPerHour;
    calc.amounts.monto001 = toMoney(points * kHourPointValue);
    if (Working *w = calc.working(&Amounts::monto001))
        *w = product(calc.amounts.monto001, {asHours("#", *hours), asNumber("# puntos por hora", level.pointsPerHour),
                                             asMoney("valor del punto #", kHourPointValue)});

    ReceiptHeader &header = calc.header();
    header.Label11 = "Cantidad de horas";
    header.numcargo = quantity;
    header.punbasicos = doubleText(points, calc.separator);
    header.carsel = std::string(level.headerName);
    header.pointBoxesVisible = false;

    if (!hoursSupplements(calc, calc.in.category))
        return false;

    calc.writeEarnings("001", level.description, quantity, &Amounts::monto001, AmountPrefix::Attached);
    return true;
}

}  // namespace recibo::detail
