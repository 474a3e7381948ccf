#pragma once

#include <optional>
#include <string>

namespace pelmar {

// What one match of the ladder gave: who won (1 the computer's side, 2 the user's), how many hands
// it took, the points each side scored, and how long it took to play (microseconds).
struct ResultadoDaPartida {
    int nivel = 0;
    long long indice = 0;
    int vencedor = 0;
    int maos = 0;
    int pontosCom = 0;
    int pontosJog = 0;
    long long microssegundos = 0;

    bool operator==(const ResultadoDaPartida&) const = default;
};

// One line of a worker's report, and back; a line that is not exactly one result gives nothing.
std::string linhaDoResultado(const ResultadoDaPartida& r);
std::optional<ResultadoDaPartida> resultadoDaLinha(const std::string& linha);

}  // namespace pelmar
