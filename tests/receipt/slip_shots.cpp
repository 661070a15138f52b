// Draws «Comparar con mi recibo» beside the computed largest receipt into PNG files for a person to
// look at: a slip one change explains, a slip nothing explains (with an amount that does not read),
// each as a teacher would type it from paper. Needs a real screen: run it under xvfb-run. Not part
// of the program.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <memory>
#include <variant>

#include "builtin_period.h"
#include "case_json.h"
#include "haberes_window.h"

using namespace recibo;

namespace {

struct Computed {
    Snapshot entries;
    Receipt receipt;
    std::unique_ptr<ReceiptWorking> working = std::make_unique<ReceiptWorking>();
};

Computed computeLargest(const char *patch)
{
    std::ifstream file(RECIBO_CASES_DIR "/largest_receipt_comma.json");
    auto input = nlohmann::ordered_json::parse(file).at("input");
    input.update(nlohmann::ordered_json::parse(patch));
    const cases::CaseInput in = cases::inputFromJson(input, builtInPeriod());
    Computed computed;
    computed.entries = in.snapshot;
    computed.receipt = std::get<Receipt>(compute(in.snapshot, builtInPeriod(), in.decimalSeparator, *computed.working));
    return computed;
}

// "$ 1.234,57", as a slip prints an amount.
std::string printed(Money amount)
{
    const std::int64_t cents = (amount.count() + 50) / 100;
    std::string whole = std::to_string(cents / 100);
    for (auto at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<std::size_t>(at), ".");
    const std::string fraction = std::to_string(100 + cents % 100).substr(1);
    return "$ " + whole + "," + fraction;
}

// The slip of `paid`, every line printed, some lines typed otherwise.
Slip slipOf(const Computed &paid, std::initializer_list<std::pair<const char *, const char *>> otherwise)
{
    Slip slip;
    for (const SlipLine &line : compareSlip(paid.receipt, {}, builtInPeriod()).lines)
        setTypedAmount(slip, line.code, line.occurrence, printed(*line.calculated));
    for (const auto &[code, text] : otherwise)
        setTypedAmount(slip, code, 0, text);
    return slip;
}

void saveScreen(receipt::HaberesWindow &window, const QString &file)
{
    // F2 reaches the receipt window once it is the active one, and the activation it asked for is over.
    if (!QTest::qWaitForWindowActive(&window))
        std::printf("the receipt window did not become active: F2 may not reach it\n");
    QTest::qWait(300);
    QTest::keyClick(&window, Qt::Key_F2);
    QTest::qWait(500);
    window.screen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(out);

    const Computed entries = computeLargest("{}");
    receipt::HaberesWindow window;
    // «Usar estos datos» is offered as the data-entry window offers it.
    window.setUseEntriesHandler([](const Snapshot &) {});
    window.setSlip(slipOf(computeLargest(R"({"bracket": 9})"), {}));
    window.setEntries(entries.entries, builtInPeriod());
    window.showReceipt(entries.receipt, *entries.working);
    saveScreen(window, out + "/slip-one-change-explains.png");

    window.setSlip(slipOf(entries, {{"188", "$ 111,50"}, {"1010", "$ 18,00"}, {"332", "12,34,56"}}));
    window.setEntries(entries.entries, builtInPeriod());
    window.showReceipt(entries.receipt, *entries.working);
    saveScreen(window, out + "/slip-nothing-explains.png");
    return 0;
}
