#pragma once

#include <string>

namespace pelmar {

// What the statistics window TfPONTOS shows: each counter label's text, by control name.
struct ModeloPontos {
    bool visivel = false;
    std::string BOI_PRO = "0";
    std::string BOI_CONTRA = "0";
    std::string VITORIAS = "0";
    std::string DEROTAS = "0";
    std::string RODADAS_PRO = "0";
    std::string RODADAS_CONTRA = "0";
    std::string PONTOS_PRO = "0";
    std::string PONTOS_CONTRA = "0";
    std::string RODADAS = "0";
    std::string PARTIDAS = "0";
};

}  // namespace pelmar
