// Scrolling the receipt: the scroll bar that moves the frame, its size and range as the window
// and the receipt change, and the keys and the wheel that drive it.

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>

#include "haberes_window.h"
#include "receipt_layout.h"
#include "receipt_reader.h"
#include "screen_fit.h"
#include "twips.h"

namespace recibo::receipt {

using ui::rectOf;

void HaberesWindow::onMovedorValueChanged(int value)
{
    const auto top = static_cast<std::int16_t>(kFrameTopAtZero - value);
    // The height is never reset, only grown, up to its bound.
    frameHeight_ = std::min(frameHeight_ + value, kMaxFrameHeight);
    sosten_->setGeometry(rectOf(kFrameLeft, top, kFrameWidth, frameHeight_));
    if (reader_) {
        reader_->update();  // its focus frame follows the line it stands around
    }
}

void HaberesWindow::scrollReceiptBy(int pixels)
{
    // Moving up stops at the design top, unless the scroll bar already stands above it.
    const int value = movedor_->value();
    movedor_->setValue(std::max(value + pixels * ui::kTwipsPerPixel, std::min(value, kScrollStart)));
}

void HaberesWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitScrollBar();
}

void HaberesWindow::fitScrollBar()
{
    const int outerHeight = frameGeometry().height() * ui::kTwipsPerPixel;
    const int clientHeight = height() * ui::kTwipsPerPixel;
    // The outer height counts the title bar, so the bar is kept inside the client area too.
    const int barHeight = std::min(std::max(kMinScrollBarHeight, outerHeight - kScrollBarShortening),
                                   clientHeight - kMovedorTop);
    movedor_->setGeometry(rectOf(kMovedorLeft, kMovedorTop, kMovedorWidth, barHeight));
    // Just enough range to lift this receipt's last totals rule into the client area.
    movedor_->setMaximum(std::clamp(kFrameTopAtZero + receiptBottom_ + kBottomMargin - clientHeight, kScrollStart,
                                    kMaxScrollValue));
}

void HaberesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only now is the frame the window system puts around it known.
    if (fitOnShow_) {
        fitOnShow_ = false;
        ui::fitOnScreen(this);
        fittedSize_ = size();
    }
}

void HaberesWindow::fitHeightToReceipt()
{
    // A size the window did not give itself is the teacher's, and stays from then on.
    sizedByTeacher_ = sizedByTeacher_ || size() != fittedSize_;
    if (sizedByTeacher_) {
        return;
    }
    // Tall enough for the whole receipt without scrolling, never shorter than designed; the screen
    // trims it to its free area.
    resize(width(), std::max(ui::px(kClientHeight), ui::px(kFrameTopAtZero + receiptBottom_ + kBottomMargin)));
    fittedSize_ = size();
    if (isVisible()) {
        ui::fitOnScreen(this);
        fittedSize_ = size();
    } else {
        fitOnShow_ = true;
    }
}

bool HaberesWindow::isScrollKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

void HaberesWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        onVolverClicked();
    } else if (isScrollKey(event->key())) {
        QCoreApplication::sendEvent(movedor_, event);
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool HaberesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isScrollKey(static_cast<QKeyEvent *>(event)->key())) {
        QCoreApplication::sendEvent(movedor_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HaberesWindow::wheelEvent(QWheelEvent *event)
{
    QCoreApplication::sendEvent(movedor_, event);
}

}  // namespace recibo::receipt
