#pragma once

#include "engine/Plataforma.h"

namespace pelmar {

class Partida;

// The table driver: whose card is awaited, the players' timer, the match loop.
class Turnos {
public:
    explicit Turnos(Partida& jogo);
    ~Turnos();
    Turnos(const Turnos&) = delete;
    Turnos& operator=(const Turnos&) = delete;

    void ESPERA_JOGADOR(int posicao);
    void antesDoUsuario();
    void antesDoParceiro();
    void depoisDoUsuario();
    void depoisDoParceiro();

    void COMPUTADOR_JOGA(int jogador);
    void PARCEIRO_JOGA(int jogador);
    void tickJogadores();
    void tickPisca();
    // "Sua vez" is up exactly while the user's card is awaited, lit when the turn begins; the
    // blink only changes how bright it is.
    void mostraSuaVez(bool vez);
    // The markers beside the seats: each seat's place in the trick, the seat holding the trick,
    // and `jogador`'s marker lit when `destaque`. A hand that is over, stopped or not yet dealt
    // shows none.
    void MOSTRA_VEZ(int jogador, bool destaque);
    void escondeVez();

    void NOVO_JOGO();
    void PARAR_JOGO();
    void LACO_PARTIDAS();
    // One pass of the match loop: the next dealer, one hand, the end-of-hand checks.
    void jogaUmaMao();

    // Every wait returns at once and the players act on a 1 ms timer.
    void mudaRapido(bool rapido);
    bool jogaSozinho(int jogador) const;

    Plataforma::IdTimer TEMPO_JOGADORES = -1;
    Plataforma::IdTimer PISCA = -1;

private:
    int slotValido(int jogador, int slot);
    // A stopped game leaves nothing of itself on the table: no turn, no stake, no score.
    void limpaMesaParada();
    Partida& j_;
    int ultimoDaVez_ = 0;
    int rodadaDaVez_ = 0;
};

}  // namespace pelmar
