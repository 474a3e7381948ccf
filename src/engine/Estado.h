#pragma once

#include <array>

#include "engine/DeUm.h"
#include "engine/OrdensDoParceiro.h"

namespace pelmar {

inline constexpr int JOGADORES_NA_MESA = 4;

// Card slot of a hand. A card is in hand exactly when FORCA is non-zero.
struct SlotCarta {
    bool JOGADA = false;
    int CARTA = 0;
    int FORCA = 0;
    int POSICAO = 0;  // 1 strongest .. 3 weakest
};

struct RegistroJogador {
    char TIME = 'J';
    int PARCEIRO = 0;
    bool PODE_JOGAR = false;
    bool OCUPADO = false;
    int VALOR_JOGADO = 0;
    int ORDEM = 0;
    int SITUACAO = 0;
    DeUm<int, 3> CARTA_JOGADA{};
    DeUm<SlotCarta, 3> CARTAS{};
    DeUm<int, 3> ORDEM_CARTAS{};
};

struct DadosRodada {
    char RESULTADO = ' ';
    int MAIOR_VALOR = 0;
    int GANHADOR = 0;
};

// Seen-card flags per suit, in the order PAUS, COPAS, ESPADA, OUROS.
using FlagsNaipe = std::array<bool, 4>;

// The whole shared state of the game, as every rule reads and writes it.
struct EstadoJogo {
    DeUm<RegistroJogador, 4> JOGADORES{};
    DeUm<DadosRodada, 3> DADOS_RODADAS{};

    int PONTOS_JOG = 0;
    int PONTOS_COM = 0;
    int PARTIDAS_NO_BOI = 0;
    int PARTIDAS_JOG = 0;
    int PARTIDAS_COM = 0;
    int BOIS_JOG = 0;
    int BOIS_COM = 0;

    int DISTRIBUIDOR = 3;
    int JOGADOR_MAO = 4;
    int VIRA = 0;

    int VALOR_TRUCO = 0;
    int ESTADO_TRUCO = 0;
    int PODE_TRUCAR = 0;
    bool JOG_PODE_TRUCAR = false;
    bool COM_PODE_TRUCAR = false;
    bool MAO_DE_ONZE = false;
    bool MAO_ONZE_DECIDIDA = false;
    int GANHADOR_MAO = 0;  // 0 undecided, 1 side 'C', 2 side 'J'
    int MOTIVO_FECHOU = 0;
    int JOGADOR_FECHOU = 0;
    bool TRUCO_VALENDO = false;
    int TRUCOS_SEGUIDOS = 0;

    int RODADA = 1;
    int CARTAS_NA_MESA = 0;
    int JOGADOR_DA_VEZ = 0;
    int ULTIMO_DA_RODADA = 0;
    int GANHADOR_RODADA = 0;
    int LIDER_RODADA = 0;
    char TIME_GANHADOR_RODADA = '=';
    int MAIOR_VALOR_RODADA = 0;
    char RESULTADO_RODADA_ATUAL = ' ';
    DeUm<char, 3> RESULTADO_RODADA{{' ', ' ', ' '}};

    std::array<int, 16> CARTAS_QUE_SAIRAM{};
    FlagsNaipe MANILHAS_SAIRAM{};
    FlagsNaipe MANILHAS_SAIRAM_ANTES{};
    FlagsNaipe TRES_SAIRAM{};
    FlagsNaipe DOIS_SAIRAM{};
    FlagsNaipe ASES_SAIRAM{};

    int QTE_ROUBOS = 0;
    int QTE_ESPIADAS = 0;

    bool PARAR = true;
    bool JOGO_EM_ANDAMENTO = false;
};

// Switches of the run that are never saved.
struct ChavesDaSessao {
    bool MODO_DEMO = false;
    bool SEM_ESPERA = false;
    bool ADV_MOSTRA_CARTAS = false;
    bool PAR_MOSTRA_CARTAS = false;
    bool MOSTRA_CARTAS_FINAL = false;
    bool MOSTRA_SUGESTAO = false;
    bool SUGESTAO_PENDENTE = false;
    bool MUDANCA_NIVEL_AUTOMATICA = true;
    bool MOSTRA_CARTAS_SAIRAM = true;  // the "Manilhas Sairam" box, where the level allows it
    bool J3_PAUSADO = false;
    OrdensDoParceiro ORDENS_J3;  // the user's orders for the partner's next play
    bool MODO_DEBUG = false;  // dealt cards stay face up
    bool naoGravaPreferencias = false;  // a run whose level and mode are its own
};

inline char timeDoJogador(int jogador) { return (jogador == 1 || jogador == 3) ? 'J' : 'C'; }
inline int proximoJogador(int jogador) { return jogador % 4 + 1; }

// The player at position 1..4 of the current trick; 0 when no order is set.
inline int jogadorNaPosicao(const EstadoJogo& estado, int ordem) {
    for (int p = 1; p <= JOGADORES_NA_MESA; ++p)
        if (estado.JOGADORES[p].ORDEM == ordem) return p;
    return 0;
}

}  // namespace pelmar
