#pragma once

namespace pelmar {

class Dificuldade;
class Partida;

// How a seat and a side stand: card pickers, hand and side strengths, and the side judgments
// the card choice, the personalities and the truco decisions lean on.
class AnaliseCartas {
public:
    AnaliseCartas(Partida& jogo, const Dificuldade& dificuldade) : j_(jogo), dificuldade_(dificuldade) {}

    int MENOR_CARTA(int jogador);
    int MAIOR_CARTA(int jogador);
    // 2 and the slot of a card of exactly `valor`, else 1 and slot 0.
    int CARTA_EMPATE(int jogador, int valor, int& slot);
    // 3 a card beats `valor`, 2 a card ties it, 1 neither (slot: the weakest card).
    int CARTA_GANHA_RODADA(int jogador, int valor, int& slot);
    bool TEM_CARTA(int jogador, int mascara);
    int SOMA_CARTAS(int jogador) const;
    int FORCA_JOGADOR(int jogador) const;
    int PONTOS_JOGADORES();
    int PONTOS_PARCEIRO();
    int CONTA_CARTAS_ACIMA(int valor) const;
    bool AVALIA_COMP();
    bool AVALIA_JOG();

    int SLOT_ACHADO = 0;
    int CONTADOR_AVALIA_COMP = 0;
    int CONTADOR_AVALIA_JOG = 0;

private:
    int forcaNoSlot(int jogador, int slot) const;
    int ajusteDaRodadaAtual(char lado) const;
    Partida& j_;
    const Dificuldade& dificuldade_;
};

}  // namespace pelmar
