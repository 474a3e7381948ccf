#pragma once

namespace pelmar {

class Jogo;

// The early ends of a hand: a side that can no longer lose.
class Fechamento {
public:
    explicit Fechamento(Jogo& jogo) : j_(jogo) {}

    // Side 'J' is sure to win (codes 2, 3, 6, 7).
    bool COMPUTADOR_JA_PERDEU();
    // Side 'C' is sure to win (codes 4, 5).
    bool JOGADOR_JA_PERDEU();
    // The player whose position equals the card being played.
    int jogadorPrestesAJogar() const;

private:
    bool fecha(int codigo, int numeroLog, bool computadorPerdeu, bool porManilha);

    Jogo& j_;
};

}  // namespace pelmar
