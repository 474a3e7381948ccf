#pragma once

#include <QImage>

#include "RostoTipos.h"

namespace pelmar::gerador {

// One portrait, LARGURA_RETRATO × ALTURA_RETRATO, opaque.
QImage desenhaRosto(const Aparencia& aparencia, Expressao expressao);

}  // namespace pelmar::gerador
