#pragma once
// The pay slip the teacher was given, as typed beside the receipt, and the receipt compared with it
// line by line. No Qt here: the receipt window, the case tool and the teacher's file share it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "money.h"
#include "period.h"
#include "receipt.h"

namespace recibo {

// The amounts typed for one code, in the order the code's rows stand on the receipt: "052" can
// stand twice. An empty text is a line left empty.
struct SlipRow {
    std::string code;
    std::vector<std::string> amounts;
    bool operator==(const SlipRow &) const = default;
};

// The names the three totals go by on a slip line, in the case files and in the teacher's file.
inline constexpr std::array<std::string_view, 3> kSlipTotals{"thaberes", "tdescuentos", "liquido"};

struct Slip {
    // In receipt order as typed; codes the receipt lacks follow, and stay when a new receipt lacks them.
    std::vector<SlipRow> rows;
    std::array<std::string, kSlipTotals.size()> totals;  // in the order of kSlipTotals
    bool operator==(const Slip &) const = default;
};

// The text typed for a line, empty when none: `code` is a row's code or a total's name.
const std::string &typedAmount(const Slip &slip, std::string_view code, std::size_t occurrence);
// Types `text` on a line; an empty text leaves the line empty and drops what no longer holds any.
void setTypedAmount(Slip &slip, std::string_view code, std::size_t occurrence, const std::string &text);

// An amount as slips print it: "$ 1.234,56", "1234.56", "1.234", "$885", "72,32". A mark followed by
// exactly three digits groups thousands, the last mark followed by any other number of digits is the
// decimal mark. Nothing when the text is no such amount ("12,34,56", "abc") or is blank.
std::optional<Money> readSlipAmount(std::string_view text);

// A slip amount and a calculated one coincide within half a cent: slips print cents.
inline constexpr Money kSlipTolerance = Money::fromCount(Money::kScale / 200);

enum class LineState { NotTyped, Unreadable, Matches, Differs };

// One line of the comparison: a receipt row, a total, or a typed code the receipt lacks.
struct SlipLine {
    std::string code;            // a row's code, or a total's name from kSlipTotals
    std::size_t occurrence = 0;  // which of the rows with this code
    std::string_view description;  // the row's, the total's caption or the item's; may be empty
    std::optional<std::size_t> slot;  // the receipt row it stands for; nothing for a total or a code it lacks
    std::optional<Money> calculated;  // nothing: the receipt has no such line (it compares with 0)
    std::string calculatedText;       // as the receipt shows it
    std::string typed;
    std::optional<Money> slip;  // read from `typed`
    LineState state = LineState::NotTyped;
    bool isTotal() const;
    // Slip minus calculated; meaningful once typed and read.
    Money difference() const { return slip.value_or(Money()) - calculated.value_or(Money()); }
};

struct SlipComparison {
    std::vector<SlipLine> lines;  // the receipt's rows, its totals, then the typed codes it lacks
    std::size_t compared = 0;     // lines typed and read
    std::size_t matching = 0;
    bool differs() const { return matching < compared; }
};

// `period` names the deduction codes the receipt lacks.
SlipComparison compareSlip(const Receipt &receipt, const Slip &slip, const Period &period);

// The amount a receipt shows on a line, read back from its text; nothing when it has no such line.
std::optional<Money> receiptAmount(const Receipt &receipt, std::string_view code, std::size_t occurrence);

// The description a receipt of `period` gives the item of this code ("Sal fam Cony"), empty for an
// unknown code.
std::string_view itemDescription(std::string_view code, const Period &period);

// "Total Haberes", "Total descuentos", "Liquido a pagar" for a total's name; empty for another code.
std::string_view totalCaption(std::string_view name);

}  // namespace recibo
