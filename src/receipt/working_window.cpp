#include "working_window.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QShortcut>
#include <QVBoxLayout>

#include "screen_fit.h"

namespace recibo::receipt {
namespace {

constexpr int kWidth = 720;
constexpr int kMinWidth = 420;  // narrower than this, the workings wrap too often to read
constexpr int kHeight = 520;

// "001  Asign. de la categoría  $885", then the working indented on the next line; with where each
// entry starts.
QString listing(const QList<WorkedAmount> &amounts, QList<int> &starts)
{
    QString text;
    starts.clear();
    for (const WorkedAmount &amount : amounts) {
        if (!text.isEmpty()) {
            text += QStringLiteral("\n\n");
        }
        starts.append(static_cast<int>(text.size()));
        text += amount.code.isEmpty() ? amount.description : amount.code + "  " + amount.description;
        text += "  " + amount.amount;
        text += "\n    " + (amount.working.isEmpty() ? QStringLiteral("(sin detalle)") : amount.working);
    }
    return text;
}

}  // namespace

WorkingWindow::WorkingWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("explicacion"));
    setWindowTitle(QStringLiteral("Cómo se calculó"));
    resize(kWidth, kHeight);

    detalle_ = new QPlainTextEdit(this);
    detalle_->setObjectName(QStringLiteral("detalle"));
    detalle_->setAccessibleName(QStringLiteral("Cómo se calculó cada importe"));
    detalle_->setReadOnly(true);
    // Read-only text is still selectable and copyable from the keyboard, not only with the mouse.
    detalle_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(detalle_);

    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void WorkingWindow::setAmounts(const QList<WorkedAmount> &amounts)
{
    detalle_->setPlainText(listing(amounts, entryStarts_));
}

void WorkingWindow::placeBeside(const QWidget *window, const QRect &keepClear)
{
    ui::placeToolWindow(this, window, keepClear, kMinWidth);
}

void WorkingWindow::open(int amount)
{
    show();
    raise();
    activateWindow();
    // The text cursor, which a screen reader reads from, stands at the start of the amount's entry.
    QTextCursor cursor(detalle_->document());
    cursor.setPosition(amount >= 0 && amount < entryStarts_.size() ? entryStarts_[amount] : 0);
    detalle_->setTextCursor(cursor);
    detalle_->centerCursor();
    detalle_->setFocus();
}

}  // namespace recibo::receipt
