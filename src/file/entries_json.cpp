#include "entries_json.h"

#include <algorithm>
#include <functional>
#include <map>

#include "input_fields.h"

namespace recibo::file {
namespace {

// The keys of an input that are not fields of the input tables, with the JSON type each takes.
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
    case ValueType::Text: return "un texto";
    case ValueType::TextOrNull: return "un texto o null";
    case ValueType::Whole: return "un número entero";
    case ValueType::Tick: return "true, false, 0 o 1";
    case ValueType::Object: return "un objeto";
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

// A misspelt key would otherwise leave its field at the start value.
void checkKeys(const Json &object, const std::function<std::optional<ValueType>(std::string_view)> &typeOf,
               const std::string &where)
{
    for (const auto &[key, value] : object.items()) {
        const auto type = typeOf(key);
        if (!type)
            throw EntriesError(where + key, "clave desconocida");
        if (!hasType(value, *type))
            throw EntriesError(where + key, std::string("debe ser ") + typeName(*type));
    }
}

// A whole number in [low, high], else refused under its key; compared wide, so a huge number
// cannot wrap into the range.
int wholeIn(const Json &input, std::string_view key, int low, int high, const std::string &where)
{
    const Json &value = input.at(key);
    const bool inRange = value.is_number_unsigned()
                             ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                                   && static_cast<std::int64_t>(value.get<std::uint64_t>()) >= low
                             : value.get<std::int64_t>() >= low && value.get<std::int64_t>() <= high;
    if (!inRange)
        throw EntriesError(where + std::string(key), "debe ir de " + std::to_string(low) + " a " + std::to_string(high));
    return value.get<int>();
}

void checkInput(const Json &input, const std::string &where)
{
    if (!input.is_object())
        throw EntriesError(where.empty() ? "input" : where.substr(0, where.size() - 1), "debe ser un objeto");
    checkKeys(input, typeOfKey, where);
    // A check box holds 0, 1 or 2 (greyed); an option 0 or 1.
    for (const auto &[key, value] : input.items())
        if (value.is_number_integer() && typeOfKey(key) == ValueType::Tick)
            wholeIn(input, key, 0, findTickField(key) ? 2 : 1, where);
    if (input.contains("position")) {
        checkKeys(input["position"],
                  [](std::string_view key) -> std::optional<ValueType> {
                      if (key == "code" || key == "name" || key == "basic_text")
                          return ValueType::Text;
                      return std::nullopt;
                  },
                  where + "position.");
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

Category categoryFrom(const Json &input, const std::string &where)
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
    throw EntriesError(where + "category", "debe ser \"cargo\", \"horasmedio\", \"horassup\" o \"none\"");
}

void readText(const Json &input, std::string_view key, std::string &target)
{
    if (const auto found = input.find(key); found != input.end())
        target = found->get<std::string>();
}

// Fills what the dialog's "Listo" would show for a catalogue code; the input's own boxes come later.
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
void readSeniority(const Json &input, const Period &period, Snapshot &s, const std::string &where)
{
    int optionSet = 0;
    for (int option = static_cast<int>(kSeniorityBracketCount); option >= 1; --option)
        if (isSet(input, "Option" + std::to_string(option)))
            optionSet = option;
    if (input.contains("bracket") || optionSet > 0) {
        const int option = input.contains("bracket")
                               ? wholeIn(input, "bracket", 0, static_cast<int>(kSeniorityBracketCount), where)
                               : optionSet;
        s.seniorityOption = option;
        if (option > 0) {
            s.pctantig = period.seniority[static_cast<std::size_t>(option - 1)].percent;
            s.porcantig = percentText(s.pctantig);
        }
    }
    if (input.contains("pctantig"))
        s.pctantig = static_cast<std::uint8_t>(wholeIn(input, "pctantig", 0, 255, where));
}

}  // namespace

Entries entriesFromJson(const Json &input, const Period &period, const std::string &where)
{
    checkInput(input, where);
    Entries result;
    Snapshot &s = result.snapshot;
    s.category = categoryFrom(input, where);
    readPosition(input, period, s);
    readSeniority(input, period, s, where);
    if (input.contains("zona"))
        s.zona = wholeIn(input, "zona", -1, static_cast<int>(period.zones.size()) - 1, where);
    // The fields given by the input override what the position and the bracket filled in.
    for (const TextField *field : kTextFields)
        readText(input, field->control, s.*field->value);
    for (const TickField *field : kTickFields)
        if (input.find(field->control) != input.end())
            s.*field->value = isSet(input, field->control);

    if (input.contains("decimal")) {
        const auto decimal = input["decimal"].get<std::string>();
        if (decimal != "." && decimal != ",")
            throw EntriesError(where + "decimal", "debe ser \".\" o \",\"");
        result.decimalSeparator = decimal[0];
    }
    return result;
}

Json entriesToJson(const Snapshot &s, const Period &period)
{
    Json input;
    const auto category = std::find_if(kCategoryOptions.begin(), kCategoryOptions.end(),
                                       [&s](const CategoryOption &option) { return option.category == s.category; });
    input["category"] = category == kCategoryOptions.end() ? Json(nullptr) : Json(category->control);
    input["position"] = Json{{"code", s.codigocargo}, {"basic_text", s.puntosbasicos}};
    for (const TextField *field : kTextFields)
        input[std::string(field->control)] = s.*field->value;
    for (const TickField *field : kTickFields)
        input[std::string(field->control)] = s.*field->value;
    input["bracket"] = s.seniorityOption;
    // The percentage follows the bracket; only one set apart from it is written.
    const bool bracketChosen = s.seniorityOption >= 1 && s.seniorityOption <= static_cast<int>(kSeniorityBracketCount);
    const int fromBracket = bracketChosen ? period.seniority[static_cast<std::size_t>(s.seniorityOption - 1)].percent : 0;
    if (s.pctantig != fromBracket)
        input["pctantig"] = s.pctantig;
    input["zona"] = s.zona;
    return input;
}

}  // namespace recibo::file
