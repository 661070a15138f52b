// Arbitrary bytes as a teacher's file: the reader gives the file or one problem, never both, and
// never crashes or hangs; what it accepts is written and read back to the same file, and computes.

#include <string_view>

#include "builtin_period.h"
#include "compute.h"
#include "receipt_checks.h"
#include "teacher_file.h"

namespace {

using namespace recibo;
using fuzz::require;

const Period *builtInOnly(std::string_view name)
{
    return name == builtInPeriod().name ? &builtInPeriod() : nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = file::readTeacherFile(std::string_view(reinterpret_cast<const char *>(data), size), builtInOnly);
    require(read.file.has_value() != read.problem.has_value(), "a file and a problem, or neither");
    if (!read.file) {
        require(!read.problem->text.empty(), "a problem without words");
        return 0;
    }
    const std::string written = file::writeTeacherFile(*read.file, builtInPeriod());
    const auto again = file::readTeacherFile(written, builtInOnly);
    require(again.file.has_value(), "a file written that its reader refuses");
    require(file::writeTeacherFile(*again.file, builtInPeriod()) == written, "a file that reads back otherwise");
    const Outcome outcome = compute(read.file->entries, builtInPeriod(), ',');
    if (const auto *receipt = std::get_if<Receipt>(&outcome))
        fuzz::checkReceipt(*receipt, ',');
    return 0;
}
