#pragma once
// The error dialog "error": answers "Calcular" pressed with no category selected.

#include <QDialog>

namespace recibo::entry {

class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit ErrorDialog(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // "Aceptar" is the cancel button too: Esc presses it.
    void reject() override;
};

}  // namespace recibo::entry
