#pragma once
// Internal to the computation: the calculation variables of one "Calcular", the row writer and the
// field readers shared by the item groups. Every calculation starts from a fresh Calculation.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
    std::size_t rowCount() const { return receipt_.rowCount; }

    // Readers: on a text that does not convert they record the failure and give nothing.
    std::optional<double> readDouble(std::string_view field, const std::string &text);
    // Hours and points that become amounts: bounded so that no amount leaves the money range.
    std::optional<double> readQuantity(std::string_view field, const std::string &text);
    std::optional<std::int16_t> readWhole16(std::string_view field, const std::string &text);
    std::optional<std::uint8_t> readCount(std::string_view field, const std::string &text);
    std::optional<Money> readPointsAsMoney(std::string_view field, const std::string &text);
    void fail(FailureKind kind, std::string_view field, const std::string &text);

    std::optional<Failure> failure;

private:
    void writeRow(std::string_view code, std::string_view description,
                  std::optional<std::string_view> middle, Money amount, AmountColumn column,
                  AmountPrefix prefix);
    Receipt &receipt_;
};

// The money amount text of a row or total: "$" or "$ " and the money text.
std::string amountText(Money amount, char separator, AmountPrefix prefix);

// The item groups, in the order "Calcular" runs them; each returns false when it stopped.
bool positionItems(Calculation &calc);
bool hoursItems(Calculation &calc);
void seniorityAndZone(Calculation &calc);
void decreeAndNationalRows(Calculation &calc);
bool productivityTopUpAndTransport(Calculation &calc);
bool familyAndAbsence(Calculation &calc);
void deductions(Calculation &calc);
ReceiptTotals totals(const Amounts &amounts, char separator);

// The amounts and middle texts of items 006, 084 and 113, computed at the end of the category step.
void positionSupplements(Calculation &calc);
bool hoursSupplements(Calculation &calc, Category category);

}  // namespace recibo::detail
