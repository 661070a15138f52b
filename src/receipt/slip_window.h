#pragma once
// «Comparar con mi recibo»: one line per row and total of the receipt shown, and one per typed code
// it lacks, where the teacher types what the real pay slip says. Each line says whether it
// coincides; the window lists the changes of the entries that explain the differences, best first,
// and what no change explains with how it was calculated. It computes no pay of its own: the
// comparison and the search are the engine's (slip.h, slip_search.h).

#include <QLabel>
#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

#include "period.h"
#include "receipt.h"
#include "slip.h"
#include "slip_search.h"
#include "snapshot.h"
#include "working_window.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace recibo::receipt {

// The message of an amount that does not read, announced to a screen reader as an alert.
class SlipNotice : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

class SlipWindow : public QWidget {
    Q_OBJECT

public:
    explicit SlipWindow(QWidget *parent = nullptr);
    ~SlipWindow() override;

    // The receipt shown with each amount's working (its rows, then its three totals), and the
    // entries and period it was computed from; without entries nothing is searched.
    void setReceipt(const Receipt &receipt, const QList<WorkedAmount> &worked, const std::optional<Snapshot> &entries,
                    const Period &period, char separator);
    void setSlip(const Slip &slip);
    const Slip &slip() const { return slip_; }
    // Told of every amount typed, so the slip outlives the window.
    void setSlipEditedHandler(std::function<void(const Slip &)> handler) { slipEdited_ = std::move(handler); }
    // «Usar estos datos» hands over the chosen explanation's entries.
    void setUseEntriesHandler(std::function<void(const Snapshot &)> handler) { useEntries_ = std::move(handler); }
    // Beside the receipt window, by the same rule as "Cómo se calculó".
    void placeBeside(const QWidget *window, const QRect &keepClear);
    // Shows the window in front with the lines ready for the keyboard.
    void open();

protected:
    // Esc closes the window, unless it ends the typing of an amount.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    // Compares again, searches again and shows everything.
    void refresh();
    // The table (slip_lines.cpp).
    void fillLines();
    void fillLine(int row, const SlipLine &line, bool unexplained);
    void fillNewLine();
    void onItemChanged(QTableWidgetItem *item);
    void onNewLineChanged();
    void showUnreadable(int row);
    // The first line that does not read, said where it can be heard; nothing when all read.
    void sayUnreadable();
    bool unexplained(std::size_t line) const;
    QString workingOf(const SlipLine &line) const;
    // What explains the differences (slip_explanations.cpp).
    void fillExplanations();
    void fillUnexplained();
    void onUseClicked();

    Receipt receipt_;
    QList<WorkedAmount> worked_;
    std::optional<Snapshot> entries_;
    const Period *period_ = nullptr;
    char separator_ = '.';
    Slip slip_;
    SlipComparison comparison_;
    SlipSearch search_;
    std::vector<std::optional<std::size_t>> typedIndex_;  // by line: its place among the typed lines
    bool searched_ = false;
    std::function<void(const Slip &)> slipEdited_;
    std::function<void(const Snapshot &)> useEntries_;

    QLabel *resumen_ = nullptr;
    QTableWidget *lineas_ = nullptr;
    SlipNotice *aviso_ = nullptr;
    QLabel *explicacionesTitulo_ = nullptr;
    QLabel *explicacionesNota_ = nullptr;
    QListWidget *explicaciones_ = nullptr;
    QPushButton *usarDatos_ = nullptr;
    QLabel *sinExplicacionTitulo_ = nullptr;
    QPlainTextEdit *sinExplicacion_ = nullptr;
};

}  // namespace recibo::receipt
