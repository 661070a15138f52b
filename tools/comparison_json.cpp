#include "comparison_json.h"

#include <fstream>

#include "slip_json.h"

namespace recibo::slips {
namespace {

using Json = nlohmann::ordered_json;

// Plain numbers with '.': the nearest double of a four-place amount prints back as that amount.
Json number(const std::optional<Money> &amount) { return amount ? Json(amount->toDouble()) : Json(nullptr); }

Json caseValue(const CaseValue &value)
{
    return std::visit([](const auto &v) { return Json(v); }, value);
}

Json lineJson(const SlipLine &line)
{
    const bool compared = line.state == LineState::Matches || line.state == LineState::Differs;
    return Json{{"code", line.code},
                {"calculated", number(line.calculated)},
                {"slip", number(line.slip)},
                {"difference", compared ? number(line.difference()) : Json(nullptr)},
                {"matches", compared ? Json(line.state == LineState::Matches) : Json(nullptr)}};
}

Json explanationJson(const Explanation &explanation)
{
    Json changes = Json::array();
    for (const KeyChange &change : explanation.keys)
        changes.push_back(Json{{"key", change.key}, {"from", caseValue(change.from)}, {"to", caseValue(change.to)}});
    return Json{{"changes", changes},
                {"matching", explanation.matching},
                {"compared", explanation.compared},
                {"text", explanation.text}};
}

}  // namespace

Json comparisonToJson(const SlipComparison &comparison, const SlipSearch &search)
{
    Json lines = Json::array();
    for (const SlipLine &line : comparison.lines)
        lines.push_back(lineJson(line));
    Json explanations = Json::array();
    for (const Explanation &explanation : search.explanations)
        explanations.push_back(explanationJson(explanation));
    return Json{{"lines", lines}, {"explanations", explanations}};
}

std::optional<Slip> readSlipFile(const std::string &path, std::ostream &errors)
{
    std::ifstream file(path);
    if (!file) {
        errors << path << ": no se puede abrir\n";
        return std::nullopt;
    }
    try {
        Slip slip = slipFromJson(Json::parse(file));
        if (const auto unreadable = firstUnreadable(slip)) {
            errors << path << ": línea " << unreadable->line << ": no se puede leer el importe \"" << unreadable->text
                   << "\"\n";
            return std::nullopt;
        }
        return slip;
    } catch (const SlipJsonError &error) {
        errors << path << ": " << error.where() << ": " << error.what() << '\n';
    } catch (const Json::exception &error) {
        errors << path << ": " << error.what() << '\n';
    }
    return std::nullopt;
}

Json compareCase(const cases::CaseInput &input, const Period &period, const Slip &slip)
{
    const Outcome outcome = compute(input.snapshot, period, input.decimalSeparator);
    const auto *receipt = std::get_if<Receipt>(&outcome);
    if (!receipt)
        return cases::outcomeToJson(outcome);
    const SlipComparison comparison = compareSlip(*receipt, slip, period);
    const std::vector<TypedLine> typed = typedLines(comparison);
    return comparisonToJson(comparison, searchExplanations(input.snapshot, period, typed, input.decimalSeparator));
}

}  // namespace recibo::slips
