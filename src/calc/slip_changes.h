#pragma once
// The changes of the teacher's entries that the slip search tries: which, how each is made on a
// snapshot, and how each is said. Internal to the search.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "period.h"
#include "receipt.h"
#include "slip_search.h"
#include "snapshot.h"

namespace recibo::detail {

enum class Knob : std::uint8_t {
    Category,          // another hours category, or one from "Cargo" with the hours the 001 line solves for
    Position,          // another position of the catalogue
    Hours,             // another number in one hours box, solved from the line it pays
    Bracket,           // another seniority option
    Zone,              // another zone
    Tick,              // a check box the other way
    Children,          // another number of children (0: the box cleared)
    DisabledChildren,  // the same for disabled children
    Days,              // another number of days of absence
    Km,                // another number of weekly km (0: no transport)
};

struct EntryChange {
    Knob knob;
    std::size_t which = 0;  // the category option, the position, the hours box or the tick, by index in its table
    double value = 0;       // the bracket, zone, count, days, km or hours
};

// Two changes of one entry cannot be made together.
bool sameEntry(const EntryChange &a, const EntryChange &b);
// Entries of few values, which the search also changes two at a time.
bool hasFewValues(Knob knob);

// Every single change worth a receipt, in the order they are tried. `current` is the receipt of
// `entries`; the hours and the km are solved from the typed lines it does not match.
std::vector<EntryChange> singleChanges(const Snapshot &entries, const Period &period, const Receipt &current,
                                       std::span<const TypedLine> typed);

void apply(const EntryChange &change, Snapshot &entries, const Period &period, char separator);

// In the teacher's words: «Antigüedad "Entre 7 y 10 años" en lugar de "Entre 5 y 7 años"».
std::string changeText(const EntryChange &change, const Snapshot &before, const Period &period, char separator);

// The case-file keys whose values differ between two snapshots.
std::vector<KeyChange> keyChanges(const Snapshot &before, const Snapshot &after);

}  // namespace recibo::detail
