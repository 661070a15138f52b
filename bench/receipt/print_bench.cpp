// Printing the largest receipt to a PDF file, as "Imprimir" does once the dialog is accepted: the
// time the window is busy (the file written and closed) and the size of the file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "haberes_window.h"
#include "receipt_samples.h"

namespace {

using recibo::receipt::HaberesWindow;
using Clock = std::chrono::steady_clock;

void BM_PrintLargestReceiptToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("recibo.pdf"));
    HaberesWindow window;
    window.showReceipt(recibo::receipt::samples::largestReceipt());
    QCoreApplication::processEvents();
    // The printer the dialog hands over when the user picks a PDF file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));

    double slowest = 0;
    bool printed = true;
    for (auto _ : state) {
        const auto start = Clock::now();
        printed = window.printReceipt(&printer) && printed;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        slowest = std::max(slowest, seconds);
    }
    if (!printed) {
        state.SkipWithError("the receipt could not be printed");
    }
    state.counters["slowest_ms"] = slowest * 1000.0;
    state.counters["file_kB"] = static_cast<double>(QFileInfo(file).size()) / 1024.0;
}
BENCHMARK(BM_PrintLargestReceiptToPdf)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
