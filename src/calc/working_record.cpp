#include "working_record.h"

namespace recibo::detail {

Working product(Money result, std::initializer_list<Figure> factors,
                std::initializer_list<Condition> conditions)
{
    Working w;
    w.rule = Rule::Product;
    w.conditions = conditions;
    w.operands = factors;
    w.result = result;
    return w;
}

Working percentage(Money result, Figure percent, Figure base, Money product, double divisor)
{
    Working w;
    w.rule = Rule::Percentage;
    w.operands = {percent, base, {"", product.toDouble(), Unit::Money}, {"", divisor, Unit::Number}};
    w.result = result;
    return w;
}

Working cappedProduct(Money result, std::initializer_list<Figure> factors, double product, Figure cap,
                      bool capApplied)
{
    Working w;
    w.rule = capApplied ? Rule::Capped : Rule::BelowCap;
    w.operands = factors;
    if (capApplied)
        w.operands.push_back({"", product, Unit::Money, false, true});
    w.operands.push_back(cap);
    w.result = result;
    return w;
}

Working pick(Money result, std::initializer_list<Condition> conditions, std::optional<Figure> picked)
{
    Working w;
    w.rule = Rule::Pick;
    w.conditions = conditions;
    if (picked)
        w.operands.push_back(*picked);
    w.result = result;
    return w;
}

Working sum(Money result, std::span<const Part> parts)
{
    Working w;
    w.rule = Rule::Sum;
    setParts(w, parts);
    w.result = result;
    return w;
}

Working share(Money result, Figure base, Figure rate)
{
    Working w;
    w.rule = Rule::Share;
    w.operands = {base, rate};
    w.result = result;
    return w;
}

Working difference(Money result, Figure first, Figure second)
{
    Working w;
    w.rule = Rule::Difference;
    w.operands = {first, second};
    w.result = result;
    return w;
}

Working sumOfProducts(Money result, std::initializer_list<ProductTerm> terms)
{
    Working w;
    w.rule = Rule::SumOfProducts;
    for (const ProductTerm &term : terms) {
        w.operands.push_back(term.factor);
        w.operands.push_back(term.by);
        w.operands.push_back({"", term.product.toDouble(), Unit::Money});
    }
    w.result = result;
    return w;
}

void setParts(Working &working, std::span<const Part> parts)
{
    for (const Part &part : parts)
        working.parts.push_back(part);
}

}  // namespace recibo::detail
