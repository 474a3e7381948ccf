#include "players/JogadoresComputador.h"

#include "engine/Jogo.h"

namespace pelmar {

JogadoresComputador::JogadoresComputador(Jogo& jogo)
    : analise(jogo), escolha(jogo, analise), truco(jogo, analise), j_(jogo) {}

void JogadoresComputador::pseudoCerebro() {
    truco.PSEUDO_CEREBRO_3();
    truco.PSEUDO_CEREBRO_6();
    truco.PSEUDO_CEREBRO_9();
}

int JogadoresComputador::tempoDePensarMs(int jogador) { return j_.personalidades.tempoDePensarMs(jogador); }

}  // namespace pelmar
