// pelmar-torneio: how strongly each difficulty level plays, measured over many seeded matches
// played by worker processes.

#include <unistd.h>

#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "base/InstalacaoDados.h"
#include "pelmar-torneio/ComandoTorneio.h"
#include "pelmar-torneio/GraficoDaEscada.h"
#include "pelmar-torneio/Trabalhador.h"

int main(int argc, char** argv) {
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    pelmar::AmbienteDoTorneio ambiente;
    ambiente.dados = pelmar::pastaDosDadosDoJogo(PELMAR_DADOS).string();
    // A worker only plays: no Qt, no chart.
    if (pelmar::ehTrabalhador(argumentos)) return pelmar::comandoTorneio(argumentos, ambiente, std::cout, std::cerr);

    std::error_code ec;
    ambiente.programa = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) ambiente.programa = argv[0];
    // The chart needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ambiente.desenhaGrafico = pelmar::desenhaGraficoDaEscada;
    ambiente.mostraProgresso = isatty(STDERR_FILENO) != 0;
    return pelmar::comandoTorneio(argumentos, ambiente, std::cout, std::cerr);
}
