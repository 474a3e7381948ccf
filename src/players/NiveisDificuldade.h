#pragma once

#include <optional>

namespace pelmar {

// The truco chances (Chance denominators) and the side-judgment bias a difficulty level sets.
struct ParametrosDificuldade {
    int CHANCE_AVALIA_ONZE = 0;
    int CHANCE_ROUBAR_3 = 0;
    int CHANCE_ACEITA_3 = 0;
    int CHANCE_DESISTE_3 = 0;
    int CHANCE_ROUBAR_6 = 0;
    int CHANCE_ACEITA_6 = 0;
    int CHANCE_DESISTE_6 = 0;
    int CHANCE_ROUBAR_9 = 0;
    int CHANCE_ACEITA_9 = 0;
    int CHANCE_DESISTE_9 = 0;
    int CHANCE_ROUBAR_12 = 0;
    int CHANCE_ACEITA_12 = 0;
    int CHANCE_DESISTE_12 = 0;
    int VIES_DIFICULDADE = 0;

    bool operator==(const ParametrosDificuldade&) const = default;
};

inline constexpr int NIVEL_MAXIMO = 10;

// Levels 0 and 6, and any level below 0, share one row; above 10 there is none, and the
// parameters in force stay.
std::optional<ParametrosDificuldade> parametrosDoNivel(int nivel);

}  // namespace pelmar
