// Arbitrary bytes as a period file: the reader gives a period or problems, never both, never
// nothing, and never crashes or hangs. A period it accepts must then pay every receipt without
// leaving the money range: the receipts with the largest entries the windows take are computed
// with it, with their working.

#include <string_view>

#include "compute.h"
#include "period_reader.h"
#include "receipt_checks.h"
#include "working_text.h"

namespace {

using namespace recibo;
using fuzz::require;

// The largest entries: every item of a position at once, and the largest hours.
std::vector<Snapshot> extremeSnapshots(const Period &period)
{
    Snapshot position;
    position.category = Category::Cargo;
    position.punbas = position.jorcom = position.proljor = "32767";
    position.compbas = position.tardif = "1e9";
    position.seniorityOption = 12;
    position.pctantig = period.seniority.back().percent;
    position.porcantig = percentText(position.pctantig);
    position.zona = static_cast<int>(period.zones.size()) - 1;
    position.transporte = position.hijos = position.hijosdisc = position.conyuge = true;
    position.cantkm = "32767";
    position.cantidadhijos = "100";
    position.cantidadhijosdisc = "1";
    position.dinasist = "2";
    position.Iosper = position.Osplad = position.APORTEJUB = position.Ley4035 = position.TOVIL =
        position.cajacomp = position.Seguro3011 = true;

    Snapshot hours = position;
    hours.category = Category::HorasMedio;
    hours.numerohorasmed = hours.numhorascod06 = hours.numhorasincen = hours.numhorascod113 = "1e9";
    Snapshot higher = hours;
    higher.category = Category::HorasSup;
    higher.numerohorassup = "0.5";
    return {position, hours, higher};
}

void checkPeriod(const Period &period)
{
    require(!period.positions.empty() && !period.zones.empty(), "a period without positions or zones");
    for (const Snapshot &snapshot : extremeSnapshots(period)) {
        ReceiptWorking working;
        const Outcome outcome = compute(snapshot, period, ',', working);
        const auto *receipt = std::get_if<Receipt>(&outcome);
        if (!receipt)
            continue;  // a quantity too large for these rates is refused, as the window says
        fuzz::checkReceipt(*receipt, ',');
        for (std::size_t i = 0; i < receipt->rowCount; ++i)
            require(!explain(working.rows[i], ',').text.empty(), "a row without working");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const PeriodReading reading = readPeriod(std::string_view(reinterpret_cast<const char *>(data), size));
    require(reading.period.has_value() != !reading.problems.empty(), "a period and problems, or neither");
    for (const PeriodProblem &problem : reading.problems)
        require(!problem.text.empty(), "a problem without words");
    if (reading.period)
        checkPeriod(*reading.period);
    return 0;
}
