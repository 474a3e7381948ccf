// Self-play scaling of pelmar-torneio: hands per second with 1, 2 and every core's worth of
// workers on the same seeded ladder, the peak memory of each worker, then the wall time of a
// whole 11-level × 2000-match ladder in one deck mode. The load average is printed with every
// figure, as other work on the machine skews them, and so is the CPU time per hand, which it does
// not. Prints figures; never fails on them.
//
//   pelmar-bench-torneio [partidas por nível na medida de escala (padrão 100)] [--sem-escada]

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "ProcessoFilho.h"

namespace pelmar {
namespace {

std::string carga() {
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return a + " " + b + " " + c;
}

struct Medida {
    double maosPorSegundo = 0;
    double picoMb = 0;
    double segundos = 0;
    double cpuSegundos = 0;  // the run's and its workers'
    double maos = 0;
    int saida = -1;
};

Medida roda(const std::filesystem::path& saida, int trabalhos, long long partidas, const char* modo) {
    const bench::Processo p = bench::rodaProcesso({PELMAR_TORNEIO, "--niveis", "0..10", "--partidas",
                                                   std::to_string(partidas), "--semente", "7", "--modo", modo,
                                                   "--trabalhos", std::to_string(trabalhos), "--saida",
                                                   saida.string()});
    Medida m;
    m.saida = p.saida;
    m.segundos = p.segundos;
    m.cpuSegundos = p.cpuSegundos;
    std::smatch achado;
    if (std::regex_search(p.texto, achado,
                          std::regex("([0-9]+) mãos em [0-9.]+ s · ([0-9]+) mãos/s · pico por trabalhador ([0-9.]+) MB"))) {
        m.maos = std::stod(achado[1]);
        m.maosPorSegundo = std::stod(achado[2]);
        m.picoMb = std::stod(achado[3]);
    }
    return m;
}

int principal(int argc, char** argv) {
    long long partidas = 100;
    bool escada = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sem-escada") == 0) escada = false;
        else partidas = std::max(1LL, std::atoll(argv[i]));
    }
    const auto base = std::filesystem::temp_directory_path() / ("pelmar-bench-torneio-" + std::to_string(getpid()));
    std::filesystem::create_directories(base);
    const int nucleos = static_cast<int>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));

    std::printf("Escala (11 níveis × %lld partidas, semente 7, paulista; %d núcleos)\n", partidas, nucleos);
    std::printf("  alvos: >= 1,7x com 2 trabalhadores em 2 núcleos; >= 80 %% do linear; memória plana por trabalhador\n");
    double umSo = 0, cpuPorMaoUmSo = 0;
    std::vector<int> contagens{1, 2};
    if (nucleos > 2) contagens.push_back(nucleos);
    for (const int t : contagens) {
        const std::string antes = carga();
        const Medida m = roda(base / ("t" + std::to_string(t)), t, partidas, "paulista");
        // CPU per hand tells whether the work itself grows with the workers; the wall-clock
        // gain also depends on how much of the cores the rest of the machine leaves.
        const double cpuPorMao = m.maos > 0 ? 1e6 * m.cpuSegundos / m.maos : 0;
        if (t == 1) {
            umSo = m.maosPorSegundo;
            cpuPorMaoUmSo = cpuPorMao;
        }
        const double ganho = umSo > 0 ? m.maosPorSegundo / umSo : 0;
        std::printf("  %2d trabalhador(es): %7.0f mãos/s  %.2fx  %3.0f %% do linear  pico %.1f MB/trabalhador  "
                    "%.1f s  CPU %.0f µs/mão (%.2f do de 1)  saída %d  carga antes [%s] depois [%s]\n",
                    t, m.maosPorSegundo, ganho, 100 * ganho / t, m.picoMb, m.segundos, cpuPorMao,
                    cpuPorMaoUmSo > 0 ? cpuPorMao / cpuPorMaoUmSo : 0, m.saida, antes.c_str(), carga().c_str());
    }

    if (escada) {
        const std::string antes = carga();
        const Medida m = roda(base / "escada", nucleos, 2000, "paulista");
        std::printf("Escada inteira, 11 níveis × 2000 partidas, paulista, %d trabalhadores: %.1f s (%.0f mãos/s, "
                    "pico %.1f MB/trabalhador, saída %d)  carga antes [%s] depois [%s]\n",
                    nucleos, m.segundos, m.maosPorSegundo, m.picoMb, m.saida, antes.c_str(), carga().c_str());
    }
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main(int argc, char** argv) { return pelmar::principal(argc, argv); }
