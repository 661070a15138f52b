#pragma once
// Reading a period file strictly: a period comes out only when the file has no problem at all;
// otherwise every problem found, each with its line and key, in Spanish.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "period.h"

namespace recibo {

struct PeriodProblem {
    std::size_t line = 0;  // 1-based; 0 when the problem is the file's as a whole
    std::string key;       // "horas.medio.tope_006"; empty when no key is concerned
    std::string text;      // "falta la clave"
};

struct PeriodReading {
    std::optional<Period> period;
    std::vector<PeriodProblem> problems;
};

// A period file is at most this long.
inline constexpr std::size_t kMaxPeriodFileBytes = 1024 * 1024;

// The file's bytes read as a period.
PeriodReading readPeriod(std::string_view bytes);
// The file itself, refused when it is missing, unreadable, a folder or over the size limit.
PeriodReading readPeriodFile(const std::filesystem::path &file);

// "2009-08.toml, línea 12, clave «horas.medio.tope_006»: falta la clave."
std::string problemText(const PeriodProblem &problem, std::string_view fileName);

}  // namespace recibo
