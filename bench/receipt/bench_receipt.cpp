// "Calcular" to receipt painted, on the real receipt window offscreen: the first receipt (the
// window is created on first use) and a further receipt on the open window, for the largest
// receipt of 26 rows. Each iteration ends with the window repainted and its events delivered.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>
#include <algorithm>
#include <chrono>
#include <memory>

#include "haberes_window.h"
#include "receipt_samples.h"

namespace {

using recibo::Receipt;
using recibo::receipt::HaberesWindow;
using Clock = std::chrono::steady_clock;

void paintNow(HaberesWindow &window)
{
    window.repaint();
    QCoreApplication::processEvents();
}

// Times `step` by hand so setting up and tearing down stay out of the figures, and keeps the slowest.
template <typename Step>
void timed(benchmark::State &state, Step step)
{
    double slowest = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        step();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    state.counters["slowest_ms"] = slowest * 1000.0;
}

void BM_FirstReceiptCreatesTheWindow(benchmark::State &state)
{
    const Receipt receipt = recibo::receipt::samples::largestReceipt();
    std::unique_ptr<HaberesWindow> window;
    double slowest = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        window = std::make_unique<HaberesWindow>();
        window->showReceipt(receipt);
        paintNow(*window);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
        window.reset();
        QCoreApplication::processEvents();
    }
    state.counters["slowest_ms"] = slowest * 1000.0;
}
BENCHMARK(BM_FirstReceiptCreatesTheWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SameLargestReceiptAgain(benchmark::State &state)
{
    const Receipt receipt = recibo::receipt::samples::largestReceipt();
    HaberesWindow window;
    window.showReceipt(receipt);
    paintNow(window);
    timed(state, [&] {
        window.showReceipt(receipt);
        paintNow(window);
    });
}
BENCHMARK(BM_SameLargestReceiptAgain)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every other receipt is a short one, so each step rewrites, shows or hides most cells; `paint`
// brings the window on screen or into an image.
template <typename Paint>
void largestAfterAShort(benchmark::State &state, Paint paint)
{
    const Receipt largest = recibo::receipt::samples::largestReceipt();
    const Receipt shorter = recibo::receipt::samples::hoursReceipt();
    HaberesWindow window;
    window.showReceipt(largest);
    paintNow(window);
    bool large = false;
    timed(state, [&] {
        window.showReceipt(large ? largest : shorter);
        paint(window);
        large = !large;
    });
}

void BM_LargestAfterAShortReceipt(benchmark::State &state) { largestAfterAShort(state, paintNow); }
BENCHMARK(BM_LargestAfterAShortReceipt)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same, with the window rendered into an image instead of onto its backing store.
void BM_LargestAfterAShortReceiptGrabbed(benchmark::State &state)
{
    largestAfterAShort(state, [](HaberesWindow &window) {
        benchmark::DoNotOptimize(window.grab());
        QCoreApplication::processEvents();
    });
}
BENCHMARK(BM_LargestAfterAShortReceiptGrabbed)->UseManualTime()->Unit(benchmark::kMillisecond);

// Counts the paint events one repaint delivers, to show the timed repaint really paints.
void BM_PaintEventsPerRepaint(benchmark::State &state)
{
    struct Counter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    HaberesWindow window;
    window.showReceipt(recibo::receipt::samples::largestReceipt());
    paintNow(window);
    window.installEventFilter(&counter);
    for (auto _ : state) {
        paintNow(window);
    }
    state.counters["window_paints_per_repaint"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PaintEventsPerRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

// The first receipt of a run, once: the program has shown its data-entry window already, so a
// window of ordinary controls is shown first to pay the toolkit's start-up outside the figure.
void coldFirstReceipt()
{
    QWidget entry;
    QFont font(QStringLiteral("Liberation Sans"));  // the data-entry window's font
    font.setPointSizeF(9.75);
    entry.setFont(font);
    auto *layout = new QVBoxLayout(&entry);
    layout->addWidget(new QLabel(QStringLiteral("Nombre del docente")));
    layout->addWidget(new QLineEdit(QStringLiteral("Ana")));
    layout->addWidget(new QCheckBox(QStringLiteral("IOSPER")));
    layout->addWidget(new QPushButton(QStringLiteral("Calcular")));
    entry.show();
    entry.repaint();
    QCoreApplication::processEvents();

    const Receipt receipt = recibo::receipt::samples::largestReceipt();
    const auto start = Clock::now();
    HaberesWindow window;
    window.showReceipt(receipt);
    paintNow(window);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const auto again = Clock::now();
    window.showReceipt(recibo::receipt::samples::hoursReceipt());
    paintNow(window);
    window.showReceipt(receipt);
    paintNow(window);
    const double secondMs = std::chrono::duration<double, std::milli>(Clock::now() - again).count() / 2;
    std::printf("cold first receipt (window created, 26 rows, painted): %.2f ms\n", ms);
    std::printf("cold second and third receipts on the open window, each: %.2f ms\n", secondMs);
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    coldFirstReceipt();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
