// The comparison's table: a line per row and total of the receipt and per typed code it lacks, then
// an empty line for another code; each cell read by a screen reader as its line's sentence.

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <array>

#include "controls.h"
#include "slip_columns.h"
#include "slip_texts.h"
#include "slip_window.h"

namespace recibo::receipt {
namespace {

constexpr int kEditorNameRole = Qt::UserRole;  // the accessible name of the cell's editor
constexpr int kCellPadding = 10;
constexpr int kLongestCode = 8;

struct StateColours {
    QColor background;
    QColor text;
};

// Light backgrounds with dark text of the same hue, readable in either state.
StateColours coloursOf(LineState state)
{
    switch (state) {
    case LineState::Matches: return {QColor(0xC6, 0xEF, 0xCE), QColor(0x00, 0x61, 0x00)};
    case LineState::Differs: return {QColor(0xFF, 0xC7, 0xCE), QColor(0x9C, 0x00, 0x06)};
    case LineState::Unreadable: return {QColor(0xFF, 0xEB, 0x9C), QColor(0x9C, 0x57, 0x00)};
    case LineState::NotTyped: break;
    }
    return {};
}

// The editor names the line it types into, and a code takes digits only.
class SlipCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            edit->setAccessibleName(index.data(kEditorNameRole).toString());
            if (index.column() == kCodeColumn) {
                const QRegularExpression code(QStringLiteral("\\d{0,%1}").arg(kLongestCode));
                edit->setValidator(new QRegularExpressionValidator(code, edit));
            }
        }
        return editor;
    }
};

int textWidth(const QTableWidget *table, const QString &text)
{
    return table->fontMetrics().horizontalAdvance(text) + kCellPadding;
}

QTableWidgetItem *itemAt(QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    return item;
}

void fillRow(QTableWidget *table, int row, const std::array<QString, kSlipColumnCount> &texts, const QString &sentence,
             std::initializer_list<int> editable)
{
    for (int column = 0; column < kSlipColumnCount; ++column) {
        QTableWidgetItem *item = itemAt(table, row, column);
        item->setText(texts[static_cast<std::size_t>(column)]);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (std::find(editable.begin(), editable.end(), column) != editable.end()) {
            flags |= Qt::ItemIsEditable;
        }
        item->setFlags(flags);
        item->setData(Qt::AccessibleTextRole, sentence);
        item->setToolTip(QString());
        item->setData(Qt::BackgroundRole, QVariant());
        item->setData(Qt::ForegroundRole, QVariant());
        const bool amount = column == kCalculatedColumn || column == kSlipColumn || column == kDifferenceColumn;
        item->setTextAlignment(Qt::AlignVCenter | (amount ? Qt::AlignRight : Qt::AlignLeft));
    }
}

}  // namespace

void setUpSlipTable(QTableWidget *table)
{
    table->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descripción"),
                                      QStringLiteral("Calculado"), QStringLiteral("Mi recibo"),
                                      QStringLiteral("Diferencia"), QStringLiteral("Estado")});
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrows move from cell to cell.
    table->setTabKeyNavigation(false);
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    table->setItemDelegate(new SlipCellDelegate(table));
    QHeaderView *header = table->horizontalHeader();
    // Amounts of a teacher's receipt: thousands of pesos with four places.
    const QString widestAmount = QStringLiteral("$ 8888,8888");
    const std::array<int, kSlipColumnCount> widths{
        std::max(textWidth(table, QStringLiteral("Código")), textWidth(table, QStringLiteral("8888"))),
        0,
        textWidth(table, widestAmount),
        textWidth(table, widestAmount),
        textWidth(table, QStringLiteral("-") + widestAmount),
        textWidth(table, QStringLiteral("sin explicación")),
    };
    for (int column = 0; column < kSlipColumnCount; ++column) {
        if (column == kDescriptionColumn) {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, widths[static_cast<std::size_t>(column)]);
        }
    }
}

bool SlipWindow::unexplained(std::size_t line) const
{
    const auto typed = typedIndex_[line];
    return searched_ && comparison_.lines[line].state == LineState::Differs && typed &&
           *typed < search_.explained.size() && !search_.explained[*typed];
}

QString SlipWindow::workingOf(const SlipLine &line) const
{
    if (line.slot) {
        return worked_.value(static_cast<qsizetype>(*line.slot)).working;
    }
    for (std::size_t i = 0; line.isTotal() && i < kSlipTotals.size(); ++i) {
        if (kSlipTotals[i] == line.code) {
            return worked_.value(static_cast<qsizetype>(std::min(receipt_.rowCount, kRowSlots) + i)).working;
        }
    }
    return QString();
}

void SlipWindow::fillLines()
{
    const QSignalBlocker quiet(lineas_);
    const int row = lineas_->currentRow();
    const int column = lineas_->currentColumn();
    lineas_->setRowCount(static_cast<int>(comparison_.lines.size()) + 1);
    for (std::size_t i = 0; i < comparison_.lines.size(); ++i) {
        fillLine(static_cast<int>(i), comparison_.lines[i], unexplained(i));
    }
    fillNewLine();
    if (row >= 0) {
        lineas_->setCurrentCell(std::min(row, lineas_->rowCount() - 1), column);
    }
}

void SlipWindow::fillLine(int row, const SlipLine &line, bool unexplained)
{
    const QString name = lineName(line);
    fillRow(lineas_, row,
            {line.isTotal() ? QString() : QString::fromStdString(line.code), ui::textOf(line.description),
             line.calculated ? QString::fromStdString(line.calculatedText) : QStringLiteral("no está"),
             QString::fromStdString(line.typed),
             line.state == LineState::Differs ? differenceText(line.difference(), separator_) : QString(),
             stateWord(line, unexplained)},
            lineSentence(line, unexplained, separator_), {kSlipColumn});
    lineas_->item(row, kSlipColumn)->setData(kEditorNameRole, QStringLiteral("Mi recibo, %1").arg(name));
    lineas_->item(row, kCalculatedColumn)->setToolTip(workingOf(line));
    const StateColours colours = coloursOf(line.state);
    for (int column : {kDifferenceColumn, kStateColumn}) {
        if (colours.background.isValid()) {
            lineas_->item(row, column)->setBackground(colours.background);
            lineas_->item(row, column)->setForeground(colours.text);
        }
    }
}

void SlipWindow::fillNewLine()
{
    const int row = lineas_->rowCount() - 1;
    fillRow(lineas_, row, {QString(), QString(), QString(), QString(), QString(), QString()},
            QStringLiteral("Línea nueva: el código y el importe de una línea de su recibo que este no tiene"),
            {kCodeColumn, kSlipColumn});
    lineas_->item(row, kCodeColumn)->setData(kEditorNameRole, QStringLiteral("Código de la línea nueva"));
    lineas_->item(row, kSlipColumn)->setData(kEditorNameRole, QStringLiteral("Mi recibo, línea nueva"));
}

void SlipWindow::onItemChanged(QTableWidgetItem *item)
{
    const int row = item->row();
    if (row == lineas_->rowCount() - 1) {
        onNewLineChanged();
        return;
    }
    if (item->column() != kSlipColumn) {
        return;
    }
    const SlipLine &line = comparison_.lines[static_cast<std::size_t>(row)];
    const std::string typed = item->text().trimmed().toStdString();
    setTypedAmount(slip_, line.code, line.occurrence, typed);
    if (slipEdited_) {
        slipEdited_(slip_);
    }
    if (!typed.empty() && !readSlipAmount(typed)) {
        showUnreadable(row);
        return;
    }
    // Not from inside the table's own signal: the lines are laid out anew.
    QMetaObject::invokeMethod(this, &SlipWindow::refresh, Qt::QueuedConnection);
}

void SlipWindow::onNewLineChanged()
{
    const int row = lineas_->rowCount() - 1;
    const QString code = lineas_->item(row, kCodeColumn)->text().trimmed();
    const QString amount = lineas_->item(row, kSlipColumn)->text().trimmed();
    {
        const QSignalBlocker quiet(lineas_);
        lineas_->item(row, kDescriptionColumn)->setText(ui::textOf(itemDescription(code.toStdString(), *period_)));
    }
    if (amount.isEmpty()) {
        return;
    }
    if (code.isEmpty()) {
        const QString message = QStringLiteral("Escriba también el código de la línea nueva, en la columna «Código».");
        aviso_->setText(message);
        aviso_->setAccessibleDescription(message);
        aviso_->show();
        return;
    }
    // After the lines of this code already shown: the receipt's and those typed before.
    const auto shown = std::count_if(comparison_.lines.begin(), comparison_.lines.end(),
                                     [&code](const SlipLine &l) { return QString::fromStdString(l.code) == code; });
    setTypedAmount(slip_, code.toStdString(), static_cast<std::size_t>(shown), amount.toStdString());
    if (slipEdited_) {
        slipEdited_(slip_);
    }
    QMetaObject::invokeMethod(this, &SlipWindow::refresh, Qt::QueuedConnection);
}

void SlipWindow::showUnreadable(int row)
{
    SlipLine &line = comparison_.lines[static_cast<std::size_t>(row)];
    line.typed = lineas_->item(row, kSlipColumn)->text().trimmed().toStdString();
    line.slip.reset();
    line.state = LineState::Unreadable;
    {
        const QSignalBlocker quiet(lineas_);
        fillLine(row, line, false);
    }
    sayUnreadable();
}

void SlipWindow::sayUnreadable()
{
    const auto unreadable = std::find_if(comparison_.lines.begin(), comparison_.lines.end(),
                                         [](const SlipLine &l) { return l.state == LineState::Unreadable; });
    if (unreadable == comparison_.lines.end()) {
        aviso_->hide();
        return;
    }
    const QString message = unreadableMessage(*unreadable);
    const bool again = aviso_->isVisible() && aviso_->text() == message;
    aviso_->setText(message);
    aviso_->setAccessibleDescription(message);
    aviso_->show();
    if (!again) {
        QAccessibleEvent alert(aviso_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

}  // namespace recibo::receipt
