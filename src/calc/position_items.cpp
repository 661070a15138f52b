// Items 001, 002, 052 and 016: a catalogue position paid by its points.

#include "calculation.h"
#include "working_record.h"

namespace recibo::detail {
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
    const int minDayPoints = calc.period.minDayPoints;
    calc.writeEarnings("001", "Asign. de la categoría", "1", &Amounts::monto001, AmountPrefix::Attached);
    if (complementPoints > 0)
        calc.writeEarnings("002", "Comp. de Básico", "", &Amounts::monto002);
    else
        a.monto002 = Money();
    // Both 052 rows show the sum of the two day amounts; no catalogue row has both.
    if (a.fullDayPoints >= minDayPoints)
        calc.writeEarnings("052", "Jornada completa", "", &Amounts::monto052);
    if (a.extendedDayPoints >= minDayPoints)
        calc.writeEarnings("052", "Prol. de Jornada", "", &Amounts::monto052);
    if (a.taskPoints > Money())
        calc.writeEarnings("016", "Tarea diferenciada", "", &Amounts::monto016);
    else
        a.monto016 = Money();
}

// Item 052: the full-day and the extended-day amounts, each converted, then added.
void dayAmounts(Calculation &calc)
{
    Amounts &a = calc.amounts;
    const double dayPointValue = calc.period.dayPointValue;
    const Money fullDay = toMoney(a.fullDayPoints * dayPointValue);
    const Money extendedDay = toMoney(a.extendedDayPoints * dayPointValue);
    a.monto052 = fullDay + extendedDay;
    Working *w = calc.working(&Amounts::monto052);
    if (!w)
        return;
    const Figure value = asMoney("valor del punto #", dayPointValue);
    const Figure full = asPoints("puntos de jornada completa #", a.fullDayPoints);
    const Figure extended = asPoints("puntos de prolongación de jornada #", a.extendedDayPoints);
    if (extendedDay == Money())
        *w = product(a.monto052, {full, value});
    else if (fullDay == Money())
        *w = product(a.monto052, {extended, value});
    else
        *w = sumOfProducts(a.monto052, {{full, value, fullDay}, {extended, value, extendedDay}});
}

}  // namespace

bool positionItems(Calculation &calc)
{
    if (!readBasicPoints(calc))
        return false;
    Amounts &a = calc.amounts;
    const double basicPointValue = calc.period.basicPointValue;
    const Figure pointValue = asMoney("valor del punto #", basicPointValue);
    a.monto001 = toMoney(a.basicPoints * basicPointValue);
    if (Working *w = calc.working(&Amounts::monto001))
        *w = product(a.monto001, {asPoints("puntos básicos #", a.basicPoints), pointValue});
    const auto complement = readOtherPoints(calc);
    if (!complement)
        return false;
    const auto complementAmount = calc.amountOf<fields::compbas>(basicPointValue * *complement);
    const auto taskAmount = calc.amountOf<fields::tardif>(a.taskPoints.toDouble() * basicPointValue);
    if (!complementAmount || !taskAmount)
        return false;
    a.monto002 = *complementAmount;
    if (Working *w = calc.working(&Amounts::monto002))
        *w = product(a.monto002, {asPoints("puntos de complemento básico #", *complement), pointValue});
    dayAmounts(calc);
    a.monto016 = *taskAmount;
    if (Working *w = calc.working(&Amounts::monto016))
        *w = product(a.monto016, {asPoints("puntos de tarea diferenciada #", a.taskPoints.toDouble()), pointValue});
    writeRows(calc, *complement);
    positionSupplements(calc);
    return true;
}

}  // namespace recibo::detail
