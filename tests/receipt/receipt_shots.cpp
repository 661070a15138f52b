// Draws the receipt window into PNG files for a person to look at: a short receipt, the largest
// one scrolled to its end, the largest printed to a PDF file, and the computed largest explaining
// itself (tool tips on items 010 and 006, the window F1 opens; these need a real screen, so run the
// program under xvfb-run). Not part of the program.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <memory>
#include <variant>

#include "builtin_period.h"
#include "case_json.h"

#include "haberes_window.h"
#include "receipt_samples.h"

using namespace recibo::receipt;

namespace {

// The largest receipt as the pay computation produces it, from its golden case, with its working.
recibo::Receipt computedLargest(recibo::ReceiptWorking &working)
{
    std::ifstream file(RECIBO_CASES_DIR "/largest_receipt_comma.json");
    const auto json = nlohmann::ordered_json::parse(file);
    const recibo::cases::CaseInput input = recibo::cases::inputFromJson(json.at("input"), recibo::builtInPeriod());
    const recibo::Outcome outcome = recibo::compute(input.snapshot, recibo::builtInPeriod(), input.decimalSeparator, working);
    return std::get<recibo::Receipt>(outcome);
}

// The screen with the amount cell's tool tip showing, as the mouse resting on it shows it.
void saveToolTip(HaberesWindow &window, const char *cell, const QString &file)
{
    auto *label = window.findChild<QLabel *>(QLatin1String(cell));
    QToolTip::showText(label->mapToGlobal(label->rect().center()), label->toolTip(), label);
    QTest::qWait(400);
    window.screen()->grabWindow(0).save(file);
    QToolTip::hideText();
}

// The window F1 opens, beside the receipt as far as the screen lets it.
void saveWorkingWindow(HaberesWindow &window, const QString &file)
{
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::qWait(400);
    window.screen()->grabWindow(0).save(file);
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

    const auto working = std::make_unique<recibo::ReceiptWorking>();
    window.showReceipt(computedLargest(*working), *working);
    movedor->setValue(movedor->minimum());
    movedor->setValue(movedor->maximum());
    QApplication::processEvents();
    window.grab().save(out + "/receipt-computed-largest-end.png");
    movedor->setValue(100);
    if (!QTest::qWaitForWindowActive(&window))
        std::printf("the receipt window did not become active: F1 may not reach it\n");
    saveToolTip(window, "Label1(5)", out + "/working-tooltip-010.png");
    saveToolTip(window, "Label1(7)", out + "/working-tooltip-006.png");
    saveWorkingWindow(window, out + "/working-window-f1.png");

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
