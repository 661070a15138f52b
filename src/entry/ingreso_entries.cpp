// Putting a teacher's entries into the window as the user would type them, so every reaction
// runs: the category shows its fields, a position is chosen in the dialog, count boxes follow
// their check boxes and the seniority option writes its percentage.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "ingreso_window.h"

namespace recibo::entry {

void IngresoWindow::showEntries(const Snapshot &entries)
{
    clearCategory();
    setSummaryVisible(false);
    setHoursVisible({&fields::numerohorasmed, &fields::numerohorassup, &fields::numhorascod06,
                     &fields::numhorasincen, &fields::numhorascod113},
                    false);
    // Ticks first: a box that is cleared empties its count, which the texts then set.
    for (std::size_t i = 0; i < kTickFields.size(); ++i) {
        tickBoxes_[i]->setChecked(entries.*kTickFields[i]->value);
    }
    inasist_->setChecked(entries.dinasist != "0");
    const std::array<QRadioButton *, 3> categories{cargo_, horasmedio_, horassup_};
    for (std::size_t i = 0; i < categories.size(); ++i) {
        if (kCategoryOptions[i].category == entries.category) {
            categories[i]->setChecked(true);
        }
    }
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (kTextFields[i]->window == FieldWindow::Ingreso) {
            textBoxes_[i]->setText(QString::fromStdString(entries.*kTextFields[i]->value));
        }
    }
    if (entries.category == Category::Cargo && !entries.codigocargo.empty()) {
        ensureSelectionDialog()->choose(entries);
    }
    showSeniorityOption(entries.seniorityOption);
    zona_->setCurrentIndex(entries.zona < zona_->count() ? entries.zona : -1);
    if (zona_->currentIndex() < 0) {
        zona_->setEditText(QStringLiteral("Ubicación Escuela"));
    }
}

void IngresoWindow::showSeniorityOption(int option)
{
    if (option >= 1 && option <= static_cast<int>(seniority_.size())) {
        seniority_[static_cast<std::size_t>(option - 1)]->setChecked(true);
        return;
    }
    // No option chosen: the options let go only with their exclusivity off, as at start.
    for (QRadioButton *button : seniority_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    pctantig_ = 0;
    box(fields::porcantig)->setText(QString());
}

}  // namespace recibo::entry
