#include "slip_window.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "accessible.h"
#include "screen_fit.h"
#include "slip_columns.h"
#include "slip_texts.h"

namespace recibo::receipt {
namespace {

constexpr int kWidth = 680;
constexpr int kMinWidth = 540;  // narrower than this, the descriptions wrap on most lines
constexpr int kHeight = 680;
constexpr int kExplanationsHeight = 96;  // three explanations of two lines each
constexpr int kUnexplainedHeight = 88;

QLabel *wrappedLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

QLabel *heading(QWidget *parent, const char *name, const QString &text)
{
    QLabel *label = wrappedLabel(parent, name);
    label->setText(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

SlipWindow::SlipWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    ui::setAccessibleRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("comparacion"));
    setWindowTitle(QStringLiteral("Comparar con mi recibo"));
    resize(kWidth, kHeight);
    build();
}

SlipWindow::~SlipWindow() = default;

void SlipWindow::build()
{
    resumen_ = wrappedLabel(this, "resumen");
    lineas_ = new QTableWidget(0, kSlipColumnCount, this);
    lineas_->setObjectName(QStringLiteral("lineas"));
    lineas_->setAccessibleName(QStringLiteral("Líneas del recibo"));
    setUpSlipTable(lineas_);
    connect(lineas_, &QTableWidget::itemChanged, this, &SlipWindow::onItemChanged);

    aviso_ = new SlipNotice(this);
    // The role before anything a screen reader may ask for, which would give it a label's role.
    ui::setAccessibleRole(aviso_, QAccessible::AlertMessage);
    aviso_->setObjectName(QStringLiteral("aviso"));
    aviso_->setWordWrap(true);
    aviso_->setAccessibleName(QStringLiteral("Aviso"));
    aviso_->setStyleSheet(QStringLiteral("color: #9c0006;"));
    aviso_->hide();

    explicacionesTitulo_ = heading(this, "explicacionesTitulo", QStringLiteral("Qué explica las diferencias"));
    explicacionesNota_ = wrappedLabel(this, "explicacionesNota");
    explicaciones_ = new QListWidget(this);
    explicaciones_->setObjectName(QStringLiteral("explicaciones"));
    explicaciones_->setAccessibleName(QStringLiteral("Explicaciones"));
    explicaciones_->setWordWrap(true);
    explicaciones_->setFixedHeight(kExplanationsHeight);
    explicacionesTitulo_->setBuddy(explicaciones_);
    connect(explicaciones_, &QListWidget::currentRowChanged, this,
            [this](int row) { usarDatos_->setEnabled(row >= 0 && useEntries_ != nullptr); });
    connect(explicaciones_, &QListWidget::itemActivated, this, &SlipWindow::onUseClicked);

    usarDatos_ = new QPushButton(QStringLiteral("Usar estos datos"), this);
    usarDatos_->setObjectName(QStringLiteral("usarDatos"));
    usarDatos_->setToolTip(QStringLiteral("Pone en la ventana de datos los de la explicación elegida y calcula de nuevo"));
    usarDatos_->setEnabled(false);
    connect(usarDatos_, &QPushButton::clicked, this, &SlipWindow::onUseClicked);

    sinExplicacionTitulo_ = heading(this, "sinExplicacionTitulo",
                                    QStringLiteral("Lo que ningún cambio explica, y cómo se calculó, "
                                                   "para consultar en la oficina de liquidaciones"));
    sinExplicacion_ = new QPlainTextEdit(this);
    sinExplicacion_->setObjectName(QStringLiteral("sinExplicacion"));
    sinExplicacion_->setAccessibleName(QStringLiteral("Lo que ningún cambio explica"));
    sinExplicacion_->setReadOnly(true);
    sinExplicacion_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sinExplicacion_->setTabChangesFocus(true);
    sinExplicacion_->setFixedHeight(kUnexplainedHeight);
    sinExplicacionTitulo_->setBuddy(sinExplicacion_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(resumen_);
    layout->addWidget(lineas_, 1);
    layout->addWidget(aviso_);
    layout->addWidget(explicacionesTitulo_);
    layout->addWidget(explicacionesNota_);
    layout->addWidget(explicaciones_);
    layout->addWidget(usarDatos_, 0, Qt::AlignLeft);
    layout->addWidget(sinExplicacionTitulo_);
    layout->addWidget(sinExplicacion_);
}

void SlipWindow::setReceipt(const Receipt &receipt, const QList<WorkedAmount> &worked,
                            const std::optional<Snapshot> &entries, const Period &period, char separator)
{
    receipt_ = receipt;
    worked_ = worked;
    entries_ = entries;
    period_ = &period;
    separator_ = separator;
    refresh();
}

void SlipWindow::setSlip(const Slip &slip)
{
    slip_ = slip;
    if (period_) {
        refresh();
    }
}

void SlipWindow::refresh()
{
    comparison_ = compareSlip(receipt_, slip_, *period_);
    const std::vector<TypedLine> typed = typedLines(comparison_);
    typedIndex_.assign(comparison_.lines.size(), std::nullopt);
    for (std::size_t i = 0, k = 0; i < comparison_.lines.size(); ++i) {
        const LineState state = comparison_.lines[i].state;
        if (state == LineState::Matches || state == LineState::Differs) {
            typedIndex_[i] = k++;
        }
    }
    searched_ = entries_ && comparison_.differs();
    search_ = searched_ ? searchExplanations(*entries_, *period_, typed, separator_) : SlipSearch{};
    resumen_->setText(summaryText(comparison_));
    fillLines();
    sayUnreadable();
    fillExplanations();
    fillUnexplained();
}

void SlipWindow::placeBeside(const QWidget *window, const QRect &keepClear)
{
    ui::placeToolWindow(this, window, keepClear, kMinWidth);
}

void SlipWindow::open()
{
    show();
    raise();
    activateWindow();
    lineas_->setFocus();
    if (!lineas_->currentItem() && lineas_->rowCount() > 0) {
        lineas_->setCurrentCell(0, kSlipColumn);
    }
}

void SlipWindow::keyPressEvent(QKeyEvent *event)
{
    // An amount being typed takes its Esc first: only an Esc nothing else wanted closes the window.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace recibo::receipt
