// Items 001, 002, 052 and 016: a catalogue position paid by its points.

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr double kBasicPointValue = 0.59;      // basic, basic-complement and differentiated task
constexpr double kDayPointValue = 0.71;        // full day and extended day
constexpr std::int16_t kMinDayPoints = 1;      // a 052 row needs at least one point

}  // namespace

bool positionItems(Calculation &calc)
{
    const Snapshot &in = calc.in;
    Amounts &a = calc.amounts;

    // The dialog's basic points box is empty until a position has been chosen.
    if (in.punbas.find_first_not_of(" \t") == std::string::npos) {
        calc.fail(FailureKind::NoPosition, "punbas", in.punbas);
        return false;
    }
    const auto basic = calc.readWhole16("punbas", in.punbas);
    if (!basic)
        return false;
    a.basicPoints = *basic;

    ReceiptHeader &header = calc.header();
    header.Label11 = "Código del cargo";
    header.numcargo = in.codigocargo;
    header.punbasicos = in.puntosbasicos;
    header.carsel = in.cargox;
    header.pointBoxesVisible = true;

    a.monto001 = toMoney(a.basicPoints * kBasicPointValue);

    const auto fullDay = calc.readWhole16("jorcom", in.jorcom);
    if (!fullDay)
        return false;
    const auto extendedDay = calc.readWhole16("proljor", in.proljor);
    if (!extendedDay)
        return false;
    const auto task = calc.readPointsAsMoney("tardif", in.tardif);
    if (!task)
        return false;
    a.fullDayPoints = *fullDay;
    a.extendedDayPoints = *extendedDay;
    a.taskPoints = *task;

    const auto complement = calc.readQuantity("compbas", in.compbas);
    if (!complement)
        return false;
    a.monto002 = toMoney(kBasicPointValue * *complement);
    a.monto052 = toMoney(a.fullDayPoints * kDayPointValue) +
                 toMoney(a.extendedDayPoints * kDayPointValue);
    a.monto016 = toMoney(a.taskPoints.toDouble() * kBasicPointValue);

    calc.writeEarnings("001", "Asign. de la categoría", "1", a.monto001, AmountPrefix::Attached);
    if (*complement > 0)
        calc.writeEarnings("002", "Comp. de Básico", "", a.monto002);
    else
        a.monto002 = Money();
    // Both 052 rows show the sum of the two day amounts; no catalogue row has both.
    if (a.fullDayPoints >= kMinDayPoints)
        calc.writeEarnings("052", "Jornada completa", "", a.monto052);
    if (a.extendedDayPoints >= kMinDayPoints)
        calc.writeEarnings("052", "Prol. de Jornada", "", a.monto052);
    if (a.taskPoints > Money())
        calc.writeEarnings("016", "Tarea diferenciada", "", a.monto016);
    else
        a.monto016 = Money();

    positionSupplements(calc);
    return true;
}

}  // namespace recibo::detail
