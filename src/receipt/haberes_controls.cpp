// Building the receipt window's controls at their design positions.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "accessible.h"
#include "controls.h"
#include "haberes_window.h"
#include "receipt_layout.h"
#include "rule_line.h"
#include "text_fit.h"

namespace recibo::receipt {
namespace {

using ui::rectOf;

// A line edit's frame, inner margins and cursor take this many pixels of its width.
constexpr int kLineEditChrome = 10;

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
        paintRules(painter, *this);
    }
};

QString slotName(const char *array, std::size_t index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QLabel *cell(QWidget *parent, const QString &name, const QRect &where,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    return ui::label(parent, name, QString(), where, alignment);
}

}  // namespace

void HaberesWindow::buildFrame()
{
    sosten_ = new ReceiptFrame(QStringLiteral("Recibo de haberes"), this);
    sosten_->setObjectName(QStringLiteral("sosten"));
    sosten_->setAutoFillBackground(true);
    ui::setColour(sosten_, QPalette::Window, kFrameDesignColour);
    sosten_->setGeometry(rectOf(kFrameLeft, kFrameDesignTop, kFrameWidth, frameHeight_));

    Label18_ = ui::label(sosten_, QStringLiteral("Label18"), QStringLiteral("Recibo de sueldos de:"),
                         rectOf(525, kNameTop, 2295, kNameHeight));
    docente_ = cell(sosten_, QStringLiteral("docente"), rectOf(kNameLeft, kNameTop, kNameWidth, kNameHeight));
    buildRows();
    buildRules();
    buildTotals();
}

void HaberesWindow::buildRows()
{
    for (std::size_t i = 0; i < kRowSlots; ++i) {
        const int top = rowTop(i);
        cod_[i] = cell(sosten_, slotName("cod", i), rectOf(kCodLeft, top, kCodWidth, kCellHeight));
        Label10_[i] = cell(sosten_, slotName("Label10", i), rectOf(kMiddleLeft, top, kMiddleWidth, kCellHeight));
        Label19_[i] = cell(sosten_, slotName("Label19", i),
                           rectOf(kDescriptionLeft, top, kDescriptionWidth, kCellHeight));
        Line8_[i] = new RuleLine(slotName("Line8", i), kRulesLeft, top + kRowLineOffset, kRulesRight,
                                 top + kRowLineOffset, sosten_);
    }
    for (std::size_t i = 0; i < Label1_.size(); ++i) {
        const int right = i < kRowSlots ? kEarningsRight : kDeductionsRight;
        Label1_[i] = cell(sosten_, slotName("Label1", i), rectOf(right, rowTop(i % kRowSlots), 0, kCellHeight),
                          Qt::AlignRight | Qt::AlignVCenter);
    }
}

void HaberesWindow::buildRules()
{
    // Design positions; the first receipt moves the lower ends and the totals block.
    verticalRules_ = {
        new RuleLine(QStringLiteral("Line1"), kLine1X, 720, kLine1X, 7350, sosten_),
        new RuleLine(QStringLiteral("Line2"), kLine2X, 735, kLine2X, 7365, sosten_),
        new RuleLine(QStringLiteral("Line3(0)"), kRulesRight, 735, kRulesRight, 7365, sosten_),
        new RuleLine(QStringLiteral("Line3(1)"), kRulesLeft, 735, kRulesLeft, 7365, sosten_),
        new RuleLine(QStringLiteral("Line5"), kLine5X, 720, kLine5X, 7350, sosten_),
        new RuleLine(QStringLiteral("Line7"), kLine7X, 735, kLine7X, 7365, sosten_),
    };
    Line4_ = new RuleLine(QStringLiteral("Line4"), kRulesLeft, kFirstRowTop, kRulesRight, kFirstRowTop, sosten_);
    Line6_ = new RuleLine(QStringLiteral("Line6"), kRulesLeft, 7770, kRulesRight, 7770, sosten_, kLine6Width);
    Line15_ = new RuleLine(QStringLiteral("Line15"), kRulesLeft, 8190, kRulesRight, 8190, sosten_);
    Line16_ = new RuleLine(QStringLiteral("Line16"), kRulesLeft, 8400, kRulesRight, 8400, sosten_);
    Line17_ = new RuleLine(QStringLiteral("Line17"), kRulesLeft, 8520, kRulesRight, 8520, sosten_);
}

void HaberesWindow::buildTotals()
{
    Label15_ = ui::label(sosten_, QStringLiteral("Label15"), QStringLiteral("Total Haberes"),
                         rectOf(kTotalsCaptionLeft, 7920, 1600, kTotalsHeight));
    Label16_ = ui::label(sosten_, QStringLiteral("Label16"), QStringLiteral("Total descuentos"),
                         rectOf(kTotalsCaptionLeft, 8160, 1605, kTotalsHeight));
    Label17_ = ui::label(sosten_, QStringLiteral("Label17"), QStringLiteral("Liquido a pagar"),
                         rectOf(kTotalsCaptionLeft, 8400, 1605, kTotalsHeight));
    const auto total = [this](const char *name, int right, int top) {
        QLabel *label = cell(sosten_, QLatin1String(name), rectOf(right, top, 0, kTotalsHeight),
                             Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(boldFont_);
        return label;
    };
    thaberes_ = total("thaberes", kHaberesRight, 7920);
    tdescuentos_ = total("tdescuentos", kDescuentosRight, 7875);
    liquido_ = total("liquido", kLiquidoRight, 8085);
}

void HaberesWindow::buildHeader()
{
    carsel_ = cell(this, QStringLiteral("carsel"), rectOf(kCarselLeft, kCarselTop, kCarselWidth, kCarselHeight));
    Label11_ = cell(this, QStringLiteral("Label11"), rectOf(7665, 840, 1890, 300));
    numcargo_ = ui::textBox(this, QStringLiteral("numcargo"), QStringLiteral("Código del cargo"),
                            rectOf(7920, 1200, 1275, 360));
    struct PointBox {
        QLabel **caption;
        const char *captionName;
        const char *captionText;
        QLineEdit **box;
        const char *boxName;
        QRect captionPlace;
        QRect boxPlace;
    };
    const std::array<PointBox, 5> boxes{{
        {&Label12_, "Label12", "Puntaje", &punbasicos_, "punbasicos", rectOf(7680, 1680, 1905, 330),
         rectOf(7920, 2040, 1275, 360)},
        {&Label2_, "Label2", "Ptos. Comp Básico", &compbas_, "compbas", rectOf(7680, 2520, 1905, 330),
         rectOf(7920, 2880, 1275, 360)},
        {&Label14_, "Label14", "Prol jorn", &proljor_, "proljor", rectOf(7665, 3465, 1905, 330),
         rectOf(7980, 3885, 1275, 360)},
        {&Label20_, "Label20", "Jorn Comp", &jorcom_, "jorcom", rectOf(7665, 4515, 1905, 330),
         rectOf(7980, 4935, 1275, 360)},
        {&Label21_, "Label21", "Tarea dif", &tardif_, "tardif", rectOf(7665, 5565, 1905, 330),
         rectOf(7980, 5985, 1275, 360)},
    }};
    for (const PointBox &b : boxes) {
        const QString caption = QString::fromUtf8(b.captionText);
        *b.caption = ui::label(this, QLatin1String(b.captionName), caption, b.captionPlace);
        *b.box = ui::textBox(this, QLatin1String(b.boxName), caption, b.boxPlace);
    }
}

void HaberesWindow::buildButtons()
{
    const auto button = [this](const char *name, int top, unsigned colour, const char *toolTip) {
        QPushButton *b = ui::button(this, QLatin1String(name), QLatin1String(name), rectOf(9840, top, 1335, 495),
                                    QString::fromUtf8(toolTip));
        b->setFont(boldFont_);
        ui::setColour(b, QPalette::Button, colour);
        return b;
    };
    Volver_ = button("Volver", 4920, kVolverColour, "Permite cambiar los datos ingresados");
    Imprimir_ = button("Imprimir", 5640, kImprimirColour, "Se imprime con fondo blanco.");
    Salir_ = button("Salir", 6360, kSalirColour, "");
    connect(Volver_, &QPushButton::clicked, this, &HaberesWindow::onVolverClicked);
    connect(Imprimir_, &QPushButton::clicked, this, &HaberesWindow::onImprimirClicked);
    connect(Salir_, &QPushButton::clicked, this, &HaberesWindow::onSalirClicked);
}

void HaberesWindow::buildNotes()
{
    Text11_ = ui::textBox(this, QStringLiteral("Text11"), QStringLiteral("Título del comentario"),
                          rectOf(9720, 1200, 1695, 375), QStringLiteral("Poné tu comentario"));
    Text12_ = new QPlainTextEdit(this);
    Text12_->setObjectName(QStringLiteral("Text12"));
    Text12_->setAccessibleName(QStringLiteral("Poné tu comentario"));
    Text12_->setGeometry(rectOf(9720, 1680, 1695, 3015));
    // Tab leaves the comment for the next control instead of typing a tab character.
    Text12_->setTabChangesFocus(true);
    Text1_ = ui::textBox(this, QStringLiteral("Text1"), QStringLiteral("Nota de impresión"),
                         rectOf(8760, 7200, 2415, 285), QStringLiteral("Se imprime en blanco y negro"));
    Text10_ = ui::textBox(this, QStringLiteral("Text10"), QStringLiteral("Fecha y hora"), rectOf(8760, 7680, 2415, 375));
    // The two notes are longer than their boxes are wide: draw them a little closer, from the start.
    for (QLineEdit *note : {Text11_, Text1_}) {
        regularFit_->fit(note, note->text(), note->width() - kLineEditChrome);
        note->setCursorPosition(0);
    }
}

void HaberesWindow::buildTovilColumn()
{
    for (std::size_t i = 0; i < tovil_.size(); ++i) {
        QLineEdit *box = ui::textBox(this, QStringLiteral("Text%1").arg(i + 2), QStringLiteral("TOVIL"),
                                     rectOf(kTovilLeft, kTovil[i].top, kTovilWidth, kTovilHeight),
                                     QStringLiteral("TOVIL"));
        // Borderless: the printed column is the name alone, and the 255-twip box has no room for a frame.
        box->setFrame(false);
        ui::setPrintOnly(box);
        ui::setColour(box, QPalette::Text, kTovil[i].colour);
        box->hide();
        tovil_[i] = box;
    }
}

void HaberesWindow::buildScrollBar()
{
    movedor_ = new QScrollBar(Qt::Vertical, this);
    movedor_->setObjectName(QStringLiteral("movedor"));
    movedor_->setAccessibleName(QStringLiteral("Desplazar el recibo"));
    movedor_->setRange(0, kScrollStart);
    movedor_->setSingleStep(kSmallChange);
    movedor_->setPageStep(kLargeChange);
    movedor_->setValue(kScrollStart);
    movedor_->setGeometry(rectOf(kMovedorLeft, kMovedorTop, kMovedorWidth, kMinScrollBarHeight));
    connect(movedor_, &QScrollBar::valueChanged, this, &HaberesWindow::onMovedorValueChanged);
}

}  // namespace recibo::receipt
