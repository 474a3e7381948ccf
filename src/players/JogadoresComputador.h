#pragma once

#include "engine/Decisoes.h"
#include "players/AnaliseCartas.h"
#include "players/DecisoesTruco.h"
#include "players/EscolhaDeCarta.h"

namespace pelmar {

class Dificuldade;
class Inteligencia;
class Partida;
class Personalidades;

// The computer players of a game: what the table driver and the truco ladder ask of them.
class JogadoresComputador : public Decisoes {
public:
    JogadoresComputador(Partida& jogo, Inteligencia& ia, Dificuldade& dificuldade, Personalidades& personalidades);

    DecisaoJogada DECIDE_JOGADA(int jogador) override { return escolha.DECIDE_JOGADA(jogador); }
    DecisaoJogada JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) override {
        return escolha.JOGADA_ORDENADA(jogador, maior, encobrir);
    }
    bool computadorQuerTrucar(int, int valor, bool forcar) override { return truco.desejoDeTrucar(valor, forcar); }
    bool computadorAceita(int valor) override { return truco.aceita(valor); }
    bool computadorJogaMaoDeOnze() override { return truco.MAO_ONZE_COMPUTADOR(); }
    bool parceiroJogaMaoDeOnze() override { return truco.MAO_ONZE_PARCEIRO(); }
    bool GUARDA_CARTA(int jogador, bool& trucar, bool& encobrir) override {
        return escolha.GUARDA_CARTA(jogador, trucar, encobrir);
    }
    bool PEDE_PERMISSAO(bool desejo) override { return truco.PEDE_PERMISSAO(desejo); }
    void pseudoCerebro() override;
    void mostraSugestao() override;
    int tempoDePensarMs(int jogador) override;
    std::string estatisticaDeRegras(int jogador) override { return escolha.estatisticaDeRegras(jogador); }

    AnaliseCartas analise;
    EscolhaDeCarta escolha;
    DecisoesTruco truco;

private:
    Partida& j_;
    Personalidades& personalidades_;
};

}  // namespace pelmar
