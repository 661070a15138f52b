// Item 001 for the two hours categories: hours turned into points at the period's rate per hour.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
namespace {

struct HoursLevel {
    std::string_view description;  // the 001 row
    std::string_view headerName;   // carsel
};

constexpr HoursLevel kSecondary{"Hs. N. Medio", "Horas de nivel medio"};
constexpr HoursLevel kHigher{"Hs. N. Superior", "Horas de nivel superior"};

}  // namespace

bool hoursItems(Calculation &calc)
{
    const bool secondary = calc.in.category == Category::HorasMedio;
    const HoursLevel &level = secondary ? kSecondary : kHigher;
    const std::string &quantity = secondary ? calc.in.numerohorasmed : calc.in.numerohorassup;

    const double pointsPerHour = secondary ? calc.period.secondary.pointsPerHour : calc.period.higher.pointsPerHour;
    const double pointValue = calc.period.hourPointValue;

    const auto hours = secondary ? calc.read<fields::numerohorasmed>() : calc.read<fields::numerohorassup>();
    if (!hours)
        return false;
    const double points = *hours * pointsPerHour;
    const auto amount = secondary ? calc.amountOf<fields::numerohorasmed>(points * pointValue)
                                  : calc.amountOf<fields::numerohorassup>(points * pointValue);
    if (!amount)
        return false;
    calc.amounts.monto001 = *amount;
    if (Working *w = calc.working(&Amounts::monto001))
        *w = product(calc.amounts.monto001, {asHours("#", *hours), asNumber("# puntos por hora", pointsPerHour),
                                             asMoney("valor del punto #", pointValue)});

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
