#pragma once

#include <optional>
#include <string>

#include "players/NiveisDificuldade.h"

namespace pelmar {

class Historico;
class ModeloMesa;
struct Estatisticas;
struct Preferencias;

// An announcement for the table's message line, with its sound key (empty: silent).
struct AvisoDeNivel {
    std::string texto;
    std::string som;
};

// A level change after a boi: the level before and after, and what to announce, if anything.
// The preferences are to be saved whenever there is one.
struct MudancaAposBoi {
    int anterior = 0;
    int nova = 0;
    std::optional<AvisoDeNivel> aviso;
};

// The difficulty level in force (the preference DIFICULDADE), its parameters, and the change
// chosen by hand that waits for the next hand.
class Dificuldade {
public:
    Dificuldade(Preferencias& prefs, Historico& historico, ModeloMesa& mesa);

    ParametrosDificuldade parametros;
    int DIFICULDADE_NOVA = 0;
    bool MUDANCA_PENDENTE = false;

    int nivel() const;

    // Also settles any pending choice: the level it names has just been overwritten.
    void DEFINE_DIFICULDADE(int nivel);
    // The parameters window's track bar moved.
    void escolheNivel(int posicao);
    // At the start of a hand: puts a pending choice in force, then logs "DIFICULDADE=". Returns
    // the announcement of the change, which has no sound.
    std::optional<std::string> inicioDaMao();
    // After a boi won by side `lado` (1 the computer's, 2 the user's), with the statistics' boi
    // counters already counting it; `automatica` is the automatic level change option.
    std::optional<MudancaAposBoi> mudancaAposBoi(int lado, const Estatisticas& estatisticas, bool automatica);

private:
    void mostraNivel(const std::string& controle, int nivel);

    Preferencias& prefs_;
    Historico& historico_;
    ModeloMesa& mesa_;
};

}  // namespace pelmar
