#pragma once

#include <string>

namespace pelmar {

class Partida;

// Tricks and hands: every card reaches the table through JOGA_CARTA.
class Rodadas {
public:
    explicit Rodadas(Partida& jogo) : j_(jogo) {}

    void JOGA_MAO();
    void JOGA_CARTA(int jogador, int slot);
    void ORDEM_DA_RODADA();
    void FIM_RODADA();
    // Cards off the table at the end of a scored hand; lado 1 computer, 2 user.
    void RECOLHE_CARTAS(int ladoVencedor);
    // The top-manilha show of seat `dono` (1..4): its zap image, the taunt, the shakes.
    void mostraZap(int dono);

    // Side 1 ('C') or 2 ('J') that has won the hand from the trick results, else `atual`.
    static int ganhadorDaMao(char t1, char t2, char t3, int atual);

private:
    void marcaResultado();
    void registraCartaVista(int carta, int forca);
    void recalculaSituacao();
    void limpaRodada();
    void pontuaMao(int lado);
    void mostraFechamento();

    Partida& j_;
};

}  // namespace pelmar
