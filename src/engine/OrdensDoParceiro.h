#pragma once

namespace pelmar {

class Partida;

// What the user told the partner to do on its next play. "Jogar" and "Truco" are two separate
// choices; each excludes the others of its own group.
enum class OrdemDeJogar { Sozinho, MaiorCarta, MenorCarta, EncobrirMaior, EncobrirMenor };
enum class OrdemDeTruco { PedeTruco, TrucaSozinho, FicarQuieto };

struct OrdensDoParceiro {
    bool J3_DECIDE_SOZINHO = true;
    bool J3_FORCA_MAIOR = false;
    bool J3_FORCA_MENOR = false;
    bool J3_FORCA_ENCOBRIR = false;
    bool J3_FORCA_TRUCAR = false;
    bool J3_FORCA_NAO_TRUCAR = false;

    OrdemDeJogar jogar() const;
    OrdemDeTruco truco() const;
};

// Each sets its group's flags, logs the order and writes its label beside the partner.
void ordenaJogar(Partida& jogo, OrdemDeJogar ordem);
void ordenaTruco(Partida& jogo, OrdemDeTruco ordem);
// An order lasts one play: back to "Joga sozinho" and "Truca sozinho", labels cleared.
void soltaOrdens(Partida& jogo);

}  // namespace pelmar
