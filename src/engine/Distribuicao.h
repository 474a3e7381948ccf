#pragma once

namespace pelmar {

class Partida;

// Shuffle, cut and deal, and the card tricks of the first trick.
class Distribuicao {
public:
    explicit Distribuicao(Partida& jogo) : j_(jogo) {}

    // A card from the pile, or 0 when the pile holds no card that may be drawn.
    int TIRA_CARTA();
    void DA_CARTA(int jogador, int slot);
    void NOVA_MAO_MESA();
    void INICIA_MAO();
    // Menu items 1..6 of "Roubar uma Carta do Masso" and of "Abrir uma Carta".
    bool ROUBA_CARTA(int item);
    bool ESPIA_CARTA(int item);
    // "Mostrar Cartas" on the portrait of seat 2, 3 or 4.
    void MOSTRA_CARTAS(int jogador);
    // The user's three hand hints and the vira's.
    void atualizaDicas();

    bool maoPronta = false;

private:
    bool existeCartaElegivel() const;
    void animacaoNormal();
    void animacaoMaoDeOnze();
    void revelaPorDificuldade();
    void mostraVira();
    void faceParaBaixo(int jogador, int slot);

    Partida& j_;
};

}  // namespace pelmar
