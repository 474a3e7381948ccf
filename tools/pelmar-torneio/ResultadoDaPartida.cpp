#include "pelmar-torneio/ResultadoDaPartida.h"

#include <sstream>
#include <vector>

#include "base/Inteiros.h"

namespace pelmar {

namespace {
constexpr const char* MARCA = "partida";
}

std::string linhaDoResultado(const ResultadoDaPartida& r) {
    return std::string(MARCA) + " " + std::to_string(r.nivel) + " " + std::to_string(r.indice) + " " +
           std::to_string(r.vencedor) + " " + std::to_string(r.maos) + " " + std::to_string(r.pontosCom) + " " +
           std::to_string(r.pontosJog) + " " + std::to_string(r.microssegundos);
}

std::optional<ResultadoDaPartida> resultadoDaLinha(const std::string& linha) {
    std::istringstream campos(linha);
    std::vector<std::string> partes;
    for (std::string p; campos >> p;) partes.push_back(p);
    if (partes.size() != 8 || partes[0] != MARCA) return std::nullopt;
    std::vector<long long> n;
    for (std::size_t i = 1; i < partes.size(); ++i) {
        const auto v = inteiroDe<long long>(partes[i]);
        if (!v || *v < 0) return std::nullopt;
        n.push_back(*v);
    }
    // A match is won by one side, in at least one hand, and ends at 12 or more points.
    if (n[0] > 10 || (n[2] != 1 && n[2] != 2) || n[3] < 1 || n[3] > 1000000 || n[4] > 1000000 || n[5] > 1000000)
        return std::nullopt;
    ResultadoDaPartida r;
    r.nivel = static_cast<int>(n[0]);
    r.indice = n[1];
    r.vencedor = static_cast<int>(n[2]);
    r.maos = static_cast<int>(n[3]);
    r.pontosCom = static_cast<int>(n[4]);
    r.pontosJog = static_cast<int>(n[5]);
    r.microssegundos = n[6];
    return r;
}

}  // namespace pelmar
