// Reading the data-entry window and the selection dialog into the snapshot "Calcular" computes.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "ingreso_window.h"

namespace recibo::entry {

QLineEdit *IngresoWindow::box(const TextField &field) const { return textBoxes_[indexOf(field)]; }

QCheckBox *IngresoWindow::tick(const TickField &field) const { return tickBoxes_[indexOf(field)]; }

Category IngresoWindow::chosenCategory() const
{
    const std::array<const QRadioButton *, 3> options{cargo_, horasmedio_, horassup_};
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked()) {
            return kCategoryOptions[i].category;
        }
    }
    return Category::None;
}

int IngresoWindow::chosenSeniorityOption() const
{
    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        if (seniority_[i]->isChecked()) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

Snapshot IngresoWindow::snapshot() const
{
    Snapshot s;
    s.category = chosenCategory();
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        const TextField &field = *kTextFields[i];
        if (field.window == FieldWindow::Ingreso) {
            s.*field.value = textBoxes_[i]->text().toStdString();
        } else if (advertencia_) {
            s.*field.value = advertencia_->fieldText(field).toStdString();
        }
    }
    if (advertencia_) {
        s.codigocargo = advertencia_->selectedCode().toStdString();
        s.puntosbasicos = advertencia_->selectedBasicPoints().toStdString();
    }
    // Only a full tick counts as ticked.
    for (std::size_t i = 0; i < kTickFields.size(); ++i) {
        s.*kTickFields[i]->value = tickBoxes_[i]->checkState() == Qt::Checked;
    }
    s.seniorityOption = chosenSeniorityOption();
    s.pctantig = pctantig_;
    s.zona = zona_->currentIndex();
    return s;
}

}  // namespace recibo::entry
