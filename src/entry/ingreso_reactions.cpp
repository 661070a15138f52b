// How the data-entry window reacts: categories show their fields, count boxes follow their check
// boxes, seniority options write the percentage, "Listo" fills the position summary, "Volver"
// asks for a category again and another period shows its own brackets, zones and positions.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <vector>

#include "builtin_period.h"
#include "controls.h"
#include "ingreso_window.h"

namespace recibo::entry {
namespace {

const QString kZero = QStringLiteral("0");

}  // namespace

void IngresoWindow::connectReactions()
{
    // Categories react only when they become selected, never when another one takes their place.
    connect(cargo_, &QRadioButton::toggled, this, [this](bool on) { if (on) onCargoSelected(); });
    connect(horasmedio_, &QRadioButton::toggled, this, [this](bool on) { if (on) onHorasmedioSelected(); });
    connect(horassup_, &QRadioButton::toggled, this, [this](bool on) { if (on) onHorassupSelected(); });

    connect(tick(fields::opincentivo), &QCheckBox::toggled, this,
            [this](bool on) { Text1_->setText(on ? QStringLiteral("Si") : QStringLiteral("No")); });

    // A count box is there only while its check box is ticked, and holds "0" otherwise.
    const auto follow = [this](QCheckBox *ticked, std::initializer_list<QWidget *> shown, QLineEdit *count) {
        connect(ticked, &QCheckBox::toggled, this, [shown = std::vector<QWidget *>(shown), count](bool on) {
            for (QWidget *w : shown) {
                w->setVisible(on);
            }
            if (!on) {
                count->setText(kZero);
            }
        });
    };
    follow(tick(fields::transporte), {mensajekm_, box(fields::cantkm)}, box(fields::cantkm));
    follow(inasist_, {box(fields::dinasist)}, box(fields::dinasist));
    follow(tick(fields::hijos), {box(fields::cantidadhijos)}, box(fields::cantidadhijos));
    follow(tick(fields::hijosdisc), {box(fields::cantidadhijosdisc)}, box(fields::cantidadhijosdisc));

    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        connect(seniority_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                onSeniorityChosen(i);
            }
        });
    }

    connect(Command1_, &QPushButton::clicked, this, &IngresoWindow::onCalcularClicked);
    connect(Command2_, &QPushButton::clicked, this, &IngresoWindow::requestExit);
}

void IngresoWindow::setHoursVisible(std::initializer_list<const TextField *> hours, bool visible)
{
    for (const TextField *field : hours) {
        box(*field)->setVisible(visible);
        hoursCaptions_[indexOf(*field)]->setVisible(visible);
    }
}

void IngresoWindow::onCargoSelected()
{
    catalogue::SelectionDialog *dialog = ensureSelectionDialog();
    dialog->show();
    dialog->raise();
    const auto allHours = {&fields::numerohorasmed, &fields::numerohorassup, &fields::numhorascod06,
                           &fields::numhorasincen, &fields::numhorascod113};
    setHoursVisible(allHours, false);
    for (const TextField *field : allHours) {
        box(*field)->setText(kZero);
    }
}

void IngresoWindow::onHorasmedioSelected()
{
    setHoursVisible({&fields::numerohorasmed, &fields::numhorascod06, &fields::numhorasincen, &fields::numhorascod113},
                    true);
    if (advertencia_) {
        advertencia_->hide();
    }
    setSummaryVisible(false);
    setHoursVisible({&fields::numerohorassup}, false);
    box(fields::numerohorassup)->setText(kZero);
}

void IngresoWindow::onHorassupSelected()
{
    setHoursVisible({&fields::numerohorassup, &fields::numhorascod06, &fields::numhorasincen, &fields::numhorascod113},
                    true);
    if (advertencia_) {
        advertencia_->hide();
    }
    box(fields::numerohorasmed)->setText(kZero);
    setHoursVisible({&fields::numerohorasmed}, false);
    setSummaryVisible(false);
}

void IngresoWindow::onSeniorityChosen(std::size_t option)
{
    pctantig_ = period().seniority[option].percent;
    box(fields::porcantig)->setText(QString::fromStdString(percentText(pctantig_)));
}

void IngresoWindow::onPeriodChosen(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= offer_.periods.size()
        || static_cast<std::size_t>(index) == chosenPeriod_) {
        return;
    }
    chosenPeriod_ = static_cast<std::size_t>(index);
    showPeriodFigures();
}

QString IngresoWindow::scalesText() const
{
    if (&period() == &builtInPeriod()) {
        return QStringLiteral("Escalas salariales de marzo de 2008");
    }
    QString name = ui::textOf(period().name);
    if (!name.isEmpty()) {
        name[0] = name[0].toLower();
    }
    return QStringLiteral("Escalas salariales de %1").arg(name);
}

void IngresoWindow::showPeriodFigures()
{
    // Every entry stays as chosen; what the chosen entries mean follows the period.
    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        const SeniorityBracket &bracket = period().seniority[i];
        seniority_[i]->setText(ui::textOf(bracket.caption));
        seniority_[i]->setToolTip(QString::fromStdString(percentText(bracket.percent)));
        if (seniority_[i]->isChecked()) {
            onSeniorityChosen(i);
        }
    }
    const int zone = zona_->currentIndex();
    const QString zoneText = zona_->currentText();
    {
        const QSignalBlocker quiet(zona_);
        zona_->clear();
        for (std::size_t i = 0; i < period().zones.size(); ++i) {
            zona_->addItem(ui::textOf(period().zones[i].name), static_cast<int>(i + 1));
        }
        zona_->setCurrentIndex(zone < zona_->count() ? zone : -1);
        if (zona_->currentIndex() < 0) {
            zona_->setEditText(zone < 0 ? zoneText : QStringLiteral("Ubicación Escuela"));
        }
    }
    if (advertencia_) {
        advertencia_->setPeriod(period());
        if (cargoselect_->isVisible()) {
            showPosition(advertencia_->acceptance());
        }
    }
    Label8_->setText(scalesText());
}

void IngresoWindow::onPositionAccepted(const catalogue::Acceptance &acceptance)
{
    showPosition(acceptance);
    if (!acceptance.positionChosen) {
        clearCategory();
    }
    raise();
    activateWindow();
}

void IngresoWindow::showPosition(const catalogue::Acceptance &acceptance)
{
    ensureReceipt()->setPositionBoxes(receipt::PositionBoxes{
        acceptance.codcargo.toStdString(), acceptance.punbas.toStdString(), acceptance.proljor.toStdString(),
        acceptance.jorcom.toStdString(), acceptance.tardif.toStdString(), acceptance.compbas.toStdString()});

    cargoselect_->setText(acceptance.cargox);
    // The name label grows with its text, up to the window's width.
    cargoselect_->resize(std::min(cargoselect_->sizeHint().width(), page_->width() - cargoselect_->x()),
                         cargoselect_->height());
    const std::array<const QString *, 6> values{&acceptance.codcargo, &acceptance.punbas, &acceptance.compbas,
                                                &acceptance.proljor, &acceptance.jorcom, &acceptance.tardif};
    for (std::size_t i = 0; i < values.size(); ++i) {
        summaryValues_[i]->setText(*values[i]);
    }
    setSummaryVisible(true);
}

void IngresoWindow::onVolver()
{
    clearCategory();
    setSummaryVisible(false);
    setHoursVisible({&fields::numerohorasmed, &fields::numerohorassup}, false);
    show();
    raise();
    activateWindow();
    // A category is the first thing to choose again.
    cargo_->setFocus(Qt::OtherFocusReason);
}

void IngresoWindow::clearCategory()
{
    // Deselecting runs no reaction, and an exclusive option only lets go with exclusivity off.
    for (QRadioButton *button : {cargo_, horasmedio_, horassup_}) {
        const QSignalBlocker block(button);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void IngresoWindow::setSummaryVisible(bool visible)
{
    cargoselect_->setVisible(visible);
    for (std::size_t i = 0; i < summaryTitles_.size(); ++i) {
        summaryTitles_[i]->setVisible(visible);
        summaryValues_[i]->setVisible(visible);
    }
}

}  // namespace recibo::entry
