#pragma once
// A problem a strict file reader found: where, and what, said in Spanish.

#include <cstddef>
#include <string>
#include <string_view>

namespace recibo {

struct FileProblem {
    std::size_t line = 0;  // 1-based; 0 when the problem is the file's as a whole or the line is unknown
    std::string key;       // "horas.medio.tope_006"; empty when no key is concerned
    std::string text;      // "falta la clave"
};

// "2009-08.toml, línea 12, clave «horas.medio.tope_006»: falta la clave."
std::string problemText(const FileProblem &problem, std::string_view fileName);

}  // namespace recibo
