// Building the data-entry window's controls at their design positions.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "controls.h"
#include "ingreso_window.h"
#include "twips.h"

namespace recibo::entry {
namespace {

using ui::rectOf;
using ui::textOf;

// One line of text: labels, check boxes and option buttons; text boxes are a little taller.
constexpr int kLineHeight = 300;
constexpr int kBoxHeight = 345;

// The position summary: the name above six columns of title and value.
constexpr int kSummaryTop = 1380;
constexpr int kSummaryLeft = 120;
constexpr int kSummaryStep = 1940;
constexpr int kSummaryWidth = 1880;
constexpr int kSummaryTitleTop = 1740;
constexpr int kSummaryValueTop = 2040;

// The hours fields share that stretch: two columns of caption and box.
constexpr int kHoursCaptionWidth = 2940;
constexpr int kHoursBoxWidth = 900;
constexpr int kHoursColumn2 = 6000;
constexpr int kHoursRowStep = 420;

// The deduction boxes and seniority options, one under the other in their frames.
constexpr int kDeductionStep = 400;
constexpr int kSeniorityStep = 345;

struct SummaryColumn {
    const char *title;
    const char *titleText;
    const char *value;
};

// Left to right under the position name.
constexpr std::array<SummaryColumn, 6> kSummary{{
    {"codcartit", "Código del cargo", "codcarval"},
    {"puncartit", "Puntaje del cargo", "puncarval"},
    {"puncompbastit", "Comp de Básico", "puncompbasval"},
    {"punproljortit", "Puntos prol jorn", "punproljorval"},
    {"punjorcomtit", "Puntos Jor comp", "punjorcomval"},
    {"puntardiftit", "Puntos tarea difer", "puntardifval"},
}};

struct HoursRow {
    const char *captionName;
    const TextField *field;
    int column;
    int row;
};

constexpr std::array<HoursRow, 5> kHoursRows{{
    {"Label3", &fields::numerohorasmed, 0, 0},
    {"Label4", &fields::numerohorassup, 1, 0},
    {"Label2", &fields::numhorascod06, 0, 1},
    {"Label7", &fields::numhorasincen, 1, 1},
    {"Label6", &fields::numhorascod113, 0, 2},
}};

// Decoration: a painted sheet of a receipt with a pen.
class ReceiptPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        p.fillRect(r, ui::colorOf(0x00F0E0C0));
        const QRectF sheet(r.width() * 0.15, r.height() * 0.08, r.width() * 0.7, r.height() * 0.84);
        p.setPen(QPen(ui::colorOf(0x00806040), 1));
        p.setBrush(ui::colorOf(0x00FFFFFF));
        p.drawRect(sheet);
        p.setPen(QPen(ui::colorOf(0x00A08060), 1));
        for (int i = 1; i < 12; ++i) {
            const qreal y = sheet.top() + sheet.height() * i / 13.0;
            p.drawLine(QPointF(sheet.left() + 6, y), QPointF(sheet.right() - 6, y));
        }
        p.setPen(QPen(ui::colorOf(0x00205080), 3));
        p.drawLine(QPointF(sheet.left() + 6, sheet.bottom() - 10),
                   QPointF(sheet.right() - sheet.width() * 0.4, sheet.bottom() - 10));
    }
};

QLineEdit *readOnlyBox(QWidget *parent, const char *name, const char *accessibleName, const QRect &where,
                       const char *text)
{
    QLineEdit *box = ui::textBox(parent, QString::fromUtf8(name), QString::fromUtf8(accessibleName), where,
                                 QString::fromUtf8(text));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

}  // namespace

QLineEdit *IngresoWindow::addTextBox(QWidget *parent, const TextField &field, const QRect &where,
                                     const QString &toolTip)
{
    QLineEdit *box = ui::textBox(parent, field, where, toolTip);
    textBoxes_[indexOf(field)] = box;
    return box;
}

QCheckBox *IngresoWindow::addCheckBox(QWidget *parent, const TickField &field, const QRect &where,
                                      const QString &toolTip)
{
    QCheckBox *box = ui::checkBox(parent, field, where, toolTip);
    tickBoxes_[indexOf(field)] = box;
    return box;
}

void IngresoWindow::buildHeading()
{
    QLabel *caption = ui::label(page_, QStringLiteral("Label5"), QStringLiteral("Apellido y nombre:"),
                                rectOf(120, 180, 1800, kLineHeight));
    caption->setBuddy(addTextBox(page_, fields::docente, rectOf(1920, 150, 4200, kBoxHeight), QString()));
    readOnlyBox(page_, "Text2", "Título", rectOf(6480, 150, 5280, kBoxHeight), "Recibo de haberes docente");
    const QRect periodPlace = rectOf(6480, 540, 5280, kBoxHeight);
    if (offer_.periods.size() > 1) {
        buildPeriodChooser(periodPlace);
    } else {
        readOnlyBox(page_, "Text3", "Período", periodPlace, period().name.c_str());
    }
}

void IngresoWindow::buildPeriodChooser(const QRect &where)
{
    auto *chooser = new QComboBox(page_);
    chooser->setObjectName(QStringLiteral("Text3"));
    chooser->setAccessibleName(QStringLiteral("Período"));
    chooser->setToolTip(QStringLiteral("Período de las escalas con que se calcula el recibo"));
    chooser->setGeometry(where);
    for (const Period *offered : offer_.periods) {
        chooser->addItem(textOf(offered->name));
    }
    chooser->setCurrentIndex(static_cast<int>(chosenPeriod_));
    connect(chooser, &QComboBox::activated, this, &IngresoWindow::onPeriodChosen);
}

void IngresoWindow::buildCategory()
{
    QGroupBox *frame = ui::frame(page_, QStringLiteral("Frame2"), QStringLiteral("Categoría"), rectOf(120, 600, 6000, 690));
    const std::array<const char *, 3> toolTips{"Seleccione para evaluar un cargo",
                                               "Seleccione para evaluar horas de nivel medio",
                                               "Seleccione para evaluar horas de nivel superior"};
    const std::array<QRect, 3> places{rectOf(240, 300, 1400, kLineHeight), rectOf(1860, 300, 1900, kLineHeight),
                                      rectOf(3900, 300, 2000, kLineHeight)};
    const std::array<QRadioButton **, 3> options{&cargo_, &horasmedio_, &horassup_};
    for (std::size_t i = 0; i < kCategoryOptions.size(); ++i) {
        *options[i] = ui::option(frame, textOf(kCategoryOptions[i].control), textOf(kCategoryOptions[i].caption),
                                 places[i], QString::fromUtf8(toolTips[i]));
    }
}

void IngresoWindow::buildSummary()
{
    cargoselect_ = ui::label(page_, QStringLiteral("cargoselect"), QString(),
                             rectOf(kSummaryLeft, kSummaryTop, kSummaryWidth, kLineHeight));
    for (std::size_t i = 0; i < kSummary.size(); ++i) {
        const int left = kSummaryLeft + static_cast<int>(i) * kSummaryStep;
        summaryTitles_[i] = ui::label(page_, QString::fromUtf8(kSummary[i].title), QString::fromUtf8(kSummary[i].titleText),
                                      rectOf(left, kSummaryTitleTop, kSummaryWidth, kLineHeight));
        summaryValues_[i] = ui::label(page_, QString::fromUtf8(kSummary[i].value), QString(),
                                      rectOf(left, kSummaryValueTop, kSummaryWidth, kLineHeight));
    }
    setSummaryVisible(false);
}

void IngresoWindow::buildHours()
{
    for (const HoursRow &row : kHoursRows) {
        const int left = row.column == 0 ? kSummaryLeft : kHoursColumn2;
        const int top = kSummaryTop + row.row * kHoursRowStep;
        QLabel *caption = ui::label(page_, QString::fromUtf8(row.captionName), textOf(row.field->caption),
                                    rectOf(left, top + 30, kHoursCaptionWidth, kLineHeight));
        QLineEdit *hours = addTextBox(page_, *row.field, rectOf(left + kHoursCaptionWidth + 60, top, kHoursBoxWidth, kBoxHeight),
                                      QStringLiteral("Ingrese la cantidad de horas"));
        caption->setBuddy(hours);
        hoursCaptions_[indexOf(*row.field)] = caption;
        caption->hide();
        hours->hide();
    }
}

void IngresoWindow::buildIncentiveAndTransport()
{
    addCheckBox(page_, fields::opincentivo, rectOf(120, 2760, 1500, kLineHeight),
                QStringLiteral("Deshabilite si no se cobra"));
    Text1_ = ui::textBox(page_, QStringLiteral("Text1"), QStringLiteral("¿Se cobra el incentivo?"),
                         rectOf(1680, 2730, 600, kBoxHeight), QStringLiteral("Si"));
    Text1_->setReadOnly(true);

    addCheckBox(page_, fields::transporte, rectOf(120, 3180, 1500, kLineHeight));
    mensajekm_ = ui::label(page_, QStringLiteral("mensajekm"), QStringLiteral("cantidad de km semanales"),
                           rectOf(1680, 3180, 2400, kLineHeight));
    QLineEdit *km = addTextBox(page_, fields::cantkm, rectOf(4140, 3150, 600, kBoxHeight),
                               QStringLiteral("¿Cuántos Km semanales?"));
    mensajekm_->setBuddy(km);
    km->hide();
    mensajekm_->hide();
}

void IngresoWindow::buildZoneAndAbsences()
{
    // No label stands beside the zone list: its name is its own.
    zona_ = ui::editableList(page_, QStringLiteral("zona"), QStringLiteral("Ubicación de la escuela"),
                             rectOf(120, 3630, 3300, 375));
    for (std::size_t i = 0; i < period().zones.size(); ++i) {
        zona_->addItem(textOf(period().zones[i].name), static_cast<int>(i + 1));
    }
    zona_->setCurrentIndex(-1);
    zona_->setEditText(QStringLiteral("Ubicación Escuela"));

    inasist_ = ui::checkBox(page_, QStringLiteral("inasist"), QStringLiteral("Inasistencias"),
                            rectOf(120, 4110, 1700, kLineHeight), QStringLiteral("Haga Click si tiene inasistencias"));
    addTextBox(page_, fields::dinasist, rectOf(1860, 4080, 780, kBoxHeight), QStringLiteral("Cantidad de días."))->hide();
}

void IngresoWindow::buildFamily()
{
    auto *shape = new QFrame(page_);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(rectOf(60, 4560, 4680, 1500));
    const QString childrenToolTip = QStringLiteral("¿Cuántos Hijos?");
    addCheckBox(page_, fields::hijos, rectOf(180, 4680, 1800, kLineHeight));
    addTextBox(page_, fields::cantidadhijos, rectOf(2040, 4650, 780, kBoxHeight), childrenToolTip)->hide();
    addCheckBox(page_, fields::hijosdisc, rectOf(180, 5100, 1800, kLineHeight));
    addTextBox(page_, fields::cantidadhijosdisc, rectOf(2040, 5070, 780, kBoxHeight), childrenToolTip)->hide();
    addCheckBox(page_, fields::conyuge, rectOf(180, 5520, 1800, kLineHeight));
}

void IngresoWindow::buildDeductions()
{
    QGroupBox *frame = ui::frame(page_, QStringLiteral("Frame3"), QStringLiteral("Descuentos"), rectOf(4920, 2700, 2460, 3300));
    int top = 330;
    for (const TickField *field : {&fields::Iosper, &fields::Osplad, &fields::TOVIL, &fields::APORTEJUB,
                                   &fields::cajacomp, &fields::Ley4035, &fields::Seguro3011}) {
        addCheckBox(frame, *field, rectOf(150, top, 2220, kLineHeight));
        top += kDeductionStep;
    }
}

void IngresoWindow::buildSeniority()
{
    QGroupBox *frame = ui::frame(page_, QStringLiteral("Frame1"), QStringLiteral("Antigüedad"), rectOf(7560, 2700, 2640, 5100));
    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        const SeniorityBracket &bracket = period().seniority[i];
        const QString percent = QString::fromStdString(percentText(bracket.percent));
        seniority_[i] = ui::option(frame, QStringLiteral("Option%1").arg(i + 1), textOf(bracket.caption),
                                   rectOf(150, 300 + static_cast<int>(i) * kSeniorityStep, 2400, kLineHeight), percent);
    }
    addTextBox(frame, fields::porcantig, rectOf(150, 4500, 1200, kBoxHeight), QStringLiteral("Porcentaje de Antigüedad"))
        ->setReadOnly(true);
}

void IngresoWindow::buildButtonsAndDecoration()
{
    Command1_ = ui::button(page_, QStringLiteral("Command1"), QStringLiteral("Calcular"), rectOf(10380, 2760, 1380, 540),
                           QStringLiteral("Genera el recibo"));
    Command1_->setDefault(true);
    Command2_ = ui::button(page_, QStringLiteral("Command2"), QStringLiteral("Salir"), rectOf(10380, 3480, 1380, 540));

    auto *picture = new ReceiptPicture(page_);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(rectOf(10380, 4260, 1380, 3540));

    QLabel *credit = ui::label(page_, QStringLiteral("Label1"), QStringLiteral("Cálculo del recibo de haberes docente"),
                               rectOf(120, 8160, 5600, kLineHeight));
    credit->setToolTip(QStringLiteral("Para qué sirve este programa"));
    Label8_ = ui::label(page_, QStringLiteral("Label8"), scalesText(), rectOf(6000, 8160, 5760, kLineHeight),
                        Qt::AlignRight | Qt::AlignVCenter);
    Label8_->setToolTip(QStringLiteral("Período de las escalas que usa el cálculo"));
}

}  // namespace recibo::entry
