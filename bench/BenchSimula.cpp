// Self-play throughput of the game engine through pelmar-simula, at log level 0: with the bundled
// brain, with a generated full brain of 299999 rules, and the peak memory of a 10000-match run.
// Prints figures; never fails on them.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "ProcessoFilho.h"
#include "RegrasGeradas.h"

namespace pelmar {
namespace {

double maosPorSegundo(const std::string& resumo) {
    std::smatch m;
    return std::regex_search(resumo, m, std::regex("([0-9]+) mãos/s")) ? std::stod(m[1]) : 0.0;
}

void roda(const char* titulo, const std::filesystem::path& pasta, int partidas) {
    const bench::Processo p = bench::rodaProcesso(
        {PELMAR_SIMULA, "--pasta", pasta.string(), "--semente", "7", "--partidas", std::to_string(partidas)});
    std::printf("%s: %.0f mãos/s, %d partidas em %.2f s, pico %.1f MB, saída %d\n  %s", titulo,
                maosPorSegundo(p.texto), partidas, p.segundos, p.picoMb, p.saida, p.texto.c_str());
}

int principal() {
    const auto base = std::filesystem::temp_directory_path() / ("pelmar-bench-simula-" + std::to_string(getpid()));
    std::filesystem::create_directories(base / "fixo");
    std::filesystem::create_directories(base / "cheio");
    std::filesystem::create_directories(base / "longo");

    roda("Cérebro que acompanha o jogo (alvo >= 5000 mãos/s)", base / "fixo", 2000);

    bench::Situacoes s(11);
    std::vector<Regra> pool;
    for (int i = 0; i < 120000; ++i) pool.push_back(s.nova());
    bench::escreve(base / "cheio" / "P-NEURON.TXT", bench::aprendidas(s, pool, LIMITE_LEITURA));
    roda("Cérebro cheio, 299999 regras (alvo >= 1000 mãos/s)", base / "cheio", 2000);

    roda("10000 partidas (alvo: pico < 100 MB)", base / "longo", 10000);

    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main() { return pelmar::principal(); }
