#pragma once

#include <string_view>

namespace pelmar {

class Partida;

// The truco ladder, the hand of eleven and the iron hand.
class Truco {
public:
    explicit Truco(Partida& jogo) : j_(jogo) {}

    void ATUALIZA_TRUCO();
    // A call of side 'J' by seat 1 or 3.
    void PEDE_TRUCO(int jogador, int valor);
    // The user's truco button or menu item; acts only while that button is shown.
    void botaoTruco(int valor);
    int PERGUNTA_TRUCO(int chamador, int valor);
    void RESPONDE(int valor);
    // A computer seat's call; `forcar` is its card decision's wish.
    void TRUCA(int valor, bool forcar);
    // The user runs; `peloBotao` for the "Fugir" button, which logs it.
    void FUGIR(bool peloBotao);
    void VERIFICA_ONZE();
    void decideMaoDeOnze();
    void refrescaBotoes();
    void escondeBotoes();
    bool TRUCO_NA_MAO_DE_ONZE();
    // The shout of a call in the truco information window, with the caller's voice.
    void mostraGrito(int jogador, int valor);

private:
    int chamadorDoComputador() const;

    Partida& j_;
};

}  // namespace pelmar
