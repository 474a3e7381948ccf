#pragma once
// Interim until the personality and level tables are wired in.
#include <array>
namespace pelmar {
struct NivelProvisorio {
    int CHANCE_AVALIA_ONZE = 8, CHANCE_ROUBAR_3 = 15, CHANCE_ACEITA_3 = 10, CHANCE_DESISTE_3 = 20;
    int CHANCE_ROUBAR_6 = 10, CHANCE_ACEITA_6 = 15, CHANCE_DESISTE_6 = 30;
    int CHANCE_ROUBAR_9 = 5, CHANCE_ACEITA_9 = 20, CHANCE_DESISTE_9 = 40;
    int CHANCE_ROUBAR_12 = 3, CHANCE_ACEITA_12 = 25, CHANCE_DESISTE_12 = 50;
    int VIES_DIFICULDADE = 768;
};
struct PersonalidadesProvisorio {
    std::array<int, 9> valoresDaSituacao(int, int) const { return {0x7fff, 0x7fff, 0x7fff, 0x7fff, 0x7fff, 0x7fff, 0x7fff, 0x7fff, 0x7fff}; }
    int tempoDePensarMs(int) const { return 500; }
};
}  // namespace pelmar
