#include "case_json.h"

#include <array>
#include <stdexcept>

#include "catalogue.h"

namespace recibo::cases {
namespace {

using Json = nlohmann::ordered_json;

// The percentage text and value each seniority option writes, option 1 first.
constexpr std::array<std::uint8_t, 12> kSeniorityPercent{0, 10, 15, 30, 40, 50, 60, 70, 80, 100, 110, 120};

// A check box or option counts as set only when it holds 1 (or true); 2, greyed, does not.
bool isSet(const Json &input, const char *key)
{
    if (!input.contains(key))
        return false;
    const Json &value = input[key];
    return value.is_boolean() ? value.get<bool>() : value.is_number() && value.get<int>() == 1;
}

Category categoryFrom(const Json &input)
{
    // The option buttons themselves may stand for the category, in their order of precedence.
    if (!input.contains("category") || input["category"].is_null()) {
        if (isSet(input, "cargo"))
            return Category::Cargo;
        if (isSet(input, "horasmedio"))
            return Category::HorasMedio;
        if (isSet(input, "horassup"))
            return Category::HorasSup;
        return Category::None;
    }
    const auto name = input["category"].get<std::string>();
    if (name == "cargo")
        return Category::Cargo;
    if (name == "horasmedio")
        return Category::HorasMedio;
    if (name == "horassup")
        return Category::HorasSup;
    if (name == "none" || name.empty())
        return Category::None;
    throw std::invalid_argument("unknown category: " + name);
}

void readText(const Json &input, const char *key, std::string &target)
{
    if (input.contains(key))
        target = input[key].get<std::string>();
}

void readTick(const Json &input, const char *key, bool &target)
{
    if (input.contains(key))
        target = isSet(input, key);
}

// Fills what the dialog's "Listo" would show for a catalogue code, unless the case gives it.
void readPosition(const Json &input, Snapshot &s)
{
    const catalogue::Position *row = nullptr;
    if (input.contains("position")) {
        const Json &position = input["position"];
        readText(position, "code", s.codigocargo);
        readText(position, "name", s.cargox);
        readText(position, "basic_text", s.puntosbasicos);
        if (const auto index = catalogue::findByCode(s.codigocargo))
            row = catalogue::rowAt(*index);
        if (row && !position.contains("name"))
            s.cargox = row->name;
        if (row && !position.contains("basic_text"))
            s.puntosbasicos = row->basicPoints;
    }
    if (row) {
        s.punbas = row->basicPoints;
        s.compbas = row->complementPoints;
        s.jorcom = row->fullDayPoints;
        s.proljor = row->extendedDayPoints;
        s.tardif = row->taskPoints;
    }
    readText(input, "punbas", s.punbas);
    readText(input, "compbas", s.compbas);
    readText(input, "jorcom", s.jorcom);
    readText(input, "proljor", s.proljor);
    readText(input, "tardif", s.tardif);
}

Json optionalText(const std::optional<std::string> &text)
{
    return text ? Json(*text) : Json(nullptr);
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

CaseInput inputFromJson(const Json &input)
{
    CaseInput result;
    Snapshot &s = result.snapshot;
    s.category = categoryFrom(input);
    readPosition(input, s);

    readText(input, "numerohorasmed", s.numerohorasmed);
    readText(input, "numerohorassup", s.numerohorassup);
    readText(input, "numhorascod06", s.numhorascod06);
    readText(input, "numhorasincen", s.numhorasincen);
    readText(input, "numhorascod113", s.numhorascod113);

    // The options themselves may stand for the bracket: the first one set counts.
    int optionSet = 0;
    for (int option = 12; option >= 1; --option)
        if (isSet(input, ("Option" + std::to_string(option)).c_str()))
            optionSet = option;
    if (input.contains("bracket") || optionSet > 0) {
        const int option = input.contains("bracket") ? input["bracket"].get<int>() : optionSet;
        if (option < 0 || option > 12)
            throw std::invalid_argument("bracket must be 0..12");
        s.seniorityOption = option;
        if (option > 0) {
            s.pctantig = kSeniorityPercent[static_cast<std::size_t>(option - 1)];
            s.porcantig = std::to_string(s.pctantig) + " %";
        }
    }
    if (input.contains("pctantig"))
        s.pctantig = input["pctantig"].get<std::uint8_t>();
    readText(input, "porcantig", s.porcantig);
    if (input.contains("zona"))
        s.zona = input["zona"].get<int>();

    readTick(input, "opincentivo", s.opincentivo);
    readTick(input, "transporte", s.transporte);
    readTick(input, "hijos", s.hijos);
    readTick(input, "hijosdisc", s.hijosdisc);
    readTick(input, "conyuge", s.conyuge);
    readTick(input, "Iosper", s.Iosper);
    readTick(input, "Osplad", s.Osplad);
    readTick(input, "APORTEJUB", s.APORTEJUB);
    readTick(input, "Ley4035", s.Ley4035);
    readTick(input, "TOVIL", s.TOVIL);
    readTick(input, "cajacomp", s.cajacomp);
    readTick(input, "Seguro3011", s.Seguro3011);

    readText(input, "cantkm", s.cantkm);
    readText(input, "dinasist", s.dinasist);
    readText(input, "cantidadhijos", s.cantidadhijos);
    readText(input, "cantidadhijosdisc", s.cantidadhijosdisc);
    readText(input, "docente", s.docente);

    if (input.contains("decimal")) {
        const auto decimal = input["decimal"].get<std::string>();
        if (decimal != "." && decimal != ",")
            throw std::invalid_argument("decimal must be \".\" or \",\"");
        result.decimalSeparator = decimal[0];
    }
    return result;
}

Json outcomeToJson(const Outcome &outcome)
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
    }
    const ReceiptHeader &h = receipt.header;
    return Json{{"rows", rows},
                {"header",
                 {{"Label11", std::string(h.Label11)},
                  {"numcargo", h.numcargo},
                  {"punbasicos", h.punbasicos},
                  {"carsel", h.carsel},
                  {"point_boxes_visible", h.pointBoxesVisible}}},
                {"totals",
                 {{"thaberes", receipt.totals.thaberes},
                  {"tdescuentos", receipt.totals.tdescuentos},
                  {"liquido", receipt.totals.liquido}}},
                {"docente", receipt.docente}};
}

}  // namespace recibo::cases
