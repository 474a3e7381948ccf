// pelmar-simula: whole matches played by four computer seats, as the game plays them.

#include <iostream>

#include "ComandoSimula.h"
#include "base/InstalacaoDados.h"

int main(int argc, char** argv) {
    return pelmar::comandoSimula(std::vector<std::string>(argv + 1, argv + argc),
                                 pelmar::pastaDosDadosDoJogo(PELMAR_DADOS).string(), std::cout, std::cerr);
}
