#pragma once

#include <charconv>
#include <string>

namespace pelmar {

// A number with a fixed count of decimals and a point, whatever the locale: the ladder's files
// must be the same bytes on every machine.
inline std::string decimais(double valor, int casas) {
    char texto[64];
    const auto fim = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, casas);
    return std::string(texto, fim.ptr);
}

}  // namespace pelmar
