// The receipt against the pay slip the teacher was given: the "Comparar con mi recibo" button and
// F2 open the window where the slip is typed; the slip and the entries of the receipt shown are
// kept here, so both outlive the window and every new receipt.

#include <QKeySequence>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <utility>

#include "builtin_period.h"
#include "controls.h"
#include "haberes_window.h"
#include "receipt_layout.h"
#include "text_fit.h"
#include "twips.h"

namespace recibo::receipt {
namespace {

// A push button's frame and margins take this many pixels of its width.
constexpr int kButtonChrome = 12;

}  // namespace

void HaberesWindow::buildSlipAccess()
{
    // Under "Cómo se calculó", as wide as the room left of "Salir" and above the printing note.
    const QRect place = ui::rectOf(kComparePlace.left, kComparePlace.top, kComparePlace.width, kComparePlace.height);
    comparar_ = ui::button(this, QStringLiteral("comparar"), QStringLiteral("Comparar con mi recibo"), place,
                           QStringLiteral("Escribir lo que dice su recibo y ver qué línea difiere y por qué (F2)"));
    regularFit_->fit(comparar_, comparar_->text(), comparar_->width() - kButtonChrome);
    connect(comparar_, &QPushButton::clicked, this, &HaberesWindow::onCompararClicked);
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(shortcut, &QShortcut::activated, this, &HaberesWindow::onCompararClicked);
}

void HaberesWindow::setSlip(const Slip &slip)
{
    slip_ = slip;
    if (slipWindow_) {
        slipWindow_->setSlip(slip_);
    }
}

void HaberesWindow::setEntries(const Snapshot &entries, const Period &period)
{
    nextEntries_ = entries;
    nextPeriod_ = &period;
}

void HaberesWindow::setUseEntriesHandler(std::function<void(const Snapshot &)> handler)
{
    useEntriesHandler_ = std::move(handler);
    if (slipWindow_) {
        slipWindow_->setUseEntriesHandler(useEntriesHandler_);
    }
}

void HaberesWindow::showSlipComparison()
{
    if (slipWindow_) {
        slipWindow_->setReceipt(shownReceipt_, workedAmounts_, shownEntries_,
                                shownPeriod_ ? *shownPeriod_ : builtInPeriod(), shownSeparator_);
    }
}

void HaberesWindow::onCompararClicked()
{
    if (!slipWindow_) {
        slipWindow_ = new SlipWindow(this);
        slipWindow_->setSlipEditedHandler([this](const Slip &slip) { slip_ = slip; });
        slipWindow_->setUseEntriesHandler(useEntriesHandler_);
        slipWindow_->setSlip(slip_);
        showSlipComparison();
        slipWindow_->placeBeside(this, buttonsOnScreen());
    }
    slipWindow_->open();
}

}  // namespace recibo::receipt
