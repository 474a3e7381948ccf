#pragma once

#include <string>
#include <vector>

#include "pelmar-torneio/ResumoDoNivel.h"

namespace pelmar {

// ladder.csv: a header and one line per level. It holds only what the seed decides, never a
// timing, so the same seed gives the same bytes with any number of workers.
std::string planilhaDaEscada(const std::string& modo, unsigned long long semente,
                             const std::vector<ResumoDoNivel>& niveis);

// The table printed at the end of a run, hands per second included.
std::string tabelaDaEscada(const std::vector<ResumoDoNivel>& niveis);

}  // namespace pelmar
