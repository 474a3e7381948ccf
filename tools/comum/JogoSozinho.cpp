#include "comum/JogoSozinho.h"

#include "jogo/Jogo.h"

namespace pelmar {

bool modoDeBaralhoValido(const std::string& modo) {
    return modo == "paulista" || modo == "limpo" || modo == "tradicional";
}

void preparaJogoSozinho(Jogo& jogo, const AjustesDoJogoSozinho& ajustes) {
    jogo.chaves.naoGravaPreferencias = true;
    jogo.INICIALIZA_TUDO();
    if (ajustes.dificuldade) jogo.dificuldade.DEFINE_DIFICULDADE(*ajustes.dificuldade);
    if (ajustes.modo) {
        jogo.prefs.MODO_TRADICIONAL = *ajustes.modo == "tradicional";
        jogo.prefs.BARALHO_LIMPO = *ajustes.modo == "limpo";
    }
    jogo.chaves.MUDANCA_NIVEL_AUTOMATICA = ajustes.mudancaDeNivelAutomatica;
    jogo.chaves.MODO_DEMO = true;
    jogo.prefs.J1_JOGA_SOZINHO = true;
    jogo.prefs.J3_JOGA_SOZINHO = true;
    jogo.chaves.SEM_ESPERA = true;
}

}  // namespace pelmar
