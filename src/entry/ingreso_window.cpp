#include "ingreso_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <variant>
#include <vector>

#include "compute.h"
#include "error_dialog.h"
#include "failure_message.h"
#include "haberes_window.h"
#include "twips.h"

namespace recibo::entry {
namespace {

using ui::rectOf;

constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8595;

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

constexpr char kHoursToolTip[] = "Ingrese la cantidad de horas";
constexpr char kChildrenToolTip[] = "¿Cuántos Hijos?";

struct SeniorityBracket {
    const char *caption;
    const char *percentText;
    std::uint8_t percent;
};

constexpr std::array<SeniorityBracket, 12> kSeniority{{
    {"Menos de 1 año", "0 %", 0},
    {"Entre 1 y 2 años", "10 %", 10},
    {"Entre 2 y 5 años", "15 %", 15},
    {"Entre 5 y 7 años", "30 %", 30},
    {"Entre 7 y 10 años", "40 %", 40},
    {"Entre 10 y 12 años", "50 %", 50},
    {"Entre 12 y 15 años", "60 %", 60},
    {"Entre 15 y 17 años", "70 %", 70},
    {"Entre 17 y 20 años", "80 %", 80},
    {"Entre 20 y 22 años", "100 %", 100},
    {"Entre 22 y 24 años", "110 %", 110},
    {"Más de 24 años", "120 %", 120},
}};

constexpr std::array<const char *, 5> kZones{"Común", "Alejada radio urbano", "Desfavorable",
                                             "Muy desfavorable", "Zona Inhóspita"};

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

QString utf8(const char *text) { return QString::fromUtf8(text); }

// A check box or option is only as wide as its indicator and caption, so a click on its middle hits it.
void fitWidth(QAbstractButton *button)
{
    button->resize(std::min(button->width(), button->sizeHint().width()), button->height());
}

QFont windowFont()
{
    // A metric-compatible free sans-serif at the classic 9.75-point size keeps captions in their boxes.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    return font;
}

QLabel *label(QWidget *parent, const char *name, const char *text, const QRect &where)
{
    auto *l = new QLabel(utf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    return l;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &accessible, const QRect &where,
                   const char *toolTip = nullptr, const char *text = "")
{
    auto *box = new QLineEdit(utf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    if (toolTip) {
        box->setToolTip(utf8(toolTip));
    }
    box->setGeometry(where);
    return box;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption, const QRect &where,
                    const char *toolTip = nullptr)
{
    auto *box = new QCheckBox(utf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(utf8(caption));
    if (toolTip) {
        box->setToolTip(utf8(toolTip));
    }
    box->setGeometry(where);
    fitWidth(box);
    return box;
}

QRadioButton *option(QWidget *parent, const char *name, const char *caption, const QRect &where,
                     const char *toolTip)
{
    auto *button = new QRadioButton(utf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(utf8(caption));
    button->setToolTip(utf8(toolTip));
    button->setGeometry(where);
    fitWidth(button);
    return button;
}

QComboBox *editableList(QWidget *parent, const char *name, const QString &accessible, const QRect &where)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessible);
    list->setEditable(true);
    // Typing into the text field chooses nothing and adds nothing.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // Enter or leaving the field would otherwise pick an entry whose name equals the typed text.
    QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    list->setGeometry(where);
    return list;
}

std::string text(const QLineEdit *box) { return box->text().toStdString(); }


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

}  // namespace

IngresoWindow::IngresoWindow(QWidget *parent)
    : IngresoWindow([] { return std::make_unique<receipt::HaberesWindow>(); },
                    [] { QCoreApplication::exit(0); }, parent)
{
}

IngresoWindow::IngresoWindow(ReceiptFactory makeReceipt, std::function<void()> quit, QWidget *parent)
    : QWidget(parent), makeReceipt_(std::move(makeReceipt)), quit_(std::move(quit))
{
    setObjectName(QStringLiteral("ingreso"));
    setWindowTitle(QStringLiteral("Ingreso de datos"));
    setFont(windowFont());
    setFixedSize(ui::sizeOf(kClientWidth, kClientHeight));

    buildHeading();
    buildCategory();
    buildSummaryAndHours();
    buildLeftColumn();
    buildDeductions();
    buildSeniority();
    buildButtonsAndDecoration();
    connectReactions();
    docente_->setFocus(Qt::OtherFocusReason);
}

IngresoWindow::~IngresoWindow() = default;

void IngresoWindow::buildHeading()
{
    label(this, "Label5", "Apellido y nombre:", rectOf(120, 180, 1800, kLineHeight));
    docente_ = textBox(this, "docente", QStringLiteral("Apellido y nombre"), rectOf(1920, 150, 4200, kBoxHeight));

    auto *title = textBox(this, "Text2", QStringLiteral("Título"), rectOf(6480, 150, 5280, kBoxHeight), nullptr,
                          "Recibo de haberes docente");
    title->setReadOnly(true);
    title->setAlignment(Qt::AlignCenter);
    auto *period = textBox(this, "Text3", QStringLiteral("Período"), rectOf(6480, 540, 5280, kBoxHeight), nullptr,
                           "Marzo de 2.008");
    period->setReadOnly(true);
    period->setAlignment(Qt::AlignCenter);
}

void IngresoWindow::buildCategory()
{
    auto *frame = new QGroupBox(QStringLiteral("Categoría"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(rectOf(120, 600, 6000, 690));
    cargo_ = option(frame, "cargo", "Cargo", rectOf(240, 300, 1400, kLineHeight), "Seleccione para evaluar un cargo");
    horasmedio_ = option(frame, "horasmedio", "Hs. N. Medio", rectOf(1860, 300, 1900, kLineHeight),
                         "Seleccione para evaluar horas de nivel medio");
    horassup_ = option(frame, "horassup", "Hs. N. Superior", rectOf(3900, 300, 2000, kLineHeight),
                       "Seleccione para evaluar horas de nivel superior");
}

void IngresoWindow::buildSummaryAndHours()
{
    cargoselect_ = label(this, "cargoselect", "", rectOf(kSummaryLeft, kSummaryTop, kSummaryWidth, kLineHeight));
    for (std::size_t i = 0; i < kSummary.size(); ++i) {
        const int left = kSummaryLeft + static_cast<int>(i) * kSummaryStep;
        summaryTitles_[i] = label(this, kSummary[i].title, kSummary[i].titleText,
                                  rectOf(left, kSummaryTitleTop, kSummaryWidth, kLineHeight));
        summaryValues_[i] = label(this, kSummary[i].value, "", rectOf(left, kSummaryValueTop, kSummaryWidth, kLineHeight));
    }
    setSummaryVisible(false);

    const auto hoursRow = [this](const char *captionName, const char *caption, const char *boxName, int column, int row,
                                 QLabel *&captionLabel) {
        const int left = column == 0 ? kSummaryLeft : kHoursColumn2;
        const int top = kSummaryTop + row * kHoursRowStep;
        captionLabel = label(this, captionName, caption, rectOf(left, top + 30, kHoursCaptionWidth, kLineHeight));
        QLineEdit *box = textBox(this, boxName, utf8(caption),
                                 rectOf(left + kHoursCaptionWidth + 60, top, kHoursBoxWidth, kBoxHeight), kHoursToolTip, "0");
        captionLabel->hide();
        box->hide();
        return box;
    };
    numerohorasmed_ = hoursRow("Label3", "Número de horas N. Medio", "numerohorasmed", 0, 0, Label3_);
    numerohorassup_ = hoursRow("Label4", "Número de horas N. Superior", "numerohorassup", 1, 0, Label4_);
    numhorascod06_ = hoursRow("Label2", "Número de horas con código 06", "numhorascod06", 0, 1, Label2_);
    numhorasincen_ = hoursRow("Label7", "Número de horas con incentivo", "numhorasincen", 1, 1, Label7_);
    numhorascod113_ = hoursRow("Label6", "Número de horas con código 113", "numhorascod113", 0, 2, Label6_);
}

void IngresoWindow::buildLeftColumn()
{
    opincentivo_ = checkBox(this, "opincentivo", "Incentivo", rectOf(120, 2760, 1500, kLineHeight),
                            "Deshabilite si no se cobra");
    opincentivo_->setChecked(true);
    Text1_ = textBox(this, "Text1", QStringLiteral("Incentivo"), rectOf(1680, 2730, 600, kBoxHeight), nullptr, "Si");
    Text1_->setReadOnly(true);

    transporte_ = checkBox(this, "transporte", "Transporte", rectOf(120, 3180, 1500, kLineHeight));
    mensajekm_ = label(this, "mensajekm", "cantidad de km semanales", rectOf(1680, 3180, 2400, kLineHeight));
    cantkm_ = textBox(this, "cantkm", QStringLiteral("cantidad de km semanales"), rectOf(4140, 3150, 600, kBoxHeight),
                      "¿Cuántos Km semanales?", "0");
    mensajekm_->hide();
    cantkm_->hide();

    zona_ = editableList(this, "zona", QStringLiteral("Ubicación Escuela"), rectOf(120, 3630, 3300, 375));
    for (std::size_t i = 0; i < kZones.size(); ++i) {
        zona_->addItem(utf8(kZones[i]), static_cast<int>(i + 1));
    }
    zona_->setCurrentIndex(-1);
    zona_->setEditText(QStringLiteral("Ubicación Escuela"));

    inasist_ = checkBox(this, "inasist", "Inasistencias", rectOf(120, 4110, 1700, kLineHeight),
                        "Haga Click si tiene inasistencias");
    dinasist_ = textBox(this, "dinasist", QStringLiteral("Cantidad de días"), rectOf(1860, 4080, 780, kBoxHeight),
                        "Cantidad de días.", "0");
    dinasist_->hide();

    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    shape->setGeometry(rectOf(60, 4560, 4680, 1500));
    hijos_ = checkBox(this, "hijos", "Hijos", rectOf(180, 4680, 1800, kLineHeight));
    cantidadhijos_ = textBox(this, "cantidadhijos", QStringLiteral("Hijos"), rectOf(2040, 4650, 780, kBoxHeight),
                             kChildrenToolTip, "0");
    cantidadhijos_->hide();
    hijosdisc_ = checkBox(this, "hijosdisc", "Hijos Diferenc", rectOf(180, 5100, 1800, kLineHeight));
    cantidadhijosdisc_ = textBox(this, "cantidadhijosdisc", QStringLiteral("Hijos Diferenc"),
                                 rectOf(2040, 5070, 780, kBoxHeight), kChildrenToolTip, "0");
    cantidadhijosdisc_->hide();
    conyuge_ = checkBox(this, "conyuge", "Conyuge", rectOf(180, 5520, 1800, kLineHeight));
}

void IngresoWindow::buildDeductions()
{
    auto *frame = new QGroupBox(QStringLiteral("Descuentos"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    frame->setGeometry(rectOf(4920, 2700, 2460, 3300));
    int top = 330;
    const auto next = [&top, frame](const char *name, const char *caption) {
        QCheckBox *box = checkBox(frame, name, caption, rectOf(150, top, 2220, kLineHeight));
        top += 400;
        return box;
    };
    Iosper_ = next("Iosper", "IOSPER");
    Osplad_ = next("Osplad", "OSPLAD");
    TOVIL_ = next("TOVIL", "TOVIL");
    APORTEJUB_ = next("APORTEJUB", "Aporte jubilatorio");
    cajacomp_ = next("cajacomp", "Caja compensadora");
    Ley4035_ = next("Ley4035", "Ley 4035");
    Seguro3011_ = next("Seguro3011", "Seguro (3011)");
}

void IngresoWindow::buildSeniority()
{
    auto *frame = new QGroupBox(QStringLiteral("Antigüedad"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(rectOf(7560, 2700, 2640, 5100));
    for (std::size_t i = 0; i < kSeniority.size(); ++i) {
        const QByteArray name = "Option" + QByteArray::number(static_cast<int>(i + 1));
        seniority_[i] = option(frame, name.constData(), kSeniority[i].caption,
                               rectOf(150, 300 + static_cast<int>(i) * 345, 2400, kLineHeight), kSeniority[i].percentText);
    }
    porcantig_ = textBox(frame, "porcantig", QStringLiteral("Porcentaje de Antigüedad"), rectOf(150, 4500, 1200, kBoxHeight),
                         "Porcentaje de Antigüedad");
    porcantig_->setReadOnly(true);
}

void IngresoWindow::buildButtonsAndDecoration()
{
    Command1_ = new QPushButton(QStringLiteral("Calcular"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setToolTip(QStringLiteral("Genera el recibo"));
    Command1_->setDefault(true);
    Command1_->setAccessibleName(QStringLiteral("Calcular"));
    Command1_->setGeometry(rectOf(10380, 2760, 1380, 540));
    Command2_ = new QPushButton(QStringLiteral("Salir"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setAccessibleName(QStringLiteral("Salir"));
    Command2_->setGeometry(rectOf(10380, 3480, 1380, 540));

    auto *picture = new ReceiptPicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(rectOf(10380, 4260, 1380, 3540));

    QLabel *credit = label(this, "Label1", "Cálculo del recibo de haberes docente", rectOf(120, 8160, 5600, kLineHeight));
    credit->setToolTip(QStringLiteral("Para qué sirve este programa"));
    QLabel *version = label(this, "Label8", "Escalas salariales de marzo de 2008", rectOf(6000, 8160, 5760, kLineHeight));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setToolTip(QStringLiteral("Período de las escalas que usa el cálculo"));
}

void IngresoWindow::connectReactions()
{
    // Categories react only when they become selected, never when another one takes their place.
    connect(cargo_, &QRadioButton::toggled, this, [this](bool on) { if (on) cargoSelected(); });
    connect(horasmedio_, &QRadioButton::toggled, this, [this](bool on) { if (on) horasmedioSelected(); });
    connect(horassup_, &QRadioButton::toggled, this, [this](bool on) { if (on) horassupSelected(); });

    connect(opincentivo_, &QCheckBox::toggled, this,
            [this](bool on) { Text1_->setText(on ? QStringLiteral("Si") : QStringLiteral("No")); });

    // A count box is there only while its check box is ticked, and holds "0" otherwise.
    const auto follow = [this](QCheckBox *box, std::initializer_list<QWidget *> shown, QLineEdit *count) {
        connect(box, &QCheckBox::toggled, this, [shown = std::vector<QWidget *>(shown), count](bool on) {
            for (QWidget *w : shown) {
                w->setVisible(on);
            }
            if (!on) {
                count->setText(QStringLiteral("0"));
            }
        });
    };
    follow(transporte_, {mensajekm_, cantkm_}, cantkm_);
    follow(inasist_, {dinasist_}, dinasist_);
    follow(hijos_, {cantidadhijos_}, cantidadhijos_);
    follow(hijosdisc_, {cantidadhijosdisc_}, cantidadhijosdisc_);

    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        connect(seniority_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                seniorityChosen(static_cast<int>(i));
            }
        });
    }

    connect(Command1_, &QPushButton::clicked, this, &IngresoWindow::calcular);
    connect(Command2_, &QPushButton::clicked, this, [this] { quit_(); });
}

void IngresoWindow::cargoSelected()
{
    catalogue::SelectionDialog *dialog = ensureSelectionDialog();
    dialog->show();
    dialog->raise();
    for (QWidget *w : std::initializer_list<QWidget *>{Label3_, numerohorasmed_, Label4_, numerohorassup_, Label2_,
                                                       numhorascod06_, Label7_, numhorasincen_, Label6_,
                                                       numhorascod113_}) {
        w->hide();
    }
    for (QLineEdit *box : {numerohorasmed_, numerohorassup_, numhorascod06_, numhorasincen_, numhorascod113_}) {
        box->setText(QStringLiteral("0"));
    }
}

void IngresoWindow::horasmedioSelected()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Label3_, numerohorasmed_, Label2_, numhorascod06_, Label7_,
                                                       numhorasincen_, Label6_, numhorascod113_}) {
        w->show();
    }
    if (advertencia_) {
        advertencia_->hide();
    }
    setSummaryVisible(false);
    Label4_->hide();
    numerohorassup_->hide();
    numerohorassup_->setText(QStringLiteral("0"));
}

void IngresoWindow::horassupSelected()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Label4_, numerohorassup_, Label2_, numhorascod06_, Label7_,
                                                       numhorasincen_, Label6_, numhorascod113_}) {
        w->show();
    }
    if (advertencia_) {
        advertencia_->hide();
    }
    numerohorasmed_->setText(QStringLiteral("0"));
    Label3_->hide();
    numerohorasmed_->hide();
    setSummaryVisible(false);
}

void IngresoWindow::seniorityChosen(int option)
{
    porcantig_->setText(utf8(kSeniority[static_cast<std::size_t>(option)].percentText));
    pctantig_ = kSeniority[static_cast<std::size_t>(option)].percent;
}

Snapshot IngresoWindow::snapshot() const
{
    Snapshot s;
    if (cargo_->isChecked()) {
        s.category = Category::Cargo;
    } else if (horasmedio_->isChecked()) {
        s.category = Category::HorasMedio;
    } else if (horassup_->isChecked()) {
        s.category = Category::HorasSup;
    }

    if (advertencia_) {
        s.codigocargo = advertencia_->selectedCode().toStdString();
        s.puntosbasicos = advertencia_->selectedBasicPoints().toStdString();
        s.cargox = advertencia_->positionName().toStdString();
        s.punbas = advertencia_->punbas().toStdString();
        s.compbas = advertencia_->compbas().toStdString();
        s.jorcom = advertencia_->jorcom().toStdString();
        s.proljor = advertencia_->proljor().toStdString();
        s.tardif = advertencia_->tardif().toStdString();
    }

    s.numerohorasmed = text(numerohorasmed_);
    s.numerohorassup = text(numerohorassup_);
    s.numhorascod06 = text(numhorascod06_);
    s.numhorasincen = text(numhorasincen_);
    s.numhorascod113 = text(numhorascod113_);

    s.seniorityOption = 0;
    for (std::size_t i = 0; i < seniority_.size(); ++i) {
        if (seniority_[i]->isChecked()) {
            s.seniorityOption = static_cast<int>(i + 1);
            break;
        }
    }
    s.pctantig = pctantig_;
    s.porcantig = text(porcantig_);
    s.zona = zona_->currentIndex();

    // Only a full tick counts as ticked.
    const auto ticked = [](const QCheckBox *box) { return box->checkState() == Qt::Checked; };
    s.opincentivo = ticked(opincentivo_);
    s.transporte = ticked(transporte_);
    s.hijos = ticked(hijos_);
    s.hijosdisc = ticked(hijosdisc_);
    s.conyuge = ticked(conyuge_);
    s.Iosper = ticked(Iosper_);
    s.Osplad = ticked(Osplad_);
    s.APORTEJUB = ticked(APORTEJUB_);
    s.Ley4035 = ticked(Ley4035_);
    s.TOVIL = ticked(TOVIL_);
    s.cajacomp = ticked(cajacomp_);
    s.Seguro3011 = ticked(Seguro3011_);

    s.cantkm = text(cantkm_);
    s.dinasist = text(dinasist_);
    s.cantidadhijos = text(cantidadhijos_);
    s.cantidadhijosdisc = text(cantidadhijosdisc_);
    s.docente = text(docente_);
    return s;
}

void IngresoWindow::calcular()
{
    const QString point = QLocale().decimalPoint();
    const char separator = point.startsWith(QLatin1Char(',')) ? ',' : '.';
    const Outcome outcome = compute(snapshot(), separator);
    if (const auto *failure = std::get_if<Failure>(&outcome)) {
        if (failure->kind == FailureKind::NoCategory) {
            showError();
        } else {
            showMessage(failureMessage(*failure, captionOf(failure->field)));
        }
        return;
    }
    if (mensaje_) {
        mensaje_->hide();
    }
    ensureReceipt()->showReceipt(std::get<Receipt>(outcome));
}

void IngresoWindow::accepted(const catalogue::Acceptance &acceptance)
{
    ensureReceipt()->setPositionBoxes(receipt::PositionBoxes{
        acceptance.codcargo.toStdString(), acceptance.punbas.toStdString(), acceptance.proljor.toStdString(),
        acceptance.jorcom.toStdString(), acceptance.tardif.toStdString(), acceptance.compbas.toStdString()});

    cargoselect_->setText(acceptance.cargox);
    // The name label grows with its text, up to the window's width.
    cargoselect_->resize(std::min(cargoselect_->sizeHint().width(), width() - cargoselect_->x()),
                         cargoselect_->height());
    const std::array<const QString *, 6> values{&acceptance.codcargo, &acceptance.punbas, &acceptance.compbas,
                                                &acceptance.proljor, &acceptance.jorcom, &acceptance.tardif};
    for (std::size_t i = 0; i < values.size(); ++i) {
        summaryValues_[i]->setText(*values[i]);
    }
    setSummaryVisible(true);

    if (!acceptance.positionChosen) {
        clearCategory();
    }
    raise();
    activateWindow();
}

void IngresoWindow::volver()
{
    clearCategory();
    setSummaryVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{numerohorasmed_, numerohorassup_, Label3_, Label4_}) {
        w->hide();
    }
    show();
    raise();
    activateWindow();
}

catalogue::SelectionDialog *IngresoWindow::ensureSelectionDialog()
{
    if (!advertencia_) {
        advertencia_ = new catalogue::SelectionDialog(this);
        advertencia_->setFont(windowFont());
        connect(advertencia_, &catalogue::SelectionDialog::listo, this, &IngresoWindow::accepted);
        connect(advertencia_, &catalogue::SelectionDialog::leftWithoutData, this, &IngresoWindow::clearCategory);
        // Beside the data-entry window, kept on the screen.
        QPoint where = frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen *screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            where.setX(std::max(room.left(), std::min(where.x(), room.right() - advertencia_->width())));
            where.setY(std::max(room.top(), std::min(where.y(), room.bottom() - advertencia_->height())));
        }
        advertencia_->move(where);
    }
    return advertencia_;
}

receipt::ReceiptView *IngresoWindow::ensureReceipt()
{
    if (!receipt_) {
        receipt_ = makeReceipt_();
        receipt_->setVolverHandler([this] { volver(); });
    }
    return receipt_.get();
}

void IngresoWindow::showError()
{
    if (!error_) {
        error_ = new ErrorDialog(this);
        error_->setFont(windowFont());
    }
    error_->show();
    error_->raise();
    error_->activateWindow();
}

void IngresoWindow::showMessage(const QString &message)
{
    if (!mensaje_) {
        mensaje_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Ingreso de datos"), QString(),
                                   QMessageBox::Ok, this);
        mensaje_->setObjectName(QStringLiteral("mensaje"));
        mensaje_->setWindowModality(Qt::NonModal);
        mensaje_->setFont(windowFont());
    }
    mensaje_->setText(message);
    mensaje_->show();
    mensaje_->raise();
}

QString IngresoWindow::captionOf(const std::string &field) const
{
    const QString name = QString::fromStdString(field);
    if (const auto *own = findChild<QWidget *>(name)) {
        return own->accessibleName();
    }
    if (advertencia_) {
        if (const auto *box = advertencia_->findChild<QWidget *>(name)) {
            return QStringLiteral("%1 (%2)").arg(box->accessibleName(), advertencia_->windowTitle());
        }
    }
    return name;
}

void IngresoWindow::clearCategory()
{
    // Deselecting runs no reaction, and an exclusive option only lets go with exclusivity off.
    for (QRadioButton *button : {cargo_, horasmedio_, horassup_}) {
        const QSignalBlocker block(button);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void IngresoWindow::setSummaryVisible(bool visible)
{
    cargoselect_->setVisible(visible);
    for (std::size_t i = 0; i < summaryTitles_.size(); ++i) {
        summaryTitles_[i]->setVisible(visible);
        summaryValues_[i]->setVisible(visible);
    }
}

void IngresoWindow::keyPressEvent(QKeyEvent *event)
{
    // "Calcular" is the window's default button: Enter presses it unless another button has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
            button->click();
        } else {
            Command1_->click();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void IngresoWindow::closeEvent(QCloseEvent *event)
{
    // Closing the data-entry window ends the program the way "Salir" does.
    event->accept();
    quit_();
}

}  // namespace recibo::entry
