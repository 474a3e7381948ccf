#include "pelmar-torneio/ComandoTorneio.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>
#include <variant>

#include "base/GravacaoArquivo.h"
#include "brain/AberturaDaPasta.h"
#include "comum/PastaPropria.h"
#include "pelmar-torneio/OpcoesDoTorneio.h"
#include "pelmar-torneio/PastasDoTorneio.h"
#include "pelmar-torneio/PlanilhaDaEscada.h"
#include "pelmar-torneio/Progresso.h"
#include "pelmar-torneio/Trabalhadores.h"
#include "pelmar-torneio/TextoDeNumero.h"

namespace pelmar {
namespace {

namespace fs = std::filesystem;

constexpr int SUCESSO = 0;
constexpr int FALHA = 1;
constexpr int ERRO_DE_USO = 2;

constexpr const char* AJUDA = R"(Uso: pelmar-torneio [opções]

Mede a força de cada nível de dificuldade: para cada nível joga N partidas com o lado do
computador (lugares 2 e 4) nesse nível e a mudança de nível automática desligada, e os lugares
do usuário (1 e 3) jogados pelo computador como no modo demonstração. Cada partida começa do
zero, de uma semente que só depende da semente da execução e do número da partida: a partida i
de todos os níveis parte da mesma semente, e o resultado é o mesmo com qualquer número de
trabalhadores. Mostra uma tabela e grava ladder.csv e ladder.png na pasta de saída.

Por nível: partidas, partidas ganhas por cada lado, a taxa de vitória do computador com o seu
intervalo de 95 % (Wilson), bois (as partidas, em ordem, agrupadas como o jogo as agrupa),
pontos por mão e mãos por segundo (de um trabalhador; só na tabela, pois varia de uma
execução para outra: ladder.csv tem só o que a semente decide).

Sem --pasta, joga com os arquivos que acompanham o jogo. Com --pasta, joga com o cérebro, as
personalidades e as preferências dessa pasta, em cópias: a pasta só é lida, nunca gravada.

Opções:
  --pasta PASTA         pasta do jogo cujos arquivos jogam (padrão: os do jogo, numa pasta nova)
  --niveis 0..10 | L,L  níveis a medir: um intervalo ou uma lista (padrão 0..10)
  --partidas N          partidas por nível (padrão 2000)
  --modo M              paulista, limpo ou tradicional (padrão paulista)
  --semente S           semente da execução (padrão: do relógio; a saída diz qual foi)
  --trabalhos N         processos que jogam ao mesmo tempo (padrão: um por núcleo)
  --saida PASTA         onde gravar ladder.csv e ladder.png (padrão: a pasta atual)
  --help                mostra esta ajuda

Saída: 0 sucesso, 1 erro de arquivo ou de um trabalhador (diz qual), 2 erro de uso.
)";

int nucleos() {
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<int>(n) : 1;
}

// The run's own folder, removed however the run ends.
struct PastaDaExecucao {
    fs::path caminho;
    ~PastaDaExecucao() {
        std::error_code ec;
        if (!caminho.empty()) fs::remove_all(caminho, ec);
    }
};

int torneio(const OpcoesDoTorneio& o, const AmbienteDoTorneio& amb, std::ostream& saida, std::ostream& erro) {
    auto falha = [&erro](const std::string& mensagem) {
        erro << "pelmar-torneio: " << mensagem << "\n";
        return FALHA;
    };
    std::error_code ec;
    if (!o.pasta.empty() && !fs::is_directory(o.pasta, ec)) return falha("a pasta " + o.pasta.string() + " não existe");
    fs::create_directories(o.saida, ec);
    if (!fs::is_directory(o.saida, ec)) return falha("não foi possível usar a pasta de saída " + o.saida.string());

    const unsigned long long semente = o.semente.value_or(
        static_cast<unsigned long long>(std::chrono::system_clock::now().time_since_epoch().count()) % INT64_MAX);
    const int trabalhos = static_cast<int>(std::min<long long>(o.trabalhos > 0 ? o.trabalhos : nucleos(), o.partidas));

    PastaDaExecucao execucao;
    const auto propria = pastaPropria("pelmar-torneio");
    if (!propria) return falha("não foi possível criar uma pasta de trabalho temporária");
    execucao.caminho = *propria;
    const fs::path modelo = execucao.caminho / "modelo";
    if (!o.pasta.empty()) {
        if (auto e = copiaArquivosDoJogo(o.pasta, modelo)) return falha(*e);
    }
    fs::create_directories(modelo, ec);
    const NotasDaPasta abertura = abrePastaDoJogo(amb.dados, PastaTrabalho(modelo));
    for (const std::string& nota : abertura.notas) erro << "pelmar-torneio: " << nota << "\n";
    if (abertura.falhouGravar) return falha("a pasta de trabalho temporária não pôde ser preparada");

    std::vector<Tarefa> tarefas;
    for (int k = 0; k < trabalhos; ++k) {
        Tarefa t{execucao.caminho / ("trabalho-" + std::to_string(k)), o.niveis, o.partidas, o.modo, semente, k,
                 trabalhos};
        if (auto e = copiaArquivosDoJogo(modelo, t.pasta)) return falha(*e);
        tarefas.push_back(std::move(t));
    }

    saida << "semente " << semente << " · modo " << o.modo << " · " << o.niveis.size() << " níveis × " << o.partidas
          << " partidas · " << trabalhos << " trabalhadores\n";
    saida.flush();
    const long long total = static_cast<long long>(o.niveis.size()) * o.partidas;
    const auto inicio = std::chrono::steady_clock::now();
    auto segundos = [&inicio] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    };
    double mostrado = -1;
    auto aoChegar = [&](long long feitas) {
        if (!amb.mostraProgresso) return;
        const double agora = segundos();
        if (feitas < total && agora - mostrado < 0.5) return;
        mostrado = agora;
        erro << "\r" << linhaDeProgresso(feitas, total, agora) << "   " << std::flush;
    };
    auto rodada = rodaTrabalhadores(amb.programa, tarefas, aoChegar);
    if (amb.mostraProgresso) erro << "\n";
    if (const auto* e = std::get_if<std::string>(&rodada)) return falha(*e);
    const ResultadosDoTorneio& resultados = std::get<ResultadosDoTorneio>(rodada);
    const double duracao = segundos();

    std::vector<ResumoDoNivel> niveis;
    long long maos = 0;
    for (std::size_t n = 0; n < o.niveis.size(); ++n) {
        niveis.push_back(resumeNivel(o.niveis[n], resultados.porNivel[n]));
        maos += niveis.back().maos;
    }
    saida << tabelaDaEscada(niveis);
    double pico = 0;
    for (const double mb : resultados.picoMbPorTrabalhador) pico = std::max(pico, mb);
    saida << "total: " << total << " partidas · " << maos << " mãos em " << decimais(duracao, 2) << " s · "
          << decimais(duracao > 0 ? static_cast<double>(maos) / duracao : 0, 0) << " mãos/s · pico por trabalhador "
          << decimais(pico, 1) << " MB\n";

    const fs::path csv = o.saida / "ladder.csv";
    if (auto e = gravaArquivo(csv, planilhaDaEscada(o.modo, semente, niveis))) return falha(*e);
    if (amb.desenhaGrafico) {
        if (auto e = amb.desenhaGrafico(niveis, o.modo, o.partidas, o.saida / "ladder.png")) return falha(*e);
    }
    saida << "gravado: " << csv.string() << (amb.desenhaGrafico ? " e ladder.png" : "") << "\n";
    return SUCESSO;
}

}  // namespace

int comandoTorneio(const std::vector<std::string>& argumentos, const AmbienteDoTorneio& ambiente,
                   std::ostream& saida, std::ostream& erro) {
    if (ehTrabalhador(argumentos)) return trabalha(argumentos, saida, erro);
    const auto lidas = leOpcoesDoTorneio(argumentos);
    if (const auto* mensagem = std::get_if<std::string>(&lidas)) {
        erro << "pelmar-torneio: " << *mensagem << "\nUse --help para ver as opções.\n";
        return ERRO_DE_USO;
    }
    const OpcoesDoTorneio& o = std::get<OpcoesDoTorneio>(lidas);
    if (o.ajuda) {
        saida << AJUDA;
        return SUCESSO;
    }
    return torneio(o, ambiente, saida, erro);
}

}  // namespace pelmar
