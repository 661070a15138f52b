#pragma once
// "Cómo se calculó": every amount of the receipt shown, in receipt order, with its working, as text
// the user can select and copy with the mouse or the keyboard. One window, kept by the receipt
// window and refilled with each receipt it shows.

#include <QList>
#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace recibo::receipt {

// One amount as the receipt shows it, and the sentence that says how it was reached.
struct WorkedAmount {
    QString code;         // empty for a total
    QString description;  // the row's description or the total's caption
    QString amount;       // as shown: "$ 59,59"
    QString working;      // empty when the receipt came without its working
};

class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget *parent = nullptr);

    void setAmounts(const QList<WorkedAmount> &amounts);
    // Beside `window` on its screen, narrower where that keeps it beside, and never over `keepClear`
    // (in screen coordinates) where the screen has room.
    void placeBeside(const QWidget *window, const QRect &keepClear);
    // Shows the window in front with the text ready for the keyboard at the entry of `amount` (its
    // place in the list set), or at the top.
    void open(int amount = -1);

private:
    QPlainTextEdit *detalle_ = nullptr;
    QList<int> entryStarts_;  // where each amount's entry starts in the text
};

}  // namespace recibo::receipt
