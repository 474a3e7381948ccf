#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace pelmar {

// The share of a run one worker process plays: at every level, the matches whose index leaves
// `parte` when divided by `de`.
struct Tarefa {
    std::filesystem::path pasta;  // the worker's own working folder, ready to play in
    std::vector<int> niveis;
    long long partidas = 0;
    std::string modo;
    std::uint64_t semente = 0;
    int parte = 0;
    int de = 1;
};

// The command line that starts a worker on `tarefa`, after the program's name, and back.
std::vector<std::string> argumentosDoTrabalhador(const Tarefa& tarefa);
bool ehTrabalhador(const std::vector<std::string>& argumentos);

// Runs a worker: one result line per match on `saida` (ResultadoDaPartida), then "fim". A fault
// goes to `erro` and gives 1; a bad command line gives 2.
int trabalha(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erro);

constexpr const char* FIM_DO_TRABALHADOR = "fim";

}  // namespace pelmar
