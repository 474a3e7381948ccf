#include "players/JogadoresComputador.h"

#include "brain/Inteligencia.h"
#include "engine/Partida.h"
#include "players/Dificuldade.h"
#include "players/Personalidades.h"

namespace pelmar {

JogadoresComputador::JogadoresComputador(Partida& jogo, Inteligencia& ia, Dificuldade& dificuldade,
                                         Personalidades& personalidades)
    : analise(jogo, dificuldade),
      escolha(jogo, analise, ia, personalidades),
      truco(jogo, analise, ia, dificuldade),
      j_(jogo),
      personalidades_(personalidades) {}

void JogadoresComputador::pseudoCerebro() {
    truco.PSEUDO_CEREBRO_3();
    truco.PSEUDO_CEREBRO_6();
    truco.PSEUDO_CEREBRO_9();
}

void JogadoresComputador::mostraSugestao() {
    const DecisaoJogada d = escolha.CONSELHO(false).decisao;
    ModeloMesa& m = j_.mesa;
    m["strNR_REGRA"].visivel = true;
    for (int s = 1; s <= 3; ++s) {
        Controle& marca = m["imgSUJESTAO_" + std::to_string(s)];
        marca.visivel = s == d.slot;
        marca.dica = "Jogar esta CARTA";
    }
    m["imgSUJESTAO_TRUCAR"].visivel = d.trucar;
    m["imgSUJESTAO_ENCOBRIR"].visivel = d.encobrir;
}

int JogadoresComputador::tempoDePensarMs(int jogador) { return personalidades_.tempoDePensarMs(jogador); }

}  // namespace pelmar
