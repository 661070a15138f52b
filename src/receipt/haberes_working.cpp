// How each amount of the receipt was reached: tool tips on the amounts and totals, F1 and the
// "Cómo se calculó" button for the window that lists them all.

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "controls.h"
#include "haberes_window.h"
#include "receipt_reader.h"
#include "receipt_layout.h"
#include "twips.h"
#include "working_text.h"

namespace recibo::receipt {
namespace {

constexpr qsizetype kToolTipLineLength = 90;  // characters

// The working broken into lines at blanks, so a long one reads as a paragraph instead of one
// screen-wide line.
QString toolTipOf(const QString &working)
{
    QString tip = working;
    qsizetype lineStart = 0;
    qsizetype lastBlank = -1;
    for (qsizetype i = 0; i <= tip.size(); ++i) {
        if (i < tip.size() && tip[i] != QLatin1Char(' '))
            continue;
        // The word ending here would pass the line's length: the line ends at the blank before it.
        if (i - lineStart > kToolTipLineLength && lastBlank > lineStart) {
            tip[lastBlank] = QLatin1Char('\n');
            lineStart = lastBlank + 1;
        }
        lastBlank = i;
    }
    return tip;
}

QString textOf(const Working *working, char separator)
{
    return working ? QString::fromStdString(explain(*working, separator).text) : QString();
}

}  // namespace

void HaberesWindow::buildWorkingAccess()
{
    // Under the header's boxes, beside "Salir": free whatever the position's name or the category.
    explicar_ = ui::button(this, QStringLiteral("explicar"), QStringLiteral("Cómo se calculó"),
                           ui::rectOf(kExplainPlace.left, kExplainPlace.top, kExplainPlace.width, kExplainPlace.height),
                           QStringLiteral("Cómo se llegó a cada importe (F1)"));
    connect(explicar_, &QPushButton::clicked, this, &HaberesWindow::onExplicarClicked);
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &HaberesWindow::onExplicarClicked);
}

void HaberesWindow::showReceipt(const Receipt &receipt, const ReceiptWorking &working)
{
    // Shown as any receipt, with the working put beside the amounts as they are filled.
    shownWorking_ = &working;
    showReceipt(receipt);
    shownWorking_ = nullptr;
}

void HaberesWindow::showWorking(const Receipt &receipt, const ReceiptWorking *working)
{
    const char separator = working ? working->separator : '.';
    workedAmounts_.clear();
    const std::size_t rows = std::min(receipt.rowCount, kRowSlots);
    for (std::size_t slot = 0; slot < rows; ++slot) {
        const ReceiptRow &row = receipt.rows[slot];
        const QString text = textOf(working ? &working->rows[slot] : nullptr, separator);
        const bool earnings = row.column == AmountColumn::Earnings;
        Label1_[earnings ? slot : slot + kRowSlots]->setToolTip(toolTipOf(text));
        workedAmounts_.append({ui::textOf(row.code), ui::textOf(row.description), QString::fromStdString(row.amount), text});
    }
    const struct {
        QLabel *caption;
        QLabel *amount;
        const Working *working;
    } totals[] = {{Label15_, thaberes_, working ? &working->thaberes : nullptr},
                  {Label16_, tdescuentos_, working ? &working->tdescuentos : nullptr},
                  {Label17_, liquido_, working ? &working->liquido : nullptr}};
    for (const auto &total : totals) {
        const QString text = textOf(total.working, separator);
        total.amount->setToolTip(toolTipOf(text));
        workedAmounts_.append({QString(), total.caption->text(), total.amount->text(), text});
    }
    if (workingWindow_) {
        workingWindow_->setAmounts(workedAmounts_);
    }
}

QRect HaberesWindow::buttonsOnScreen() const
{
    // The buttons the user needs next stay in sight: "Volver", "Imprimir" and "Salir".
    return {Volver_->mapToGlobal(QPoint(0, 0)), Salir_->mapToGlobal(QPoint(Salir_->width(), Salir_->height()))};
}

void HaberesWindow::onExplicarClicked()
{
    if (!workingWindow_) {
        workingWindow_ = new WorkingWindow(this);
        workingWindow_->setAmounts(workedAmounts_);
        workingWindow_->placeBeside(this, buttonsOnScreen());
    }
    // At the working of the line the receipt is being read at, when it has an amount.
    workingWindow_->open(reader_->lineCount() > 0 ? reader_->line(reader_->current()).amount : -1);
}

}  // namespace recibo::receipt
