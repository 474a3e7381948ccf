#include "records/Pontuacao.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

#include "records/RegistroEstatisticas.h"

namespace pelmar {

namespace {

constexpr std::int64_t MAIOR_CONTAGEM = 5000;
constexpr std::int64_t MAIOR_PARCIAL = 1000000;
constexpr int CARTAS_POR_PARCIAL = 999;
constexpr int CARTAS_MOSTRADAS_A_PARTIR = 900;

constexpr std::string_view PARCIAL = "TXT_PONTUACAO_PARCIAL";
constexpr std::string_view RECORDE = "TXT_PONTUACAO_RECORDE";
constexpr std::string_view QTE_CARTAS = "TXT_QTE_RODADAS";

// Counters of years of play, or read from a damaged file, stop at the largest integer.
int limitado(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void soma(int& contador, std::int64_t valor) { contador = limitado(std::int64_t{contador} + valor); }

std::string textoDasCartas(int cartas) { return std::to_string(cartas) + "/" + std::to_string(CARTAS_POR_PARCIAL); }

}  // namespace

Pontuacao::Pontuacao(const Preferencias& prefs, Estatisticas& estatisticas, ModeloMesa& mesa, ModeloPontos& janela,
                     Historico& historico, const PastaTrabalho& pasta, Espera espera, Anuncio anuncia)
    : prefs_(prefs), est_(estatisticas), mesa_(mesa), janela_(janela), historico_(historico), pasta_(pasta),
      espera_(std::move(espera)), anuncia_(std::move(anuncia)) {
    mesa_[PARCIAL].dica = "Pontuação atual da partida";
    mesa_[RECORDE].dica = "Pontuação Recorde";
    mesa_[QTE_CARTAS].dica = "Quantidade / Limite de Cartas jogadas na mesa";
}

void Pontuacao::PONTUA(std::string_view rotulo, int lado, int base) {
    const int nivel = prefs_.DIFICULDADE;
    if (nivel == 0) return;
    const int sinal = lado == 1 ? -1 : 1;
    Controle& parcial = mesa_[PARCIAL];
    parcial.cor = sinal < 0 ? Cor::Vermelho : Cor::Azul;
    const std::int64_t premio = std::int64_t{base} * nivel * sinal;
    const std::string valor = std::to_string(premio);
    if (anuncia_) anuncia_(rotulo.empty() ? "Pontos: " + valor : "BONUS( " + std::string(rotulo) + " ): " + valor);

    // Counted towards the award itself, so a negative base cannot run the count away from it.
    const std::int64_t passo = premio < 0 ? -1 : 1;
    for (std::int64_t contador = 0; contador != premio;) {
        contador += passo;
        parcial.texto = std::to_string(est_.PONTUACAO_PARCIAL + contador);
        if (contador % 3 == 0 && espera_) espera_(1);
        if (std::abs(contador) > MAIOR_CONTAGEM) return;
    }

    soma(est_.PONTUACAO_TOTAL, premio);
    const std::int64_t novo = std::int64_t{est_.PONTUACAO_PARCIAL} + premio;
    if (novo > est_.RECORDE) {
        mesa_[RECORDE].cor = Cor::Amarelo;
        est_.RECORDE = limitado(novo);
        if (anuncia_) anuncia_("Novo Record: " + std::to_string(est_.RECORDE));
    }
    if (std::abs(novo) <= MAIOR_PARCIAL) est_.PONTUACAO_PARCIAL = static_cast<int>(novo);
    parcial.cor = Cor::Preto;
    mostraPlacarDePontos();
}

void Pontuacao::CONTA_CARTA_JOGADA() {
    if (est_.CARTAS_JOGADAS >= CARTAS_POR_PARCIAL) {
        est_.PONTUACAO_PARCIAL = 0;
        est_.CARTAS_JOGADAS = 0;
        mesa_[PARCIAL].texto = "0";
    } else {
        ++est_.CARTAS_JOGADAS;
    }
    Controle& cartas = mesa_[QTE_CARTAS];
    cartas.visivel = est_.CARTAS_JOGADAS >= CARTAS_MOSTRADAS_A_PARTIR;
    cartas.texto = textoDasCartas(est_.CARTAS_JOGADAS);
    historico_.ESCREVE_HISTORICO(0, "Cartas " + textoDasCartas(est_.CARTAS_JOGADAS));
    SALVA_ESTATISTICAS();
}

void Pontuacao::MOSTRA_ESTATISTICAS() {
    recalculaRodadas();
    janela_.BOI_PRO = std::to_string(est_.BOIS_PRO);
    janela_.BOI_CONTRA = std::to_string(est_.BOIS_CONTRA);
    janela_.VITORIAS = std::to_string(est_.VITORIAS);
    janela_.DEROTAS = std::to_string(est_.DERROTAS);
    janela_.RODADAS_PRO = std::to_string(est_.RODADAS_PRO);
    janela_.RODADAS_CONTRA = std::to_string(est_.RODADAS_CONTRA);
    janela_.PONTOS_PRO = std::to_string(est_.PONTOS_PRO);
    janela_.PONTOS_CONTRA = std::to_string(est_.PONTOS_CONTRA);
    janela_.RODADAS = std::to_string(est_.RODADAS);
    janela_.PARTIDAS = std::to_string(est_.PARTIDAS);
    mostraPlacarDePontos();
    mesa_[QTE_CARTAS].texto = textoDasCartas(est_.CARTAS_JOGADAS);
}

void Pontuacao::LIMPA_ESTATISTICAS() {
    zeraEstatisticas(est_);
    SALVA_ESTATISTICAS();
    MOSTRA_ESTATISTICAS();
    mesa_[QTE_CARTAS].visivel = false;
    janela_.visivel = true;
}

void Pontuacao::SALVA_ESTATISTICAS() {
    if (naoGrava) return;
    auto erro = pelmar::SALVA_ESTATISTICAS(est_, pasta_);
    if (!erro) return;
    historico_.ESCREVE_HISTORICO(0, *erro);
    if (falhaAoSalvar_.empty()) falhaAoSalvar_ = *erro;
}

void Pontuacao::maoGanha(int lado, int valorDaMao) {
    if (lado == 1) {
        soma(est_.RODADAS_CONTRA, 1);
        soma(est_.PONTOS_CONTRA, valorDaMao);
    } else {
        soma(est_.RODADAS_PRO, 1);
        soma(est_.PONTOS_PRO, valorDaMao);
    }
    recalculaRodadas();
    PONTUA("", lado, valorDaMao);
}

void Pontuacao::partidaGanha(int lado, int pontosVencedor, int pontosPerdedor) {
    soma(est_.PARTIDAS, 1);
    soma(lado == 1 ? est_.DERROTAS : est_.VITORIAS, 1);
    PONTUA(lado == 1 ? "PARTIDA" : "RODADA", lado, 10);
    PONTUA("DIFERENÇA", lado, 3 * (pontosVencedor - pontosPerdedor));
}

void Pontuacao::boiGanho(int lado) {
    PONTUA("BOI", lado, 30);
    soma(lado == 1 ? est_.BOIS_CONTRA : est_.BOIS_PRO, 1);
    SALVA_ESTATISTICAS();
}

// Hands played: every scored hand has one winner.
void Pontuacao::recalculaRodadas() { est_.RODADAS = limitado(std::int64_t{est_.RODADAS_PRO} + est_.RODADAS_CONTRA); }

void Pontuacao::mostraPlacarDePontos() {
    mesa_[PARCIAL].texto = std::to_string(est_.PONTUACAO_PARCIAL);
    mesa_[RECORDE].texto = std::to_string(est_.RECORDE);
}

}  // namespace pelmar
