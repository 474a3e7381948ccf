// pelmar-cerebro: keeps and checks brain files in a working folder, the way the game does.

#include <iostream>

#include "ComandoCerebro.h"
#include "base/InstalacaoDados.h"

int main(int argc, char** argv) {
    return pelmar::comandoCerebro(std::vector<std::string>(argv + 1, argv + argc),
                                  pelmar::pastaDosDadosDoJogo(PELMAR_DADOS).string(), std::cout, std::cerr);
}
