#pragma once
// Every input field of the snapshot, listed once: the control it is read from, its caption in the
// teacher's words, how the computation reads its text and what it holds at start. The data-entry
// window builds and reads its controls from these tables, the case files are read by them, and a
// failure names its field by the caption found here.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "snapshot.h"

namespace recibo {

// How the computation reads a field's text.
enum class NumberKind {
    Text,     // never read as a number: shown as typed
    Double,   // the nearest double
    Whole16,  // the nearest whole number, halves to even, -32768..32767
    Count,    // the nearest whole number, halves to even, 0..255
    Money,    // the exact decimal rounded half-even to four places
};

// Hours and points that are multiplied into amounts are bounded so no amount leaves the money range.
enum class Bound { None, AmountRange };

// The window a field stands on.
enum class FieldWindow { Ingreso, Advertencia };

struct TextField {
    std::string_view control;  // objectName of the text box
    std::string_view caption;  // accessible name and the name a failure message gives it
    NumberKind kind;
    Bound bound;
    std::string_view start;    // the text the field holds when the window opens
    std::string Snapshot::*value;
    FieldWindow window;
};

struct TickField {
    std::string_view control;  // objectName of the check box
    std::string_view caption;
    bool start;
    bool Snapshot::*value;
};

struct CategoryOption {
    std::string_view control;  // objectName of the option button
    std::string_view caption;
    Category category;
};

namespace fields {

inline constexpr TextField docente{"docente", "Apellido y nombre", NumberKind::Text, Bound::None, "",
                                   &Snapshot::docente, FieldWindow::Ingreso};
inline constexpr TextField numerohorasmed{"numerohorasmed", "Número de horas N. Medio", NumberKind::Double,
                                          Bound::AmountRange, "0", &Snapshot::numerohorasmed,
                                          FieldWindow::Ingreso};
inline constexpr TextField numerohorassup{"numerohorassup", "Número de horas N. Superior", NumberKind::Double,
                                          Bound::AmountRange, "0", &Snapshot::numerohorassup,
                                          FieldWindow::Ingreso};
inline constexpr TextField numhorascod06{"numhorascod06", "Número de horas con código 06", NumberKind::Double,
                                         Bound::AmountRange, "0", &Snapshot::numhorascod06, FieldWindow::Ingreso};
inline constexpr TextField numhorasincen{"numhorasincen", "Número de horas con incentivo", NumberKind::Double,
                                         Bound::AmountRange, "0", &Snapshot::numhorasincen, FieldWindow::Ingreso};
inline constexpr TextField numhorascod113{"numhorascod113", "Número de horas con código 113", NumberKind::Double,
                                          Bound::AmountRange, "0", &Snapshot::numhorascod113,
                                          FieldWindow::Ingreso};
inline constexpr TextField cantkm{"cantkm", "Cantidad de km semanales", NumberKind::Whole16, Bound::None, "0",
                                  &Snapshot::cantkm, FieldWindow::Ingreso};
inline constexpr TextField dinasist{"dinasist", "Cantidad de días de inasistencia", NumberKind::Double, Bound::None, "0",
                                    &Snapshot::dinasist, FieldWindow::Ingreso};
inline constexpr TextField cantidadhijos{"cantidadhijos", "Cantidad de hijos", NumberKind::Count, Bound::None, "0",
                                         &Snapshot::cantidadhijos, FieldWindow::Ingreso};
inline constexpr TextField cantidadhijosdisc{"cantidadhijosdisc", "Cantidad de hijos con discapacidad", NumberKind::Count,
                                             Bound::None, "0", &Snapshot::cantidadhijosdisc, FieldWindow::Ingreso};
inline constexpr TextField porcantig{"porcantig", "Porcentaje de Antigüedad", NumberKind::Text, Bound::None, "",
                                     &Snapshot::porcantig, FieldWindow::Ingreso};

// The selection dialog's point boxes and name chooser, where the computation reads the position.
inline constexpr TextField punbas{"punbas", "Puntos básicos", NumberKind::Whole16, Bound::None, "",
                                  &Snapshot::punbas, FieldWindow::Advertencia};
inline constexpr TextField compbas{"compbas", "Comp básico", NumberKind::Double, Bound::AmountRange, "",
                                   &Snapshot::compbas, FieldWindow::Advertencia};
inline constexpr TextField proljor{"proljor", "Prol. de jornada", NumberKind::Whole16, Bound::None, "",
                                   &Snapshot::proljor, FieldWindow::Advertencia};
inline constexpr TextField jorcom{"jorcom", "Jorn. completa", NumberKind::Whole16, Bound::None, "",
                                  &Snapshot::jorcom, FieldWindow::Advertencia};
inline constexpr TextField tardif{"tardif", "Tarea diferenc.", NumberKind::Money, Bound::AmountRange, "",
                                  &Snapshot::tardif, FieldWindow::Advertencia};
inline constexpr TextField cargox{"cargox", "Cargo", NumberKind::Text, Bound::None, "", &Snapshot::cargox,
                                  FieldWindow::Advertencia};

inline constexpr TickField opincentivo{"opincentivo", "Incentivo", true, &Snapshot::opincentivo};
inline constexpr TickField transporte{"transporte", "Transporte", false, &Snapshot::transporte};
inline constexpr TickField hijos{"hijos", "Hijos", false, &Snapshot::hijos};
inline constexpr TickField hijosdisc{"hijosdisc", "Hijos Diferenc", false, &Snapshot::hijosdisc};
inline constexpr TickField conyuge{"conyuge", "Conyuge", false, &Snapshot::conyuge};
// The deduction boxes, in the order they stand in the "Descuentos" frame.
inline constexpr TickField Iosper{"Iosper", "IOSPER", false, &Snapshot::Iosper};
inline constexpr TickField Osplad{"Osplad", "OSPLAD", false, &Snapshot::Osplad};
inline constexpr TickField TOVIL{"TOVIL", "TOVIL", false, &Snapshot::TOVIL};
inline constexpr TickField APORTEJUB{"APORTEJUB", "Aporte jubilatorio", false, &Snapshot::APORTEJUB};
inline constexpr TickField cajacomp{"cajacomp", "Caja compensadora", false, &Snapshot::cajacomp};
inline constexpr TickField Ley4035{"Ley4035", "Ley 4035", false, &Snapshot::Ley4035};
inline constexpr TickField Seguro3011{"Seguro3011", "Seguro (3011)", false, &Snapshot::Seguro3011};

}  // namespace fields

inline constexpr std::array<const TextField *, 17> kTextFields{
    &fields::docente,       &fields::numerohorasmed, &fields::numerohorassup, &fields::numhorascod06,
    &fields::numhorasincen, &fields::numhorascod113, &fields::cantkm,         &fields::dinasist,
    &fields::cantidadhijos, &fields::cantidadhijosdisc, &fields::porcantig,   &fields::punbas,
    &fields::compbas,       &fields::proljor,        &fields::jorcom,         &fields::tardif,
    &fields::cargox,
};

inline constexpr std::array<const TickField *, 12> kTickFields{
    &fields::opincentivo, &fields::transporte, &fields::hijos,     &fields::hijosdisc,
    &fields::conyuge,     &fields::Iosper,     &fields::Osplad,    &fields::TOVIL,
    &fields::APORTEJUB,   &fields::cajacomp,   &fields::Ley4035,   &fields::Seguro3011,
};

// The category frame's options, in their order of precedence.
inline constexpr std::array<CategoryOption, 3> kCategoryOptions{{
    {"cargo", "Cargo", Category::Cargo},
    {"horasmedio", "Hs. N. Medio", Category::HorasMedio},
    {"horassup", "Hs. N. Superior", Category::HorasSup},
}};

// A field's position in its table.
constexpr std::size_t indexOf(const TextField &field)
{
    std::size_t i = 0;
    while (i < kTextFields.size() && kTextFields[i] != &field)
        ++i;
    return i;
}
constexpr std::size_t indexOf(const TickField &field)
{
    std::size_t i = 0;
    while (i < kTickFields.size() && kTickFields[i] != &field)
        ++i;
    return i;
}

// The field read from the control of this name, or nothing.
const TextField *findTextField(std::string_view control);
const TickField *findTickField(std::string_view control);

}  // namespace recibo
