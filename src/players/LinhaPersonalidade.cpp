#include "players/LinhaPersonalidade.h"

#include <utility>

namespace pelmar {

bool LinhaPersonalidade::operator==(const LinhaPersonalidade& o) const {
    return DISPONIVEL == o.DISPONIVEL && CHAVE == o.CHAVE && PERSONAGEM == o.PERSONAGEM &&
           CHANCE_SINAL.itens == o.CHANCE_SINAL.itens && CHANCE_SINAL_FALSO == o.CHANCE_SINAL_FALSO &&
           CHANCE_GESTO == o.CHANCE_GESTO && TEMPO_MINIMO == o.TEMPO_MINIMO && TEMPO_EXTRA == o.TEMPO_EXTRA &&
           CHANCE_FALA == o.CHANCE_FALA && SITUACOES.itens == o.SITUACOES.itens && TEXTO_FINAL == o.TEXTO_FINAL;
}

LinhaPersonalidade personalidadePadrao(std::string chave, std::string personagem) {
    constexpr int RARO = 1000;
    LinhaPersonalidade p;
    p.CHAVE = std::move(chave);
    p.PERSONAGEM = std::move(personagem);
    p.CHANCE_SINAL = {{5, 5, 5}};
    p.CHANCE_SINAL_FALSO = 10;
    p.CHANCE_GESTO = 20;
    p.TEMPO_MINIMO = 500;
    p.TEMPO_EXTRA = 1000;
    p.CHANCE_FALA = 50;
    for (SituacaoPersonalidade& s : p.SITUACOES) {
        s = {"", RARO, RARO, RARO, RARO, RARO, RARO, RARO, RARO, RARO};
    }
    return p;
}

}  // namespace pelmar
