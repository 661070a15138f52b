#include "haberes_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cstdint>

#include "receipt_printing.h"
#include "rule_line.h"
#include "text_fit.h"
#include "twips.h"

namespace recibo::receipt {

namespace {

using ui::rectOf;

// Colours as &H00BBGGRR.
constexpr unsigned kWindowColour = 0x00C0C000;
constexpr unsigned kFrameDesignColour = 0x00FFFFC0;
constexpr unsigned kFrameAfterPrintColour = 0x00FFFF00;
constexpr unsigned kWhite = 0x00FFFFFF;
constexpr unsigned kVolverColour = 0x00FFFFC0;
constexpr unsigned kImprimirColour = 0x00FFFF80;
constexpr unsigned kSalirColour = 0x00FFFF00;

constexpr double kFontPoints = 9.75;

// Client area at design time, in twips.
constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8595;

// The frame `sosten`; everything inside it is placed relative to it.
constexpr int kFrameLeft = 840;
constexpr int kFrameDesignTop = 0;
constexpr int kFrameWidth = 6840;
constexpr int kFrameDesignHeight = 12000;

// Row slots.
constexpr int kFirstRowTop = 735;
constexpr int kCellHeight = 300;
constexpr int kCodLeft = 510;
constexpr int kCodWidth = 495;
constexpr int kMiddleLeft = 1140;
constexpr int kMiddleWidth = 495;
constexpr int kDescriptionLeft = 1770;
constexpr int kDescriptionWidth = 2355;
constexpr int kEarningsRight = 5250;
constexpr int kDeductionsRight = 6450;
constexpr int kRowLineOffset = 315;  // the rule under a row lies one row height below its top
constexpr int kRulesLeft = 300;
constexpr int kLine5X = 1665;  // right of the middle column
constexpr int kLine2X = 4185;  // right of the description column
constexpr int kLine1X = 5340;  // right of the earnings column
constexpr int kRulesRight = 6570;

// Totals block at design time; every receipt moves it below its last row.
constexpr int kTotalsCaptionLeft = 1770;
constexpr int kTotalsHeight = 330;
constexpr int kHaberesRight = kEarningsRight;      // aligned with the earnings amounts
constexpr int kDescuentosRight = kDeductionsRight;  // aligned with the deduction amounts
constexpr int kLiquidoRight = kDeductionsRight;
constexpr int kLine6Width = 3;

// The scroll bar `movedor`.
constexpr int kMovedorLeft = 11520;
constexpr int kMovedorTop = 0;
constexpr int kMovedorWidth = 345;
constexpr int kScrollBarShortening = 400;  // scroll bar height = outer height - 400
// Below this the bar keeps room for its two arrow buttons instead of going negative.
constexpr int kMinScrollBarHeight = 2 * kMovedorWidth;
constexpr int kFrameTopAtZero = 100;  // frame top = 100 - value
constexpr int kScrollStart = 100;     // the value that leaves the frame at its design top
constexpr int kSmallChange = 100;
constexpr int kLargeChange = 500;
// The largest receipt (26 rows) ends with its last totals rule here, in frame twips.
constexpr int kLargestReceiptBottom = recibo::totalsLayout(kRowSlots - 1).line17;
constexpr int kBottomMargin = 300;  // white space left under that rule at the end of the range
// The frame grows by the value at every scroll; we stop it at the largest 16-bit twips height
// (2184 pixels), far inside the platform's widget size limit, so it can never overflow.
constexpr int kMaxFrameHeight = 32767;

// The "TOVIL" column: Text2 .. Text9, indexed by number - 2.
constexpr int kTovilLeft = 120;
constexpr int kTovilWidth = 615;
constexpr int kTovilHeight = 255;
struct TovilBox {
    int top;
    unsigned colour;
};
constexpr std::array<TovilBox, 8> kTovil{{
    {840, 0x00C0C0C0},   // Text2
    {360, 0x00E0E0E0},   // Text3
    {1800, 0x00404040},  // Text4
    {1320, 0x00808080},  // Text5
    {3240, 0x00808080},  // Text6
    {2280, 0x00E0E0E0},  // Text7
    {3720, 0x00404040},  // Text8
    {2760, 0x00C0C0C0},  // Text9
}};

// A line edit's frame, inner margins and cursor take this many pixels of its width.
constexpr int kLineEditChrome = 10;

const char *const kPrintFailureText =
    "No se pudo imprimir el recibo: revise la impresora o elija imprimir en un archivo PDF.";

// The frame `sosten` paints its own etched border and caption: the style's group box would tint
// the background, and the receipt must show (and print) its colours exactly.
class ReceiptFrame : public QGroupBox {
public:
    ReceiptFrame(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        constexpr int kCaptionIndent = 8;
        constexpr QRgb kShadow = qRgb(0x80, 0x80, 0x80);
        constexpr QRgb kLight = qRgb(0xFF, 0xFF, 0xFF);
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        const QRect border(0, top, width() - 2, height() - top - 2);
        painter.setPen(QColor::fromRgb(kShadow));
        painter.drawRect(border);
        painter.setPen(QColor::fromRgb(kLight));
        painter.drawRect(border.translated(1, 1));
        const QString caption = title();
        const QRect captionRect(kCaptionIndent, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
        painter.fillRect(captionRect, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect, Qt::AlignCenter, caption);
    }
};

QString textOf(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString slotName(const char *array, std::size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

void setBackground(QWidget *widget, QPalette::ColorRole role, unsigned colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, ui::colorOf(colour));
    widget->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                   const QString &accessibleName)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(geometry);
    return box;
}

int textWidth(const QLabel *label, const QString &text)
{
    return label->fontMetrics().horizontalAdvance(text);
}

// The widest a cell may be between its left edge (or right edge) and the next rule, one pixel clear.
constexpr int kDescriptionMaxWidth = ui::px(kLine2X) - ui::px(kDescriptionLeft) - 1;
constexpr int kMiddleMaxWidth = ui::px(kLine5X) - ui::px(kMiddleLeft) - 1;
constexpr int kEarningsMaxWidth = ui::px(kEarningsRight) - ui::px(kLine2X) - 2;
constexpr int kDeductionsMaxWidth = ui::px(kDeductionsRight) - ui::px(kLine1X) - 2;

}  // namespace

HaberesWindow::HaberesWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), frameHeight_(kFrameDesignHeight)
{
    setObjectName(QStringLiteral("Haberes"));
    setWindowTitle(QStringLiteral("Haberes"));
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
    setBackground(this, QPalette::Window, kWindowColour);
    resize(ui::sizeOf(kClientWidth, kClientHeight));

    buildFrame();
    buildHeader();
    buildOthers();
}

HaberesWindow::~HaberesWindow() = default;

void HaberesWindow::buildFrame()
{
    sosten_ = new ReceiptFrame(QStringLiteral("Recibo de haberes"), this);
    sosten_->setObjectName(QStringLiteral("sosten"));
    sosten_->setAutoFillBackground(true);
    setBackground(sosten_, QPalette::Window, kFrameDesignColour);
    sosten_->setGeometry(rectOf(kFrameLeft, kFrameDesignTop, kFrameWidth, frameHeight_));

    Label18_ = makeLabel(sosten_, QStringLiteral("Label18"), QStringLiteral("Recibo de sueldos de:"),
                         rectOf(525, 210, 2295, 375));
    docente_ = makeLabel(sosten_, QStringLiteral("docente"), QString(), rectOf(3030, 210, 3135, 375));

    for (std::size_t i = 0; i < kRowSlots; ++i) {
        const int top = kFirstRowTop + kReceiptRowHeight * static_cast<int>(i);
        cod_[i] = makeLabel(sosten_, slotName("cod", i), QString(),
                            rectOf(kCodLeft, top, kCodWidth, kCellHeight));
        Label10_[i] = makeLabel(sosten_, slotName("Label10", i), QString(),
                                rectOf(kMiddleLeft, top, kMiddleWidth, kCellHeight));
        Label19_[i] = makeLabel(sosten_, slotName("Label19", i), QString(),
                                rectOf(kDescriptionLeft, top, kDescriptionWidth, kCellHeight));
        Line8_[i] = new RuleLine(slotName("Line8", i), kRulesLeft, top + kRowLineOffset, kRulesRight,
                                 top + kRowLineOffset, sosten_);
    }
    for (std::size_t i = 0; i < Label1_.size(); ++i) {
        const std::size_t row = i % kRowSlots;
        const int top = kFirstRowTop + kReceiptRowHeight * static_cast<int>(row);
        const int right = i < kRowSlots ? kEarningsRight : kDeductionsRight;
        Label1_[i] = makeLabel(sosten_, slotName("Label1", i), QString(),
                               rectOf(right, top, 0, kCellHeight), Qt::AlignRight | Qt::AlignVCenter);
    }

    // Design positions; the first receipt moves the lower ends and the totals block.
    verticalRules_ = {
        new RuleLine(QStringLiteral("Line1"), 5340, 720, 5340, 7350, sosten_),
        new RuleLine(QStringLiteral("Line2"), 4185, 735, 4185, 7365, sosten_),
        new RuleLine(QStringLiteral("Line3(0)"), 6570, 735, 6570, 7365, sosten_),
        new RuleLine(QStringLiteral("Line3(1)"), 300, 735, 300, 7365, sosten_),
        new RuleLine(QStringLiteral("Line5"), 1665, 720, 1665, 7350, sosten_),
        new RuleLine(QStringLiteral("Line7"), 1035, 735, 1035, 7365, sosten_),
    };
    Line4_ = new RuleLine(QStringLiteral("Line4"), kRulesLeft, 735, kRulesRight, 735, sosten_);
    Line6_ = new RuleLine(QStringLiteral("Line6"), kRulesLeft, 7770, kRulesRight, 7770, sosten_,
                          kLine6Width);
    Line15_ = new RuleLine(QStringLiteral("Line15"), kRulesLeft, 8190, kRulesRight, 8190, sosten_);
    Line16_ = new RuleLine(QStringLiteral("Line16"), kRulesLeft, 8400, kRulesRight, 8400, sosten_);
    Line17_ = new RuleLine(QStringLiteral("Line17"), kRulesLeft, 8520, kRulesRight, 8520, sosten_);

    Label15_ = makeLabel(sosten_, QStringLiteral("Label15"), QStringLiteral("Total Haberes"),
                         rectOf(kTotalsCaptionLeft, 7920, 1600, kTotalsHeight));
    Label16_ = makeLabel(sosten_, QStringLiteral("Label16"), QStringLiteral("Total descuentos"),
                         rectOf(kTotalsCaptionLeft, 8160, 1605, kTotalsHeight));
    Label17_ = makeLabel(sosten_, QStringLiteral("Label17"), QStringLiteral("Liquido a pagar"),
                         rectOf(kTotalsCaptionLeft, 8400, 1605, kTotalsHeight));
    const auto total = [&](const char *name, int right, int top) {
        QLabel *label = makeLabel(sosten_, QLatin1String(name), QString(),
                                  rectOf(right, top, 0, kTotalsHeight), Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(boldFont_);
        return label;
    };
    thaberes_ = total("thaberes", kHaberesRight, 7920);
    tdescuentos_ = total("tdescuentos", kDescuentosRight, 7875);
    liquido_ = total("liquido", kLiquidoRight, 8085);
}

void HaberesWindow::buildHeader()
{
    carsel_ = makeLabel(this, QStringLiteral("carsel"), QString(), rectOf(7680, 360, 3360, 300));
    Label11_ = makeLabel(this, QStringLiteral("Label11"), QString(), rectOf(7665, 840, 1890, 300));
    numcargo_ = makeBox(this, QStringLiteral("numcargo"), QString(), rectOf(7920, 1200, 1275, 360),
                        QStringLiteral("Código del cargo"));
    Label12_ = makeLabel(this, QStringLiteral("Label12"), QStringLiteral("Puntaje"),
                         rectOf(7680, 1680, 1905, 330));
    punbasicos_ = makeBox(this, QStringLiteral("punbasicos"), QString(), rectOf(7920, 2040, 1275, 360),
                          QStringLiteral("Puntaje"));
    Label2_ = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Ptos. Comp Básico"),
                        rectOf(7680, 2520, 1905, 330));
    compbas_ = makeBox(this, QStringLiteral("compbas"), QString(), rectOf(7920, 2880, 1275, 360),
                       QStringLiteral("Ptos. Comp Básico"));
    Label14_ = makeLabel(this, QStringLiteral("Label14"), QStringLiteral("Prol jorn"),
                         rectOf(7665, 3465, 1905, 330));
    proljor_ = makeBox(this, QStringLiteral("proljor"), QString(), rectOf(7980, 3885, 1275, 360),
                       QStringLiteral("Prol jorn"));
    Label20_ = makeLabel(this, QStringLiteral("Label20"), QStringLiteral("Jorn Comp"),
                         rectOf(7665, 4515, 1905, 330));
    jorcom_ = makeBox(this, QStringLiteral("jorcom"), QString(), rectOf(7980, 4935, 1275, 360),
                      QStringLiteral("Jorn Comp"));
    Label21_ = makeLabel(this, QStringLiteral("Label21"), QStringLiteral("Tarea dif"),
                         rectOf(7665, 5565, 1905, 330));
    tardif_ = makeBox(this, QStringLiteral("tardif"), QString(), rectOf(7980, 5985, 1275, 360),
                      QStringLiteral("Tarea dif"));
}

void HaberesWindow::buildOthers()
{
    const auto button = [&](const char *name, int top, unsigned colour) {
        auto *b = new QPushButton(QLatin1String(name), this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(QLatin1String(name));
        b->setFont(boldFont_);
        b->setGeometry(rectOf(9840, top, 1335, 495));
        setBackground(b, QPalette::Button, colour);
        return b;
    };
    Volver_ = button("Volver", 4920, kVolverColour);
    Volver_->setToolTip(QStringLiteral("Permite cambiar los datos ingresados"));
    Imprimir_ = button("Imprimir", 5640, kImprimirColour);
    Imprimir_->setToolTip(QStringLiteral("Se imprime con fondo blanco."));
    Salir_ = button("Salir", 6360, kSalirColour);
    connect(Volver_, &QPushButton::clicked, this, &HaberesWindow::Volver_Click);
    connect(Imprimir_, &QPushButton::clicked, this, &HaberesWindow::Imprimir_Click);
    connect(Salir_, &QPushButton::clicked, this, &HaberesWindow::Salir_Click);

    Text11_ = makeBox(this, QStringLiteral("Text11"), QStringLiteral("Poné tu comentario"),
                      rectOf(9720, 1200, 1695, 375), QStringLiteral("Título del comentario"));
    Text12_ = new QPlainTextEdit(this);
    Text12_->setObjectName(QStringLiteral("Text12"));
    Text12_->setAccessibleName(QStringLiteral("Poné tu comentario"));
    Text12_->setGeometry(rectOf(9720, 1680, 1695, 3015));
    Text1_ = makeBox(this, QStringLiteral("Text1"), QStringLiteral("Se imprime en blanco y negro"),
                     rectOf(8760, 7200, 2415, 285), QStringLiteral("Nota de impresión"));
    Text10_ = makeBox(this, QStringLiteral("Text10"), QString(), rectOf(8760, 7680, 2415, 375),
                      QStringLiteral("Fecha y hora"));
    // The two notes are longer than their boxes are wide: draw them a little closer, from the start.
    for (QLineEdit *note : {Text11_, Text1_}) {
        regularFit_->fit(note, note->text(), note->width() - kLineEditChrome);
        note->setCursorPosition(0);
    }

    for (std::size_t i = 0; i < tovil_.size(); ++i) {
        QLineEdit *box = makeBox(this, QStringLiteral("Text%1").arg(i + 2), QStringLiteral("TOVIL"),
                                 rectOf(kTovilLeft, kTovil[i].top, kTovilWidth, kTovilHeight),
                                 QStringLiteral("TOVIL"));
        // Borderless: the printed column is the name alone, and the 255-twip box has no room for a frame.
        box->setFrame(false);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, ui::colorOf(kTovil[i].colour));
        box->setPalette(palette);
        box->hide();
        tovil_[i] = box;
    }

    movedor_ = new QScrollBar(Qt::Vertical, this);
    movedor_->setObjectName(QStringLiteral("movedor"));
    movedor_->setAccessibleName(QStringLiteral("Desplazar el recibo"));
    movedor_->setRange(0, kScrollStart);
    movedor_->setSingleStep(kSmallChange);
    movedor_->setPageStep(kLargeChange);
    movedor_->setValue(kScrollStart);
    movedor_->setGeometry(rectOf(kMovedorLeft, kMovedorTop, kMovedorWidth, kMinScrollBarHeight));
    connect(movedor_, &QScrollBar::valueChanged, this, &HaberesWindow::movedor_Change);
}

void HaberesWindow::showReceipt(const Receipt &receipt)
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

    const ReceiptHeader &header = receipt.header;
    Label11_->setText(textOf(header.Label11));
    numcargo_->setAccessibleName(textOf(header.Label11));
    numcargo_->setText(QString::fromStdString(header.numcargo));
    punbasicos_->setText(QString::fromStdString(header.punbasicos));
    carsel_->setText(QString::fromStdString(header.carsel));
    carsel_->resize(std::max(ui::px(3360), textWidth(carsel_, carsel_->text())), carsel_->height());
    // The position's point boxes mean nothing for an hours category.
    const std::array<QWidget *, 8> pointBoxes{Label14_, Label20_, Label21_, Label2_,
                                              proljor_, jorcom_,  tardif_,  compbas_};
    for (QWidget *widget : pointBoxes) {
        widget->setVisible(header.pointBoxesVisible);
    }

    layOutTotals(rows);
    const TotalsLayout layout = totalsLayout(rows);
    placeAmount(thaberes_, receipt.totals.thaberes, kHaberesRight, layout.haberesTop, kTotalsHeight,
                kEarningsMaxWidth, *boldFit_);
    placeAmount(tdescuentos_, receipt.totals.tdescuentos, kDescuentosRight, layout.descuentosTop,
                kTotalsHeight, kDeductionsMaxWidth, *boldFit_);
    placeAmount(liquido_, receipt.totals.liquido, kLiquidoRight, layout.liquidoTop, kTotalsHeight,
                kDeductionsMaxWidth, *boldFit_);

    docente_->setText(QString::fromStdString(receipt.docente));
    docente_->resize(std::max(ui::px(3135), textWidth(docente_, docente_->text())), docente_->height());
    Text10_->setText(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));

    show();
    setEnabled(true);
    raise();
    activateWindow();
    Volver_->setFocus();
}

void HaberesWindow::fillRow(std::size_t slot, const ReceiptRow &row)
{
    const int top = kFirstRowTop + kReceiptRowHeight * static_cast<int>(slot);
    cod_[slot]->setText(textOf(row.code));
    cod_[slot]->show();
    const QString description = textOf(row.description);
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

void HaberesWindow::setPositionBoxes(const PositionBoxes &boxes)
{
    numcargo_->setText(QString::fromStdString(boxes.numcargo));
    punbasicos_->setText(QString::fromStdString(boxes.punbasicos));
    proljor_->setText(QString::fromStdString(boxes.proljor));
    jorcom_->setText(QString::fromStdString(boxes.jorcom));
    tardif_->setText(QString::fromStdString(boxes.tardif));
    compbas_->setText(QString::fromStdString(boxes.compbas));
}

void HaberesWindow::setVolverHandler(std::function<void()> handler) { volverHandler_ = std::move(handler); }

void HaberesWindow::setBackgrounds(unsigned frameColour, unsigned windowColour)
{
    setBackground(sosten_, QPalette::Window, frameColour);
    setBackground(this, QPalette::Window, windowColour);
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

void HaberesWindow::Imprimir_Click()
{
    if (printDialog_) {
        printDialog_->raise();
        printDialog_->activateWindow();
        return;
    }
    proposeReceiptFile(printer(), docente_->text());
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

void HaberesWindow::Volver_Click()
{
    setEnabled(false);
    hide();
    if (volverHandler_) {
        volverHandler_();
    }
}

void HaberesWindow::Salir_Click()
{
    // Ends the program at once: nothing is asked or saved.
    QCoreApplication::exit(0);
}

void HaberesWindow::movedor_Change(int value)
{
    const auto top = static_cast<std::int16_t>(kFrameTopAtZero - value);
    // The height is never reset, only grown, up to its bound.
    frameHeight_ = std::min(frameHeight_ + value, kMaxFrameHeight);
    sosten_->setGeometry(rectOf(kFrameLeft, top, kFrameWidth, frameHeight_));
}

void HaberesWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int outerHeight = frameGeometry().height() * ui::kTwipsPerPixel;
    const int barHeight = std::max(kMinScrollBarHeight, outerHeight - kScrollBarShortening);
    movedor_->setGeometry(rectOf(kMovedorLeft, kMovedorTop, kMovedorWidth, barHeight));
    // Enough range to lift the largest receipt's last totals rule into the client area.
    const int clientHeight = height() * ui::kTwipsPerPixel;
    movedor_->setMaximum(std::clamp(kFrameTopAtZero + kLargestReceiptBottom + kBottomMargin - clientHeight,
                                    kScrollStart, static_cast<int>(INT16_MAX)));
}

}  // namespace recibo::receipt
