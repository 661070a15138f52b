#include "compute.h"

#include "calculation.h"

namespace recibo {
namespace {

Outcome run(const Snapshot &snapshot, const Period &period, char decimalSeparator, ReceiptWorking *working)
{
    if (snapshot.category == Category::None)
        return Failure{FailureKind::NoCategory, {}, {}};

    Outcome outcome{std::in_place_type<Receipt>};
    Receipt &receipt = std::get<Receipt>(outcome);
    detail::Calculation calc(snapshot, period, decimalSeparator, receipt, working);

    const bool categoryDone = snapshot.category == Category::Cargo ? detail::positionItems(calc)
                                                                   : detail::hoursItems(calc);
    if (!categoryDone)
        return *calc.failure;
    detail::seniorityAndZone(calc);
    detail::decreeAndNationalRows(calc);
    detail::productivity(calc);
    if (!detail::absenceReduction(calc))
        return *calc.failure;
    detail::remunerativeSubtotal(calc);
    detail::minimumTopUp(calc);
    if (!detail::transport(calc) || !detail::familyAllowances(calc))
        return *calc.failure;
    detail::absenceAdjustmentRow(calc);
    detail::deductions(calc);
    receipt.totals = detail::totals(calc.amounts, receipt, decimalSeparator, working);
    receipt.docente = snapshot.docente;
    return outcome;
}

}  // namespace

Outcome compute(const Snapshot &snapshot, const Period &period, char decimalSeparator)
{
    return run(snapshot, period, decimalSeparator, nullptr);
}

Outcome compute(const Snapshot &snapshot, const Period &period, char decimalSeparator, ReceiptWorking &working)
{
    return run(snapshot, period, decimalSeparator, &working);
}

}  // namespace recibo
