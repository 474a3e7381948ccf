#include "engine/Fechamento.h"

#include <string>

#include "engine/ContextoDaMesa.h"

namespace pelmar {

int Fechamento::jogadorPrestesAJogar() const { return jogadorNaPosicao(j_.estado, j_.estado.CARTAS_NA_MESA); }

bool Fechamento::fecha(int codigo, int numeroLog, bool computadorPerdeu, bool porManilha) {
    EstadoJogo& e = j_.estado;
    e.MOTIVO_FECHOU = codigo;
    if (porManilha) e.JOGADOR_FECHOU = e.GANHADOR_RODADA;
    j_.log(0, std::string(computadorPerdeu ? "COMPUPADOR JÁ PERDEU RODADA - NR:" : "JOGADOR JÁ PERDEU RODADA - NR:") +
                  std::to_string(numeroLog));
    return true;
}

bool Fechamento::COMPUTADOR_JA_PERDEU() {
    const EstadoJogo& e = j_.estado;
    const int lider = e.GANHADOR_RODADA;
    const bool zapDoJogador =
        e.TIME_GANHADOR_RODADA == 'J' && e.MAIOR_VALOR_RODADA >= naipe::PAUS && (lider == 1 || lider == 3);
    const char r1 = e.RESULTADO_RODADA[1];
    if (e.RODADA == 2 && (r1 == 'J' || r1 == 'E') && zapDoJogador) return fecha(2, 1, true, true);
    if (e.RODADA == 3 && zapDoJogador) return fecha(3, 0, true, true);

    const int prestes = jogadorPrestesAJogar();
    const bool ultimoDoJogador = (prestes == 1 || prestes == 3) && prestes == e.ULTIMO_DA_RODADA;
    const bool jogadorLidera = e.RESULTADO_RODADA_ATUAL == 'J' && e.TIME_GANHADOR_RODADA == 'J';
    if (e.RODADA == 2 && r1 == 'J' && ultimoDoJogador && jogadorLidera) return fecha(6, 4, true, false);
    if (e.RODADA == 3 && ultimoDoJogador && jogadorLidera) return fecha(7, 3, true, false);
    return false;
}

bool Fechamento::JOGADOR_JA_PERDEU() {
    const EstadoJogo& e = j_.estado;
    const int lider = e.GANHADOR_RODADA;
    const bool zapDoComputador =
        e.TIME_GANHADOR_RODADA == 'C' && e.MAIOR_VALOR_RODADA >= naipe::PAUS && (lider == 2 || lider == 4);
    const char r1 = e.RESULTADO_RODADA[1];
    if (e.RODADA == 2 && (r1 == 'C' || r1 == 'E') && zapDoComputador) return fecha(4, 1, false, true);
    if (e.RODADA == 3 && zapDoComputador) return fecha(5, 2, false, true);
    return false;
}

}  // namespace pelmar
