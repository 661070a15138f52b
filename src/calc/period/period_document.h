#pragma once
// Reading the tables of a period file with toml++: every key read is checked for its type, its
// unit and its range, and every problem is kept with its line and key. Internal to the reader.

#include <toml++/toml.h>

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "money.h"
#include "period_reader.h"

namespace recibo::period_file {

// What a figure's `unidad` says; it must be the one its key expects.
enum class Unit { Pesos, Points, Percent, Coefficient, Hours, Days, Weeks, Children, Number, Text };

std::string_view unitName(Unit unit);

class Problems {
public:
    void add(std::size_t line, std::string key, std::string text);
    bool empty() const { return list_.empty(); }
    std::vector<PeriodProblem> take() { return std::move(list_); }

private:
    std::vector<PeriodProblem> list_;
};

std::size_t lineOf(const toml::node &node);

// One TOML table of the file. Reading a key marks it known; when the section ends, every key
// that was not read is reported as unknown, so a misspelt key never leaves a figure unread.
class Section {
public:
    Section(Problems &problems, const toml::table &table, std::string path);
    ~Section();
    Section(Section &&other) noexcept;
    Section(const Section &) = delete;
    Section &operator=(const Section &) = delete;
    Section &operator=(Section &&) = delete;

    // The value of a key, or nothing (and a problem) when it is missing.
    const toml::node *take(std::string_view key);
    // The same, but a missing key is no problem.
    const toml::node *takeOptional(std::string_view key);
    std::optional<Section> section(std::string_view key);
    const toml::array *array(std::string_view key);

    // Figures: { valor, unidad, descripcion, norma }.
    double number(std::string_view key, Unit unit, double max);
    int whole(std::string_view key, Unit unit, int min, int max);
    Money pesos(std::string_view key);
    std::string text(std::string_view key);
    std::vector<int> wholeList(std::string_view key, Unit unit, int max);

    // What a table of rows says of itself: `descripcion`, `unidad` and, if known, `norma`.
    void describedAs(Unit unit);

    // Plain values of this table, not figures.
    std::string plainText(std::string_view key, bool optional = false);
    double plainNumber(std::string_view key, double max);
    int plainWhole(std::string_view key, int min, int max);
    std::optional<Money> plainPesos(std::string_view key, bool optional = false);

    const std::string &path() const { return path_; }
    std::size_t line() const { return lineOf(*table_); }
    // The line of a key's value, or the table's own line when the key is not there.
    std::size_t lineOfKey(std::string_view key) const;
    std::string keyPath(std::string_view key) const;
    Problems &problems() { return *problems_; }

private:
    std::optional<Section> figure(std::string_view key, Unit unit);

    Problems *problems_;
    const toml::table *table_;
    std::string path_;
    std::set<std::string, std::less<>> read_;
};

// Checks of one value; each reports a problem at the value's line under `key` and gives nothing
// when the value does not pass.
std::optional<double> checkNumber(Problems &problems, const toml::node &node, const std::string &key, double max);
std::optional<int> checkWhole(Problems &problems, const toml::node &node, const std::string &key, int min, int max);
std::optional<Money> checkPesos(Problems &problems, const toml::node &node, const std::string &key);
std::optional<std::string> checkText(Problems &problems, const toml::node &node, const std::string &key);

// The largest amount in pesos a period may give, and the largest coefficient.
inline constexpr double kMaxPesos = 1e6;
inline constexpr double kMaxCoefficient = 1;

}  // namespace recibo::period_file
