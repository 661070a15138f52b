#include "slip_json.h"

#include <algorithm>

namespace recibo::slips {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::size_t kLongestCode = 8;

bool isCode(const std::string &code)
{
    return !code.empty() && code.size() <= kLongestCode &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string amountText(const Json &value, const std::string &where)
{
    if (!value.is_string())
        throw SlipJsonError(where, "el importe debe ser un texto, como \"$ 1.234,56\"");
    return value.get<std::string>();
}

void readRows(const Json &rows, Slip &slip)
{
    if (!rows.is_object())
        throw SlipJsonError("rows", "debe ser un objeto de códigos con sus importes");
    for (const auto &[code, value] : rows.items()) {
        const std::string where = "rows." + code;
        if (!isCode(code))
            throw SlipJsonError(where, "un código es de una a ocho cifras, como \"001\"");
        SlipRow row{code, {}};
        if (value.is_array()) {
            for (const Json &amount : value)
                row.amounts.push_back(amountText(amount, where));
        } else {
            row.amounts.push_back(amountText(value, where));
        }
        slip.rows.push_back(std::move(row));
    }
}

void readTotals(const Json &totals, Slip &slip)
{
    if (!totals.is_object())
        throw SlipJsonError("totals", "debe ser un objeto con \"thaberes\", \"tdescuentos\" o \"liquido\"");
    for (const auto &[name, value] : totals.items()) {
        const auto known = std::find(kSlipTotals.begin(), kSlipTotals.end(), name);
        if (known == kSlipTotals.end())
            throw SlipJsonError("totals." + name, "los totales son \"thaberes\", \"tdescuentos\" y \"liquido\"");
        slip.totals[static_cast<std::size_t>(known - kSlipTotals.begin())] = amountText(value, "totals." + name);
    }
}

}  // namespace

Slip slipFromJson(const Json &json)
{
    if (!json.is_object())
        throw SlipJsonError("", "el recibo debe ser un objeto con \"rows\" y \"totals\"");
    Slip slip;
    for (const auto &[key, value] : json.items()) {
        if (key == "rows")
            readRows(value, slip);
        else if (key == "totals")
            readTotals(value, slip);
        else
            throw SlipJsonError(key, "clave desconocida: el recibo tiene solo \"rows\" y \"totals\"");
    }
    return slip;
}

Json slipToJson(const Slip &slip)
{
    Json rows = Json::object();
    for (const SlipRow &row : slip.rows)
        rows[row.code] = row.amounts.size() == 1 ? Json(row.amounts.front()) : Json(row.amounts);
    Json totals = Json::object();
    for (std::size_t i = 0; i < kSlipTotals.size(); ++i)
        if (!slip.totals[i].empty())
            totals[std::string(kSlipTotals[i])] = slip.totals[i];
    return Json{{"rows", rows}, {"totals", totals}};
}

std::optional<UnreadableAmount> firstUnreadable(const Slip &slip)
{
    const auto unreadable = [](const std::string &text) {
        return text.find_first_not_of(" \t") != std::string::npos && !readSlipAmount(text);
    };
    for (const SlipRow &row : slip.rows)
        for (const std::string &text : row.amounts)
            if (unreadable(text))
                return UnreadableAmount{row.code, text};
    for (std::size_t i = 0; i < kSlipTotals.size(); ++i)
        if (unreadable(slip.totals[i]))
            return UnreadableAmount{std::string(kSlipTotals[i]), slip.totals[i]};
    return std::nullopt;
}

}  // namespace recibo::slips
