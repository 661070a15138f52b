#pragma once
// The built-in position catalogue of the pay period: 311 rows in a fixed order.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace recibo::catalogue {

// One row; every value is kept as the text the lists of the selection dialog hold.
struct Position {
    std::string_view code;             // codigocargo: exactly three digits
    std::string_view name;             // cargox: UTF-8, stored character for character
    std::string_view basicPoints;      // puntosbasicos
    std::string_view complementPoints; // compbasico
    std::string_view taskPoints;       // tareadif
    std::string_view fullDayPoints;    // jorcompleta
    std::string_view extendedDayPoints;// proljornada
};

inline constexpr std::size_t kRowCount = 311;

// All rows in catalogue order (index 0 is row 1).
const std::array<Position, kRowCount> &rows();

// The row at a 0-based index, or nothing outside 0..310.
const Position *rowAt(int index);

// The 0-based index of the row whose code equals `code` character for character.
std::optional<int> findByCode(std::string_view code);

}  // namespace recibo::catalogue
