#pragma once
// How the classes meet. `IngresoWindow` is the data-entry window "ingreso": it owns the controls the
// user fills in and reacts to them (category options, count boxes, seniority options), and it
// creates the other windows the first time they are needed: the selection dialog
// `catalogue::SelectionDialog` ("advertencia"), the error dialog `ErrorDialog` ("error") and the
// receipt window behind `receipt::ReceiptView` ("Haberes"). The engine is `recibo::compute` in
// src/calc, a pure C++ function with no Qt; `recibo::moneyText` and `recibo::doubleText` there format
// every number the receipt shows, and src/calc/input_fields.h lists every input field once. A click on
// "Calcular" reads the controls and the dialog's fields into a `Snapshot`, calls `compute` with the
// user's decimal separator, asking for the `ReceiptWorking` (how each amount was reached), and hands
// the `Receipt` with its working to `ReceiptView::showReceipt`, whose window shows the sentences
// `recibo::explain` writes as tool tips and in its "Cómo se calculó" window; a `Failure` instead
// opens the error dialog (no category) or a short message naming the field, and changes nothing that
// is shown.
//
// The figures of the pay scheme come from the chosen `Period` (period_library.h lists those offered);
// the window shows the chosen period's seniority brackets, zones and positions, and computes with it.
//
// The window is a QMainWindow whose page of controls scrolls on a screen smaller than the design.
// The window's code is split by job: ingreso_controls.cpp builds the controls, ingreso_reactions.cpp
// holds the reactions to them, ingreso_snapshot.cpp reads them into a snapshot, and
// ingreso_window.cpp runs "Calcular" and the other windows.

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "input_fields.h"
#include "period_library.h"
#include "receipt_view.h"
#include "selection_dialog.h"
#include "snapshot.h"
#include "teacher_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMessageBox;
class QPushButton;
class QRadioButton;

namespace recibo::entry {

class ErrorDialog;
class KeptSettings;

using ReceiptFactory = std::function<std::unique_ptr<receipt::ReceiptView>()>;

class IngresoWindow : public QMainWindow {
    Q_OBJECT

public:
    // Only the built-in period.
    explicit IngresoWindow(QWidget *parent = nullptr);
    explicit IngresoWindow(PeriodOffer offer, QWidget *parent = nullptr);
    // `makeReceipt` builds the receipt window on first use; `quit` ends the program ("Salir").
    IngresoWindow(ReceiptFactory makeReceipt, std::function<void()> quit, QWidget *parent = nullptr);
    IngresoWindow(PeriodOffer offer, ReceiptFactory makeReceipt, std::function<void()> quit,
                  QWidget *parent = nullptr);
    ~IngresoWindow() override;

    // What "Calcular" hands to the engine, read from the controls as they stand.
    Snapshot snapshot() const;
    // Sets the controls to `entries` as typing them would, every reaction running as it does then.
    void showEntries(const Snapshot &entries);

    // The teacher's file: opened and saved as "Abrir…" and "Guardar como…" do after their dialogs;
    // false (and a message, the entries unchanged) when it cannot be done.
    bool openFile(const QString &path);
    bool saveFile(const QString &path);
    // Restores what `settings` kept of the last run, and keeps this run's state there at exit.
    void keepIn(KeptSettings &settings);
    // "Salir": asks first only about unsaved changes to an opened file, keeps the state, ends.
    void requestExit();
    std::uint8_t pctantig() const { return pctantig_; }
    // The period "Calcular" computes with: the built-in one until the teacher picks another.
    const Period &period() const { return *offer_.periods[chosenPeriod_]; }

    // The windows made on first use; null until then.
    catalogue::SelectionDialog *selectionDialog() const { return advertencia_; }
    ErrorDialog *errorDialog() const { return error_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // After the page's first paint the receipt window is prepared while the user fills the fields.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (ingreso_controls.cpp).
    void buildHeading();
    void buildPeriodChooser(const QRect &where);
    void buildCategory();
    void buildSummary();
    void buildHours();
    void buildIncentiveAndTransport();
    void buildZoneAndAbsences();
    void buildFamily();
    void buildDeductions();
    void buildSeniority();
    void buildButtonsAndDecoration();
    void buildMenus();
    void fillRecentMenu();
    void watchForChanges();
    QLineEdit *addTextBox(QWidget *parent, const TextField &field, const QRect &where, const QString &toolTip);
    QCheckBox *addCheckBox(QWidget *parent, const TickField &field, const QRect &where,
                           const QString &toolTip = QString());

    // Reactions (ingreso_reactions.cpp).
    void connectReactions();
    void onCargoSelected();
    void onHorasmedioSelected();
    void onHorassupSelected();
    void onSeniorityChosen(std::size_t option);
    void showSeniorityOption(int option);
    void onPeriodChosen(int index);
    void showPeriodFigures();
    void sayLeftOutPeriods();
    void onPositionAccepted(const catalogue::Acceptance &acceptance);
    void showPosition(const catalogue::Acceptance &acceptance);
    QString scalesText() const;
    void onVolver();
    void clearCategory();
    void setSummaryVisible(bool visible);
    void setHoursVisible(std::initializer_list<const TextField *> hours, bool visible);

    // The teacher's file and what is kept between runs (ingreso_file.cpp).
    file::TeacherFile teacherFile();
    std::string fileBytes();
    bool hasUnsavedChanges();
    void refreshTitle();
    void showTeacherFile(const file::TeacherFile &contents);
    const Period *offeredPeriod(std::string_view name) const;
    void showFileMessage(const QString &text);
    void rememberFile(const QString &path);
    QString dialogFolder() const;
    void onNuevo();
    void onAbrir();
    bool onGuardar();
    bool onGuardarComo();
    bool mayLeaveFile();
    void keepState();

    // Help (ingreso_help.cpp).
    void showManual();
    void showAbout();

    // Running "Calcular" and the other windows (ingreso_window.cpp).
    void onCalcularClicked();
    catalogue::SelectionDialog *ensureSelectionDialog();
    receipt::ReceiptView *ensureReceipt();
    void prepareReceipt();
    void showError();
    void showMessage(const QString &text);
    void focusFailedField(const std::string &control);

    Category chosenCategory() const;
    int chosenSeniorityOption() const;
    QLineEdit *box(const TextField &field) const;
    QCheckBox *tick(const TickField &field) const;

    PeriodOffer offer_;
    std::size_t chosenPeriod_ = 0;
    QLabel *Label8_ = nullptr;

    KeptSettings *kept_ = nullptr;
    QString filePath_;
    std::string savedBytes_;  // the file's contents as last opened or saved
    QString lastFolder_;
    QStringList recentFiles_;
    QMenu *recentMenu_ = nullptr;
    QMessageBox *fileMessage_ = nullptr;
    QString setAsideMessage_;
    file::Comment startComment_;
    std::optional<QPoint> receiptPosition_;

    ReceiptFactory makeReceipt_;
    std::function<void()> quit_;
    // The controls stand on a page of the design size, which scrolls where the screen is smaller.
    QWidget *page_ = nullptr;
    bool fittedOnScreen_ = false;
    bool painted_ = false;

    // The text boxes and check boxes of the input fields, in the order of kTextFields and kTickFields;
    // fields of the selection dialog have no box here.
    std::array<QLineEdit *, kTextFields.size()> textBoxes_{};
    std::array<QCheckBox *, kTickFields.size()> tickBoxes_{};

    QRadioButton *cargo_ = nullptr;
    QRadioButton *horasmedio_ = nullptr;
    QRadioButton *horassup_ = nullptr;

    QLabel *cargoselect_ = nullptr;
    std::array<QLabel *, 6> summaryTitles_{};
    std::array<QLabel *, 6> summaryValues_{};
    // The caption beside each hours box, by its box's field.
    std::array<QLabel *, kTextFields.size()> hoursCaptions_{};

    QLineEdit *Text1_ = nullptr;
    QLabel *mensajekm_ = nullptr;
    QComboBox *zona_ = nullptr;
    QCheckBox *inasist_ = nullptr;

    std::array<QRadioButton *, kSeniorityBracketCount> seniority_{};
    std::uint8_t pctantig_ = 0;

    QPushButton *Command1_ = nullptr;
    QPushButton *Command2_ = nullptr;

    catalogue::SelectionDialog *advertencia_ = nullptr;
    ErrorDialog *error_ = nullptr;
    QMessageBox *mensaje_ = nullptr;
    std::unique_ptr<receipt::ReceiptView> receipt_;
};

}  // namespace recibo::entry
