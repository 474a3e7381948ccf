// Times the brain on files it writes itself: load, consultation (plain scan against the index),
// join and compile. Prints figures; never fails on them.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ProcessoFilho.h"
#include "RegrasGeradas.h"
#include "brain/FormatoRegra.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/ReferenciaLiteral.h"

namespace pelmar {
namespace {

using Relogio = std::chrono::steady_clock;
double segundosDesde(Relogio::time_point inicio) {
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

using bench::aprendidas;
using bench::escreve;
using bench::Situacoes;

bench::Processo rodaCerebro(const std::string& comando, const std::filesystem::path& pasta) {
    return bench::rodaProcesso({PELMAR_CEREBRO, "--pasta", pasta.string(), comando});
}

// Every lookup of the index against the plain scan, one by one: a sum could hide two errors
// that cancel out.
struct Conferencia {
    int diferentes = 0;
    int achadas = 0;
    std::vector<std::string> exemplos;
};

Conferencia confere(const Cerebro& cerebro, const std::vector<ChaveSituacao>& chaves) {
    Conferencia c;
    for (std::size_t i = 0; i < chaves.size(); ++i) {
        const int esperada = referencia::primeiraQueServe(cerebro.todas(), cerebro.QTE_REGRAS(), chaves[i]);
        const int obtida = cerebro.primeiraQueServe(chaves[i]);
        if (esperada != 0) ++c.achadas;
        if (obtida == esperada) continue;
        ++c.diferentes;
        if (c.exemplos.size() < 5)
            c.exemplos.push_back("consulta " + std::to_string(i) + ": varredura " + std::to_string(esperada) +
                                 ", indice " + std::to_string(obtida));
    }
    return c;
}

int principal() {
    const auto pasta = std::filesystem::temp_directory_path() / ("pelmar-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);
    Situacoes s(2026);
    std::vector<Regra> pool;
    for (int i = 0; i < 120000; ++i) pool.push_back(s.nova());

    // Load.
    escreve(pasta / "CHEIO.TXT", aprendidas(s, pool, LIMITE_LEITURA));
    PlataformaHeadless plataforma(1);
    TelaHeadless tela;
    Jogo jogo(plataforma, tela, PastaTrabalho(pasta));
    Inteligencia& ia = jogo.ia;
    auto inicio = Relogio::now();
    ia.arquivos.LE_CEREBRO("CHEIO.TXT");
    std::printf("LE_CEREBRO, %d regras: %.3f s (alvo < 0,3 s)\n", ia.cerebro.QTE_REGRAS(), segundosDesde(inicio));

    // Consultation on the full table: half the keys from learned situations, half unseen.
    std::vector<ChaveSituacao> chaves;
    for (int i = 0; i < 2000; ++i) {
        const Regra r = i % 2 ? pool[static_cast<std::size_t>(s.sorteia(static_cast<int>(pool.size())))] : s.nova();
        ChaveSituacao c;
        c.rodada = r[NR_RODADA];
        c.posicao = r[POSICAO_RODADA];
        std::copy(r.campos.begin() + R1, r.campos.begin() + CARTA_J3 + 1, c.padrao.begin());
        chaves.push_back(c);
    }
    inicio = Relogio::now();
    ia.cerebro.primeiraQueServe(chaves[0]);
    const double montagem = segundosDesde(inicio);
    // The timed loops only keep their answers alive; they are compared afterwards, one by one.
    long long descarte = 0;
    inicio = Relogio::now();
    for (const auto& c : chaves) descarte += referencia::primeiraQueServe(ia.cerebro.todas(), ia.cerebro.QTE_REGRAS(), c);
    const double literal = segundosDesde(inicio) / static_cast<double>(chaves.size()) * 1e6;
    const int voltas = 20;
    inicio = Relogio::now();
    for (int v = 0; v < voltas; ++v)
        for (const auto& c : chaves) descarte += ia.cerebro.primeiraQueServe(c);
    const double indexada = segundosDesde(inicio) / static_cast<double>(chaves.size() * voltas) * 1e6;
    const volatile long long sumidouro = descarte;
    (void)sumidouro;
    const Conferencia conferencia = confere(ia.cerebro, chaves);
    std::printf("Consulta, tabela cheia: varredura %.1f us, indice %.2f us, %.0fx mais rapida "
                "(alvo >= 10x e < 50 us); montagem do indice %.3f s; conferencia %s em %d de %zu consultas (%d com regra)\n",
                literal, indexada, literal / indexada, montagem, conferencia.diferentes == 0 ? "igual" : "DIFERENTE",
                conferencia.diferentes == 0 ? static_cast<int>(chaves.size()) : conferencia.diferentes, chaves.size(),
                conferencia.achadas);
    for (const std::string& d : conferencia.exemplos) std::printf("  %s\n", d.c_str());

    // Join: as large as the reading limit lets two files be.
    std::vector<Regra> neuron = aprendidas(s, pool, 150000);
    for (Regra& r : neuron) r.QTE = 1 + s.sorteia(40);
    escreve(pasta / "P-NEURON.TXT", neuron);
    escreve(pasta / "P-LEARN.TXT", aprendidas(s, pool, LIMITE_LEITURA - 150000));
    const bench::Processo juntar = rodaCerebro("juntar", pasta);
    std::printf("juntar, 150000 + 149999 regras: %.3f s, pico %.1f MB, saida %d (alvo < 2 s e < 64 MB)\n",
                juntar.segundos, juntar.picoMb, juntar.saida);

    // Compile: the editor's full load of 299999 rules and every tool.
    escreve(pasta / "P-BRAIN.TXT", {});
    escreve(pasta / "P-NEURON.TXT", aprendidas(s, pool, 150000));
    escreve(pasta / "P-LEARN.TXT", aprendidas(s, pool, LIMITE_LEITURA - 150000));
    const bench::Processo compilar = rodaCerebro("compilar", pasta);
    std::printf("compilar, 299999 regras: %.3f s, pico %.1f MB, saida %d (alvo < 5 s)\n", compilar.segundos,
                compilar.picoMb, compilar.saida);

    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main() { return pelmar::principal(); }
