#pragma once
// The short Spanish message that tells the user why "Calcular" produced no receipt.

#include <QString>

#include "period.h"
#include "receipt.h"

namespace recibo::entry {

// Names the failing field by its caption, e.g. «Cantidad de días de inasistencia: "1,5,2" no es un número.»
// A limit is the one of the period the calculation used.
QString failureMessage(const Failure &failure, const Period &period);

}  // namespace recibo::entry
