#include "haberes_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "accessible.h"
#include "controls.h"
#include "receipt_layout.h"
#include "receipt_printing.h"
#include "receipt_reader.h"
#include "rule_line.h"
#include "text_fit.h"
#include "twips.h"

namespace recibo::receipt {

namespace {

using ui::rectOf;

const char *const kPrintFailureText =
    "No se pudo imprimir el recibo: revise la impresora o elija imprimir en un archivo PDF.";

}  // namespace

HaberesWindow::HaberesWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), frameHeight_(kFrameDesignHeight), receiptBottom_(kDesignReceiptBottom)
{
    setObjectName(QStringLiteral("Haberes"));
    setWindowTitle(QStringLiteral("Haberes"));
    ui::setAccessibleRole(this, QAccessible::Window);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    setFont(font);
    boldFont_ = font;
    boldFont_.setBold(true);
    // Cells whose text is wider than the cell get their letters drawn closer, clear of the rules.
    regularFit_ = std::make_unique<TextFit>(font);
    boldFit_ = std::make_unique<TextFit>(boldFont_);
    setAutoFillBackground(true);
    ui::setColour(this, QPalette::Window, kWindowColour);
    resize(ui::sizeOf(kClientWidth, kClientHeight));
    fittedSize_ = size();
    setMinimumSize(ui::sizeOf(kMinClientWidth, kMinClientHeight));

    buildFrame();
    buildHeader();
    buildButtons();
    buildNotes();
    buildTovilColumn();
    buildScrollBar();
    buildWorkingAccess();
    buildSlipAccess();
    buildReader();
    for (QPushButton *button : {explicar_, comparar_, Volver_, Imprimir_, Salir_}) {
        button->installEventFilter(this);
    }
    // Reading order: the receipt, the header column, then the right-hand column from the top, then the
    // notes below.
    const std::array<QWidget *, 16> chain{reader_,  numcargo_, punbasicos_, compbas_, proljor_, jorcom_,
                                          tardif_,  explicar_, comparar_,   Text11_,  Text12_,  Volver_,
                                          Imprimir_, Salir_,   Text1_,      Text10_};
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

HaberesWindow::~HaberesWindow() = default;

void HaberesWindow::showReceipt(const Receipt &receipt)
{
    receiptShown_ = true;
    fill(receipt);
    fitHeightToReceipt();
    shownReceipt_ = receipt;
    shownSeparator_ = shownWorking_ ? shownWorking_->separator
                                    : (QLocale().decimalPoint().startsWith(QLatin1Char(',')) ? ',' : '.');
    shownEntries_ = std::exchange(nextEntries_, std::nullopt);
    shownPeriod_ = std::exchange(nextPeriod_, nullptr);
    showSlipComparison();
    show();
    setEnabled(true);
    raise();
    activateWindow();
    // The first line of the receipt, so a screen reader starts reading it.
    reader_->setFocus(Qt::OtherFocusReason);
}

void HaberesWindow::fill(const Receipt &receipt)
{
    const std::size_t rows = std::min(receipt.rowCount, kRowSlots);
    // Every slot ends hidden unless this receipt writes it, so no earlier row can stay visible.
    for (std::size_t slot = 0; slot < kRowSlots; ++slot) {
        if (slot < rows) {
            fillRow(slot, receipt.rows[slot]);
        } else {
            Line8_[slot]->hide();
            Label1_[slot]->hide();
            Label1_[slot + kRowSlots]->hide();
            Label10_[slot]->hide();
            Label19_[slot]->hide();
            cod_[slot]->hide();
        }
    }

    showHeader(receipt.header);
    showTotals(receipt.totals, rows);
    docente_->setText(QString::fromStdString(receipt.docente));
    fitName(docente_, kNameWidth, kNameHeight, kRulesRight - kNameLeft, kFirstRowTop - kNameTop);
    Text10_->setText(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    showWorking(receipt, shownWorking_);
    readLines(receipt);
}

void HaberesWindow::showHeader(const ReceiptHeader &header)
{
    Label11_->setText(ui::textOf(header.Label11));
    numcargo_->setAccessibleName(ui::textOf(header.Label11));
    numcargo_->setText(QString::fromStdString(header.numcargo));
    punbasicos_->setText(QString::fromStdString(header.punbasicos));
    carsel_->setText(QString::fromStdString(header.carsel));
    fitName(carsel_, kCarselWidth, kCarselHeight, kMovedorLeft - kCarselLeft - kNameClearance,
            kCarselRoomHeight);
    // The position's point boxes mean nothing for an hours category.
    const std::array<QWidget *, 8> pointBoxes{Label14_, Label20_, Label21_, Label2_,
                                              proljor_, jorcom_,  tardif_,  compbas_};
    for (QWidget *widget : pointBoxes) {
        widget->setVisible(header.pointBoxesVisible);
    }
}

void HaberesWindow::showTotals(const ReceiptTotals &totals, std::size_t rows)
{
    layOutTotals(rows);
    const TotalsLayout layout = totalsLayout(rows);
    placeAmount(thaberes_, totals.thaberes, kHaberesRight, layout.haberesTop, kTotalsHeight,
                kEarningsMaxWidth, *boldFit_);
    placeAmount(tdescuentos_, totals.tdescuentos, kDescuentosRight, layout.descuentosTop,
                kTotalsHeight, kDeductionsMaxWidth, *boldFit_);
    placeAmount(liquido_, totals.liquido, kLiquidoRight, layout.liquidoTop, kTotalsHeight,
                kDeductionsMaxWidth, *boldFit_);
}

void HaberesWindow::fitName(QLabel *label, int designWidth, int lineHeight, int maxWidth, int maxHeight)
{
    // A long name takes two lines in smaller type rather than running past the frame or the scroll bar.
    const QSize needed = regularFit_->fitLines(label, label->text(), ui::px(maxWidth), ui::px(lineHeight),
                                               ui::px(maxHeight));
    label->resize(std::max(ui::px(designWidth), needed.width()), needed.height());
}

void HaberesWindow::fillRow(std::size_t slot, const ReceiptRow &row)
{
    const int top = rowTop(slot);
    cod_[slot]->setText(ui::textOf(row.code));
    cod_[slot]->show();
    const QString description = ui::textOf(row.description);
    const int descriptionWidth = regularFit_->fit(Label19_[slot], description, kDescriptionMaxWidth);
    Label19_[slot]->setText(description);
    Label19_[slot]->resize(std::max(ui::px(kDescriptionWidth), descriptionWidth), Label19_[slot]->height());
    Label19_[slot]->show();
    if (row.middle) {
        const QString middle = QString::fromStdString(*row.middle);
        const int middleWidth = regularFit_->fit(Label10_[slot], middle, kMiddleMaxWidth);
        Label10_[slot]->setText(middle);
        Label10_[slot]->resize(std::max(ui::px(kMiddleWidth), middleWidth), Label10_[slot]->height());
        Label10_[slot]->show();
    } else {
        Label10_[slot]->hide();
    }
    const bool earnings = row.column == AmountColumn::Earnings;
    QLabel *shown = Label1_[earnings ? slot : slot + kRowSlots];
    QLabel *unused = Label1_[earnings ? slot + kRowSlots : slot];
    placeAmount(shown, row.amount, earnings ? kEarningsRight : kDeductionsRight, top, kCellHeight,
                earnings ? kEarningsMaxWidth : kDeductionsMaxWidth, *regularFit_);
    shown->show();
    unused->hide();
    Line8_[slot]->show();
}

void HaberesWindow::placeAmount(QLabel *cell, const std::string &text, int rightTwips, int topTwips,
                                int heightTwips, int maxWidth, TextFit &fit)
{
    const QString shown = QString::fromStdString(text);
    // Sized to its text, so the right edge stays on the column whatever the amount's length.
    const int width = fit.fit(cell, shown, maxWidth);
    cell->setText(shown);
    const int right = ui::px(rightTwips);
    cell->setGeometry(right - width, ui::px(topTwips), width, ui::px(heightTwips));
}

void HaberesWindow::layOutTotals(std::size_t rows)
{
    const TotalsLayout layout = totalsLayout(rows);
    receiptBottom_ = layout.line17;
    fitScrollBar();
    for (RuleLine *rule : verticalRules_) {
        rule->setY2(layout.rulesBottom);
    }
    const auto moveRule = [](RuleLine *rule, int y) {
        rule->setY1(y);
        rule->setY2(y);
    };
    moveRule(Line6_, layout.line6);
    Label15_->move(Label15_->x(), ui::px(layout.haberesTop));
    moveRule(Line15_, layout.line15);
    Label16_->move(Label16_->x(), ui::px(layout.descuentosTop));
    moveRule(Line16_, layout.line16);
    Label17_->move(Label17_->x(), ui::px(layout.liquidoTop));
    moveRule(Line17_, layout.line17);
}

void HaberesWindow::setPeriodName(const std::string &name)
{
    periodName_ = QString::fromStdString(name);
    sosten_->setTitle(periodName_.isEmpty() ? QStringLiteral("Recibo de haberes")
                                            : QStringLiteral("Recibo de haberes — %1").arg(periodName_));
}

void HaberesWindow::setPositionBoxes(const PositionBoxes &boxes)
{
    numcargo_->setText(QString::fromStdString(boxes.numcargo));
    punbasicos_->setText(QString::fromStdString(boxes.punbasicos));
    proljor_->setText(QString::fromStdString(boxes.proljor));
    jorcom_->setText(QString::fromStdString(boxes.jorcom));
    tardif_->setText(QString::fromStdString(boxes.tardif));
    compbas_->setText(QString::fromStdString(boxes.compbas));
}

void HaberesWindow::prepare()
{
    // Every slot filled once, every control styled, the native window created and the whole window
    // drawn once off the screen (which loads the fonts' glyphs): what a first showing would
    // otherwise do on the click. The first receipt overwrites every slot.
    if (receiptShown_) {
        return;
    }
    Receipt placeholder;
    placeholder.rowCount = kRowSlots;
    for (ReceiptRow &row : placeholder.rows) {
        row.code = "000";
        row.description = "Asign. de la categoría";
        row.middle = "0";
        row.amount = "$ 0";
    }
    placeholder.header.pointBoxesVisible = true;
    // The code box keeps the name it was built with until a receipt names it.
    const std::string codeCaption = numcargo_->accessibleName().toStdString();
    placeholder.header.Label11 = codeCaption;
    fill(placeholder);
    ensurePolished();
    winId();
    grab();
    // Nothing of the placeholder is left for a screen reader to find.
    reader_->setLines({});
}

void HaberesWindow::setVolverHandler(std::function<void()> handler) { volverHandler_ = std::move(handler); }

void HaberesWindow::setSalirHandler(std::function<void()> handler) { salirHandler_ = std::move(handler); }

std::string HaberesWindow::commentTitle() const { return Text11_->text().toStdString(); }

std::string HaberesWindow::commentText() const { return Text12_->toPlainText().toStdString(); }

void HaberesWindow::setComment(const std::string &title, const std::string &text)
{
    Text11_->setText(QString::fromStdString(title));
    Text12_->setPlainText(QString::fromStdString(text));
}

void HaberesWindow::setBackgrounds(unsigned frameColour, unsigned windowColour)
{
    ui::setColour(sosten_, QPalette::Window, frameColour);
    ui::setColour(this, QPalette::Window, windowColour);
}

void HaberesWindow::setPrintLook(bool printing)
{
    if (printing) {
        // No text cursor or focus frame on the page; the focus comes back afterwards.
        focusBeforePrint_ = focusWidget();
        if (focusBeforePrint_) {
            focusBeforePrint_->clearFocus();
        }
        Volver_->hide();
        Imprimir_->hide();
        Salir_->hide();
        explicar_->hide();
        comparar_->hide();
        Text1_->hide();
        Text11_->hide();
        setBackgrounds(kWhite, kWhite);
        for (QLineEdit *box : tovil_) {
            box->show();
        }
    } else {
        for (QLineEdit *box : tovil_) {
            box->hide();
        }
        // The frame comes back cyan, not in its design colour; the window in its own.
        setBackgrounds(kFrameAfterPrintColour, kWindowColour);
        Text1_->show();
        Text11_->show();
        Volver_->show();
        Imprimir_->show();
        Salir_->show();
        explicar_->show();
        comparar_->show();
        if (focusBeforePrint_) {
            focusBeforePrint_->setFocus();
        }
    }
}

bool HaberesWindow::printReceipt(QPagedPaintDevice *device)
{
    setPrintLook(true);
    bool printed = paintOnPage(*this, device);
    setPrintLook(false);
    if (auto *printerDevice = dynamic_cast<QPrinter *>(device);
        printerDevice != nullptr && printerDevice->printerState() == QPrinter::Error) {
        printed = false;
    }
    if (!printed) {
        reportPrintFailure();
    }
    return printed;
}

void HaberesWindow::reportPrintFailure()
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Haberes"),
                                QString::fromUtf8(kPrintFailureText), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("printFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

QPrinter &HaberesWindow::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void HaberesWindow::onImprimirClicked()
{
    if (printDialog_) {
        printDialog_->raise();
        printDialog_->activateWindow();
        return;
    }
    proposeReceiptFile(printer(), docente_->text(), periodName_);
    // The platform's dialog also offers printing to a PDF file, for machines with no printer.
    auto *dialog = new QPrintDialog(&printer(), this);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    connect(dialog, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted) {
            printReceipt(&printer());
        }
    });
    printDialog_ = dialog;
    dialog->show();
}

void HaberesWindow::onVolverClicked()
{
    setEnabled(false);
    hide();
    if (volverHandler_) {
        volverHandler_();
    }
}

void HaberesWindow::onSalirClicked()
{
    // Ends the program at once, through the data-entry window when it keeps the teacher's data first.
    if (salirHandler_) {
        salirHandler_();
    } else {
        QCoreApplication::exit(0);
    }
}

}  // namespace recibo::receipt
