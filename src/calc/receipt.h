#pragma once
// What one calculation produces: the receipt rows, header and totals, or the reason it stopped.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace recibo {

inline constexpr std::size_t kRowSlots = 27;

enum class AmountColumn { Earnings, Deductions };

struct ReceiptRow {
    std::string_view code;
    std::string_view description;
    std::optional<std::string> middle;  // nothing: the middle cell stays hidden
    std::string amount;                 // "$590", "$ 459.61"
    AmountColumn column = AmountColumn::Earnings;
};

struct ReceiptHeader {
    std::string_view Label11;  // "Código del cargo" or "Cantidad de horas"
    std::string numcargo;
    std::string punbasicos;
    std::string carsel;
    bool pointBoxesVisible = false;  // Label14, Label20, Label21, Label2 and their boxes
};

struct ReceiptTotals {
    std::string thaberes;
    std::string tdescuentos;
    std::string liquido;
};

struct Receipt {
    std::array<ReceiptRow, kRowSlots> rows;
    std::size_t rowCount = 0;
    ReceiptHeader header;
    ReceiptTotals totals;
    std::string docente;
};

enum class FailureKind {
    NoCategory,  // none of the three category options is selected
    NoPosition,  // "Cargo" is selected but no position was chosen in the dialog
    Conversion,  // a text is not a number of the kind its field needs
    Limit,       // a count product or sum passes its fixed width
};

struct Failure {
    FailureKind kind = FailureKind::NoCategory;
    std::string field;  // objectName of the control whose text failed
    std::string text;   // that text, as typed
};

}  // namespace recibo
