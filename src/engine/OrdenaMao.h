#pragma once

#include "engine/Estado.h"

namespace pelmar {

// Ranks a hand strongest first into POSICAO and ORDEM_CARTAS; played slots count as they stand.
void ORDENA_MAO(RegistroJogador& jogador);

}  // namespace pelmar
