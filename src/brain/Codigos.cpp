#include "brain/Codigos.h"

namespace pelmar {

char CLASSE_CARTA(int forca) {
    if (forca == 0) return '?';
    if (forca & 0x8000) return 'Z';
    if (forca & 0x4000) return 'C';
    if (forca & 0x2000) return 'E';
    if (forca & 0x1000) return 'O';
    if ((forca & 0x0900) == 0x0900) return '3';
    if ((forca & 0x0500) == 0x0500) return '2';
    if ((forca & 0x0300) == 0x0300) return 'A';
    if (forca & 0x0010) return 'M';
    if (forca & 0x0001) return 'P';
    return '?';
}

char LETRA_RESULTADO(int jogador, int ganhador) {
    if (ganhador == 0) return '?';
    if (ganhador == -1) return 'E';
    const bool meuLado = (jogador % 2) == (ganhador % 2);
    return meuLado ? 'B' : 'M';
}

char LETRA_TRUCO(int jogador, int estadoTruco) {
    const int codigo = estadoTruco & 0xFF;
    if (codigo == 0) return 'S';
    if (codigo > 16) return 'M';
    // Codes 1, 4, 5, 8, 9, 12, 13, 16 are calls of players 1 and 3.
    const bool doLadoImpar = (codigo % 4 == 0) || (codigo % 4 == 1);
    const bool jogadorImpar = (jogador % 2) == 1;
    return doLadoImpar == jogadorImpar ? 'B' : 'M';
}

}  // namespace pelmar
