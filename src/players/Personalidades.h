#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/DeUm.h"
#include "players/LinhaPersonalidade.h"

namespace pelmar {

class Historico;
class ModeloMesa;
class PastaTrabalho;
class Pausa;
struct Preferencias;

// What a reading of the table found wrong. `erro` is for the user's error box; the notes are
// already in the history log. An unchanged file reports the same again, so `repetido` says the
// log was spared and the box need not show twice.
struct RelatorioPersonalidades {
    std::vector<std::string> notas;
    std::optional<std::string> erro;
    bool repetido = false;
};

// The personality table read from PERSONALIDADES.csv and the copy of a row each seat plays with.
class Personalidades {
public:
    Personalidades(Preferencias& prefs, Pausa& pausa, Historico& historico, const PastaTrabalho& pasta,
                   ModeloMesa& mesa);

    static constexpr const char* ARQUIVO = "PERSONALIDADES.csv";

    DeUm<LinhaPersonalidade, MAX_PERSONALIDADES> PERSONALIDADE{};
    int NR_PERSONALIDADES = 0;
    // Until a draw finds their rows, seats play the default personality under their own names.
    DeUm<LinhaPersonalidade, 4> PERSONALIDADE_JOGADOR{};
    // The seat's name found no row at the last draw: it plays the default personality, with the
    // character folder of its name when there is one (a character the player added), else with
    // the character it had.
    DeUm<bool, 4> SEM_LINHA_PROPRIA{{true, true, true, true}};

    // Reads the table again. A file that cannot be read, or holds no valid row, leaves the rows
    // of the last reading.
    RelatorioPersonalidades CARREGA_PERSONALIDADES();
    // Reads the table and gives every seat its row (names, copies, characters, name labels).
    RelatorioPersonalidades SORTEIA_PERSONALIDADES();

    // The nine chances of a seat's situation row 1..21, MAO first.
    std::array<int, 9> valoresDaSituacao(int jogador, int situacao) const {
        return PERSONALIDADE_JOGADOR[jogador].SITUACOES[situacao].valores();
    }

    // A computer seat's think pause: the table row numbered like the seat (the first row when
    // the table is shorter), minimum plus a random 0..extra-1 ms.
    int tempoDePensarMs(int jogador);
    // The row whose think times seat `jogador` uses.
    const LinhaPersonalidade& linhaDoTempo(int jogador) const;

private:
    void leArquivo();
    // Row number of a random available row; the first row when none is left, 0 for an empty table.
    int sorteiaDisponivel(int jogador, std::vector<std::string>& notas);
    void sorteiaNome(int jogador, std::vector<std::string>& notas);
    void copiaPelaChave(int jogador, bool marca);
    void reservaPelaChave(int jogador);
    // The rows a seat's name chooses: those whose key it is; failing any, the first whose
    // character it names. Empty when the table has no row for it.
    std::vector<int> linhasDoJogador(int jogador) const;
    RelatorioPersonalidades relata(std::vector<std::string> notas, std::optional<std::string> erro);

    Preferencias& prefs_;
    Pausa& pausa_;
    Historico& historico_;
    const PastaTrabalho& pasta_;
    ModeloMesa& mesa_;
    std::vector<std::string> ultimoRelato_;
    std::vector<std::string> notasDaLeitura_;
    std::optional<std::string> erroDaLeitura_;
};

}  // namespace pelmar
