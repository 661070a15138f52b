#pragma once
// A typed pay slip as JSON: {"rows": {"001": "$ 890,00", "052": ["1,42", "1,42"]}, "totals":
// {"thaberes": "...", "tdescuentos": "...", "liquido": "..."}}, any subset, amounts as typed. Read
// strictly; what RECIBO.json of receipt_case --comparar holds and the teacher's file's "slip".

#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>

#include "slip.h"

namespace recibo::slips {

// A slip that does not read: `where` names the key, `what()` says why, in Spanish.
class SlipJsonError : public std::runtime_error {
public:
    SlipJsonError(std::string where, const std::string &why) : std::runtime_error(why), where_(std::move(where)) {}
    const std::string &where() const { return where_; }

private:
    std::string where_;
};

// The amounts are kept as typed, readable or not; see firstUnreadable.
Slip slipFromJson(const nlohmann::ordered_json &json);
nlohmann::ordered_json slipToJson(const Slip &slip);

// The first typed amount that does not read as an amount: its line (the code, or the total's name) and text.
struct UnreadableAmount {
    std::string line;
    std::string text;
};
std::optional<UnreadableAmount> firstUnreadable(const Slip &slip);

}  // namespace recibo::slips
