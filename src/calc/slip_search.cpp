#include "slip_search.h"

#include <algorithm>
#include <bitset>
#include <optional>

#include "compute.h"
#include "slip_changes.h"

namespace recibo {
namespace {

using detail::EntryChange;

// Which typed lines a receipt matches is kept for this many; a slip has fewer lines than that.
constexpr std::size_t kMostLinesTracked = 64;
using LineSet = std::bitset<kMostLinesTracked>;

struct Score {
    bool computed = false;  // false: the entries do not make a receipt
    std::size_t matching = 0;
    LineSet lines;
};

Score scoreOf(const Receipt &receipt, std::span<const TypedLine> typed)
{
    Score score{true, 0, {}};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        // A line the receipt lacks compares with nothing paid.
        const Money shown = receiptAmount(receipt, typed[i].code, typed[i].occurrence).value_or(Money());
        const Money gap = typed[i].amount - shown;
        if (gap <= kSlipTolerance && Money() - gap <= kSlipTolerance) {
            ++score.matching;
            if (i < kMostLinesTracked)
                score.lines.set(i);
        }
    }
    return score;
}

// A change, or two, that makes more typed lines match.
struct Counted {
    std::size_t matching;
    std::size_t changes;
    std::size_t first;
    std::optional<std::size_t> second;
};

std::string matchingText(std::size_t matching, std::size_t compared)
{
    const std::string of = std::to_string(matching) + " de " + std::to_string(compared);
    if (matching == compared)
        return "coinciden todas las líneas escritas (" + of + ")";
    return (matching == 1 ? "coincide " : "coinciden ") + of + (compared == 1 ? " línea" : " líneas");
}

class Search {
public:
    Search(const Snapshot &entries, const Period &period, std::span<const TypedLine> typed, char separator)
        : entries_(entries), period_(period), typed_(typed), separator_(separator)
    {
    }

    SlipSearch run()
    {
        SlipSearch result;
        result.explained.assign(typed_.size(), false);
        const Outcome now = compute(entries_, period_, '.');
        ++result.receiptsComputed;
        const auto *receipt = std::get_if<Receipt>(&now);
        if (!receipt)
            return result;
        base_ = scoreOf(*receipt, typed_);
        result.matchingNow = base_.matching;
        if (base_.matching == typed_.size())
            return result;
        changes_ = detail::singleChanges(entries_, period_, *receipt, typed_);
        trySingles();
        tryPairs();
        result.receiptsComputed += computed_;
        for (std::size_t i = 0; i < typed_.size() && i < kMostLinesTracked; ++i)
            result.explained[i] = explained_.test(i);
        rank(result.explanations);
        return result;
    }

private:
    Score score(const Snapshot &entries)
    {
        ++computed_;
        const Outcome outcome = compute(entries, period_, '.');
        const auto *receipt = std::get_if<Receipt>(&outcome);
        return receipt ? scoreOf(*receipt, typed_) : Score{};
    }

    void count(const Score &score, std::size_t first, std::optional<std::size_t> second)
    {
        counted_.push_back({score.matching, second ? 2u : 1u, first, second});
        explained_ |= score.lines;
    }

    void trySingles()
    {
        singles_.resize(changes_.size());
        for (std::size_t i = 0; i < changes_.size(); ++i) {
            Snapshot changed = entries_;
            detail::apply(changes_[i], changed, period_, separator_);
            singles_[i] = score(changed);
            if (singles_[i].computed && singles_[i].matching > base_.matching)
                count(singles_[i], i, std::nullopt);
        }
    }

    // A pair counts only where it makes more lines match than either of its changes alone.
    void tryPairs()
    {
        for (std::size_t i = 0; i < changes_.size(); ++i) {
            if (!detail::hasFewValues(changes_[i].knob))
                continue;
            Snapshot first = entries_;
            detail::apply(changes_[i], first, period_, separator_);
            for (std::size_t j = i + 1; j < changes_.size(); ++j) {
                if (!detail::hasFewValues(changes_[j].knob) || detail::sameEntry(changes_[i], changes_[j]))
                    continue;
                Snapshot both = first;
                detail::apply(changes_[j], both, period_, separator_);
                const Score pair = score(both);
                const std::size_t alone = std::max({base_.matching, singles_[i].matching, singles_[j].matching});
                if (pair.computed && pair.matching > alone)
                    count(pair, i, j);
            }
        }
    }

    void rank(std::vector<Explanation> &explanations)
    {
        std::stable_sort(counted_.begin(), counted_.end(), [](const Counted &a, const Counted &b) {
            return a.matching != b.matching ? a.matching > b.matching : a.changes < b.changes;
        });
        for (std::size_t k = 0; k < counted_.size() && k < kMostExplanations; ++k)
            explanations.push_back(explanation(counted_[k]));
    }

    Explanation explanation(const Counted &counted) const
    {
        Explanation e{entries_, {}, counted.changes, counted.matching, typed_.size(), {}};
        detail::apply(changes_[counted.first], e.entries, period_, separator_);
        e.text = detail::changeText(changes_[counted.first], entries_, period_, separator_);
        if (counted.second) {
            detail::apply(changes_[*counted.second], e.entries, period_, separator_);
            e.text += " y " + detail::changeText(changes_[*counted.second], entries_, period_, separator_);
        }
        e.keys = detail::keyChanges(entries_, e.entries);
        e.text += ": " + matchingText(e.matching, e.compared);
        return e;
    }

    const Snapshot &entries_;
    const Period &period_;
    std::span<const TypedLine> typed_;
    const char separator_;
    Score base_;
    std::vector<EntryChange> changes_;
    std::vector<Score> singles_;
    std::vector<Counted> counted_;
    LineSet explained_;
    std::size_t computed_ = 0;
};

}  // namespace

std::vector<TypedLine> typedLines(const SlipComparison &comparison)
{
    std::vector<TypedLine> typed;
    for (const SlipLine &line : comparison.lines)
        if (line.slip && (line.state == LineState::Matches || line.state == LineState::Differs))
            typed.push_back({line.code, line.occurrence, *line.slip});
    return typed;
}

SlipSearch searchExplanations(const Snapshot &entries, const Period &period, std::span<const TypedLine> typed,
                              char separator)
{
    return Search(entries, period, typed, separator).run();
}

}  // namespace recibo
