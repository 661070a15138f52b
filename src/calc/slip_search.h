#pragma once
// What explains a pay slip: the changes of one or two of the teacher's entries that make more of
// the typed slip lines come out, best first. A pure function over compute(); no Qt here.

#include <cstddef>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "period.h"
#include "slip.h"
#include "snapshot.h"

namespace recibo {

// A typed slip line, read: a row's code or a total's name, which of the rows with that code, the amount.
struct TypedLine {
    std::string code;
    std::size_t occurrence = 0;
    Money amount;
};

// The lines of a comparison that were typed and read, in its order.
std::vector<TypedLine> typedLines(const SlipComparison &comparison);

// A value as a case file holds it: a tick, a whole number or a text.
using CaseValue = std::variant<bool, int, std::string>;

// One input key of the case files that the explanation sets otherwise: "bracket", "zona",
// "cantidadhijos", "Iosper", "position" (the code), "category" (the option's control name)...
struct KeyChange {
    std::string key;
    CaseValue from;
    CaseValue to;
    bool operator==(const KeyChange &) const = default;
};

struct Explanation {
    Snapshot entries;              // the teacher's entries with the changes made
    std::vector<KeyChange> keys;   // how they differ, key by key, as the case files write them
    std::size_t changes = 0;       // how many entries were changed: 1 or 2
    std::size_t matching = 0;      // typed lines that come out with these entries
    std::size_t compared = 0;      // typed lines
    std::string text;  // «Antigüedad "Entre 7 y 10 años" en lugar de "Entre 5 y 7 años": coinciden 14 de 14 líneas»
    bool explainsAll() const { return matching == compared; }
};

struct SlipSearch {
    std::vector<Explanation> explanations;  // at most three, the most lines matching first, then the fewest changes
    std::vector<bool> explained;            // by typed line: some change that counts makes it match
    std::size_t matchingNow = 0;            // typed lines that match with the entries as they are
    std::size_t receiptsComputed = 0;
};

inline constexpr std::size_t kMostExplanations = 3;

// Tries every single change of one entry and every pair among the entries with few values; only
// changes that make more typed lines match than the entries as they are count. `separator` is the
// decimal separator of the texts.
SlipSearch searchExplanations(const Snapshot &entries, const Period &period, std::span<const TypedLine> typed,
                              char separator);

}  // namespace recibo
