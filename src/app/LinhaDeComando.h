#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmar {

// What the command line asks of a run of the desktop game. It is read before the GUI exists,
// so help, version and usage errors need no display.
struct LinhaDeComando {
    std::optional<std::string> pasta;
    bool demo = false;
    bool rapido = false;
    std::optional<std::uint64_t> semente;
    // Start, report how long the table took to be ready, and leave.
    bool medeInicio = false;
    bool ajuda = false;
    bool versao = false;
    // Qt's own options (-platform, -style…), with their values, handed on to the application.
    std::vector<std::string> opcoesDoQt;
    std::string erro;  // not empty: the line could not be understood
};

LinhaDeComando leLinhaDeComando(const std::vector<std::string>& argumentos);

extern const char* const AJUDA_DA_LINHA_DE_COMANDO;

}  // namespace pelmar
