#pragma once
// Reading a period file strictly: a period comes out only when the file has no problem at all;
// otherwise every problem found, each with its line and key, in Spanish.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_problem.h"
#include "period.h"

namespace recibo {

using PeriodProblem = FileProblem;

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

}  // namespace recibo
