#include "engine/OrdenaMao.h"

namespace pelmar {

void ORDENA_MAO(RegistroJogador& jogador) {
    DeUm<int, 3> copia{};
    for (int s = 1; s <= 3; ++s) copia[s] = jogador.CARTAS[s].FORCA;
    for (int ordem = 1; ordem <= 3; ++ordem) {
        int escolhido = 1;
        for (int s = 2; s <= 3; ++s)
            if (copia[s] >= copia[escolhido]) escolhido = s;  // a later slot wins a tie
        jogador.CARTAS[escolhido].POSICAO = ordem;
        jogador.ORDEM_CARTAS[ordem] = escolhido;
        copia[escolhido] = -1;
    }
}

}  // namespace pelmar
