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

#include "number_text.h"
#include "controls.h"
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

QLabel *addHeading(QWidget *parent, const char *name, const QString &text, int column)
{
    QLabel *heading = ui::label(parent, QString::fromLatin1(name), text,
                                rectOf(kColumnLeft + column * kColumnStep, kHeadingTop, kColumnWidth, kHeadingHeight),
                                Qt::AlignLeft | Qt::AlignBottom);
    heading->setWordWrap(true);
    return heading;
}

QRect boxPlace(int column)
{
    return rectOf(kColumnLeft + column * kColumnStep, kBoxTop, kColumnWidth, kBoxHeight);
}

// The point boxes left to right after the code box, with the headings above them.
struct PointColumn {
    const char *heading;
    const TextField *field;
};
constexpr std::array<PointColumn, 5> kPointColumns{{
    {"Label3", &fields::punbas},
    {"Label8", &fields::compbas},
    {"Label5", &fields::proljor},
    {"Label6", &fields::jorcom},
    {"Label7", &fields::tardif},
}};

}  // namespace

SelectionDialog::SelectionDialog(const Period &period, QWidget *parent) : QDialog(parent), period_(&period)
{
    setObjectName(QStringLiteral("advertencia"));
    setWindowTitle(title());
    setModal(false);
    setFixedSize(ui::sizeOf(kClientWidth, kClientHeight));

    QLabel *instruction = ui::label(this, QStringLiteral("Label2"), QStringLiteral("Seleccione el cargo o el código del cargo"),
                                    rectOf(kColumnLeft, 240, 9300, 360));
    QFont bold = instruction->font();
    bold.setBold(true);
    instruction->setFont(bold);

    buildPointBoxes();
    buildNameChooser();
    auto *picture = new Photograph(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(rectOf(kColumnLeft, 2940, 4200, 3360));
    buildButtons();

    connect(codcargo_, &QLineEdit::textChanged, this, &SelectionDialog::searchByCode);
    connect(cargox_, &QComboBox::activated, this, &SelectionDialog::onNamePicked);
}

void SelectionDialog::buildPointBoxes()
{
    const QString codeCaption = QStringLiteral("Código del cargo");
    QLabel *codeHeading = addHeading(this, "Label1", codeCaption, 0);
    codcargo_ = ui::textBox(this, QStringLiteral("codcargo"), codeCaption, boxPlace(0), QStringLiteral("0"),
                            QStringLiteral("Escriba el código del cargo. Si luego de escribir las tres cifras no se "
                                           "selecciona el cargo, vuelva a elegir un código correcto."));
    codcargo_->installEventFilter(this);
    codeHeading->setBuddy(codcargo_);

    const QString automatic = QStringLiteral("Se selecciona automáticamente");
    std::array<QLineEdit **, kPointColumns.size()> boxes{&punbas_, &compbas_, &proljor_, &jorcom_, &tardif_};
    for (std::size_t i = 0; i < kPointColumns.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        QLabel *heading = addHeading(this, kPointColumns[i].heading, ui::textOf(kPointColumns[i].field->caption), column);
        *boxes[i] = ui::textBox(this, *kPointColumns[i].field, boxPlace(column), automatic);
        heading->setBuddy(*boxes[i]);
    }
    punbas_->setReadOnly(true);
}

void SelectionDialog::buildNameChooser()
{
    QLabel *heading =
        ui::label(this, QStringLiteral("Label4"), ui::textOf(fields::cargox.caption), rectOf(kColumnLeft, 2220, 800, 360));
    // Typed text is only a name for the receipt: it neither adds entries nor selects one.
    cargox_ = ui::editableList(this, ui::textOf(fields::cargox.control), ui::textOf(fields::cargox.caption),
                               rectOf(1050, 2200, 8460, 390));
    heading->setBuddy(cargox_);
    cargox_->setToolTip(QStringLiteral("Seleccione el cargo"));
    cargox_->setMaxVisibleItems(20);
    fillNameChooser();
    cargox_->setCurrentIndex(-1);
    cargox_->setEditText(QString());
}

void SelectionDialog::fillNameChooser()
{
    const QSignalBlocker quiet(cargox_);
    cargox_->clear();
    const std::vector<Position> &positions = period_->positions;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        cargox_->addItem(ui::textOf(positions[i].name), static_cast<int>(i + 1));
    }
}

void SelectionDialog::setPeriod(const Period &period)
{
    if (&period == period_) {
        return;
    }
    period_ = &period;
    // The typed name and the point boxes stay as they are unless the code selects another row.
    const QString typedName = cargox_->currentText();
    fillNameChooser();
    const QSignalBlocker quiet(cargox_);
    cargox_->setCurrentIndex(-1);
    cargox_->setEditText(typedName);
    const std::optional<int> found = period_->findPosition(codcargo_->text().toStdString());
    if (found || selectedRow_ >= 0) {
        searchByCode(codcargo_->text());
    }
}

void SelectionDialog::buildButtons()
{
    listo_ = ui::button(this, QStringLiteral("Command1"), QStringLiteral("Listo"), rectOf(7500, 4620, 2010, 540));
    listo_->setDefault(true);
    salirSinDatos_ = ui::button(this, QStringLiteral("Command2"), QStringLiteral("Salir sin datos"),
                                rectOf(7500, 5400, 2010, 540));
    salirSinDatos_->setAutoDefault(false);
    connect(listo_, &QPushButton::clicked, this, &SelectionDialog::onListoClicked);
    connect(salirSinDatos_, &QPushButton::clicked, this, &SelectionDialog::onSalirSinDatosClicked);
}

QString SelectionDialog::title() { return QStringLiteral("Selección de cargo"); }

QString SelectionDialog::selectedCode() const
{
    const Position *row = period_->positionAt(selectedRow_);
    return row ? ui::textOf(row->code) : QString();
}

QString SelectionDialog::selectedBasicPoints() const
{
    const Position *row = period_->positionAt(selectedRow_);
    return row ? ui::textOf(row->basicPoints) : QString();
}

QLineEdit *SelectionDialog::boxOf(const TextField &field) const
{
    if (&field == &fields::cargox) {
        return cargox_->lineEdit();
    }
    const std::array<std::pair<const TextField *, QLineEdit *>, 5> boxes{
        {{&fields::punbas, punbas_}, {&fields::compbas, compbas_}, {&fields::proljor, proljor_},
         {&fields::jorcom, jorcom_}, {&fields::tardif, tardif_}}};
    for (const auto &[known, box] : boxes) {
        if (known == &field) {
            return box;
        }
    }
    return nullptr;
}

QString SelectionDialog::fieldText(const TextField &field) const
{
    if (&field == &fields::cargox) {
        return cargox_->currentText();
    }
    const QLineEdit *box = boxOf(field);
    return box ? box->text() : QString();
}

void SelectionDialog::focusField(const TextField &field)
{
    QLineEdit *box = &field == &fields::punbas ? codcargo_ : boxOf(field);
    show();
    raise();
    if (box) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void SelectionDialog::searchByCode(const QString &code)
{
    const std::string key = code.toStdString();
    const std::optional<int> found = period_->findPosition(key);
    selectedRow_ = found.value_or(-1);
    const Position *row = period_->positionAt(selectedRow_);
    {
        // Showing the row's name is not a pick: it must not run the choice by name again.
        const QSignalBlocker blockChooser(cargox_);
        cargox_->setCurrentIndex(selectedRow_);
        if (!row) {
            cargox_->setEditText(QString());
        }
    }
    punbas_->setText(row ? ui::textOf(row->basicPoints) : QString());
    proljor_->setText(row ? ui::textOf(row->extendedDayPoints) : QString());
    jorcom_->setText(row ? ui::textOf(row->fullDayPoints) : QString());
    tardif_->setText(row ? ui::textOf(row->taskPoints) : QString());
    compbas_->setText(row ? ui::textOf(row->complementPoints) : QString());
    listo_->setEnabled(row != nullptr);
}

void SelectionDialog::onNamePicked(int index)
{
    // Each entry carries its own row, so equal names still give their own codes.
    const Position *row = period_->positionAt(index);
    if (!row) {
        return;
    }
    codcargo_->setText(ui::textOf(row->code));
    if (selectedRow_ != index) {
        // The code box already held this code, so no change ran the search.
        searchByCode(codcargo_->text());
    }
}

Acceptance SelectionDialog::acceptance() const
{
    Acceptance accepted;
    accepted.codcargo = codcargo_->text();
    accepted.cargox = cargox_->currentText();
    accepted.punbas = punbas_->text();
    accepted.compbas = compbas_->text();
    accepted.proljor = proljor_->text();
    accepted.jorcom = jorcom_->text();
    accepted.tardif = tardif_->text();
    const std::optional<double> code = readDouble(accepted.codcargo.toStdString());
    accepted.positionChosen = code.has_value() && *code != 0.0;
    return accepted;
}

void SelectionDialog::choose(const Snapshot &entries)
{
    codcargo_->setText(QString::fromStdString(entries.codigocargo));
    for (const TextField *field : kTextFields) {
        if (field->window == FieldWindow::Advertencia) {
            boxOf(*field)->setText(QString::fromStdString(entries.*field->value));
        }
    }
    onListoClicked();
}

void SelectionDialog::onListoClicked()
{
    const Acceptance accepted = acceptance();
    hide();
    emit listo(accepted);
}

void SelectionDialog::onSalirSinDatosClicked()
{
    cargox_->setEditText(QString());
    codcargo_->setText(QString());
    for (QLineEdit *box : {punbas_, proljor_, jorcom_, tardif_, compbas_}) {
        box->setText(QStringLiteral("0"));
    }
    hide();
    emit leftWithoutData();
}

void SelectionDialog::reject() { onSalirSinDatosClicked(); }

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
    // With the focus in the code box its text is selected, so a code typed from the keyboard
    // replaces the "0" as a click into the box would.
    if (visible && focusWidget() == codcargo_) {
        codcargo_->selectAll();
    }
}

}  // namespace recibo::catalogue
