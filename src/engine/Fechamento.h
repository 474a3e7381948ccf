#pragma once

namespace pelmar {

struct ContextoDaMesa;

// The early ends of a hand: a side that can no longer lose.
class Fechamento {
public:
    explicit Fechamento(ContextoDaMesa& contexto) : j_(contexto) {}

    // Side 'J' is sure to win (codes 2, 3, 6, 7).
    bool COMPUTADOR_JA_PERDEU();
    // Side 'C' is sure to win (codes 4, 5).
    bool JOGADOR_JA_PERDEU();
    // The player whose position equals the card being played.
    int jogadorPrestesAJogar() const;

private:
    bool fecha(int codigo, int numeroLog, bool computadorPerdeu, bool porManilha);

    ContextoDaMesa& j_;
};

}  // namespace pelmar
