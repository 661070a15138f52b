#include "period_document.h"

#include <cmath>

#include "toml_guard.h"

namespace recibo::period_file {
namespace {

std::string typeName(const toml::node &node)
{
    if (node.is_string())
        return "un texto";
    if (node.is_integer() || node.is_floating_point())
        return "un número";
    if (node.is_boolean())
        return "un valor lógico";
    if (node.is_table())
        return "una tabla";
    if (node.is_array())
        return "una lista";
    return "una fecha u hora";
}

std::string wrongType(const toml::node &node, std::string_view wanted)
{
    return "debe ser " + std::string(wanted) + ", no " + typeName(node);
}

std::string shortNumber(double value)
{
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace

std::string_view unitName(Unit unit)
{
    switch (unit) {
    case Unit::Pesos: return "pesos";
    case Unit::Points: return "puntos";
    case Unit::Percent: return "%";
    case Unit::Coefficient: return "coeficiente";
    case Unit::Hours: return "horas";
    case Unit::Days: return "días";
    case Unit::Weeks: return "semanas";
    case Unit::Children: return "hijos";
    case Unit::Number: return "número";
    case Unit::Text: return "texto";
    }
    return "";
}

void Problems::add(std::size_t line, std::string key, std::string text)
{
    list_.push_back({line, std::move(key), std::move(text)});
}

std::size_t lineOf(const toml::node &node)
{
    return node.source().begin.line;
}

std::optional<double> checkNumber(Problems &problems, const toml::node &node, const std::string &key, double max)
{
    if (!node.is_number()) {
        problems.add(lineOf(node), key, wrongType(node, "un número"));
        return std::nullopt;
    }
    const double value = *node.value<double>();
    if (!std::isfinite(value)) {
        problems.add(lineOf(node), key, "debe ser un número finito");
        return std::nullopt;
    }
    if (value < 0) {
        problems.add(lineOf(node), key, "no puede ser negativo");
        return std::nullopt;
    }
    if (value > max) {
        problems.add(lineOf(node), key, "es demasiado grande: el máximo es " + shortNumber(max));
        return std::nullopt;
    }
    return value;
}

std::optional<int> checkWhole(Problems &problems, const toml::node &node, const std::string &key, int min, int max)
{
    if (!node.is_integer()) {
        problems.add(lineOf(node), key, wrongType(node, "un número entero"));
        return std::nullopt;
    }
    const std::int64_t value = node.as_integer()->get();
    if (value < min || value > max) {
        problems.add(lineOf(node), key,
                     min == 0 && value < 0 ? std::string("no puede ser negativo")
                                           : "debe ir de " + std::to_string(min) + " a " + std::to_string(max));
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<Money> checkPesos(Problems &problems, const toml::node &node, const std::string &key)
{
    const auto value = checkNumber(problems, node, key, kMaxPesos);
    if (!value)
        return std::nullopt;
    // Amounts are exact to the ten-thousandth; a finer figure would be rounded without a word.
    const Money amount = toMoney(*value);
    if (amount.toDouble() != *value) {
        problems.add(lineOf(node), key, "tiene más de cuatro decimales");
        return std::nullopt;
    }
    return amount;
}

std::optional<std::string> checkText(Problems &problems, const toml::node &node, const std::string &key)
{
    if (!node.is_string()) {
        problems.add(lineOf(node), key, wrongType(node, "un texto"));
        return std::nullopt;
    }
    const std::string &text = node.as_string()->get();
    if (text.find_first_not_of(" \t") == std::string::npos) {
        problems.add(lineOf(node), key, "no puede estar vacío");
        return std::nullopt;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            problems.add(lineOf(node), key, "tiene caracteres de control");
            return std::nullopt;
        }
    }
    return unshield(text);
}

Section::Section(Problems &problems, const toml::table &table, std::string path)
    : problems_(&problems), table_(&table), path_(std::move(path))
{
}

Section::Section(Section &&other) noexcept
    : problems_(other.problems_), table_(other.table_), path_(std::move(other.path_)), read_(std::move(other.read_))
{
    other.table_ = nullptr;
}

Section::~Section()
{
    if (!table_)
        return;
    for (const auto &[key, value] : *table_)
        if (!read_.contains(key.str()))
            problems_->add(lineOf(value), keyPath(unshield(key.str())), "clave desconocida");
}

std::size_t Section::lineOfKey(std::string_view key) const
{
    const toml::node *node = table_->get(key);
    return node ? lineOf(*node) : line();
}

std::string Section::keyPath(std::string_view key) const
{
    return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
}

const toml::node *Section::takeOptional(std::string_view key)
{
    read_.emplace(key);
    return table_->get(key);
}

const toml::node *Section::take(std::string_view key)
{
    const toml::node *node = takeOptional(key);
    if (!node)
        problems_->add(line(), keyPath(key), "falta la clave");
    return node;
}

std::optional<Section> Section::section(std::string_view key)
{
    const toml::node *node = take(key);
    if (!node)
        return std::nullopt;
    if (!node->is_table()) {
        problems_->add(lineOf(*node), keyPath(key), wrongType(*node, "una tabla"));
        return std::nullopt;
    }
    return Section(*problems_, *node->as_table(), keyPath(key));
}

const toml::array *Section::array(std::string_view key)
{
    const toml::node *node = take(key);
    if (node && !node->is_array()) {
        problems_->add(lineOf(*node), keyPath(key), wrongType(*node, "una lista"));
        return nullptr;
    }
    return node ? node->as_array() : nullptr;
}

void Section::describedAs(Unit unit)
{
    plainText("descripcion");
    plainText("norma", true);
    const std::string said = plainText("unidad");
    if (!said.empty() && said != unitName(unit))
        problems_->add(lineOf(*table_->get("unidad")), keyPath("unidad"),
                       "debe ser \"" + std::string(unitName(unit)) + "\", no \"" + said + "\"");
}

std::optional<Section> Section::figure(std::string_view key, Unit unit)
{
    auto entry = section(key);
    if (entry)
        entry->describedAs(unit);
    return entry;
}

double Section::number(std::string_view key, Unit unit, double max)
{
    auto entry = figure(key, unit);
    return entry ? entry->plainNumber("valor", max) : 0;
}

int Section::whole(std::string_view key, Unit unit, int min, int max)
{
    auto entry = figure(key, unit);
    return entry ? entry->plainWhole("valor", min, max) : 0;
}

Money Section::pesos(std::string_view key)
{
    auto entry = figure(key, Unit::Pesos);
    return entry ? entry->plainPesos("valor").value_or(Money()) : Money();
}

std::string Section::text(std::string_view key)
{
    auto entry = figure(key, Unit::Text);
    return entry ? entry->plainText("valor") : std::string();
}

std::vector<int> Section::wholeList(std::string_view key, Unit unit, int max)
{
    std::vector<int> values;
    auto entry = figure(key, unit);
    if (!entry)
        return values;
    const toml::array *list = entry->array("valor");
    if (!list)
        return values;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string where = entry->keyPath("valor") + "[" + std::to_string(i + 1) + "]";
        values.push_back(checkWhole(*problems_, *list->get(i), where, 0, max).value_or(0));
    }
    return values;
}

std::string Section::plainText(std::string_view key, bool optional)
{
    const toml::node *node = optional ? takeOptional(key) : take(key);
    return node ? checkText(*problems_, *node, keyPath(key)).value_or(std::string()) : std::string();
}

double Section::plainNumber(std::string_view key, double max)
{
    const toml::node *node = take(key);
    return node ? checkNumber(*problems_, *node, keyPath(key), max).value_or(0) : 0;
}

int Section::plainWhole(std::string_view key, int min, int max)
{
    const toml::node *node = take(key);
    return node ? checkWhole(*problems_, *node, keyPath(key), min, max).value_or(0) : 0;
}

std::optional<Money> Section::plainPesos(std::string_view key, bool optional)
{
    const toml::node *node = optional ? takeOptional(key) : take(key);
    return node ? checkPesos(*problems_, *node, keyPath(key)) : std::nullopt;
}

}  // namespace recibo::period_file
