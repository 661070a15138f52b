#pragma once
// Internal to the computation: the calculation variables of one "Calcular", the row writer and the
// field readers shared by the item groups. Every calculation starts from a fresh Calculation.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "input_fields.h"
#include "money.h"
#include "period.h"
#include "receipt.h"
#include "snapshot.h"
#include "working.h"

namespace recibo::detail {

// The amounts that several items share; all start at zero, so an absent item counts as zero.
struct Amounts {
    Money monto001, monto002, monto052, monto016;
    Money monto010, monto078;
    Money monto006, monto014, monto084, monto113;
    Money monto188, reajuste188, remunerativo, monto172, monto029;
    Money monto1001, monto1002, monto1003, monto1010;
    Money monto505, monto508, monto502, monto504, monto332, monto512, monto510;

    // The position's points; they stay zero in the hours categories.
    std::int16_t basicPoints = 0;
    std::int16_t fullDayPoints = 0;
    std::int16_t extendedDayPoints = 0;
    Money taskPoints;
};

// One amount a base or a total adds up (or takes away), by its item code. Tables of terms say
// what each base and total is made of; the sum and its working both read the same table.
struct Term {
    std::string_view code;
    Money Amounts::*amount;
    bool subtracted = false;
};

// The base of the percentage supplements: what the category itself pays (052 once).
inline constexpr std::array<Term, 4> kCategoryBase{{
    {"001", &Amounts::monto001},
    {"002", &Amounts::monto002},
    {"052", &Amounts::monto052},
    {"016", &Amounts::monto016},
}};

template <std::size_t N, std::size_t M>
constexpr std::array<Term, N + M> joined(const std::array<Term, N> &first, const std::array<Term, M> &second)
{
    std::array<Term, N + M> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        all[N + i] = second[i];
    return all;
}

// What the category and its supplements pay, before transport and the family allowances: the
// income that chooses the per-child rate, and the first terms of "Total Haberes".
inline constexpr auto kEarningsBeforeAllowances = joined(kCategoryBase, std::array<Term, 8>{{
                                                                            {"010", &Amounts::monto010},
                                                                            {"078", &Amounts::monto078},
                                                                            {"006", &Amounts::monto006},
                                                                            {"014", &Amounts::monto014},
                                                                            {"084", &Amounts::monto084},
                                                                            {"113", &Amounts::monto113},
                                                                            {"188", &Amounts::monto188},
                                                                            {"172", &Amounts::monto172},
                                                                        }});

// The exact sum of a table's terms, written out term by term at compile time.
template <const auto &Terms>
Money sumOf(const Amounts &a)
{
    return [&a]<std::size_t... I>(std::index_sequence<I...>) {
        Money sum;
        ((sum = Terms[I].subtracted ? sum - a.*(Terms[I].amount) : sum + a.*(Terms[I].amount)), ...);
        return sum;
    }(std::make_index_sequence<Terms.size()>());
}

// The table's terms with the amounts they hold, as the parts of a working.
template <const auto &Terms>
void recordParts(Working &working, const Amounts &a)
{
    for (const Term &term : Terms)
        working.parts.push_back({term.code, a.*term.amount, term.subtracted});
}

// The amounts whose working a row or a later rule may ask for.
inline constexpr std::array<Money Amounts::*, 26> kWorkedAmounts{
    &Amounts::monto001, &Amounts::monto002,     &Amounts::monto052,     &Amounts::monto016,
    &Amounts::monto010, &Amounts::monto078,     &Amounts::monto006,     &Amounts::monto014,
    &Amounts::monto084, &Amounts::monto113,     &Amounts::monto188,     &Amounts::reajuste188,
    &Amounts::remunerativo, &Amounts::monto172, &Amounts::monto029,     &Amounts::monto1001,
    &Amounts::monto1002, &Amounts::monto1003,   &Amounts::monto1010,    &Amounts::monto505,
    &Amounts::monto508, &Amounts::monto502,     &Amounts::monto504,     &Amounts::monto332,
    &Amounts::monto512, &Amounts::monto510,
};
using AmountWorkings = std::array<Working, kWorkedAmounts.size()>;

enum class AmountPrefix { Attached, Spaced };  // "$590" for the category row, "$ 459.61" for the rest

class Calculation {
public:
    // `working`, when given, receives each row's working as the row is written.
    Calculation(const Snapshot &input, const Period &period, char decimalSeparator, Receipt &receipt,
                ReceiptWorking *working = nullptr);
    ~Calculation();

    const Snapshot &in;
    const Period &period;  // every rate, cap and table the rules use
    const char separator;
    Amounts amounts;
    // Middle texts of the 006, 084 and 113 rows, set by the category step.
    std::string middle006, middle084, middle113;

    // The row shows the amount and, when the working was asked for, the amount's working.
    void writeEarnings(std::string_view code, std::string_view description,
                       std::optional<std::string_view> middle, Money Amounts::*amount,
                       AmountPrefix prefix = AmountPrefix::Spaced)
    {
        if (amountWorkings_)
            showWorking(amount);
        writeRow(code, description, middle, amounts.*amount, AmountColumn::Earnings, prefix);
    }
    void writeDeduction(std::string_view code, std::string_view description,
                        std::optional<std::string_view> middle, Money Amounts::*amount)
    {
        if (amountWorkings_)
            showWorking(amount);
        writeRow(code, description, middle, amounts.*amount, AmountColumn::Deductions, AmountPrefix::Spaced);
    }
    ReceiptHeader &header() { return receipt_.header; }

    // Where a rule records how it reached the amount, right where it computes it; null unless the
    // caller asked for the working, so the plain calculation records nothing.
    Working *working(Money Amounts::*amount)
    {
        return amountWorkings_ ? &workingOf(amount) : nullptr;
    }
    bool explaining() const { return amountWorkings_ != nullptr; }

    // The field's text read as its number kind says; on a text that does not convert (or passes
    // the field's bound) the failure is recorded and nothing is given.
    template <const TextField &Field>
    auto read()
    {
        const std::string &text = in.*Field.value;
        if constexpr (Field.kind == NumberKind::Whole16) {
            static_assert(Field.bound == Bound::None);
            return readWhole16(Field.control, text);
        } else if constexpr (Field.kind == NumberKind::Count) {
            static_assert(Field.bound == Bound::None);
            return readCount(Field.control, text);
        } else if constexpr (Field.kind == NumberKind::Money) {
            static_assert(Field.bound == Bound::AmountRange);
            return readBoundedMoney(Field.control, text);
        } else if constexpr (Field.kind == NumberKind::Double && Field.bound == Bound::AmountRange) {
            return readBoundedDouble(Field.control, text);
        } else {
            static_assert(Field.kind == NumberKind::Double);
            return readDouble(Field.control, text);
        }
    }
    void fail(FailureKind kind, std::string_view field, const std::string &text);

    // An amount a field's quantity makes at the period's rates, converted to money; past the
    // largest amount a receipt can add up, the field's text is refused as too large.
    template <const TextField &Field>
    std::optional<Money> amountOf(double value)
    {
        return boundedAmount(Field.control, in.*Field.value, value);
    }

    std::optional<Failure> failure;

private:
    std::optional<double> readDouble(std::string_view field, const std::string &text);
    std::optional<double> readBoundedDouble(std::string_view field, const std::string &text);
    std::optional<std::int16_t> readWhole16(std::string_view field, const std::string &text);
    std::optional<std::uint8_t> readCount(std::string_view field, const std::string &text);
    std::optional<Money> readBoundedMoney(std::string_view field, const std::string &text);
    std::optional<Money> boundedAmount(std::string_view field, const std::string &text, double value);

    void writeRow(std::string_view code, std::string_view description,
                  std::optional<std::string_view> middle, Money amount, AmountColumn column,
                  AmountPrefix prefix);
    // Puts the amount's working beside the row about to be written.
    void showWorking(Money Amounts::*amount);
    Working &workingOf(Money Amounts::*amount);
    Receipt &receipt_;
    ReceiptWorking *receiptWorking_;
    std::unique_ptr<AmountWorkings> amountWorkings_;  // only when the working was asked for
};

// The money amount text of a row or total: "$" or "$ " and the money text.
std::string amountText(Money amount, char separator, AmountPrefix prefix);

// The item groups, in the order "Calcular" runs them; each returns false when it stopped.
bool positionItems(Calculation &calc);
bool hoursItems(Calculation &calc);
void seniorityAndZone(Calculation &calc);
void decreeAndNationalRows(Calculation &calc);
void productivity(Calculation &calc);
bool absenceReduction(Calculation &calc);
void remunerativeSubtotal(Calculation &calc);
void minimumTopUp(Calculation &calc);
bool transport(Calculation &calc);
bool familyAllowances(Calculation &calc);
void absenceAdjustmentRow(Calculation &calc);
void deductions(Calculation &calc);
// The three totals; their workings too when `working` is given, naming the rows of `receipt`.
ReceiptTotals totals(const Amounts &amounts, const Receipt &receipt, char separator, ReceiptWorking *working);

// The amounts and middle texts of items 006, 084 and 113, computed at the end of the category step.
void positionSupplements(Calculation &calc);
bool hoursSupplements(Calculation &calc, Category category);

}  // namespace recibo::detail
