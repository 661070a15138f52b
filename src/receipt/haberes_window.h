#pragma once
// The receipt window "Haberes": shows one computed receipt, scrolls it, prints it on white and
// leads back to the data entry. It never computes pay; it only shows what it is handed.

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "receipt.h"
#include "receipt_view.h"
#include "slip_window.h"
#include "working_window.h"

class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPrintDialog;
class QPrinter;
class QPushButton;
class QScrollBar;

namespace recibo::receipt {

class ReceiptReader;
class RuleLine;
class TextFit;

class HaberesWindow : public QWidget, public ReceiptView {
    Q_OBJECT

public:
    explicit HaberesWindow(QWidget *parent = nullptr);
    ~HaberesWindow() override;

    void showReceipt(const Receipt &receipt) override;
    void showReceipt(const Receipt &receipt, const ReceiptWorking &working) override;
    void setPositionBoxes(const PositionBoxes &boxes) override;
    void setPeriodName(const std::string &name) override;
    void setSalirHandler(std::function<void()> handler) override;
    std::string commentTitle() const override;
    std::string commentText() const override;
    void setComment(const std::string &title, const std::string &text) override;
    void setVolverHandler(std::function<void()> handler) override;
    Slip slip() const override { return slip_; }
    void setSlip(const Slip &slip) override;
    void setEntries(const Snapshot &entries, const Period &period) override;
    void setUseEntriesHandler(std::function<void(const Snapshot &)> handler) override;
    void prepare() override;

    // Prints the window as shown, on white, with the "TOVIL" column and without buttons or notes,
    // then restores it. Returns false after telling the user when the device cannot be painted.
    bool printReceipt(QPagedPaintDevice *device);

    // The printer "Imprimir" offers in its dialog; kept so the user's choices last between prints.
    QPrinter &printer();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Esc does what "Volver" does; the scrolling keys move the receipt wherever the focus is not
    // editing text.
    void keyPressEvent(QKeyEvent *event) override;
    // The mouse wheel scrolls the receipt anywhere over the window.
    void wheelEvent(QWheelEvent *event) override;
    // The buttons leave the scrolling keys to the receipt instead of moving the focus with them.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (haberes_controls.cpp).
    void buildFrame();
    void buildRows();
    void buildRules();
    void buildTotals();
    void buildHeader();
    void buildButtons();
    void buildNotes();
    void buildTovilColumn();
    void buildScrollBar();

    // Every slot, the header, the totals, the name, the date and the working: all a receipt shows.
    void fill(const Receipt &receipt);
    void fillRow(std::size_t slot, const ReceiptRow &row);
    void showHeader(const ReceiptHeader &header);
    void fitName(QLabel *label, int designWidth, int lineHeight, int maxWidth, int maxHeight);
    void showTotals(const ReceiptTotals &totals, std::size_t rows);
    // The receipt shown, line by line, as the screen reader reads it (haberes_reading.cpp).
    void buildReader();
    void readLines(const Receipt &receipt);
    void placeAmount(QLabel *cell, const std::string &text, int rightTwips, int topTwips,
                     int heightTwips, int maxWidth, TextFit &fit);
    void layOutTotals(std::size_t rows);
    void fitScrollBar();
    // Until the teacher sizes the window, it takes the height that shows the whole receipt.
    void fitHeightToReceipt();
    // Down by `pixels` (negative: up), as the receipt's lines ask to keep one in view.
    void scrollReceiptBy(int pixels);
    static bool isScrollKey(int key);
    void setBackgrounds(unsigned frameColour, unsigned windowColour);
    void setPrintLook(bool printing);
    void reportPrintFailure();

    // How each amount was reached (haberes_working.cpp).
    void buildWorkingAccess();
    void showWorking(const Receipt &receipt, const ReceiptWorking *working);
    void onExplicarClicked();
    // The buttons the user needs next, kept clear by the windows placed beside the receipt.
    QRect buttonsOnScreen() const;

    // The receipt against the teacher's pay slip (haberes_slip.cpp).
    void buildSlipAccess();
    void showSlipComparison();
    void onCompararClicked();

    void onVolverClicked();
    void onImprimirClicked();
    void onSalirClicked();
    // Moves the frame to 100 - value and grows it by the value.
    void onMovedorValueChanged(int value);

    QGroupBox *sosten_ = nullptr;
    QLabel *Label18_ = nullptr;
    QLabel *docente_ = nullptr;
    QString periodName_;
    std::array<QLabel *, kRowSlots> cod_{};
    std::array<QLabel *, kRowSlots> Label10_{};
    std::array<QLabel *, kRowSlots> Label19_{};
    std::array<QLabel *, 2 * kRowSlots> Label1_{};
    std::array<RuleLine *, kRowSlots> Line8_{};
    QLabel *Label15_ = nullptr;
    QLabel *Label16_ = nullptr;
    QLabel *Label17_ = nullptr;
    QLabel *thaberes_ = nullptr;
    QLabel *tdescuentos_ = nullptr;
    QLabel *liquido_ = nullptr;
    // The six vertical rules whose lower ends follow the row count.
    std::array<RuleLine *, 6> verticalRules_{};
    RuleLine *Line4_ = nullptr;
    RuleLine *Line6_ = nullptr;
    RuleLine *Line15_ = nullptr;
    RuleLine *Line16_ = nullptr;
    RuleLine *Line17_ = nullptr;

    QLabel *carsel_ = nullptr;
    QLabel *Label11_ = nullptr;
    QLineEdit *numcargo_ = nullptr;
    QLabel *Label12_ = nullptr;
    QLineEdit *punbasicos_ = nullptr;
    QLabel *Label2_ = nullptr;
    QLineEdit *compbas_ = nullptr;
    QLabel *Label14_ = nullptr;
    QLineEdit *proljor_ = nullptr;
    QLabel *Label20_ = nullptr;
    QLineEdit *jorcom_ = nullptr;
    QLabel *Label21_ = nullptr;
    QLineEdit *tardif_ = nullptr;

    QPushButton *Volver_ = nullptr;
    QPushButton *Imprimir_ = nullptr;
    QPushButton *Salir_ = nullptr;
    QLineEdit *Text11_ = nullptr;
    QPlainTextEdit *Text12_ = nullptr;
    QLineEdit *Text1_ = nullptr;
    QLineEdit *Text10_ = nullptr;
    // Text2 .. Text9, by their number.
    std::array<QLineEdit *, 8> tovil_{};
    QScrollBar *movedor_ = nullptr;
    ReceiptReader *reader_ = nullptr;
    QPushButton *explicar_ = nullptr;
    QPointer<WorkingWindow> workingWindow_;  // made on first use
    QList<WorkedAmount> workedAmounts_;      // the receipt shown, with each amount's working
    const ReceiptWorking *shownWorking_ = nullptr;  // only while a receipt with its working is shown
    QPushButton *comparar_ = nullptr;
    QPointer<SlipWindow> slipWindow_;  // made on first use
    Slip slip_;
    Receipt shownReceipt_;
    char shownSeparator_ = '.';
    // The entries of the next receipt, then of the one shown; none for a receipt handed without them.
    std::optional<Snapshot> nextEntries_;
    std::optional<Snapshot> shownEntries_;
    const Period *nextPeriod_ = nullptr;
    const Period *shownPeriod_ = nullptr;
    std::function<void(const Snapshot &)> useEntriesHandler_;

    QFont boldFont_;  // buttons and totals
    std::unique_ptr<TextFit> regularFit_;
    std::unique_ptr<TextFit> boldFit_;
    QPointer<QWidget> focusBeforePrint_;
    int frameHeight_;  // twips; grows with every scroll, see onMovedorValueChanged
    int receiptBottom_;  // twips in the frame: the last totals rule of the receipt shown
    QSize fittedSize_;          // the size the window last gave itself
    bool fitOnShow_ = true;      // the screen is to trim the window when it is next shown
    bool sizedByTeacher_ = false;
    bool receiptShown_ = false;  // once true, preparing would overwrite a real receipt
    std::function<void()> volverHandler_;
    std::function<void()> salirHandler_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintDialog> printDialog_;
};

}  // namespace recibo::receipt
