#pragma once

#include <string>

#include "brain/ConsultaCerebro.h"
#include "engine/Decisoes.h"

namespace pelmar {

class Inteligencia;
class Partida;
class Personalidades;
class AnaliseCartas;

// Which card a computer seat plays, covered or not, and whether it wishes to call: the calculated
// choice, then the brain, the personality and, for the opponents, wrong plays at low levels.
class EscolhaDeCarta : public EscolhaCalculada {
public:
    EscolhaDeCarta(Partida& jogo, AnaliseCartas& analise, Inteligencia& ia, const Personalidades& personalidades)
        : j_(jogo), a_(analise), ia_(ia), personalidades_(personalidades) {}

    void ANALISA_CARTA(int jogador, int& slot, bool& trucar, bool& encobrir) override;
    void APLICA_PERSONALIDADE(int jogador, int rodada);
    DecisaoJogada DECIDE_JOGADA(int jogador);
    DecisaoJogada JOGADA_ORDENADA(int jogador, bool maior, bool encobrir);
    bool GUARDA_CARTA(int jogador, bool& trucar, bool& encobrir);

    struct Conselho {
        DecisaoJogada decisao;
        std::string texto;
    };
    Conselho CONSELHO(bool mostrar);

    bool TRUCAR_DECIDIDO = false;

    // Plays of seats 2..4 since the program started, and how many a brain rule decided.
    std::string estatisticaDeRegras(int jogador) const;

private:
    void regrasDoTrucoComCarta(int jogador, int b, int& slot, bool& trucar);
    void regrasDeEncobrir(int jogador, int b, int slot, bool& trucar, bool& encobrir);
    bool parceiroGanhando(int jogador) const;
    int forca(int jogador, int slot) const;

    Partida& j_;
    AnaliseCartas& a_;
    Inteligencia& ia_;
    const Personalidades& personalidades_;
    int jogadasDoComputador_ = 0;
    int jogadasPorRegra_ = 0;
    int ultimaRegra_ = 0;
};

}  // namespace pelmar
