#pragma once

#include <string_view>

#include "engine/Decisoes.h"

namespace pelmar {

class Inteligencia;

// Watching the user: every decision of seat 1 becomes a rule in the learning log, and joining
// folds that log into the learned rules.
class Aprendizado {
public:
    explicit Aprendizado(Inteligencia& ia) : ia_(ia) {}

    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta);
    // Joins P-LEARN.TXT into P-NEURON.TXT, folding repeated rules as they are read. Refuses,
    // touching neither file, when the distinct rules do not fit in the table or a line is not a
    // rule. A join stopped half way is finished or undone first (see JuncaoPendente).
    bool COMPILA_CEREBRO();
    bool LIMPA_REPETIDOS(std::string_view arquivo);
    bool ORDENA_REGRAS(std::string_view arquivo);

private:
    bool terminaJuncaoAnterior();

    Inteligencia& ia_;
};

// Lets the engine's card plays and truco calls reach the learner.
class GanchosDeAprendizado : public Ganchos {
public:
    explicit GanchosDeAprendizado(Aprendizado& aprendizado) : aprendizado_(aprendizado) {}
    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        aprendizado_.APRENDE_REGRA(jogador, slot, valor, encoberta);
    }

private:
    Aprendizado& aprendizado_;
};

}  // namespace pelmar
