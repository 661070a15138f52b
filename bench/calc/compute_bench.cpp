// compute() on the largest receipt (26 rows) and on a one-row hours receipt, with the number of heap
// allocations per call reported beside the time; and the largest receipt with its working recorded,
// and with every row's and total's sentence written as well.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "builtin_period.h"
#include "compute.h"
#include "largest_receipt.h"
#include "period_reader.h"
#include "working_text.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void *operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The replaced operator new allocates with malloc, so free is the matching release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using recibo::Category;
using recibo::Snapshot;
using recibo::bench::largestReceipt;

Snapshot oneRowHours()
{
    Snapshot s;
    s.category = Category::HorasMedio;
    s.numerohorasmed = "12";
    return s;
}

void run(benchmark::State &state, const Snapshot &snapshot, std::size_t expectedRows)
{
    const recibo::Period &period = recibo::builtInPeriod();  // built once, before the counting
    const long before = allocations.load();
    for (auto _ : state) {
        auto outcome = recibo::compute(snapshot, period, '.');
        benchmark::DoNotOptimize(outcome);
    }
    const auto outcome = recibo::compute(snapshot, period, '.');
    const auto *receipt = std::get_if<recibo::Receipt>(&outcome);
    if (!receipt || receipt->rowCount != expectedRows)
        state.SkipWithError("unexpected receipt");
    state.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations() + 1));
}

void BM_LargestReceipt(benchmark::State &state) { run(state, largestReceipt(), 26); }
void BM_OneRowHoursReceipt(benchmark::State &state) { run(state, oneRowHours(), 5); }

// `withText` also turns every working into its sentence and formula, as the receipt window does.
void runWithWorking(benchmark::State &state, bool withText)
{
    const Snapshot snapshot = largestReceipt();
    const recibo::Period &period = recibo::builtInPeriod();
    recibo::ReceiptWorking working;
    const long before = allocations.load();
    for (auto _ : state) {
        auto outcome = recibo::compute(snapshot, period, '.', working);
        benchmark::DoNotOptimize(outcome);
        if (!withText)
            continue;
        for (const recibo::Working &row : working.rows)
            benchmark::DoNotOptimize(recibo::explain(row, working.separator));
        for (const recibo::Working *total : {&working.thaberes, &working.tdescuentos, &working.liquido})
            benchmark::DoNotOptimize(recibo::explain(*total, working.separator));
    }
    state.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}

void BM_LargestReceiptWithWorking(benchmark::State &state) { runWithWorking(state, false); }
void BM_LargestReceiptWithWorkingText(benchmark::State &state) { runWithWorking(state, true); }

// The built-in period as the program gets it at start, built from the code generated from its file;
// and the same file read by the period reader, as a period file of the user's is read.
void BM_BuiltInPeriod(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(recibo::buildBuiltInPeriod());
}

void BM_ReadPeriodFile(benchmark::State &state)
{
    for (auto _ : state) {
        const recibo::PeriodReading reading = recibo::readPeriod(recibo::builtInPeriodText());
        if (!reading.period)
            state.SkipWithError("the built-in file was refused");
        benchmark::DoNotOptimize(reading);
    }
}

BENCHMARK(BM_LargestReceipt);
BENCHMARK(BM_BuiltInPeriod)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadPeriodFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneRowHoursReceipt);
BENCHMARK(BM_LargestReceiptWithWorking);
BENCHMARK(BM_LargestReceiptWithWorkingText);

}  // namespace

BENCHMARK_MAIN();
