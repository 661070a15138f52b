#pragma once
// How an amount was reached, as data: the rule's shape, the figures it used with what each one
// means, the table cell, bracket or cap that chose its branch, and what a base or a total adds up.
// The computation records it only when asked (see compute.h); explain() in working_text.h turns it
// into the Spanish sentence and the plain formula that the windows and the case tool show.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string_view>
#include <type_traits>

#include "money.h"
#include "receipt.h"

namespace recibo {

// A list of at most N values kept inline, so recording a working never allocates. Only the
// values in use are built and copied: recording stays cheap however large the capacity.
template <typename T, std::size_t N>
class FixedList {
public:
    FixedList() = default;
    FixedList(std::initializer_list<T> items)
    {
        for (const T &item : items)
            push_back(item);
    }
    FixedList(const FixedList &other) { *this = other; }
    FixedList &operator=(const FixedList &other)
    {
        size_ = 0;
        for (const T &item : other)
            push_back(item);
        return *this;
    }
    void push_back(const T &item)
    {
        assert(size_ < N);
        if (size_ < N)
            std::construct_at(&slots_[size_++].value, item);
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T &operator[](std::size_t i) const { return slots_[i].value; }
    const T *begin() const { return &slots_[0].value; }
    const T *end() const { return begin() + size_; }

private:
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    // A slot holds a value only once pushed; the others are left unbuilt.
    union Slot {
        Slot() {}
        T value;
    };
    std::array<Slot, N> slots_;
    std::uint8_t size_ = 0;
};

// How a figure is written: money with "$", a percentage with " %", a rate as the percentage it is
// (0.07 as "7 %"), hours, days and kilometres with their word; points and plain numbers bare (their
// meaning says what they count).
enum class Unit : std::uint8_t { Number, Money, Percent, Rate, Points, Hours, Days, Km };

struct Figure {
    std::string_view meaning;  // the words around the figure; '#' stands where it goes
    double value = 0;
    Unit unit = Unit::Number;
    bool itemised = false;     // followed by the parts the working lists
    bool approximate = false;  // an intermediate double, shown to 15 significant digits
};

// The column, bracket or cap a figure fell in; an open end is infinite.
struct Band {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool lowIncluded = true;
};

// A figure that chose the rule's branch, with the band it fell in when there is one.
struct Condition {
    Figure figure;
    bool banded = false;
    Band band;
};

// One amount a base or a total adds up (or takes away), named by its item code.
struct Part {
    constexpr Part(std::string_view itemCode, Money itemAmount, bool takenAway = false, std::string_view rowName = {})
        : code(itemCode), amount(itemAmount), subtracted(takenAway), name(rowName)
    {
    }
    std::string_view code;
    Money amount;
    bool subtracted;
    std::string_view name;  // the row's description, where the sentence names the item too
};

enum class Rule : std::uint8_t {
    None,
    Product,          // the operands multiplied in order
    Percentage,       // operands: the percentage, the base, base times percentage (exact), the divisor 100
    BelowCap,         // the operands but the last multiplied; the last is the cap, not reached
    Capped,           // the same factors, then the product reached and the cap paid instead
    Pick,             // the row and conditions chose the amount; an operand, if any, names it
    Sum,              // the parts added up
    SumOfProducts,    // operands in threes (factor, factor, converted product), the products added up
    MinimumTopUp,     // item 172; operands as kTopUp* below
    Share,            // operands: the base, the rate; read "rate of the base", multiplied in that order
    Difference,       // operands: the first less the second, both always shown
};

// Operand positions of Rule::MinimumTopUp.
enum TopUpOperand : std::uint8_t {
    kTopUpRemunerativo,
    kTopUp006,
    kTopUp014,
    kTopUp078,
    kTopUpZoneFactor,
    kTopUpZone,          // 078 times the zone factor, converted
    kTopUpTaxable,       // T: remunerativo - 006 - 014 - zone
    kTopUpDeductionRate,
    kTopUpDeductions,    // D = T times the rate, not converted
    kTopUpGross,         // what N starts from; itemised by the parts
    kTopUpNet,           // N = gross - D
    kTopUpMinimum,
    kTopUpOperands
};

struct Working {
    Rule rule = Rule::None;
    std::string_view table;       // the table the amount was looked up in, if it has a name
    std::string_view rowLabel;    // a table row that chose the amount: "antigüedad", "zona"
    std::string_view rowCaption;  // its caption, quoted in the text; may be empty
    std::string_view total;       // the total a sum makes, named before its parts: "Total Haberes"
    FixedList<Condition, 2> conditions;
    FixedList<Figure, kTopUpOperands> operands;
    FixedList<Part, 17> parts;
    Money result;
};

// The working beside each row of a receipt (same slots) and beside its three totals.
struct ReceiptWorking {
    std::array<Working, kRowSlots> rows;
    Working thaberes;
    Working tdescuentos;
    Working liquido;
    char separator = '.';  // the receipt's decimal separator, for the texts
};

}  // namespace recibo
