#pragma once
// Building the working of an amount inside the rule that computes it: the rule hands over the very
// figures it used. Internal to the computation.

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "working.h"

namespace recibo::detail {

constexpr Figure asMoney(std::string_view meaning, double value) { return {meaning, value, Unit::Money}; }
constexpr Figure asNumber(std::string_view meaning, double value) { return {meaning, value, Unit::Number}; }
constexpr Figure asPoints(std::string_view meaning, double value) { return {meaning, value, Unit::Points}; }
constexpr Figure asHours(std::string_view meaning, double value) { return {meaning, value, Unit::Hours}; }
constexpr Figure asRate(std::string_view meaning, double value) { return {meaning, value, Unit::Rate}; }
// A money base followed by the parts it adds up.
constexpr Figure itemised(std::string_view meaning, Money value)
{
    return {meaning, value.toDouble(), Unit::Money, true};
}

// A figure that chose the rule's branch, and the band of the table column or bracket it fell in.
constexpr Condition when(Figure figure) { return {figure, false, {}}; }
constexpr Condition within(Figure figure, Band band) { return {figure, true, band}; }

// The factors multiplied in order and converted.
Working product(Money result, std::initializer_list<Figure> factors,
                std::initializer_list<Condition> conditions = {});
// Base times a whole percentage (exact), then divided in double.
Working percentage(Money result, Figure percent, Figure base, Money product, double divisor);
// The factors multiplied; `capApplied` says the product reached the cap and the cap was paid.
Working cappedProduct(Money result, std::initializer_list<Figure> factors, double product, Figure cap,
                      bool capApplied);
// The conditions (and a table row) chose the amount; `picked` says what it is, if more than a sum.
Working pick(Money result, std::initializer_list<Condition> conditions,
             std::optional<Figure> picked = std::nullopt);
Working sum(Money result, std::span<const Part> parts = {});
// The base times a rate, read as the rate's percentage of the base.
Working share(Money result, Figure base, Figure rate);
// The first figure less the second.
Working difference(Money result, Figure first, Figure second);

// One product of two factors, converted, as a term of a sum.
struct ProductTerm {
    Figure factor;
    Figure by;
    Money product;
};
Working sumOfProducts(Money result, std::initializer_list<ProductTerm> terms);

// The parts itemised after the working's itemised figure.
void setParts(Working &working, std::span<const Part> parts);

}  // namespace recibo::detail
