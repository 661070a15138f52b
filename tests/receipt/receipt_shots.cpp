// Draws the receipt window into PNG files for a person to look at: a short receipt, the largest
// one scrolled to its end, and the largest printed to a PDF file. Not part of the program.
#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <variant>

#include "case_json.h"

#include "haberes_window.h"
#include "receipt_samples.h"

using namespace recibo::receipt;

namespace {

// The largest receipt as the pay computation produces it, from its golden case.
recibo::Receipt computedLargest()
{
    std::ifstream file(RECIBO_CASES_DIR "/largest_receipt_comma.json");
    const auto json = nlohmann::ordered_json::parse(file);
    const recibo::cases::CaseInput input = recibo::cases::inputFromJson(json.at("input"));
    const recibo::Outcome outcome = recibo::compute(input.snapshot, input.decimalSeparator);
    return std::get<recibo::Receipt>(outcome);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(out);

    HaberesWindow window;
    window.showReceipt(samples::hoursReceipt());
    QApplication::processEvents();
    window.grab().save(out + "/receipt-short.png");

    window.showReceipt(samples::largestReceipt());
    QApplication::processEvents();
    window.grab().save(out + "/receipt-largest-top.png");
    auto *movedor = window.findChild<QScrollBar *>("movedor");
    movedor->setValue(movedor->maximum());
    QApplication::processEvents();
    window.grab().save(out + "/receipt-largest-end.png");

    window.showReceipt(computedLargest());
    movedor->setValue(movedor->minimum());
    movedor->setValue(movedor->maximum());
    QApplication::processEvents();
    window.grab().save(out + "/receipt-computed-largest-end.png");

    window.showReceipt(samples::largestReceipt());
    movedor->setValue(100);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out + "/receipt-printed.pdf");
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    const bool printed = window.printReceipt(&printer);
    QApplication::processEvents();
    window.grab().save(out + "/receipt-after-print.png");
    std::printf("printed: %s\n", printed ? "yes" : "no");
    return printed ? 0 : 1;
}
