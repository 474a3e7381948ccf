#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "players/LinhaPersonalidade.h"

namespace pelmar {

// The rows of a personality table file and what was wrong with it. A faulty row is left out
// whole (a wrong number could turn a rare chance into "always"); a number past what the game can
// use (a think time beyond TEMPO_MAXIMO_MS, a chance beyond CHANCE_MAXIMA either way) is held to
// the nearest bound, which keeps its sense. Each note names the file and the line.
struct LeituraPersonalidades {
    std::vector<LinhaPersonalidade> linhas;  // file order, at most MAX_PERSONALIDADES
    std::vector<std::string> notas;
};

// Only lines whose first field is "OK" (any case) are rows; the rest are headers and comments.
LeituraPersonalidades leTabelaPersonalidades(const std::vector<std::string>& linhasDoArquivo,
                                             std::string_view nomeArquivo);

}  // namespace pelmar
