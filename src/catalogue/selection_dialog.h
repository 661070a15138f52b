#pragma once
// The selection dialog "advertencia": the user picks a position by its code or by its name.
// The catalogue is the chosen period's table of positions; the dialog keeps only the selected row
// index, and the name chooser `cargox` is the one list that is a widget.

#include <QDialog>
#include <QString>

#include "input_fields.h"
#include "period.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace recibo::catalogue {

// What "Listo" carries to the data-entry window and the receipt's position boxes.
struct Acceptance {
    QString codcargo;
    QString cargox;
    QString punbas;
    QString compbas;
    QString proljor;
    QString jorcom;
    QString tardif;
    // False when the code box was empty or read as 0: "Cargo" must be deselected.
    bool positionChosen = false;
};

class SelectionDialog : public QDialog {
    Q_OBJECT

public:
    // `period` lists the positions; it must outlive the dialog or the next setPeriod.
    explicit SelectionDialog(const Period &period, QWidget *parent = nullptr);

    // Another period's positions: the chooser lists them, and the code in the box selects its row
    // there, or nothing when that period has no such code.
    void setPeriod(const Period &period);

    // The dialog's caption, also how messages point the user to it.
    static QString title();

    // The row shared by the seven lists: 0..310 for the built-in period, or -1 when none is selected.
    int selectedRow() const { return selectedRow_; }
    // What "Listo" would carry now.
    Acceptance acceptance() const;
    // The position of `entries` chosen as the user would: its code typed, the point boxes and the
    // name as they stand there, and "Listo".
    void choose(const Snapshot &entries);
    // Selected entries of the hidden lists `codigocargo` and `puntosbasicos` ("" for none).
    QString selectedCode() const;
    QString selectedBasicPoints() const;
    // The text of one of the dialog's input fields: a point box, or the name chooser's text, which
    // may have been typed over.
    QString fieldText(const TextField &field) const;
    // Shows the dialog with the focus in the box of a field a message has just named; the read-only
    // basic points come from the code, so they send the user to the code box.
    void focusField(const TextField &field);

signals:
    void listo(const recibo::catalogue::Acceptance &acceptance);
    void leftWithoutData();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void setVisible(bool visible) override;
    // Esc and the window's close control leave the way "Salir sin datos" does.
    void reject() override;

private:
    QLineEdit *boxOf(const TextField &field) const;
    void buildPointBoxes();
    void buildNameChooser();
    void fillNameChooser();
    void buildButtons();
    void searchByCode(const QString &code);
    void onNamePicked(int index);
    void onListoClicked();
    void onSalirSinDatosClicked();

    QLineEdit *codcargo_ = nullptr;
    QLineEdit *punbas_ = nullptr;
    QLineEdit *compbas_ = nullptr;
    QLineEdit *proljor_ = nullptr;
    QLineEdit *jorcom_ = nullptr;
    QLineEdit *tardif_ = nullptr;
    QComboBox *cargox_ = nullptr;
    QPushButton *listo_ = nullptr;
    QPushButton *salirSinDatos_ = nullptr;
    const Period *period_;
    int selectedRow_ = -1;
    bool shownBefore_ = false;
};

}  // namespace recibo::catalogue
