#pragma once

#include <optional>
#include <string>

namespace pelmar {

class Jogo;

// How a run that plays by itself sets the table, for this run only.
struct AjustesDoJogoSozinho {
    std::optional<int> dificuldade;   // the level in force; the stored one when absent
    std::optional<std::string> modo;  // "paulista", "limpo" or "tradicional"; the stored one when absent
    bool mudancaDeNivelAutomatica = true;
};

bool modoDeBaralhoValido(const std::string& modo);

// Loads the game as it starts up and sets it to play by itself, without waits: the user's two
// seats played by the computer as in demo mode. The level and mode are this run's and are never
// saved as the user's preferences.
void preparaJogoSozinho(Jogo& jogo, const AjustesDoJogoSozinho& ajustes);

}  // namespace pelmar
