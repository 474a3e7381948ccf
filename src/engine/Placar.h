#pragma once

namespace pelmar {

class Partida;

// The score display, the end of a match and the bois.
class Placar {
public:
    explicit Placar(Partida& jogo) : j_(jogo) {}

    void MOSTRA_PLACAR();
    void FIM_PARTIDA();
    void mostraPalitosDaMesa();
    void mostraFichas();
    // The score display of a game that is over: 0 to 0, no matchsticks, no chips. The bois stay.
    void apagaPlacar();
    // The twelve-to-nothing show of side 1 ('C') or 2 ('J'), award included.
    void dozeAZero(int lado);

private:
    void partidaGanha(int lado);
    void VERIFICA_BOI();

    Partida& j_;
};

}  // namespace pelmar
