#pragma once

#include <string_view>

#include "RostoTipos.h"

namespace pelmar::gerador {

// The look of the character of that name; throws std::runtime_error when none is drawn for it.
const Aparencia& aparenciaDe(std::string_view nome);

}  // namespace pelmar::gerador
