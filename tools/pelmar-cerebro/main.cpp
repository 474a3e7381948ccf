// pelmar-cerebro: keeps and checks brain files in a working folder, the way the game does.

#include <iostream>

#include "ComandoCerebro.h"

int main(int argc, char** argv) {
    return pelmar::comandoCerebro(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
