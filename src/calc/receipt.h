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

// Where the totals block and the frame rules stand for a receipt of `rows` rows, in twips of the
// receipt frame. Shared by the receipt window and the tests.
struct TotalsLayout {
    int rulesBottom;     // Y2 of Line1, Line2, Line3(0), Line3(1), Line5, Line7
    int line6;           // Y1 = Y2 of Line6
    int haberesTop;      // Top of thaberes and Label15
    int line15;
    int descuentosTop;   // Top of tdescuentos and Label16
    int line16;
    int liquidoTop;      // Top of liquido and Label17
    int line17;
};

inline constexpr int kReceiptRowHeight = 315;

constexpr TotalsLayout totalsLayout(std::size_t rows)
{
    const int offset = kReceiptRowHeight * static_cast<int>(rows);
    return TotalsLayout{2350 + offset, 1050 + offset, 1250 + offset, 1550 + offset,
                        1650 + offset, 1950 + offset, 2050 + offset, 2350 + offset};
}

}  // namespace recibo
