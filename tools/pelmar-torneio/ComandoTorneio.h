#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "pelmar-torneio/ResumoDoNivel.h"

namespace pelmar {

// What the command needs from the program around it.
struct AmbienteDoTorneio {
    std::string dados;     // the folder of the bundled data files
    std::string programa;  // the program to start as each worker (pelmar-torneio itself)
    // Draws ladder.png; gives the error, if any.
    std::function<std::optional<std::string>(const std::vector<ResumoDoNivel>&, const std::string& modo,
                                             long long partidas, const std::filesystem::path& arquivo)>
        desenhaGrafico;
    bool mostraProgresso = false;  // the progress line, rewritten in place on `erro`
};

// The whole command line of pelmar-torneio; returns the exit code (0 done, 1 a file or a worker
// failed, 2 a usage error). A worker's command line runs the worker instead.
int comandoTorneio(const std::vector<std::string>& argumentos, const AmbienteDoTorneio& ambiente,
                   std::ostream& saida, std::ostream& erro);

}  // namespace pelmar
