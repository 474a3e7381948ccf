#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "pelmar-torneio/ResultadoDaPartida.h"
#include "pelmar-torneio/Trabalhador.h"

namespace pelmar {

struct ResultadosDoTorneio {
    // Per level, in the order of the run's levels, the matches in index order.
    std::vector<std::vector<ResultadoDaPartida>> porNivel;
    std::vector<double> picoMbPorTrabalhador;  // peak resident memory of each worker process
};

// Starts one worker process of `programa` per task and gathers their results through pipes,
// calling `aoChegar` with the count of matches done after each one. Every match of every level
// must come back exactly once, from the worker it was given to; any other ending (a worker that
// fails, dies, or reports something else) gives the message of what went wrong.
std::variant<ResultadosDoTorneio, std::string> rodaTrabalhadores(const std::string& programa,
                                                                 const std::vector<Tarefa>& tarefas,
                                                                 const std::function<void(long long)>& aoChegar);

}  // namespace pelmar
