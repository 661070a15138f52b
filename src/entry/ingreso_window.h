#pragma once
// How the classes meet. `IngresoWindow` is the data-entry window "ingreso": it owns the controls the
// user fills in and reacts to them (category options, count boxes, seniority options), and it
// creates the other windows the first time they are needed: the selection dialog
// `catalogue::SelectionDialog` ("advertencia"), the error dialog `ErrorDialog` ("error") and the
// receipt window behind `receipt::ReceiptView` ("Haberes"). The engine is `recibo::compute` in
// src/calc, a pure C++ function with no Qt; `recibo::moneyText` and `recibo::doubleText` there format
// every number the receipt shows. A click on "Calcular" reads the controls and the dialog's fields
// into a `Snapshot`, calls `compute` with the user's decimal separator and hands the `Receipt` to
// `ReceiptView::showReceipt`; a `Failure` instead opens the error dialog (no category) or a short
// message naming the field, and changes nothing that is shown.

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "receipt_view.h"
#include "selection_dialog.h"
#include "snapshot.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QRadioButton;

namespace recibo::entry {

class ErrorDialog;

using ReceiptFactory = std::function<std::unique_ptr<receipt::ReceiptView>()>;

class IngresoWindow : public QWidget {
    Q_OBJECT

public:
    explicit IngresoWindow(QWidget *parent = nullptr);
    // `makeReceipt` builds the receipt window on first use; `quit` ends the program ("Salir").
    IngresoWindow(ReceiptFactory makeReceipt, std::function<void()> quit, QWidget *parent = nullptr);
    ~IngresoWindow() override;

    // What "Calcular" hands to the engine, read from the controls as they stand.
    Snapshot snapshot() const;
    std::uint8_t pctantig() const { return pctantig_; }

    // The windows made on first use; null until then.
    catalogue::SelectionDialog *selectionDialog() const { return advertencia_; }
    ErrorDialog *errorDialog() const { return error_; }
    QMessageBox *messageBox() const { return mensaje_; }
    receipt::ReceiptView *receiptView() const { return receipt_.get(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeading();
    void buildCategory();
    void buildSummaryAndHours();
    void buildLeftColumn();
    void buildDeductions();
    void buildSeniority();
    void buildButtonsAndDecoration();
    void connectReactions();

    void cargoSelected();
    void horasmedioSelected();
    void horassupSelected();
    void seniorityChosen(int option);
    void calcular();
    void accepted(const catalogue::Acceptance &acceptance);
    void volver();

    catalogue::SelectionDialog *ensureSelectionDialog();
    receipt::ReceiptView *ensureReceipt();
    void showError();
    void showMessage(const QString &text);
    QString captionOf(const std::string &field) const;
    void clearCategory();
    void setSummaryVisible(bool visible);

    ReceiptFactory makeReceipt_;
    std::function<void()> quit_;

    QLineEdit *docente_ = nullptr;
    QRadioButton *cargo_ = nullptr;
    QRadioButton *horasmedio_ = nullptr;
    QRadioButton *horassup_ = nullptr;

    QLabel *cargoselect_ = nullptr;
    std::array<QLabel *, 6> summaryTitles_{};
    std::array<QLabel *, 6> summaryValues_{};

    QLabel *Label3_ = nullptr;
    QLabel *Label4_ = nullptr;
    QLabel *Label2_ = nullptr;
    QLabel *Label7_ = nullptr;
    QLabel *Label6_ = nullptr;
    QLineEdit *numerohorasmed_ = nullptr;
    QLineEdit *numerohorassup_ = nullptr;
    QLineEdit *numhorascod06_ = nullptr;
    QLineEdit *numhorasincen_ = nullptr;
    QLineEdit *numhorascod113_ = nullptr;

    QCheckBox *opincentivo_ = nullptr;
    QLineEdit *Text1_ = nullptr;
    QCheckBox *transporte_ = nullptr;
    QLabel *mensajekm_ = nullptr;
    QLineEdit *cantkm_ = nullptr;
    QComboBox *zona_ = nullptr;
    QCheckBox *inasist_ = nullptr;
    QLineEdit *dinasist_ = nullptr;
    QCheckBox *hijos_ = nullptr;
    QLineEdit *cantidadhijos_ = nullptr;
    QCheckBox *hijosdisc_ = nullptr;
    QLineEdit *cantidadhijosdisc_ = nullptr;
    QCheckBox *conyuge_ = nullptr;

    QCheckBox *Iosper_ = nullptr;
    QCheckBox *Osplad_ = nullptr;
    QCheckBox *TOVIL_ = nullptr;
    QCheckBox *APORTEJUB_ = nullptr;
    QCheckBox *cajacomp_ = nullptr;
    QCheckBox *Ley4035_ = nullptr;
    QCheckBox *Seguro3011_ = nullptr;

    std::array<QRadioButton *, 12> seniority_{};
    QLineEdit *porcantig_ = nullptr;
    std::uint8_t pctantig_ = 0;

    QPushButton *Command1_ = nullptr;
    QPushButton *Command2_ = nullptr;

    catalogue::SelectionDialog *advertencia_ = nullptr;
    ErrorDialog *error_ = nullptr;
    QMessageBox *mensaje_ = nullptr;
    std::unique_ptr<receipt::ReceiptView> receipt_;
};

}  // namespace recibo::entry
