#include "selection_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>

#include <array>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "number_text.h"
#include "twips.h"

namespace recibo::catalogue {
namespace {

using ui::rectOf;

constexpr int kClientWidth = 9735;
constexpr int kClientHeight = 6540;

// One column per point box under the instruction, left to right.
constexpr int kColumnLeft = 210;
constexpr int kColumnStep = 1560;
constexpr int kColumnWidth = 1500;
constexpr int kHeadingTop = 840;
constexpr int kHeadingHeight = 480;
constexpr int kBoxTop = 1380;
constexpr int kBoxHeight = 330;

constexpr char kPointsToolTip[] = "Se selecciona automáticamente";

QString textOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Decoration only: a small painted picture of a school under a clear sky.
class Photograph : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        QLinearGradient sky(r.topLeft(), r.bottomLeft());
        sky.setColorAt(0.0, ui::colorOf(0x00F0C080));
        sky.setColorAt(1.0, ui::colorOf(0x00FFF0E0));
        p.fillRect(r, sky);
        const qreal w = r.width();
        const qreal h = r.height();
        p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), ui::colorOf(0x0050A050));
        // School building with a pitched roof and windows.
        const QRectF body(w * 0.22, h * 0.42, w * 0.56, h * 0.38);
        p.setPen(QPen(ui::colorOf(0x00404040), 1));
        p.setBrush(ui::colorOf(0x00C8E0F0));
        p.drawRect(body);
        QPainterPath roof;
        roof.moveTo(w * 0.18, h * 0.42);
        roof.lineTo(w * 0.50, h * 0.20);
        roof.lineTo(w * 0.82, h * 0.42);
        roof.closeSubpath();
        p.setBrush(ui::colorOf(0x003050B0));
        p.drawPath(roof);
        p.setBrush(ui::colorOf(0x00F0D8A0));
        for (const qreal x : {0.08, 0.77}) {
            p.drawRect(QRectF(body.left() + body.width() * x, body.top() + body.height() * 0.2,
                              body.width() * 0.15, body.height() * 0.25));
        }
        p.setBrush(ui::colorOf(0x00305080));
        p.drawRect(QRectF(w * 0.45, h * 0.58, w * 0.10, h * 0.22));
        // Flag pole and flag.
        p.drawLine(QPointF(w * 0.50, h * 0.20), QPointF(w * 0.50, h * 0.06));
        p.setBrush(ui::colorOf(0x00E0B070));
        p.drawRect(QRectF(w * 0.50, h * 0.06, w * 0.09, h * 0.06));
    }
};

QLineEdit *addBox(QWidget *parent, const char *name, const char *toolTip, const QString &caption, int column)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromUtf8(toolTip));
    box->setAccessibleName(caption);
    box->setGeometry(rectOf(kColumnLeft + column * kColumnStep, kBoxTop, kColumnWidth, kBoxHeight));
    return box;
}

QLabel *addHeading(QWidget *parent, const char *name, const char *text, int column)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setGeometry(rectOf(kColumnLeft + column * kColumnStep, kHeadingTop, kColumnWidth, kHeadingHeight));
    return label;
}

}  // namespace

SelectionDialog::SelectionDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(QStringLiteral("Selección de cargo"));
    setModal(false);
    setFixedSize(ui::sizeOf(kClientWidth, kClientHeight));

    auto *instruction = new QLabel(QStringLiteral("Seleccione el cargo o el código del cargo"), this);
    instruction->setObjectName(QStringLiteral("Label2"));
    QFont bold = instruction->font();
    bold.setBold(true);
    instruction->setFont(bold);
    instruction->setGeometry(rectOf(kColumnLeft, 240, 9300, 360));

    // Headings and boxes in the order they stand: code, basic, complement, extended, full day, task.
    addHeading(this, "Label1", "Código del cargo", 0);
    addHeading(this, "Label3", "Puntos básicos", 1);
    addHeading(this, "Label8", "Comp básico", 2);
    addHeading(this, "Label5", "Prol. de jornada", 3);
    addHeading(this, "Label6", "Jorn. completa", 4);
    addHeading(this, "Label7", "Tarea diferenc.", 5);

    codcargo_ = addBox(this, "codcargo",
                       "Escriba el código del cargo. Si luego de escribir las tres cifras no se selecciona el "
                       "cargo, vuelva a elegir un código correcto.",
                       QStringLiteral("Código del cargo"), 0);
    punbas_ = addBox(this, "punbas", kPointsToolTip, QStringLiteral("Puntos básicos"), 1);
    punbas_->setReadOnly(true);
    compbas_ = addBox(this, "compbas", kPointsToolTip, QStringLiteral("Comp básico"), 2);
    proljor_ = addBox(this, "proljor", kPointsToolTip, QStringLiteral("Prol. de jornada"), 3);
    jorcom_ = addBox(this, "jorcom", kPointsToolTip, QStringLiteral("Jorn. completa"), 4);
    tardif_ = addBox(this, "tardif", kPointsToolTip, QStringLiteral("Tarea diferenc."), 5);
    codcargo_->setText(QStringLiteral("0"));
    codcargo_->installEventFilter(this);

    auto *cargoHeading = new QLabel(QStringLiteral("Cargo"), this);
    cargoHeading->setObjectName(QStringLiteral("Label4"));
    cargoHeading->setGeometry(rectOf(kColumnLeft, 2220, 800, 360));

    cargox_ = new QComboBox(this);
    cargox_->setObjectName(QStringLiteral("cargox"));
    cargox_->setToolTip(QStringLiteral("Seleccione el cargo"));
    cargox_->setAccessibleName(QStringLiteral("Cargo"));
    cargox_->setEditable(true);
    // Typed text is only a name for the receipt: it neither adds entries nor selects one.
    cargox_->setInsertPolicy(QComboBox::NoInsert);
    cargox_->setCompleter(nullptr);
    // Enter or leaving the field would otherwise pick an entry whose name equals the typed text.
    disconnect(cargox_->lineEdit(), &QLineEdit::returnPressed, cargox_, nullptr);
    disconnect(cargox_->lineEdit(), &QLineEdit::editingFinished, cargox_, nullptr);
    cargox_->setMaxVisibleItems(20);
    cargox_->setGeometry(rectOf(1050, 2200, 8460, 390));
    const auto &catalogue = rows();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        cargox_->addItem(textOf(catalogue[i].name), static_cast<int>(i + 1));
    }
    cargox_->setCurrentIndex(-1);
    cargox_->setEditText(QString());

    auto *picture = new Photograph(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(rectOf(kColumnLeft, 2940, 4200, 3360));

    listo_ = new QPushButton(QStringLiteral("Listo"), this);
    listo_->setObjectName(QStringLiteral("Command1"));
    listo_->setGeometry(rectOf(7500, 4620, 2010, 540));
    listo_->setDefault(true);
    listo_->setAccessibleName(QStringLiteral("Listo"));

    salirSinDatos_ = new QPushButton(QStringLiteral("Salir sin datos"), this);
    salirSinDatos_->setObjectName(QStringLiteral("Command2"));
    salirSinDatos_->setGeometry(rectOf(7500, 5400, 2010, 540));
    salirSinDatos_->setAutoDefault(false);
    salirSinDatos_->setAccessibleName(QStringLiteral("Salir sin datos"));

    connect(codcargo_, &QLineEdit::textChanged, this, &SelectionDialog::searchByCode);
    connect(cargox_, &QComboBox::activated, this, &SelectionDialog::pickByName);
    connect(listo_, &QPushButton::clicked, this, &SelectionDialog::pressListo);
    connect(salirSinDatos_, &QPushButton::clicked, this, &SelectionDialog::pressSalirSinDatos);
}

QString SelectionDialog::selectedCode() const
{
    const Position *row = rowAt(selectedRow_);
    return row ? textOf(row->code) : QString();
}

QString SelectionDialog::selectedBasicPoints() const
{
    const Position *row = rowAt(selectedRow_);
    return row ? textOf(row->basicPoints) : QString();
}

QString SelectionDialog::positionName() const { return cargox_->currentText(); }
QString SelectionDialog::punbas() const { return punbas_->text(); }
QString SelectionDialog::compbas() const { return compbas_->text(); }
QString SelectionDialog::proljor() const { return proljor_->text(); }
QString SelectionDialog::jorcom() const { return jorcom_->text(); }
QString SelectionDialog::tardif() const { return tardif_->text(); }

void SelectionDialog::searchByCode(const QString &code)
{
    const std::string key = code.toStdString();
    const std::optional<int> found = findByCode(key);
    selectedRow_ = found.value_or(-1);
    const Position *row = rowAt(selectedRow_);
    {
        // Showing the row's name is not a pick: it must not run the choice by name again.
        const QSignalBlocker blockChooser(cargox_);
        cargox_->setCurrentIndex(selectedRow_);
        if (!row) {
            cargox_->setEditText(QString());
        }
    }
    punbas_->setText(row ? textOf(row->basicPoints) : QString());
    proljor_->setText(row ? textOf(row->extendedDayPoints) : QString());
    jorcom_->setText(row ? textOf(row->fullDayPoints) : QString());
    tardif_->setText(row ? textOf(row->taskPoints) : QString());
    compbas_->setText(row ? textOf(row->complementPoints) : QString());
    listo_->setEnabled(row != nullptr);
}

void SelectionDialog::pickByName(int index)
{
    // Each entry carries its own row, so equal names still give their own codes.
    const Position *row = rowAt(index);
    if (!row) {
        return;
    }
    codcargo_->setText(textOf(row->code));
    if (selectedRow_ != index) {
        // The code box already held this code, so no change ran the search.
        searchByCode(codcargo_->text());
    }
}

void SelectionDialog::pressListo()
{
    Acceptance acceptance;
    acceptance.codcargo = codcargo_->text();
    acceptance.cargox = cargox_->currentText();
    acceptance.punbas = punbas_->text();
    acceptance.compbas = compbas_->text();
    acceptance.proljor = proljor_->text();
    acceptance.jorcom = jorcom_->text();
    acceptance.tardif = tardif_->text();
    const std::optional<double> code = readDouble(acceptance.codcargo.toStdString());
    acceptance.positionChosen = code.has_value() && *code != 0.0;
    hide();
    emit listo(acceptance);
}

void SelectionDialog::pressSalirSinDatos()
{
    cargox_->setEditText(QString());
    codcargo_->setText(QString());
    for (QLineEdit *box : {punbas_, proljor_, jorcom_, tardif_, compbas_}) {
        box->setText(QStringLiteral("0"));
    }
    hide();
    emit leftWithoutData();
}

void SelectionDialog::reject() { pressSalirSinDatos(); }

bool SelectionDialog::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the code box starts a new code from an empty box.
    if (watched == codcargo_ && event->type() == QEvent::MouseButtonPress) {
        codcargo_->setText(QString());
    }
    return QDialog::eventFilter(watched, event);
}

void SelectionDialog::setVisible(bool visible)
{
    if (visible && !shownBefore_) {
        shownBefore_ = true;
        codcargo_->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
    // Showing a dialog focuses its field as if tabbed into, selecting the text; the user types
    // behind what the code box holds instead.
    if (visible && focusWidget() == codcargo_) {
        codcargo_->deselect();
        codcargo_->end(false);
    }
}

}  // namespace recibo::catalogue
