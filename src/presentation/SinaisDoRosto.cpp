#include "presentation/SinaisDoRosto.h"

#include <utility>

namespace pelmar {

namespace {

constexpr int NORMAL = 0;

// In the order the test shows them, with the names the table gives them.
constexpr std::pair<int, std::string_view> SINAIS_DO_TESTE[] = {
    {8, "ZAP"}, {7, "COPETA"}, {6, "ESPADILHA"}, {5, "PICA FUMO"}, {4, "TRES"}, {3, "DOIS"}, {2, "NADA"}, {1, "GESTO"},
};

}  // namespace

std::vector<PassoDaPrevia> previaDeTodosOsSinais() {
    std::vector<PassoDaPrevia> passos{{NORMAL, std::nullopt, PREVIA_NORMAL_MS}};
    for (const auto& [indice, legenda] : SINAIS_DO_TESTE) {
        passos.push_back({indice, legenda, PREVIA_SINAL_MS});
        passos.push_back({NORMAL, std::nullopt, PREVIA_NORMAL_MS});
    }
    passos.push_back({NORMAL, std::string_view(), 0});
    return passos;
}

std::vector<PassoDaPrevia> previaDeUmSinal(int indice) {
    if (indice < 0 || indice >= static_cast<int>(SINAIS_DO_ROSTO.size())) indice = NORMAL;
    return {{NORMAL, std::nullopt, PREVIA_NORMAL_MS}, {indice, std::nullopt, PREVIA_SINAL_MS}, {NORMAL, std::nullopt, 0}};
}

}  // namespace pelmar
