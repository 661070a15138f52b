// A change of the entries said in the teacher's words, and written as the case files' keys.

#include <string>

#include "input_fields.h"
#include "number_text.h"
#include "slip_changes.h"

namespace recibo::detail {
namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string_view categoryCaption(Category category)
{
    for (const CategoryOption &option : kCategoryOptions)
        if (option.category == category)
            return option.caption;
    return "ninguna";
}

std::string_view categoryControl(Category category)
{
    for (const CategoryOption &option : kCategoryOptions)
        if (option.category == category)
            return option.control;
    return "none";
}

std::string positionText(const Snapshot &s)
{
    if (s.category != Category::Cargo)
        return quoted(categoryCaption(s.category));
    if (s.codigocargo.empty())
        return "los puntos del cargo escritos";
    return s.codigocargo + " " + quoted(s.cargox);
}

std::string bracketText(const Period &period, int option)
{
    return option >= 1 ? quoted(period.seniority[static_cast<std::size_t>(option - 1)].caption) : "ninguna";
}

std::string zoneText(const Period &period, int zone)
{
    return zone >= 0 && static_cast<std::size_t>(zone) < period.zones.size()
               ? quoted(period.zones[static_cast<std::size_t>(zone)].name)
               : "ninguna";
}

std::string countText(bool ticked, const std::string &count) { return ticked ? count : "0"; }

// "Cantidad de hijos: 3 en lugar de 2"
std::string numberChange(std::string_view caption, const std::string &to, const std::string &from)
{
    return std::string(caption) + ": " + to + " en lugar de " + from;
}

}  // namespace

std::string changeText(const EntryChange &change, const Snapshot &before, const Period &period, char separator)
{
    Snapshot after = before;
    apply(change, after, period, separator);
    switch (change.knob) {
    case Knob::Category: {
        std::string text = "Categoría " + quoted(categoryCaption(after.category));
        if (before.category == Category::Cargo)
            text += " con " + doubleText(change.value, separator) + " horas";
        return text + " en lugar de " + quoted(categoryCaption(before.category));
    }
    case Knob::Position: return "Cargo " + positionText(after) + " en lugar de " + positionText(before);
    case Knob::Hours: {
        const TextField &box = *kTextFields[change.which];
        return numberChange(box.caption, after.*box.value, before.*box.value);
    }
    case Knob::Bracket:
        return "Antigüedad " + bracketText(period, after.seniorityOption) + " en lugar de " +
               bracketText(period, before.seniorityOption);
    case Knob::Zone: return "Zona " + zoneText(period, after.zona) + " en lugar de " + zoneText(period, before.zona);
    case Knob::Tick: {
        const TickField &tick = *kTickFields[change.which];
        const bool ticked = after.*tick.value;
        return std::string(tick.caption) + (ticked ? " marcado en lugar de sin marcar" : " sin marcar en lugar de marcado");
    }
    case Knob::Children:
        return numberChange(fields::cantidadhijos.caption, countText(after.hijos, after.cantidadhijos),
                            countText(before.hijos, before.cantidadhijos));
    case Knob::DisabledChildren:
        return numberChange(fields::cantidadhijosdisc.caption, countText(after.hijosdisc, after.cantidadhijosdisc),
                            countText(before.hijosdisc, before.cantidadhijosdisc));
    case Knob::Days: return numberChange(fields::dinasist.caption, after.dinasist, before.dinasist);
    case Knob::Km:
        return numberChange(fields::cantkm.caption, countText(after.transporte, after.cantkm),
                            countText(before.transporte, before.cantkm));
    }
    return {};
}

std::vector<KeyChange> keyChanges(const Snapshot &before, const Snapshot &after)
{
    std::vector<KeyChange> keys;
    if (before.category != after.category)
        keys.push_back({"category", std::string(categoryControl(before.category)),
                        std::string(categoryControl(after.category))});
    if (before.codigocargo != after.codigocargo)
        keys.push_back({"position", before.codigocargo, after.codigocargo});
    if (before.seniorityOption != after.seniorityOption)
        keys.push_back({"bracket", before.seniorityOption, after.seniorityOption});
    if (before.zona != after.zona)
        keys.push_back({"zona", before.zona, after.zona});
    // The boxes of the data-entry window; the percentage follows the bracket, the dialog's point boxes the position.
    for (const TextField *field : kTextFields)
        if (field->window == FieldWindow::Ingreso && field != &fields::porcantig &&
            before.*field->value != after.*field->value)
            keys.push_back({std::string(field->control), before.*field->value, after.*field->value});
    for (const TickField *tick : kTickFields)
        if (before.*tick->value != after.*tick->value)
            keys.push_back({std::string(tick->control), before.*tick->value, after.*tick->value});
    return keys;
}

}  // namespace recibo::detail
