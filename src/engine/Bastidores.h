#pragma once

#include <optional>
#include <string>

#include "engine/DeUm.h"

namespace pelmar {

// An announcement with its sound.
struct AvisoFalado {
    std::string texto;
    std::string som;
};

// The level moved after a boi; the announcement to make, when there is one.
struct MudancaDeNivel {
    std::optional<AvisoFalado> aviso;
};

// A draw of the seats' personalities: a fault the user should see once, if any.
struct SorteioDeJogadores {
    std::optional<std::string> erro;
    bool repetido = false;  // the same fault as the previous draw
};

// How often a seat's face signals: Chance denominators from its personality.
struct ChancesDeSinal {
    DeUm<int, 3> verdadeiro{};  // true signals, per trick
    int falso = 0;              // the opponents' false signals
    int gesto = 0;              // the meaningless gesture
};

// What the rules ask, at their own moments, of the subsystems above them: the brain, the level,
// the personalities, the records. The game composes them; a table with nothing above (a test of
// the rules alone) gets these answers.
class Bastidores {
public:
    virtual ~Bastidores() = default;

    // A match starts (the first of the run loads the playing brain).
    virtual void comecoDePartida() {}
    // A hand starts: a level change chosen meanwhile takes effect; the text to announce.
    virtual std::optional<std::string> comecoDaMao() { return std::nullopt; }
    // A side (1 computer, 2 user) won a boi: the level may move.
    virtual std::optional<MudancaDeNivel> depoisDoBoi(int /*lado*/) { return std::nullopt; }
    virtual void gravaPreferencias() {}
    virtual SorteioDeJogadores sorteiaPersonalidades() { return {}; }
    // How often seat 1..4 talks: a Chance denominator.
    virtual int chanceDeFala(int /*jogador*/) { return 0; }
    // Seat 1..4's signal chances; a seat with none never signals.
    virtual std::optional<ChancesDeSinal> chancesDeSinal(int /*jogador*/) { return std::nullopt; }
    // The snapshot every dealt hand leaves for debugging; the error, if any.
    virtual std::optional<std::string> gravaSnapshotDaMao() { return std::nullopt; }
    // A deal loaded to be repeated: the vira and the cards it gives, when one is in force.
    virtual std::optional<int> viraPreparada() { return std::nullopt; }
    virtual std::optional<int> cartaPreparada(int /*jogador*/, int /*slot*/) { return std::nullopt; }
};

}  // namespace pelmar
