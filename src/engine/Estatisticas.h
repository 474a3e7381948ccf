#pragma once

#include <array>

namespace pelmar {

// The statistics record, kept across runs (RegistroEstatisticas reads and writes its file).
struct Estatisticas {
    int PARTIDAS = 0;
    int BOIS_PRO = 0;
    int BOIS_CONTRA = 0;
    int VITORIAS = 0;
    int DERROTAS = 0;
    int RODADAS = 0;
    int RODADAS_PRO = 0;
    int RODADAS_CONTRA = 0;
    int PONTOS_PRO = 0;
    int PONTOS_CONTRA = 0;
    int PONTUACAO_TOTAL = 0;
    int RECORDE = 5000;
    int PONTUACAO_PARCIAL = 0;
    int CARTAS_JOGADAS = 0;
    std::array<int, 12> reservados{};
};

}  // namespace pelmar
