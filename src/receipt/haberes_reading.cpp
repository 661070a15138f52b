// The receipt as the screen reader hears it: each line of what the window shows put into one
// sentence, with the working of its amount as its description.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "accessible.h"
#include "haberes_window.h"
#include "receipt_layout.h"
#include "receipt_reader.h"
#include "twips.h"

namespace recibo::receipt {
namespace {

QString joined(const QStringList &parts) { return parts.join(QStringLiteral(", ")); }

// "Caption value": a label and the box or label beside it, as one phrase.
QString phrase(const QLabel *caption, const QString &value)
{
    return QStringLiteral("%1 %2").arg(caption->text(), value).trimmed();
}

}  // namespace

void HaberesWindow::buildReader()
{
    // The frame, its cells and its rules are read through the reader's lines, not one by one.
    ui::readThroughAnotherControl(sosten_);
    reader_ = new ReceiptReader(this);
    reader_->setScroller({[this](int pixels) { scrollReceiptBy(pixels); },
                          [this](bool end) { movedor_->setValue(end ? movedor_->maximum() : kScrollStart); }});
}

void HaberesWindow::readLines(const Receipt &receipt)
{
    std::vector<ReaderLine> lines;
    lines.push_back({QStringLiteral("%1 %2").arg(Label18_->text(), docente_->text()).trimmed(), QString(),
                     {Label18_, docente_}});
    lines.push_back({joined({phrase(Label11_, numcargo_->text()), carsel_->text(), phrase(Label12_, punbasicos_->text())}),
                     QString(), {carsel_, Label11_, numcargo_, Label12_, punbasicos_}});
    if (compbas_->isVisibleTo(this)) {
        lines.push_back({joined({phrase(Label2_, compbas_->text()), phrase(Label14_, proljor_->text()),
                                 phrase(Label20_, jorcom_->text()), phrase(Label21_, tardif_->text())}),
                         QString(), {Label2_, compbas_, Label14_, proljor_, Label20_, jorcom_, Label21_, tardif_}});
    }
    const std::size_t rows = std::min(receipt.rowCount, kRowSlots);
    for (std::size_t slot = 0; slot < rows; ++slot) {
        const ReceiptRow &row = receipt.rows[slot];
        const bool earnings = row.column == AmountColumn::Earnings;
        QLabel *amount = Label1_[earnings ? slot : slot + kRowSlots];
        QStringList parts{cod_[slot]->text()};
        if (!Label10_[slot]->isHidden() && !Label10_[slot]->text().isEmpty()) {
            parts << Label10_[slot]->text();
        }
        // The receipt has no column headings: the sentence says which column the amount stands in.
        parts << Label19_[slot]->text() << (earnings ? QStringLiteral("haberes") : QStringLiteral("descuentos"))
              << amount->text();
        lines.push_back({joined(parts), workedAmounts_.value(static_cast<qsizetype>(slot)).working,
                         {cod_[slot], Label10_[slot], Label19_[slot], amount}, static_cast<int>(slot)});
    }
    const std::array<std::pair<QLabel *, QLabel *>, 3> totals{
        {{Label15_, thaberes_}, {Label16_, tdescuentos_}, {Label17_, liquido_}}};
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const auto &[caption, amount] = totals[i];
        const auto place = static_cast<qsizetype>(rows + i);
        lines.push_back({joined({caption->text(), amount->text()}), workedAmounts_.value(place).working,
                         {caption, amount}, static_cast<int>(place)});
    }
    lines.push_back({joined({Text10_->accessibleName(), Text10_->text()}), QString(), {Text10_}});
    reader_->setLines(std::move(lines));
}

}  // namespace recibo::receipt
