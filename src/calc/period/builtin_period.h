#pragma once
// The built-in period, "Marzo de 2.008": turned into code at build time from periodos/2008-03.toml
// by period_codegen, which reads it with the period reader, so a file with any problem stops the
// build and the program pays exactly what the file says.

#include <string_view>

#include "period.h"

namespace recibo {

const Period &builtInPeriod();

// A new copy of it, built from the generated code as builtInPeriod() builds its own once.
Period buildBuiltInPeriod();

// The file it was built from, byte for byte.
std::string_view builtInPeriodText();

}  // namespace recibo
