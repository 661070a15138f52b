#pragma once
// Internal to the computation: the calculation variables of one "Calcular", the row writer and the
// field readers shared by the item groups. Every calculation starts from a fresh Calculation.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "input_fields.h"
#include "money.h"
#include "receipt.h"
#include "snapshot.h"

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

    // The base of the percentage supplements: what the category itself pays.
    Money categoryBase() const { return monto052 + monto001 + monto002 + monto016; }
};

enum class AmountPrefix { Attached, Spaced };  // "$590" for the category row, "$ 459.61" for the rest

class Calculation {
public:
    Calculation(const Snapshot &input, char decimalSeparator, Receipt &receipt)
        : in(input), separator(decimalSeparator), receipt_(receipt)
    {
    }

    const Snapshot &in;
    const char separator;
    Amounts amounts;
    // Middle texts of the 006, 084 and 113 rows, set by the category step.
    std::string middle006, middle084, middle113;

    void writeEarnings(std::string_view code, std::string_view description,
                       std::optional<std::string_view> middle, Money amount,
                       AmountPrefix prefix = AmountPrefix::Spaced);
    void writeDeduction(std::string_view code, std::string_view description,
                        std::optional<std::string_view> middle, Money amount);
    ReceiptHeader &header() { return receipt_.header; }

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

    std::optional<Failure> failure;

private:
    std::optional<double> readDouble(std::string_view field, const std::string &text);
    std::optional<double> readBoundedDouble(std::string_view field, const std::string &text);
    std::optional<std::int16_t> readWhole16(std::string_view field, const std::string &text);
    std::optional<std::uint8_t> readCount(std::string_view field, const std::string &text);
    std::optional<Money> readBoundedMoney(std::string_view field, const std::string &text);

    void writeRow(std::string_view code, std::string_view description,
                  std::optional<std::string_view> middle, Money amount, AmountColumn column,
                  AmountPrefix prefix);
    Receipt &receipt_;
};

// The money amount text of a row or total: "$" or "$ " and the money text.
void assignAmountText(std::string &out, Money amount, char separator, AmountPrefix prefix);
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
ReceiptTotals totals(const Amounts &amounts, char separator);

// The amounts and middle texts of items 006, 084 and 113, computed at the end of the category step.
void positionSupplements(Calculation &calc);
bool hoursSupplements(Calculation &calc, Category category);

}  // namespace recibo::detail
