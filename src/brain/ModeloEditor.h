#pragma once

#include <array>
#include <string>
#include <vector>

#include "brain/Regra.h"

namespace pelmar {

// The nine card pictures of the rule editor, in the order of CODIGO_CARTA.
enum FiguraCarta : int { FIG_1R, FIG_2R, FIG_3R, FIG_P1, FIG_P2, FIG_P3, FIG_J1, FIG_J2, FIG_J3, QTE_FIGURAS };

// Code of a card picture: its place in this text is the code, its letter the class it shows.
inline constexpr const char* LETRAS_DOS_CODIGOS = "?*PMA23OECZ";
inline constexpr int CODIGO_MAXIMO = 10;

// Everything the rule editor window shows, and the state it keeps between openings. The window
// draws this and nothing else; the tools write their report and the rule line here too.
struct ModeloEditor {
    std::vector<std::string> TEXT;
    std::string LINHA;
    std::string ARQUIVO_EDITOR = "P-NEURON.TXT";
    std::string NOME = "P-NEURON";

    int INDICE_REGRA = 1;
    std::array<int, QTE_FIGURAS> CODIGO_CARTA{};
    Regra REGRA_MEMORIZADA;
    // The rule the controls describe: what "Alterar" and "Acresentar" store. The editor keeps its
    // own, so a rule learned or read meanwhile does not change what the user sees in LINHA.
    Regra regraDeTrabalho;

    // The rule's controls: which radio button of each group is checked, and the check boxes.
    int rodada = 1;                 // INDICADOR_n_RODADA
    int posicao = 1;                // POSICAO_n
    char truco = 'S';               // hidden group: TRUCO_SEM, _BOM, _MAL, _QLQ
    int ponto = 1;                  // hidden group: PONTO_1 .. PONTO_12
    int acao = 1;                   // CARTA_1 .. CARTA_3, SEM_CAR for 0
    std::array<char, 3> resultado{'B', 'B', 'B'};  // Rn_BOM, _MAL, _EQU, _QLQ as B, M, E, *
    bool trucar = false;
    bool encobrir = false;

    // The search criteria.
    bool CK_PARCEIRO = false;
    bool CK_RESULTADOS = false;
    bool CK_CARTAS = false;
    bool CK_TRUCAR = false;

    // Labels.
    std::array<std::string, 3> STR_R{"???", "???", "???"};
    std::string INDEX = "000000";
    std::string MAX = "0000";
    std::string QTE = "1111";

    // The layout that follows the trick and the seat.
    std::array<bool, 3> grupoResultadoVisivel{true, false, false};
    std::array<bool, 3> cartaParceiroVisivel{true, true, true};
    std::array<bool, 3> cartaPropriaVisivel{true, true, true};
    std::array<bool, 3> escolhaVisivel{true, true, true};  // CARTA_1 .. CARTA_3
    std::array<int, 3> topoCartaPropria{40, 40, 40};       // a chosen own card stands raised

    char letraDaFigura(int figura) const { return LETRAS_DOS_CODIGOS[CODIGO_CARTA[static_cast<std::size_t>(figura)]]; }
};

}  // namespace pelmar
