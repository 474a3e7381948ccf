#include "jogo/BastidoresDoJogo.h"

#include "jogo/Jogo.h"

namespace pelmar {

void BastidoresDoJogo::comecoDePartida() { jogo_.ia.aoComecarPartida(); }

std::optional<std::string> BastidoresDoJogo::comecoDaMao() { return jogo_.dificuldade.inicioDaMao(); }

std::optional<MudancaDeNivel> BastidoresDoJogo::depoisDoBoi(int lado) {
    const auto mudanca =
        jogo_.dificuldade.mudancaAposBoi(lado, jogo_.estatisticas, jogo_.chaves.MUDANCA_NIVEL_AUTOMATICA);
    if (!mudanca) return std::nullopt;
    MudancaDeNivel nivel;
    if (mudanca->aviso) nivel.aviso = AvisoFalado{mudanca->aviso->texto, mudanca->aviso->som};
    return nivel;
}

void BastidoresDoJogo::gravaPreferencias() { jogo_.gravaPreferencias(); }

SorteioDeJogadores BastidoresDoJogo::sorteiaPersonalidades() {
    const auto sorteio = jogo_.personalidades.SORTEIA_PERSONALIDADES();
    return SorteioDeJogadores{sorteio.erro, sorteio.repetido};
}

int BastidoresDoJogo::chanceDeFala(int jogador) {
    return jogo_.personalidades.PERSONALIDADE_JOGADOR[jogador].CHANCE_FALA;
}

std::optional<ChancesDeSinal> BastidoresDoJogo::chancesDeSinal(int jogador) {
    const LinhaPersonalidade& linha = jogo_.personalidades.PERSONALIDADE_JOGADOR[jogador];
    return ChancesDeSinal{linha.CHANCE_SINAL, linha.CHANCE_SINAL_FALSO, linha.CHANCE_GESTO};
}

std::optional<std::string> BastidoresDoJogo::gravaSnapshotDaMao() {
    return jogo_.debug.GRAVA_DEBUG(true, jogo_.pasta, jogo_.baralho, jogo_.estado);
}

std::optional<int> BastidoresDoJogo::viraPreparada() {
    if (!jogo_.debug.DEBUG_DISTRIBUICAO) return std::nullopt;
    return jogo_.debug.MESA_DEBUG.vira;
}

std::optional<int> BastidoresDoJogo::cartaPreparada(int jogador, int slot) {
    if (!jogo_.debug.DEBUG_DISTRIBUICAO) return std::nullopt;
    return jogo_.debug.MESA_DEBUG.cartas[jogador][slot];
}

}  // namespace pelmar
