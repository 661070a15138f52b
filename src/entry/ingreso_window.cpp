#include "ingreso_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <variant>

#include "compute.h"
#include "error_dialog.h"
#include "failure_message.h"
#include "haberes_window.h"
#include "twips.h"

namespace recibo::entry {
namespace {

constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8595;
constexpr int kGapBesideWindow = 8;  // pixels between this window and the selection dialog

QFont windowFont()
{
    // A metric-compatible free sans-serif at the classic 9.75-point size keeps captions in their boxes.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    return font;
}

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
    buildSummary();
    buildHours();
    buildIncentiveAndTransport();
    buildZoneAndAbsences();
    buildFamily();
    buildDeductions();
    buildSeniority();
    buildButtonsAndDecoration();
    connectReactions();
    box(fields::docente)->setFocus(Qt::OtherFocusReason);
}

IngresoWindow::~IngresoWindow() = default;

void IngresoWindow::onCalcularClicked()
{
    const QString point = QLocale().decimalPoint();
    const char separator = point.startsWith(QLatin1Char(',')) ? ',' : '.';
    // The receipt window shows how every amount was reached, so the working is always asked for.
    const auto working = std::make_unique<ReceiptWorking>();
    const Outcome outcome = compute(snapshot(), separator, *working);
    if (const auto *failure = std::get_if<Failure>(&outcome)) {
        if (failure->kind == FailureKind::NoCategory) {
            showError();
        } else {
            showMessage(failureMessage(*failure));
        }
        return;
    }
    if (mensaje_) {
        mensaje_->hide();
    }
    ensureReceipt()->showReceipt(std::get<Receipt>(outcome), *working);
}

catalogue::SelectionDialog *IngresoWindow::ensureSelectionDialog()
{
    if (!advertencia_) {
        advertencia_ = new catalogue::SelectionDialog(this);
        advertencia_->setFont(windowFont());
        connect(advertencia_, &catalogue::SelectionDialog::listo, this, &IngresoWindow::onPositionAccepted);
        connect(advertencia_, &catalogue::SelectionDialog::leftWithoutData, this, &IngresoWindow::clearCategory);
        // Beside the data-entry window, kept on the screen.
        QPoint where = frameGeometry().topRight() + QPoint(kGapBesideWindow, 0);
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
        receipt_->setVolverHandler([this] { onVolver(); });
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
