#include "case_json.h"

#include "working_text.h"

namespace recibo::cases {
namespace {

using Json = nlohmann::ordered_json;

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
