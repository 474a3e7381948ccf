#pragma once

namespace pelmar {

class Jogo;

// The score display, the end of a match and the bois.
class Placar {
public:
    explicit Placar(Jogo& jogo) : j_(jogo) {}

    void MOSTRA_PLACAR();
    void FIM_PARTIDA();
    void mostraPalitosDaMesa();
    void mostraFichas();

private:
    void partidaGanha(int lado);
    void dozeAZero(int lado);
    void VERIFICA_BOI();

    Jogo& j_;
};

}  // namespace pelmar
