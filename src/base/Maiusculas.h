#pragma once

#include <string>
#include <string_view>

namespace pelmar {

// Upper case as the game's single-byte code page knows it, accented letters included; UTF-8 in
// and out, every other character kept as it is.
std::string maiusculas(std::string_view utf8);

}  // namespace pelmar
