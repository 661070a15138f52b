// The description of an item by its code, for a slip line whose code the receipt shown lacks.

#include <array>

#include "slip.h"

namespace recibo {
namespace {

struct Item {
    std::string_view code;
    std::string_view description;
};

// The earnings and the absence adjustment, in receipt order; a code that several rows share gives its first.
constexpr auto kItems = std::to_array<Item>({
    {"001", "Asign. de la categoría"},
    {"002", "Comp. de Básico"},
    {"052", "Jornada completa"},
    {"016", "Tarea diferenciada"},
    {"010", "Antigüedad"},
    {"078", "As. por zona"},
    {"006", "Adic. Art 2 y 3 Dcrto 5863/05"},
    {"014", "Product Dcrto 5863/05"},
    {"084", "Incentivo de Nación"},
    {"113", "Negro de Nación"},
    {"188", "Plus Productividad"},
    {"172", "Adic para mínimo"},
    {"029", "transporte por KM"},
    {"1001", "Sal fam hijo"},
    {"1002", "Sal fam hijo diferenciado"},
    {"1003", "Familia numerosa"},
    {"1010", "Sal fam Cony"},
    {"440", "Reajuste cod. 188"},
});

// The deductions in the period's order; their codes are the period's.
constexpr std::array<std::string_view, kDeductionCount> kDeductionDescriptions{
    "IOSPER", "OSPLAD", "Aporte Jub.", "Ley 4035", "TOVIL", "Caja Comp.", "Seguro 3011",
};

constexpr std::array<std::string_view, kSlipTotals.size()> kTotalCaptions{
    "Total Haberes", "Total descuentos", "Liquido a pagar",
};

}  // namespace

std::string_view itemDescription(std::string_view code, const Period &period)
{
    for (const Item &item : kItems)
        if (item.code == code)
            return item.description;
    for (std::size_t i = 0; i < kDeductionCount; ++i)
        if (period.deductions[i].code == code)
            return kDeductionDescriptions[i];
    return {};
}

std::string_view totalCaption(std::string_view name)
{
    for (std::size_t i = 0; i < kSlipTotals.size(); ++i)
        if (kSlipTotals[i] == name)
            return kTotalCaptions[i];
    return {};
}

}  // namespace recibo
