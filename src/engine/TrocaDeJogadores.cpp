#include "engine/TrocaDeJogadores.h"

#include "base/AoSair.h"
#include "engine/Partida.h"

namespace pelmar {

void TrocaDeJogadores::TROCA_JOGADORES() {
    const int sorteios = MINIMO_DE_SORTEIOS + j_.random(SORTEIOS_A_MAIS);
    bool erroMostrado = false;
    // The faces are being replaced: none of them signals meanwhile, however the change ends.
    j_.sinais.pausa();
    AoSair retoma([this] { j_.sinais.retoma(); });
    for (int i = 0; i < sorteios; ++i) {
        if (i > 0 && j_.estado.PARAR) break;
        const SorteioDeJogadores sorteio = j_.bastidores.sorteiaPersonalidades();
        // Every draw reads the table again; its fault is the user's to see once, not per draw.
        if (sorteio.erro && !sorteio.repetido && !erroMostrado) {
            j_.tela.mostraErro(*sorteio.erro);
            erroMostrado = true;
        }
        j_.tela.redesenha();
        j_.anuncios.TOCA_SOM("IA-1", PAUSA_INICIAL_MS + PAUSA_A_MAIS_MS * i);
    }
}

}  // namespace pelmar
