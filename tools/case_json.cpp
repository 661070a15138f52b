#include "case_json.h"

#include <functional>
#include <map>
#include <stdexcept>

#include "input_fields.h"
#include "working_text.h"

namespace recibo::cases {
namespace {

using Json = nlohmann::ordered_json;

// The keys of a case input that are not fields of the input tables, with the JSON type each takes.
enum class ValueType { Text, TextOrNull, Whole, Tick, Object };

const std::map<std::string, ValueType, std::less<>> &otherKeys()
{
    static const std::map<std::string, ValueType, std::less<>> keys = [] {
        std::map<std::string, ValueType, std::less<>> k{
            {"category", ValueType::TextOrNull}, {"position", ValueType::Object},
            {"bracket", ValueType::Whole},       {"pctantig", ValueType::Whole},
            {"zona", ValueType::Whole},          {"decimal", ValueType::Text},
        };
        for (const CategoryOption &option : kCategoryOptions)
            k.emplace(option.control, ValueType::Tick);
        for (std::size_t i = 1; i <= kSeniorityBracketCount; ++i)
            k.emplace("Option" + std::to_string(i), ValueType::Tick);
        return k;
    }();
    return keys;
}

bool hasType(const Json &value, ValueType type)
{
    switch (type) {
    case ValueType::Text: return value.is_string();
    case ValueType::TextOrNull: return value.is_string() || value.is_null();
    case ValueType::Whole: return value.is_number_integer();
    case ValueType::Tick: return value.is_boolean() || value.is_number_integer();
    case ValueType::Object: return value.is_object();
    }
    return false;
}

const char *typeName(ValueType type)
{
    switch (type) {
    case ValueType::Text: return "a string";
    case ValueType::TextOrNull: return "a string or null";
    case ValueType::Whole: return "a whole number";
    case ValueType::Tick: return "true, false or a whole number";
    case ValueType::Object: return "an object";
    }
    return "";
}

std::optional<ValueType> typeOfKey(std::string_view key)
{
    if (findTextField(key))
        return ValueType::Text;
    if (findTickField(key))
        return ValueType::Tick;
    const auto &others = otherKeys();
    if (const auto found = others.find(key); found != others.end())
        return found->second;
    return std::nullopt;
}

// A misspelt key would otherwise leave its field at the start value and test the wrong thing.
void checkKeys(const Json &object, const std::function<std::optional<ValueType>(std::string_view)> &typeOf,
               const std::string &where)
{
    if (!object.is_object())
        throw std::invalid_argument(where + " must be an object");
    for (const auto &[key, value] : object.items()) {
        const auto type = typeOf(key);
        if (!type)
            throw std::invalid_argument("unknown key \"" + where + key + "\"");
        if (!hasType(value, *type))
            throw std::invalid_argument("key \"" + where + key + "\" must be " + typeName(*type));
    }
}

void checkInput(const Json &input)
{
    checkKeys(input, typeOfKey, "");
    if (input.contains("position")) {
        checkKeys(input["position"],
                  [](std::string_view key) -> std::optional<ValueType> {
                      if (key == "code" || key == "name" || key == "basic_text")
                          return ValueType::Text;
                      return std::nullopt;
                  },
                  "position.");
    }
}

// A check box or option counts as set only when it holds 1 (or true); 2, greyed, does not.
bool isSet(const Json &input, std::string_view key)
{
    const auto found = input.find(key);
    if (found == input.end())
        return false;
    return found->is_boolean() ? found->get<bool>() : found->get<int>() == 1;
}

Category categoryFrom(const Json &input)
{
    // The option buttons themselves may stand for the category, in their order of precedence.
    if (!input.contains("category") || input["category"].is_null()) {
        for (const CategoryOption &option : kCategoryOptions)
            if (isSet(input, option.control))
                return option.category;
        return Category::None;
    }
    const auto name = input["category"].get<std::string>();
    for (const CategoryOption &option : kCategoryOptions)
        if (name == option.control)
            return option.category;
    if (name == "none" || name.empty())
        return Category::None;
    throw std::invalid_argument("unknown category: " + name);
}

void readText(const Json &input, std::string_view key, std::string &target)
{
    if (const auto found = input.find(key); found != input.end())
        target = found->get<std::string>();
}

// Fills what the dialog's "Listo" would show for a catalogue code; the case's own boxes come later.
void readPosition(const Json &input, const Period &period, Snapshot &s)
{
    if (!input.contains("position"))
        return;
    const Json &position = input["position"];
    readText(position, "code", s.codigocargo);
    readText(position, "name", s.cargox);
    readText(position, "basic_text", s.puntosbasicos);
    const auto index = period.findPosition(s.codigocargo);
    const Position *row = index ? period.positionAt(*index) : nullptr;
    if (!row)
        return;
    if (!position.contains("name"))
        s.cargox = row->name;
    if (!position.contains("basic_text"))
        s.puntosbasicos = row->basicPoints;
    s.punbas = row->basicPoints;
    s.compbas = row->complementPoints;
    s.jorcom = row->fullDayPoints;
    s.proljor = row->extendedDayPoints;
    s.tardif = row->taskPoints;
}

// The options themselves may stand for the bracket: the first one set counts.
void readSeniority(const Json &input, const Period &period, Snapshot &s)
{
    int optionSet = 0;
    for (int option = static_cast<int>(kSeniorityBracketCount); option >= 1; --option)
        if (isSet(input, "Option" + std::to_string(option)))
            optionSet = option;
    if (input.contains("bracket") || optionSet > 0) {
        const int option = input.contains("bracket") ? input["bracket"].get<int>() : optionSet;
        if (option < 0 || option > static_cast<int>(kSeniorityBracketCount))
            throw std::invalid_argument("bracket must be 0..12");
        s.seniorityOption = option;
        if (option > 0) {
            s.pctantig = period.seniority[static_cast<std::size_t>(option - 1)].percent;
            s.porcantig = percentText(s.pctantig);
        }
    }
    if (input.contains("pctantig"))
        s.pctantig = input["pctantig"].get<std::uint8_t>();
}

Json optionalText(const std::optional<std::string> &text)
{
    return text ? Json(*text) : Json(nullptr);
}

Json workingJson(const Working &working, char separator)
{
    const WorkingText explained = explain(working, separator);
    return Json{{"text", explained.text}, {"formula", explained.formula}};
}

const char *failureName(FailureKind kind)
{
    switch (kind) {
    case FailureKind::NoCategory: return "no-category";
    case FailureKind::NoPosition: return "no-position";
    case FailureKind::Conversion: return "conversion";
    case FailureKind::Limit: return "limit";
    }
    return "unknown";
}

}  // namespace

CaseInput inputFromJson(const Json &input, const Period &period)
{
    checkInput(input);
    CaseInput result;
    Snapshot &s = result.snapshot;
    s.category = categoryFrom(input);
    readPosition(input, period, s);
    readSeniority(input, period, s);
    if (input.contains("zona"))
        s.zona = input["zona"].get<int>();
    // The fields given by the case override what the position and the bracket filled in.
    for (const TextField *field : kTextFields)
        readText(input, field->control, s.*field->value);
    for (const TickField *field : kTickFields)
        if (input.find(field->control) != input.end())
            s.*field->value = isSet(input, field->control);

    if (input.contains("decimal")) {
        const auto decimal = input["decimal"].get<std::string>();
        if (decimal != "." && decimal != ",")
            throw std::invalid_argument("decimal must be \".\" or \",\"");
        result.decimalSeparator = decimal[0];
    }
    return result;
}

Json outcomeToJson(const Outcome &outcome, const ReceiptWorking *working)
{
    if (const auto *failure = std::get_if<Failure>(&outcome)) {
        Json json{{"error", failureName(failure->kind)}};
        if (failure->kind != FailureKind::NoCategory) {
            json["field"] = failure->field;
            json["text"] = failure->text;
        }
        return json;
    }
    const auto &receipt = std::get<Receipt>(outcome);
    Json rows = Json::array();
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        const ReceiptRow &row = receipt.rows[i];
        const bool earnings = row.column == AmountColumn::Earnings;
        rows.push_back(Json{{"code", std::string(row.code)},
                            {"middle", optionalText(row.middle)},
                            {"description", std::string(row.description)},
                            {"earnings", earnings ? Json(row.amount) : Json(nullptr)},
                            {"deductions", earnings ? Json(nullptr) : Json(row.amount)}});
        if (working)
            rows.back()["working"] = workingJson(working->rows[i], working->separator);
    }
    const ReceiptHeader &h = receipt.header;
    Json totals{{"thaberes", receipt.totals.thaberes},
                {"tdescuentos", receipt.totals.tdescuentos},
                {"liquido", receipt.totals.liquido}};
    if (working)
        totals["working"] = Json{{"thaberes", workingJson(working->thaberes, working->separator)},
                                 {"tdescuentos", workingJson(working->tdescuentos, working->separator)},
                                 {"liquido", workingJson(working->liquido, working->separator)}};
    return Json{{"rows", rows},
                {"header",
                 {{"Label11", std::string(h.Label11)},
                  {"numcargo", h.numcargo},
                  {"punbasicos", h.punbasicos},
                  {"carsel", h.carsel},
                  {"point_boxes_visible", h.pointBoxesVisible}}},
                {"totals", totals},
                {"docente", receipt.docente}};
}

}  // namespace recibo::cases
