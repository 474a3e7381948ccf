#pragma once

#include <vector>

#include "pelmar-torneio/ResultadoDaPartida.h"

namespace pelmar {

// A proportion's 95 % Wilson score interval, within [0, 1]; [0, 1] when nothing was tried.
struct Intervalo {
    double inferior = 0;
    double superior = 1;
};
Intervalo intervaloDeWilson(long long sucessos, long long tentativas);

// Bois won by each side when the matches, in this order, are grouped as the game groups them:
// a side takes the boi with two matches more than the other, or with two of three. A boi still
// open after the last match counts for nobody.
struct Bois {
    long long computador = 0;
    long long usuario = 0;
};
Bois boisDaSequencia(const std::vector<int>& vencedores);

// One level of the ladder, summed over its matches.
struct ResumoDoNivel {
    int nivel = 0;
    long long partidas = 0;
    long long vitoriasCom = 0;
    long long vitoriasJog = 0;
    double taxaCom = 0;
    Intervalo intervalo;
    Bois bois;
    long long maos = 0;
    long long pontosCom = 0;
    long long pontosJog = 0;
    double pontosPorMao = 0;
    double maosPorSegundo = 0;  // of one worker playing this level; the one figure that varies
};

// `partidas` must hold this level's matches in index order.
ResumoDoNivel resumeNivel(int nivel, const std::vector<ResultadoDaPartida>& partidas);

}  // namespace pelmar
