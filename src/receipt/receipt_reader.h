#pragma once
// The receipt as a screen reader hears it: one stop in the window's Tab order, where Up and Down
// (Home, End, Page Up, Page Down) move line by line through the header, every row, the totals and
// the date. Each line is read as one sentence, and its description is how its amount was reached.
// On the screen the line shows a focus frame; the receipt's own cells stay what is drawn and printed.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAccessibleInterface;

namespace recibo::receipt {

struct ReaderLine {
    QString sentence;              // e.g. "001, 1, Asign. de la categoría, haberes, $885"
    QString description;           // the working of its amount, when it has one
    QList<QPointer<QWidget>> parts;  // the cells it is read from; their union is where it stands
    int amount = -1;               // its amount's place among the receipt's amounts; -1: none
};

// How the receipt under the lines moves.
struct ReceiptScroller {
    std::function<void(int pixels)> by;  // down by `pixels` (negative: up)
    std::function<void(bool end)> toEdge;  // to its top, or to its end
};

class ReceiptReader : public QWidget {
    Q_OBJECT

public:
    // Lies over `window`'s client area and lets every mouse event through to the cells below.
    explicit ReceiptReader(QWidget *window);
    ~ReceiptReader() override;

    // The lines of a new receipt; the first becomes the current one.
    void setLines(std::vector<ReaderLine> lines);
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const ReaderLine &line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    int current() const { return current_; }
    void setCurrent(int index);
    // Where a line stands, in this widget's coordinates; empty when none of its cells is shown.
    QRect lineRect(int index) const;
    // Moves the receipt to show a line whole, a page at a time, or to either end.
    void setScroller(ReceiptScroller scroll) { scroll_ = std::move(scroll); }

    // The interfaces of the lines for the accessibility tree, kept for the reader's lifetime.
    QAccessibleInterface *lineInterface(int index) const;
    int indexOfLineInterface(const QAccessibleInterface *line) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void announceCurrent();
    void keepCurrentInView();
    int lineStep() const;
    // A page of what the window shows: the receipt moves by it and the current line by its lines.
    void movePage(int direction);

    std::vector<ReaderLine> lines_;
    int current_ = 0;
    ReceiptScroller scroll_;
    mutable std::vector<unsigned> lineIds_;  // QAccessible ids of the line interfaces, by index
};

}  // namespace recibo::receipt
