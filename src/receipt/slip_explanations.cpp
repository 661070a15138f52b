// What explains the slip: the explanations best first, «Usar estos datos», and the lines no change
// explains with how their amounts were calculated, to take to the payroll office.

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "slip_texts.h"
#include "slip_window.h"

namespace recibo::receipt {
namespace {

QString noteText(const SlipComparison &comparison, bool entriesKnown)
{
    if (comparison.compared == 0) {
        return QStringLiteral("Cuando una línea escrita no coincida, aquí se verá qué dato lo explica.");
    }
    if (!comparison.differs()) {
        return QStringLiteral("Nada que explicar: todas las líneas escritas coinciden.");
    }
    if (!entriesKnown) {
        return QStringLiteral("No se conocen los datos de este recibo: vuelva a calcularlo para buscar qué "
                              "explica las diferencias.");
    }
    return QStringLiteral("Ningún cambio de uno o dos datos hace coincidir más líneas.");
}

}  // namespace

void SlipWindow::fillExplanations()
{
    explicaciones_->clear();
    for (const Explanation &explanation : search_.explanations) {
        explicaciones_->addItem(QString::fromStdString(explanation.text));
    }
    const bool any = explicaciones_->count() > 0;
    explicacionesNota_->setText(noteText(comparison_, entries_.has_value()));
    explicacionesNota_->setVisible(!any);
    explicaciones_->setVisible(any);
    usarDatos_->setVisible(any);
    if (any) {
        explicaciones_->setCurrentRow(0);
    }
    usarDatos_->setEnabled(any && useEntries_ != nullptr);
}

void SlipWindow::fillUnexplained()
{
    QStringList entries;
    for (std::size_t i = 0; i < comparison_.lines.size(); ++i) {
        if (!unexplained(i)) {
            continue;
        }
        const SlipLine &line = comparison_.lines[i];
        const QString working = workingOf(line);
        QString entry = QStringLiteral("%1: mi recibo %2, calculado %3, diferencia %4.")
                            .arg(lineName(line), spokenAmount(*line.slip, separator_),
                                 line.calculated ? spokenAmount(*line.calculated, separator_)
                                                 : QStringLiteral("nada (no está en el recibo calculado)"),
                                 spokenAmount(line.difference(), separator_));
        if (!working.isEmpty()) {
            entry += QStringLiteral("\n    Cómo se calculó: ") + working;
        }
        entries << entry;
    }
    sinExplicacion_->setPlainText(entries.join(QStringLiteral("\n\n")));
    sinExplicacionTitulo_->setVisible(!entries.isEmpty());
    sinExplicacion_->setVisible(!entries.isEmpty());
}

void SlipWindow::onUseClicked()
{
    const int row = explicaciones_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= search_.explanations.size() || !useEntries_) {
        return;
    }
    // A copy: computing again replaces the explanations.
    const Snapshot entries = search_.explanations[static_cast<std::size_t>(row)].entries;
    useEntries_(entries);
}

}  // namespace recibo::receipt
