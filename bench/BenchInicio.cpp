// From launch to a table ready to deal, as a player starts it (the splash shown while the table
// loads, the table painted once): the program started offscreen with --mede-inicio, first in an
// empty working folder (the bundled files are copied in), then again in the same folder.
// Prints figures; never fails on them.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ProcessoFilho.h"

namespace pelmar {
namespace {

int principal() {
    // No display is needed to measure the start; the window is built all the same.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto pasta = std::filesystem::temp_directory_path() / ("pelmar-bench-inicio-" + std::to_string(getpid()));
    for (int vez = 1; vez <= 5; ++vez) {
        const bench::Processo p = bench::rodaProcesso({PELMAR_PROGRAMA, "--pasta", pasta.string(), "--mede-inicio"});
        std::printf("%s: processo %.0f ms, pico %.1f MB, saída %d — %s", vez == 1 ? "pasta vazia " : "pasta pronta",
                    p.segundos * 1000, p.picoMb, p.saida, p.texto.c_str());
    }
    std::printf("(alvo: mesa pronta em menos de 1500 ms)\n");
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main() { return pelmar::principal(); }
