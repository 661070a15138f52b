#include "slip.h"

#include <algorithm>

#include "number_text.h"

namespace recibo {
namespace {

const std::string kNothingTyped;

std::optional<std::size_t> totalIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kSlipTotals.size(); ++i)
        if (kSlipTotals[i] == name)
            return i;
    return std::nullopt;
}

const std::string &totalText(const ReceiptTotals &totals, std::size_t index)
{
    const std::array<const std::string *, kSlipTotals.size()> texts{&totals.thaberes, &totals.tdescuentos,
                                                                     &totals.liquido};
    return *texts[index];
}

// A receipt amount is "$", maybe a blank, and the money text with the receipt's separator.
std::optional<Money> amountOfText(std::string_view text)
{
    const std::size_t start = text.find_first_not_of("$ ");
    return start == std::string_view::npos ? std::nullopt : readMoney(text.substr(start));
}

// The slot of the receipt row that is the `occurrence`-th with this code.
std::optional<std::size_t> slotOf(const Receipt &receipt, std::string_view code, std::size_t occurrence)
{
    for (std::size_t slot = 0; slot < receipt.rowCount; ++slot)
        if (receipt.rows[slot].code == code && occurrence-- == 0)
            return slot;
    return std::nullopt;
}

void readTyped(SlipLine &line, std::size_t &compared, std::size_t &matching)
{
    if (line.typed.find_first_not_of(" \t") == std::string::npos)
        return;
    line.slip = readSlipAmount(line.typed);
    if (!line.slip) {
        line.state = LineState::Unreadable;
        return;
    }
    const Money difference = line.difference();
    const bool matches = difference <= kSlipTolerance && Money() - difference <= kSlipTolerance;
    line.state = matches ? LineState::Matches : LineState::Differs;
    ++compared;
    matching += matches ? 1 : 0;
}

}  // namespace

bool SlipLine::isTotal() const { return totalIndex(code).has_value(); }

const std::string &typedAmount(const Slip &slip, std::string_view code, std::size_t occurrence)
{
    if (const auto total = totalIndex(code))
        return slip.totals[*total];
    for (const SlipRow &row : slip.rows)
        if (row.code == code)
            return occurrence < row.amounts.size() ? row.amounts[occurrence] : kNothingTyped;
    return kNothingTyped;
}

void setTypedAmount(Slip &slip, std::string_view code, std::size_t occurrence, const std::string &text)
{
    if (const auto total = totalIndex(code)) {
        slip.totals[*total] = text;
        return;
    }
    auto row = std::find_if(slip.rows.begin(), slip.rows.end(), [code](const SlipRow &r) { return r.code == code; });
    if (row == slip.rows.end()) {
        if (text.empty())
            return;
        row = slip.rows.insert(slip.rows.end(), SlipRow{std::string(code), {}});
    }
    if (row->amounts.size() <= occurrence)
        row->amounts.resize(occurrence + 1);
    row->amounts[occurrence] = text;
    while (!row->amounts.empty() && row->amounts.back().empty())
        row->amounts.pop_back();
    if (row->amounts.empty())
        slip.rows.erase(row);
}

std::optional<Money> receiptAmount(const Receipt &receipt, std::string_view code, std::size_t occurrence)
{
    if (const auto total = totalIndex(code))
        return occurrence == 0 ? amountOfText(totalText(receipt.totals, *total)) : std::nullopt;
    const auto slot = slotOf(receipt, code, occurrence);
    return slot ? amountOfText(receipt.rows[*slot].amount) : std::nullopt;
}

SlipComparison compareSlip(const Receipt &receipt, const Slip &slip, const Period &period)
{
    SlipComparison comparison;
    std::vector<SlipLine> &lines = comparison.lines;
    for (std::size_t slot = 0; slot < std::min(receipt.rowCount, kRowSlots); ++slot) {
        const ReceiptRow &row = receipt.rows[slot];
        const auto occurrence = static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [&row](const SlipLine &l) { return l.code == row.code; }));
        lines.push_back({std::string(row.code), occurrence, row.description, slot, amountOfText(row.amount),
                         row.amount, {}, {}, LineState::NotTyped});
    }
    for (std::size_t i = 0; i < kSlipTotals.size(); ++i) {
        const std::string &shown = totalText(receipt.totals, i);
        lines.push_back({std::string(kSlipTotals[i]), 0, totalCaption(kSlipTotals[i]), std::nullopt,
                         amountOfText(shown), shown, {}, {}, LineState::NotTyped});
    }
    const std::size_t onReceipt = lines.size();
    for (const SlipRow &row : slip.rows) {
        const auto onIt = static_cast<std::size_t>(std::count_if(
            lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(onReceipt),
            [&row](const SlipLine &l) { return l.code == row.code; }));
        for (std::size_t k = onIt; k < row.amounts.size(); ++k)
            if (!row.amounts[k].empty())
                lines.push_back({row.code, k, itemDescription(row.code, period), std::nullopt, std::nullopt, {}, {},
                                 {}, LineState::NotTyped});
    }
    for (SlipLine &line : lines) {
        line.typed = typedAmount(slip, line.code, line.occurrence);
        readTyped(line, comparison.compared, comparison.matching);
    }
    return comparison;
}

}  // namespace recibo
