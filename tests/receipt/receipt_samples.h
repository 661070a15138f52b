#pragma once
// Receipts built by hand for the receipt window's tests, benchmark and screenshots: the rows of
// the largest receipt in their order, with amounts made up per row.

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "receipt.h"

namespace recibo::receipt::samples {

struct SampleItem {
    std::string_view code;
    std::string_view description;
    AmountColumn column;
    const char *middle;  // nullptr: the middle cell stays hidden
    const char *amount;
};

// Every item of one receipt at once: a position with all supplements, every family allowance,
// the absence adjustment and the seven deductions.
inline constexpr std::array<SampleItem, kRowSlots - 1> kLargestItems{{
    {"001", "Asign. de la categoría", AmountColumn::Earnings, "1", "$845.5"},
    {"002", "Comp. de Básico", AmountColumn::Earnings, nullptr, "$ 191.577"},
    {"052", "Jornada completa", AmountColumn::Earnings, nullptr, "$ 284.55"},
    {"052", "Prol. de Jornada", AmountColumn::Earnings, nullptr, "$ 142.275"},
    {"016", "Tarea diferenciada", AmountColumn::Earnings, nullptr, "$ 284.55"},
    {"010", "Antigüedad", AmountColumn::Earnings, "120 %", "$ 1472.2468"},
    {"078", "As. por zona", AmountColumn::Earnings, "40 %", "$ 490.7489"},
    {"006", "Adic. Art 2 y 3 Dcrto 5863/05", AmountColumn::Earnings, nullptr, "$ 267.211"},
    {"014", "Product Dcrto 5863/05", AmountColumn::Earnings, nullptr, "$ 180"},
    {"084", "Incentivo de Nación", AmountColumn::Earnings, "", "$ 155"},
    {"113", "Negro de Nación", AmountColumn::Earnings, nullptr, "$ 110"},
    {"188", "Plus Productividad", AmountColumn::Earnings, nullptr, "$ 459.61"},
    {"172", "Adic para mínimo", AmountColumn::Earnings, nullptr, "$ 12.3"},
    {"029", "transporte por KM", AmountColumn::Earnings, "300", "$ 161.8"},
    {"1001", "Sal fam hijo", AmountColumn::Earnings, "3", "$ 300"},
    {"1002", "Sal fam hijo diferenciado", AmountColumn::Earnings, "1", "$ 400"},
    {"1003", "Familia numerosa", AmountColumn::Earnings, nullptr, "$ 80"},
    {"1010", "Sal fam Cony", AmountColumn::Earnings, nullptr, "$ 60"},
    {"440", "Reajuste cod. 188", AmountColumn::Deductions, nullptr, "$ 45.961"},
    {"505", "IOSPER", AmountColumn::Deductions, "5 %", "$ 512.3456"},
    {"508", "OSPLAD", AmountColumn::Deductions, "3 %", "$ 307.4074"},
    {"502", "Aporte Jub.", AmountColumn::Deductions, "16 %", "$ 1639.5059"},
    {"504", "Ley 4035", AmountColumn::Deductions, "1 %", "$ 102.4691"},
    {"332", "TOVIL", AmountColumn::Deductions, nullptr, "$ 10"},
    {"512", "Caja Comp.", AmountColumn::Deductions, "", "$ 25"},
    {"510", "Seguro 3011", AmountColumn::Deductions, nullptr, "$ 8.5"},
}};

inline void appendItem(Receipt &receipt, const SampleItem &item)
{
    ReceiptRow &row = receipt.rows.at(receipt.rowCount++);
    row.code = item.code;
    row.description = item.description;
    row.middle = item.middle ? std::optional<std::string>(item.middle) : std::nullopt;
    row.amount = item.amount;
    row.column = item.column;
}

// The items of kLargestItems at `indices`, packed from slot 0 in the order given.
inline Receipt receiptOf(std::initializer_list<std::size_t> indices, std::string docente = "Ana María Pérez")
{
    Receipt receipt;
    for (std::size_t index : indices) {
        appendItem(receipt, kLargestItems.at(index));
    }
    receipt.header = ReceiptHeader{"Código del cargo", "734", "1500", "Asistente Social", true};
    // The totals of the largest receipt, summed by hand from the amounts above.
    receipt.totals = ReceiptTotals{"$ 5897.3687", "$ 2651.189", "$ 3246.1797"};
    receipt.docente = std::move(docente);
    return receipt;
}

// The first `rows` items of the largest receipt.
inline Receipt firstRows(std::size_t rows)
{
    Receipt receipt = receiptOf({});
    for (std::size_t i = 0; i < rows; ++i) {
        appendItem(receipt, kLargestItems.at(i));
    }
    return receipt;
}

inline Receipt largestReceipt() { return firstRows(kLargestItems.size()); }

// A short receipt of the secondary-level hours category.
inline Receipt hoursReceipt()
{
    Receipt receipt = receiptOf({});
    static constexpr std::array<SampleItem, 6> kItems{{
        {"001", "Hs. N. Medio", AmountColumn::Earnings, "12", "$590"},
        {"006", "Adic. Art 2 y 3 Dcrto 5863/05", AmountColumn::Earnings, nullptr, "$ 96"},
        {"014", "Product Dcrto 5863/05", AmountColumn::Earnings, nullptr, "$ 72"},
        {"113", "Negro de Nación", AmountColumn::Earnings, nullptr, "$ 44"},
        {"188", "Plus Productividad", AmountColumn::Earnings, nullptr, "$ 459.61"},
        {"505", "IOSPER", AmountColumn::Deductions, "5 %", "$ 56.0805"},
    }};
    for (const SampleItem &item : kItems) {
        appendItem(receipt, item);
    }
    receipt.header = ReceiptHeader{"Cantidad de horas", "12", "36", "Horas de nivel medio", false};
    receipt.totals = ReceiptTotals{"$ 1261.61", "$ 56.0805", "$ 1205.5295"};
    receipt.docente = "Juan Gómez";
    return receipt;
}

}  // namespace recibo::receipt::samples
