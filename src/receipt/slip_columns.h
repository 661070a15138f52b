#pragma once
// The columns of the comparison's table, and the table set up for the keyboard: the arrows reach
// every cell, typing on «Mi recibo» (or on the code of the last, empty line) starts the typing, and
// Tab leaves the table.

class QTableWidget;

namespace recibo::receipt {

enum SlipColumn { kCodeColumn, kDescriptionColumn, kCalculatedColumn, kSlipColumn, kDifferenceColumn, kStateColumn,
                  kSlipColumnCount };

void setUpSlipTable(QTableWidget *table);

}  // namespace recibo::receipt
