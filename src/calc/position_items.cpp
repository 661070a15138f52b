// Items 001, 002, 052 and 016: a catalogue position paid by its points.

#include "calculation.h"

namespace recibo::detail {
namespace {

constexpr double kBasicPointValue = 0.59;      // basic, basic-complement and differentiated task
constexpr double kDayPointValue = 0.71;        // full day and extended day
constexpr std::int16_t kMinDayPoints = 1;      // a 052 row needs at least one point

}  // namespace

namespace {

// The basic points, and the receipt header that names the position.
bool readBasicPoints(Calculation &calc)
{
    const Snapshot &in = calc.in;
    // The dialog's basic points box is empty until a position has been chosen.
    if (in.punbas.find_first_not_of(" \t") == std::string::npos) {
        calc.fail(FailureKind::NoPosition, fields::punbas.control, in.punbas);
        return false;
    }
    const auto basic = calc.read<fields::punbas>();
    if (!basic)
        return false;
    calc.amounts.basicPoints = *basic;

    ReceiptHeader &header = calc.header();
    header.Label11 = "Código del cargo";
    header.numcargo = in.codigocargo;
    header.punbasicos = in.puntosbasicos;
    header.carsel = in.cargox;
    header.pointBoxesVisible = true;
    return true;
}

// The full-day, extended-day and task points; gives the basic-complement points, read last.
std::optional<double> readOtherPoints(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const auto fullDay = calc.read<fields::jorcom>();
    if (!fullDay)
        return std::nullopt;
    const auto extendedDay = calc.read<fields::proljor>();
    if (!extendedDay)
        return std::nullopt;
    const auto task = calc.read<fields::tardif>();
    if (!task)
        return std::nullopt;
    a.fullDayPoints = *fullDay;
    a.extendedDayPoints = *extendedDay;
    a.taskPoints = *task;
    return calc.read<fields::compbas>();
}

void writeRows(Calculation &calc, double complementPoints)
{
    Amounts &a = calc.amounts;
    calc.writeEarnings("001", "Asign. de la categoría", "1", a.monto001, AmountPrefix::Attached);
    if (complementPoints > 0)
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
}

}  // namespace

bool positionItems(Calculation &calc)
{
    if (!readBasicPoints(calc))
        return false;
    Amounts &a = calc.amounts;
    a.monto001 = toMoney(a.basicPoints * kBasicPointValue);
    const auto complement = readOtherPoints(calc);
    if (!complement)
        return false;
    a.monto002 = toMoney(kBasicPointValue * *complement);
    a.monto052 = toMoney(a.fullDayPoints * kDayPointValue) + toMoney(a.extendedDayPoints * kDayPointValue);
    a.monto016 = toMoney(a.taskPoints.toDouble() * kBasicPointValue);
    writeRows(calc, *complement);
    positionSupplements(calc);
    return true;
}

}  // namespace recibo::detail
