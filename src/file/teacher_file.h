#pragma once
// A teacher's file (.recibo): UTF-8 JSON with its format version, the name of the period its
// entries are for, the entries as receipt case files hold them, the comment written on the receipt
// and the amounts typed from the real pay slip. One reader and one writer, for the windows and the
// case tool; both are Qt-free.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "entries_json.h"
#include "file_problem.h"
#include "slip.h"

namespace recibo::file {

inline constexpr int kTeacherFileVersion = 1;
inline constexpr std::size_t kMaxTeacherFileBytes = 1024 * 1024;

struct Comment {
    std::string title;  // Text11 of the receipt window
    std::string text;   // Text12
    bool operator==(const Comment &) const = default;
};

struct TeacherFile {
    std::string period;  // the period's name
    Snapshot entries;
    Comment comment;
    Slip slip;  // the amounts typed from the real pay slip, as typed
};

using recibo::FileProblem;

struct TeacherFileReading {
    std::optional<TeacherFile> file;
    std::optional<FileProblem> problem;
};

// The period a file names, among those the program offers; null when it offers none of that name.
using PeriodLookup = std::function<const Period *(std::string_view name)>;

TeacherFileReading readTeacherFile(std::string_view bytes, const PeriodLookup &periods);
std::string writeTeacherFile(const TeacherFile &file, const Period &period);

}  // namespace recibo::file
