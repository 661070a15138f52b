#pragma once
// A teacher's entries as JSON: the controls of the windows by name, as receipt case files and the
// teacher's file (.recibo) hold them. Keys left out keep the data-entry window's start state; a
// position code also fills the point boxes from the period's catalogue, as "Listo" would.

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

#include "period.h"
#include "snapshot.h"

namespace recibo::file {

using Json = nlohmann::ordered_json;

// A key the reader refuses: its path ("input.zona") and what is wrong with it, in Spanish.
class EntriesError : public std::invalid_argument {
public:
    EntriesError(std::string key, std::string problem)
        : std::invalid_argument("clave «" + key + "»: " + problem), key_(std::move(key)), problem_(std::move(problem))
    {
    }
    const std::string &key() const { return key_; }
    const std::string &problem() const { return problem_; }

private:
    std::string key_;
    std::string problem_;
};

struct Entries {
    Snapshot snapshot;
    char decimalSeparator = '.';  // a case's "decimal"; a teacher's file has none
};

// Throws EntriesError on an unknown key, a value of the wrong type or out of its range.
// `where` is the path of `input` in its file, for the messages ("input.").
Entries entriesFromJson(const Json &input, const Period &period, const std::string &where = "");

// The entries as they would be read back, key by key in the order of the window.
Json entriesToJson(const Snapshot &entries, const Period &period);

}  // namespace recibo::file
