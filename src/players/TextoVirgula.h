#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Maiusculas.h"

namespace pelmar {

// The first `maximo` characters (not bytes) of a UTF-8 text.
std::string primeirosCaracteres(std::string_view utf8, std::size_t maximo);

// A table line made uniform before it is split: ";" read as ",", trimmed, upper case.
std::string normalizaLinhaTabela(std::string_view linha);

// Comma text: fields end at a comma or at blanks outside double quotes (blanks around a comma
// are one separator); a quoted field keeps its blanks and commas, and "" inside it is one quote.
// Two commas in a row, or a comma at either end, give an empty field.
std::vector<std::string> separaTextoVirgula(std::string_view linha);

}  // namespace pelmar
