#pragma once

namespace pelmar {

class Dificuldade;
class Inteligencia;
class Partida;
class AnaliseCartas;

// Every truco decision of the computer: the opponents' calls, the answers to the user's side,
// the hands of eleven, and the partner's own calls when no rule covered its turn.
class DecisoesTruco {
public:
    DecisoesTruco(Partida& jogo, AnaliseCartas& analise, Inteligencia& ia, const Dificuldade& dificuldade)
        : j_(jogo), a_(analise), ia_(ia), dificuldade_(dificuldade) {}

    static constexpr int MAX_TRUCOS_SEGUIDOS = 5;
    static constexpr int PSEUDO_CHANCE_3 = 20, PSEUDO_CHANCE_6 = 50, PSEUDO_CHANCE_9 = 70;
    bool FORCA_COMPUTADOR_TRUCAR = false;

    // The wish of an opponent to call at this stake (3, 6, 9 or 12).
    bool desejoDeTrucar(int valor, bool forcar);
    // The computer side's answer to a call of the user's side at this stake.
    bool aceita(int valor);
    bool MAO_ONZE_COMPUTADOR();
    bool MAO_ONZE_PARCEIRO();

    bool PEDE_PERMISSAO(bool desejo);
    void PSEUDO_CEREBRO_3();
    void PSEUDO_CEREBRO_6();
    void PSEUDO_CEREBRO_9();

    void TRUCA_ALEATORIO(bool& desejo, int valor);
    void TRUCA_POR_PONTOS(bool& desejo);
    void ACEITA_POR_PONTOS(bool& desejo);
    void TRUCA_POR_DEDUCAO(bool& desejo);
    bool IA_ACEITA(int jogador);

private:
    // The strength test of the answer at this stake, on the computer side's strength s.
    bool cartasParaAceitar(int valor, int s) const;
    void blefe(bool& desejo, int chanceRoubar, int segundaChance, const char* texto);
    void pseudoSeisOuNove(int valorAtual, int chanceAntepe, int limiteAntepeFinal, int chanceAleatoria, int valor);
    void pseudoTrucaSeQuiser(bool desejo, int chanceAleatoria, int valor);
    Partida& j_;
    AnaliseCartas& a_;
    Inteligencia& ia_;
    const Dificuldade& dificuldade_;
};

}  // namespace pelmar
