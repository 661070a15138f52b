#include "ingreso_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <variant>

#include "builtin_period.h"
#include "compute.h"
#include "error_dialog.h"
#include "failure_message.h"
#include "haberes_window.h"
#include "screen_fit.h"
#include "twips.h"

namespace recibo::entry {
namespace {

constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 8595;

QFont windowFont()
{
    // A metric-compatible free sans-serif at the classic 9.75-point size keeps captions in their boxes.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    return font;
}

}  // namespace

IngresoWindow::IngresoWindow(QWidget *parent) : IngresoWindow(builtInOffer(), parent) {}

IngresoWindow::IngresoWindow(PeriodOffer offer, QWidget *parent)
    : IngresoWindow(std::move(offer), [] { return std::make_unique<receipt::HaberesWindow>(); },
                    [] { QCoreApplication::exit(0); }, parent)
{
}

IngresoWindow::IngresoWindow(ReceiptFactory makeReceipt, std::function<void()> quit, QWidget *parent)
    : IngresoWindow(builtInOffer(), std::move(makeReceipt), std::move(quit), parent)
{
}

IngresoWindow::IngresoWindow(PeriodOffer offer, ReceiptFactory makeReceipt, std::function<void()> quit,
                             QWidget *parent)
    : QMainWindow(parent), offer_(std::move(offer)), makeReceipt_(std::move(makeReceipt)), quit_(std::move(quit)),
      page_(new QWidget)
{
    const auto builtIn = std::find(offer_.periods.begin(), offer_.periods.end(), &builtInPeriod());
    chosenPeriod_ = builtIn == offer_.periods.end() ? 0 : static_cast<std::size_t>(builtIn - offer_.periods.begin());
    setObjectName(QStringLiteral("ingreso"));
    setWindowTitle(QStringLiteral("Ingreso de datos"));
    setFont(windowFont());
    const QSize design = ui::sizeOf(kClientWidth, kClientHeight);
    page_->setObjectName(QStringLiteral("pagina"));
    page_->setFixedSize(design);
    auto *scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    // The page's controls take the focus, not the area around them; it still follows the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(page_);
    setCentralWidget(scroller);

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
    buildMenus();
    watchForChanges();
    // The page at its design size under the menu bar.
    const QSize withMenu(design.width(), design.height() + menuBar()->sizeHint().height());
    setMaximumSize(withMenu);
    resize(withMenu);
    box(fields::docente)->setFocus(Qt::OtherFocusReason);
    page_->installEventFilter(this);
}

IngresoWindow::~IngresoWindow() = default;

void IngresoWindow::onCalcularClicked()
{
    const QString point = QLocale().decimalPoint();
    const char separator = point.startsWith(QLatin1Char(',')) ? ',' : '.';
    // The receipt window shows how every amount was reached, so the working is always asked for.
    const auto working = std::make_unique<ReceiptWorking>();
    const Snapshot entries = snapshot();
    const Outcome outcome = compute(entries, period(), separator, *working);
    if (const auto *failure = std::get_if<Failure>(&outcome)) {
        if (failure->kind == FailureKind::NoCategory) {
            showError();
        } else {
            focusFailedField(failure->field);
            showMessage(failureMessage(*failure, period()));
        }
        return;
    }
    if (mensaje_) {
        mensaje_->hide();
    }
    receipt::ReceiptView *receipt = ensureReceipt();
    receipt->setPeriodName(offer_.periods.size() > 1 ? period().name : std::string());
    receipt->setEntries(entries, period());
    receipt->showReceipt(std::get<Receipt>(outcome), *working);
}

catalogue::SelectionDialog *IngresoWindow::ensureSelectionDialog()
{
    if (!advertencia_) {
        advertencia_ = new catalogue::SelectionDialog(period(), this);
        advertencia_->setFont(windowFont());
        connect(advertencia_, &catalogue::SelectionDialog::listo, this, &IngresoWindow::onPositionAccepted);
        connect(advertencia_, &catalogue::SelectionDialog::leftWithoutData, this, &IngresoWindow::clearCategory);
        // Beside the data-entry window where the screen has room, and never over "Calcular" or "Salir".
        if (const QScreen *screen = this->screen()) {
            const QRect buttons(Command1_->mapToGlobal(QPoint(0, 0)),
                                Command2_->mapToGlobal(QPoint(Command2_->width(), Command2_->height())));
            advertencia_->move(ui::placeBeside(frameGeometry(), advertencia_->frameGeometry().size(),
                                               screen->availableGeometry(), buttons));
        }
    }
    return advertencia_;
}

receipt::ReceiptView *IngresoWindow::ensureReceipt()
{
    if (!receipt_) {
        receipt_ = makeReceipt_();
        receipt_->setVolverHandler([this] { onVolver(); });
        receipt_->setSalirHandler([this] { requestExit(); });
        startComment_ = {receipt_->commentTitle(), receipt_->commentText()};
        if (auto *window = dynamic_cast<QWidget *>(receipt_.get()); window && receiptPosition_) {
            window->move(*receiptPosition_);
        }
        // «Usar estos datos» in the slip comparison: the explanation's entries, computed as "Calcular" does.
        receipt_->setUseEntriesHandler([this](const Snapshot &entries) {
            showEntries(entries);
            onCalcularClicked();
        });
    }
    return receipt_.get();
}

void IngresoWindow::prepareReceipt()
{
    ensureReceipt()->prepare();
}

bool IngresoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // Queued behind the first paint, so the window is on the screen before the work starts.
        QTimer::singleShot(0, this, &IngresoWindow::prepareReceipt);
    }
    return QMainWindow::eventFilter(watched, event);
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

void IngresoWindow::sayLeftOutPeriods()
{
    auto *message = new QMessageBox(QMessageBox::Warning, QStringLiteral("Períodos"),
                                    QStringLiteral("Estos archivos de período tienen problemas y no se ofrecen:"),
                                    QMessageBox::Ok, this);
    message->setObjectName(QStringLiteral("periodosOmitidos"));
    message->setInformativeText(offer_.leftOut.join(QStringLiteral("\n\n")));
    message->setWindowModality(Qt::NonModal);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setFont(windowFont());
    message->show();
}

void IngresoWindow::focusFailedField(const std::string &control)
{
    // The focus waits in the named field, so closing the message puts the user where to mend it.
    const TextField *field = findTextField(control);
    if (!field) {
        return;
    }
    if (field->window == FieldWindow::Advertencia) {
        ensureSelectionDialog()->focusField(*field);
    } else {
        box(*field)->setFocus(Qt::OtherFocusReason);
        box(*field)->selectAll();
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
    QMainWindow::keyPressEvent(event);
}

void IngresoWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!fittedOnScreen_) {
        fittedOnScreen_ = true;
        if (!offer_.leftOut.isEmpty()) {
            // Said once, after the window is up, so the message stands in front of it.
            QTimer::singleShot(0, this, &IngresoWindow::sayLeftOutPeriods);
        }
        if (!setAsideMessage_.isEmpty()) {
            QTimer::singleShot(0, this, [this] { showFileMessage(setAsideMessage_); });
        }
        ui::fitOnScreen(this);
        if (centralWidget()->height() < page_->height()) {
            // The page scrolls up and down: room for its scroll bar beside it, where the screen has it.
            const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
            setMaximumWidth(page_->width() + bar);
            resize(page_->width() + bar, height());
            ui::fitOnScreen(this);
        }
    }
}

void IngresoWindow::closeEvent(QCloseEvent *event)
{
    // Closing the data-entry window ends the program the way "Salir" does, unless the teacher
    // cancels at the question about unsaved changes.
    event->ignore();
    requestExit();
}

bool IngresoWindow::event(QEvent *event)
{
    // Back from the receipt window, where the comment may have changed.
    if (event->type() == QEvent::WindowActivate) {
        refreshTitle();
    }
    return QMainWindow::event(event);
}

}  // namespace recibo::entry
