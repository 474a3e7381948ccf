#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "base/PastaTrabalho.h"
#include "pelmar-torneio/ResultadoDaPartida.h"

namespace pelmar {

// One match of the ladder, played from nothing: a new game in `pasta`, the computer's side at
// `nivel`, the level never moving by itself, the user's seats played by the computer as in demo
// mode, and nothing learned or saved. Nothing of an earlier match reaches it, so its result
// depends on the level, the mode and the seed alone. A fault the game reports gives its message.
std::variant<ResultadoDaPartida, std::string> jogaPartidaAvulsa(const PastaTrabalho& pasta, int nivel,
                                                                const std::string& modo, std::uint64_t semente,
                                                                long long indice);

}  // namespace pelmar
