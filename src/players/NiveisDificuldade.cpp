#include "players/NiveisDificuldade.h"

#include <array>

namespace pelmar {

namespace {

// Columns: AVALIA_ONZE, then ROUBAR, ACEITA and DESISTE at 3, 6, 9 and 12, then the bias.
constexpr ParametrosDificuldade OUTROS = {8, 13, 50, 20, 10, 100, 30, 5, 120, 140, 3, 255, 250, 1280};
constexpr std::array<ParametrosDificuldade, NIVEL_MAXIMO + 1> NIVEIS = {{
    OUTROS,
    {20, 20, 5, 5, 20, 5, 5, 20, 5, 5, 20, 5, 5, 0},
    {20, 25, 5, 5, 10, 5, 5, 50, 5, 5, 30, 5, 0, 0},
    {28, 25, 5, 5, 10, 5, 5, 50, 50, 50, 30, 50, 20, 0},
    {8, 20, 8, 15, 15, 8, 15, 5, 20, 40, 3, 25, 50, 0},
    {8, 15, 10, 20, 10, 15, 30, 5, 20, 40, 3, 25, 50, 768},
    OUTROS,
    {5, 10, 100, 30, 9, 150, 50, 8, 200, 200, 7, 500, 500, 1280},
    {4, 5, 100, 100, 5, 150, 150, 1, 200, 200, 1, 500, 500, 2048},
    {3, 5, 150, 150, 3, 250, 250, 1, 500, 500, 1, 1000, 1000, 2304},
    {1, 1, 1000, 1000, 1, 2000, 2000, 1, 3000, 3000, 1, 5000, 5000, 3072},
}};

}  // namespace

std::optional<ParametrosDificuldade> parametrosDoNivel(int nivel) {
    if (nivel > NIVEL_MAXIMO) return std::nullopt;
    if (nivel < 0) return OUTROS;
    return NIVEIS[static_cast<std::size_t>(nivel)];
}

}  // namespace pelmar
