#include "receipt_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace recibo::receipt {
namespace {

constexpr int kFramePadding = 1;  // pixels between a line's cells and its focus frame
constexpr int kFrameWidth = 2;
constexpr int kViewMargin = 4;    // pixels kept free above or below a line scrolled into view

class LineInterface : public QAccessibleInterface {
public:
    LineInterface(ReceiptReader *reader, int index) : reader_(reader), index_(index) {}

    bool isValid() const override { return reader_ && index_ < reader_->lineCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return reader_ ? reader_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return reader_ ? QAccessible::queryAccessibleInterface(reader_.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) {
            return QString();
        }
        if (t == QAccessible::Name) {
            return reader_->line(index_).sentence;
        }
        return t == QAccessible::Description ? reader_->line(index_).description : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid()) {
            return QRect();
        }
        const QRect place = reader_->lineRect(index_);
        return QRect(reader_->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (isValid() && index_ == reader_->current()) {
            state.selected = true;
            state.focused = reader_->hasFocus();
        }
        if (!isValid() || !reader_->rect().intersects(reader_->lineRect(index_))) {
            state.offscreen = true;
        }
        return state;
    }

private:
    QPointer<ReceiptReader> reader_;
    int index_;
};

class ReaderInterface : public QAccessibleWidget {
public:
    explicit ReaderInterface(ReceiptReader *reader) : QAccessibleWidget(reader, QAccessible::List) {}

    int childCount() const override { return reader()->lineCount(); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount() ? reader()->lineInterface(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *line) const override { return reader()->indexOfLineInterface(line); }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = reader()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (reader()->lineRect(i).contains(at)) {
                return child(i);
            }
        }
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return reader()->hasFocus() && childCount() > 0 ? child(reader()->current()) : nullptr;
    }

private:
    ReceiptReader *reader() const { return static_cast<ReceiptReader *>(widget()); }
};

QAccessibleInterface *readerInterface(const QString & /*className*/, QObject *object)
{
    auto *reader = qobject_cast<ReceiptReader *>(object);
    return reader ? new ReaderInterface(reader) : nullptr;
}

}  // namespace

ReceiptReader::ReceiptReader(QWidget *window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(readerInterface);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("recibo"));
    setAccessibleName(QStringLiteral("Recibo de haberes"));
    setFocusPolicy(Qt::StrongFocus);
    // Over the whole window, so the focus frame can stand around any line; the mouse goes through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(window->rect());
    window->installEventFilter(this);
    raise();
}

ReceiptReader::~ReceiptReader()
{
    for (const unsigned id : lineIds_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

void ReceiptReader::setLines(std::vector<ReaderLine> lines)
{
    lines_ = std::move(lines);
    current_ = 0;
    if (window()->focusWidget() == this) {
        keepCurrentInView();  // the window keeps its scroll value from the receipt before
    }
    update();
}

void ReceiptReader::setCurrent(int index)
{
    const int wanted = std::clamp(index, 0, std::max(0, lineCount() - 1));
    if (wanted == current_) {
        return;
    }
    current_ = wanted;
    keepCurrentInView();
    update();
    announceCurrent();
}

QRect ReceiptReader::lineRect(int index) const
{
    QRect place;
    if (index < 0 || index >= lineCount()) {
        return place;
    }
    for (const QPointer<QWidget> &part : line(index).parts) {
        if (part && part->isVisibleTo(parentWidget())) {
            place |= QRect(part->mapTo(parentWidget(), QPoint(0, 0)), part->size());
        }
    }
    return place.isEmpty() ? place : place.adjusted(-kFramePadding, -kFramePadding, kFramePadding, kFramePadding);
}

QAccessibleInterface *ReceiptReader::lineInterface(int index) const
{
    while (static_cast<int>(lineIds_.size()) <= index) {
        auto *line = new LineInterface(const_cast<ReceiptReader *>(this), static_cast<int>(lineIds_.size()));
        lineIds_.push_back(QAccessible::registerAccessibleInterface(line));
    }
    return QAccessible::accessibleInterface(lineIds_[static_cast<std::size_t>(index)]);
}

int ReceiptReader::indexOfLineInterface(const QAccessibleInterface *line) const
{
    for (std::size_t i = 0; i < lineIds_.size() && static_cast<int>(i) < lineCount(); ++i) {
        if (QAccessible::accessibleInterface(lineIds_[i]) == line) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int ReceiptReader::lineStep() const
{
    // The rows are the shortest lines; with their padding each overlaps the next by one.
    int step = 0;
    for (int i = 0; i < lineCount(); ++i) {
        const int lineHeight = lineRect(i).height();
        if (lineHeight > 0 && (step == 0 || lineHeight < step)) {
            step = lineHeight;
        }
    }
    return std::max(1, step - kFramePadding);
}

void ReceiptReader::movePage(int direction)
{
    const int step = lineStep();
    const int lines = std::max(1, (height() - 2 * kViewMargin) / step - 1);
    if (scroll_.by) {
        scroll_.by(direction * lines * step);
    }
    setCurrent(current_ + direction * lines);
}

void ReceiptReader::keyPressEvent(QKeyEvent *event)
{
    const bool toEdge = event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if (toEdge && scroll_.toEdge) {
        scroll_.toEdge(event->key() == Qt::Key_End);
    }
    switch (event->key()) {
    case Qt::Key_Up: setCurrent(current_ - 1); break;
    case Qt::Key_Down: setCurrent(current_ + 1); break;
    case Qt::Key_Home: setCurrent(0); break;
    case Qt::Key_End: setCurrent(lineCount() - 1); break;
    case Qt::Key_PageUp: movePage(-1); break;
    case Qt::Key_PageDown: movePage(1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    // Also when the line stays: the receipt may have been scrolled away from it.
    keepCurrentInView();
    event->accept();
}

void ReceiptReader::keepCurrentInView()
{
    const QRect place = lineRect(current_);
    if (!scroll_.by || place.isEmpty()) {
        return;
    }
    if (place.top() < kViewMargin) {
        scroll_.by(place.top() - kViewMargin);
    } else if (place.bottom() > height() - kViewMargin) {
        scroll_.by(place.bottom() - height() + kViewMargin);
    }
}

void ReceiptReader::announceCurrent()
{
    if (!hasFocus() || lineCount() == 0) {
        return;
    }
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
}

void ReceiptReader::paintEvent(QPaintEvent * /*event*/)
{
    const QRect place = lineRect(current_);
    if (!hasFocus() || place.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFrameWidth));
    painter.drawRect(place.adjusted(0, 0, -1, -1));
}

void ReceiptReader::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    keepCurrentInView();
    update();
    // Qt announces the list itself after this handler; the current line must be heard after it.
    QMetaObject::invokeMethod(this, &ReceiptReader::announceCurrent, Qt::QueuedConnection);
}

void ReceiptReader::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

bool ReceiptReader::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        if (hasFocus()) {
            keepCurrentInView();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace recibo::receipt
