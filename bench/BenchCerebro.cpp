// Times the brain on files it writes itself: load, consultation (plain scan against the index),
// join and compile. Prints figures; never fails on them.

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "brain/FormatoRegra.h"
#include "engine/Jogo.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "suporte/ReferenciaLiteral.h"

extern char** environ;

namespace pelmar {
namespace {

using Relogio = std::chrono::steady_clock;
double segundosDesde(Relogio::time_point inicio) {
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

class SemDecisoes : public Decisoes {
public:
    DecisaoJogada DECIDE_JOGADA(int) override { return {}; }
    bool computadorQuerTrucar(int, int, bool) override { return false; }
    bool computadorAceita(int) override { return false; }
    bool computadorJogaMaoDeOnze() override { return false; }
    bool parceiroJogaMaoDeOnze() override { return false; }
};

// Situations shaped like learned ones: the cards still held, results of the tricks played.
class Situacoes {
public:
    explicit Situacoes(unsigned semente) : g_(semente) {}

    Regra nova() {
        Regra r;
        const int rodada = 1 + sorteia(3), posicao = 1 + sorteia(4);
        r[NR_RODADA] = static_cast<std::uint8_t>(rodada);
        r[POSICAO_RODADA] = static_cast<std::uint8_t>(posicao);
        r[PONTO] = 1;
        r[TRUCO] = '*';
        const Campo resultados[] = {R1, R2, R3}, lideres[] = {CARTA_1R, CARTA_2R, CARTA_3R};
        for (int k = 1; k <= 3; ++k) {
            const bool jogada = k < rodada || (k == rodada && posicao > 1);
            r[resultados[k - 1]] = static_cast<std::uint8_t>(jogada ? "BME"[sorteia(3)] : '?');
            r[lideres[k - 1]] = static_cast<std::uint8_t>(jogada ? carta() : '?');
        }
        const int minhas = 4 - rodada, doParceiro = posicao <= 2 ? minhas : minhas - 1;
        const Campo parceiro[] = {CARTA_P1, CARTA_P2, CARTA_P3}, eu[] = {CARTA_J1, CARTA_J2, CARTA_J3};
        for (int n = 0; n < 3; ++n) {
            r[parceiro[n]] = static_cast<std::uint8_t>(n < doParceiro ? carta() : '?');
            r[eu[n]] = static_cast<std::uint8_t>(n < minhas ? carta() : '?');
        }
        r[ACAO] = static_cast<std::uint8_t>(sorteia(4) == 0 ? 0 : 1 + sorteia(minhas));
        r[ENCOBRIR] = sorteia(8) == 0 ? 'E' : '-';
        r[TRUCAR] = r[ACAO] == 0 ? 'T' : '-';
        r.QTE = 1;
        return r;
    }
    int sorteia(int n) { return static_cast<int>(g_() % static_cast<unsigned>(n)); }

private:
    char carta() { return "PPPMMMAA23OECZ"[sorteia(14)]; }
    std::mt19937 g_;
};

void escreve(const std::filesystem::path& arquivo, const std::vector<Regra>& regras) {
    std::ofstream saida(arquivo, std::ios::binary);
    saida << TITULO_CEREBRO << "\r\n" << TRACOS_CEREBRO << "\r\n";
    for (const Regra& r : regras) saida << TEXTO_REGRA(r) << "\r\n";
}

// Learned rules drawn from a pool, so many repeat as real play does.
std::vector<Regra> aprendidas(Situacoes& s, const std::vector<Regra>& pool, int quantidade) {
    std::vector<Regra> regras;
    regras.reserve(static_cast<std::size_t>(quantidade));
    for (int i = 0; i < quantidade; ++i) {
        const int a = s.sorteia(static_cast<int>(pool.size())), b = s.sorteia(static_cast<int>(pool.size()));
        regras.push_back(pool[static_cast<std::size_t>(a < b ? a : b)]);  // lower entries more often
    }
    return regras;
}

struct Processo {
    int saida = -1;
    double segundos = 0;
    long picoKb = 0;
};

Processo rodaCerebro(const std::string& comando, const std::filesystem::path& pasta) {
    std::vector<std::string> args{PELMAR_CEREBRO, "--pasta", pasta.string(), comando};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    Processo p;
    const auto inicio = Relogio::now();
    pid_t filho = 0;
    if (posix_spawn(&filho, PELMAR_CEREBRO, nullptr, nullptr, argv.data(), environ) != 0) return p;
    int status = 0;
    rusage uso{};
    wait4(filho, &status, 0, &uso);
    p.segundos = segundosDesde(inicio);
    p.saida = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    p.picoKb = uso.ru_maxrss;
    return p;
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
    SemDecisoes decisoes;
    Jogo jogo(plataforma, tela, decisoes, PastaTrabalho(pasta));
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
    long long soma = 0;
    inicio = Relogio::now();
    for (const auto& c : chaves) soma += referencia::primeiraQueServe(ia.cerebro.todas(), ia.cerebro.QTE_REGRAS(), c);
    const double literal = segundosDesde(inicio) / static_cast<double>(chaves.size()) * 1e6;
    const int voltas = 20;
    inicio = Relogio::now();
    for (int v = 0; v < voltas; ++v)
        for (const auto& c : chaves) soma -= ia.cerebro.primeiraQueServe(c) * (v == 0 ? 1 : 0);
    const double indexada = segundosDesde(inicio) / static_cast<double>(chaves.size() * voltas) * 1e6;
    std::printf("Consulta, tabela cheia: varredura %.1f us, indice %.2f us, %.0fx mais rapida "
                "(alvo >= 10x e < 50 us); montagem do indice %.3f s; conferencia %s\n",
                literal, indexada, literal / indexada, montagem, soma == 0 ? "igual" : "DIFERENTE");

    // Join: as large as the reading limit lets two files be.
    std::vector<Regra> neuron = aprendidas(s, pool, 150000);
    for (Regra& r : neuron) r.QTE = 1 + s.sorteia(40);
    escreve(pasta / "P-NEURON.TXT", neuron);
    escreve(pasta / "P-LEARN.TXT", aprendidas(s, pool, LIMITE_LEITURA - 150000));
    const Processo juntar = rodaCerebro("juntar", pasta);
    std::printf("juntar, 150000 + 149999 regras: %.3f s, pico %.1f MB, saida %d (alvo < 2 s e < 64 MB)\n",
                juntar.segundos, static_cast<double>(juntar.picoKb) / 1024.0, juntar.saida);

    // Compile: the editor's full load of 299999 rules and every tool.
    escreve(pasta / "P-BRAIN.TXT", {});
    escreve(pasta / "P-NEURON.TXT", aprendidas(s, pool, 150000));
    escreve(pasta / "P-LEARN.TXT", aprendidas(s, pool, LIMITE_LEITURA - 150000));
    const Processo compilar = rodaCerebro("compilar", pasta);
    std::printf("compilar, 299999 regras: %.3f s, pico %.1f MB, saida %d (alvo < 5 s)\n", compilar.segundos,
                static_cast<double>(compilar.picoKb) / 1024.0, compilar.saida);

    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main() { return pelmar::principal(); }
