// pelmar-simula: whole matches played by four computer seats, as the game plays them.

#include <cstdlib>
#include <iostream>

#include "ComandoSimula.h"

int main(int argc, char** argv) {
    const char* dados = std::getenv("PELMAR_DADOS");
    return pelmar::comandoSimula(std::vector<std::string>(argv + 1, argv + argc), dados ? dados : PELMAR_DADOS,
                                 std::cout, std::cerr);
}
