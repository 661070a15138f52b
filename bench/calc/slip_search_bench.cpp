// The whole slip search on the largest receipt (26 rows, every entry of few values in play): once
// for a slip that one change explains and once for a slip no change explains, with the number of
// receipts each search computed. The window runs this search as the teacher types.

#include <benchmark/benchmark.h>

#include <variant>

#include "builtin_period.h"
#include "compute.h"
#include "largest_receipt.h"
#include "slip_search.h"

namespace {

using recibo::Snapshot;
using recibo::bench::largestReceipt;

// Every row and total of the receipt of `entries`, as typed from a slip; `offset` added to item 188.
std::vector<recibo::TypedLine> slipOf(const Snapshot &entries, recibo::Money offset)
{
    const auto outcome = recibo::compute(entries, recibo::builtInPeriod(), '.');
    const auto comparison = recibo::compareSlip(std::get<recibo::Receipt>(outcome), {}, recibo::builtInPeriod());
    std::vector<recibo::TypedLine> typed;
    for (const recibo::SlipLine &line : comparison.lines)
        typed.push_back({line.code, line.occurrence, *line.calculated + (line.code == "188" ? offset : recibo::Money())});
    return typed;
}

void run(benchmark::State &state, const std::vector<recibo::TypedLine> &typed, bool explained)
{
    const Snapshot entries = largestReceipt();
    std::size_t computed = 0;
    for (auto _ : state) {
        const recibo::SlipSearch search = recibo::searchExplanations(entries, recibo::builtInPeriod(), typed, '.');
        computed = search.receiptsComputed;
        if (search.explanations.empty() == explained)
            state.SkipWithError("unexpected explanations");
        benchmark::DoNotOptimize(search);
    }
    state.counters["receipts_computed"] = static_cast<double>(computed);
    state.counters["lines_typed"] = static_cast<double>(typed.size());
}

void BM_SlipOneChangeExplains(benchmark::State &state)
{
    Snapshot changed = largestReceipt();
    changed.seniorityOption = 9;
    changed.pctantig = 80;
    changed.porcantig = "80 %";
    run(state, slipOf(changed, recibo::Money()), true);
}

void BM_SlipNothingExplains(benchmark::State &state)
{
    run(state, slipOf(largestReceipt(), recibo::Money::whole(3)), false);
}

BENCHMARK(BM_SlipOneChangeExplains)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlipNothingExplains)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
