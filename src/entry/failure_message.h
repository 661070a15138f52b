#pragma once
// The short Spanish message that tells the user why "Calcular" produced no receipt.

#include <QString>

#include "receipt.h"

namespace recibo::entry {

// The most disabled children whose allowance the receipt can hold, and the most children of both
// kinds together; the messages quote them so the user knows how far to go.
inline constexpr int kMaxDisabledChildren = 81;
inline constexpr int kMaxChildrenTogether = 255;

inline constexpr char kNoPositionMessage[] =
    "Elija un cargo: escriba su código o elija su nombre en «Selección de cargo».";

// `caption` is the failing field's name as the window shows it, e.g. "Cantidad de días".
QString failureMessage(const Failure &failure, const QString &caption);

}  // namespace recibo::entry
