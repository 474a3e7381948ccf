#include "pelmar-simula/ComandoSimula.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "brain/AberturaDaPasta.h"
#include "comum/ContagemDePartidas.h"
#include "comum/JogoSozinho.h"
#include "comum/NumeroDaOpcao.h"
#include "comum/PastaPropria.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "records/HistoricoEmArquivo.h"

namespace pelmar {
namespace {

constexpr int SUCESSO = 0;
constexpr int ERRO_DE_ARQUIVO = 1;
constexpr int ERRO_DE_USO = 2;

constexpr const char* AJUDA = R"(Uso: pelmar-simula [opções]

Joga partidas inteiras com os quatro lugares jogados pelo computador (modo demonstração,
rápido), numa pasta de trabalho, exatamente como o jogo: cria as preferências, as estatísticas
e os cérebros que faltam, instala os arquivos de dados que faltam, joga, grava as estatísticas
e o histórico (P-HISTORICO_NEW.TXT) e mostra um resumo.

Sem --pasta, joga numa pasta nova só sua (a saída diz onde): a pasta do seu jogo só é usada
quando você a indica, pois a simulação grava as estatísticas e o histórico e aprende as
jogadas do lugar 1 como se fossem suas.

Opções:
  --pasta PASTA        pasta de trabalho (padrão: uma pasta nova em /tmp)
  --semente N          semente do acaso: a mesma semente repete o mesmo jogo, byte a byte
  --partidas N         partidas a jogar (padrão 1; 0 não joga nada)
  --nivel-log 0..3     detalhe do histórico (padrão 0)
  --dificuldade 0..10  nível de dificuldade só nesta execução
  --modo M             paulista, limpo ou tradicional, só nesta execução
  --help               mostra esta ajuda

Saída: 0 sucesso, 1 erro de arquivo (algum arquivo não pôde ser gravado; diz qual), 2 erro de uso.
)";

struct Opcoes {
    std::filesystem::path pasta;
    std::optional<unsigned long long> semente;
    long long partidas = 1;
    int nivelLog = 0;
    std::optional<int> dificuldade;
    std::optional<std::string> modo;
};

int joga(Opcoes o, const std::string& dados, std::ostream& saida, std::ostream& erro) {
    std::error_code ec;
    if (o.pasta.empty()) {
        const auto propria = pastaPropria("pelmar-simula");
        if (!propria) {
            erro << "pelmar-simula: não foi possível criar uma pasta de trabalho temporária\n";
            return ERRO_DE_ARQUIVO;
        }
        o.pasta = *propria;
        saida << "pasta de trabalho: " << o.pasta.string() << "\n";
    }
    std::filesystem::create_directories(o.pasta, ec);
    if (!std::filesystem::is_directory(o.pasta, ec)) {
        erro << "pelmar-simula: não foi possível usar a pasta " << o.pasta.string() << "\n";
        return ERRO_DE_ARQUIVO;
    }
    const PastaTrabalho pasta(o.pasta);
    const NotasDaPasta abertura = abrePastaDoJogo(dados, pasta);
    for (const std::string& nota : abertura.notas) erro << "pelmar-simula: " << nota << "\n";

    // Without a seed the run still is one game among many: take it from the clock.
    const auto semente = o.semente.value_or(
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
    PlataformaHeadless plataforma(semente);
    TelaHeadless tela;
    tela.registra = false;
    Jogo jogo(plataforma, tela, pasta);

    HistoricoEmArquivo historico;
    if (auto falha = historico.abre(pasta)) {
        erro << "pelmar-simula: " << *falha << "\n";
        return ERRO_DE_ARQUIVO;
    }
    jogo.historico.guardaLinhas = false;
    jogo.historico.NIVEL_HISTORICO = o.nivelLog;
    const auto paraOArquivo =
        jogo.historico.aoEscrever.assina([&historico](const std::string& linha) { historico.escreve(linha); });

    preparaJogoSozinho(jogo, AjustesDoJogoSozinho{o.dificuldade, o.modo});

    ContagemDePartidas contagem(jogo, jogo.ganchos(), o.partidas);
    jogo.usaGanchos(&contagem);
    const auto inicio = std::chrono::steady_clock::now();
    if (o.partidas > 0) jogo.turnos.NOVO_JOGO();
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();

    jogo.pontuacao.SALVA_ESTATISTICAS();
    int resultado = abertura.falhouGravar ? ERRO_DE_ARQUIVO : SUCESSO;
    if (!jogo.pontuacao.falhaAoSalvar().empty()) {
        erro << "pelmar-simula: " << jogo.pontuacao.falhaAoSalvar() << "\n";
        resultado = ERRO_DE_ARQUIVO;
    }
    for (const std::string& e : tela.erros) {
        erro << "pelmar-simula: " << e << "\n";
        resultado = ERRO_DE_ARQUIVO;
    }
    if (auto falha = historico.fecha()) {
        erro << "pelmar-simula: " << *falha << "\n";
        resultado = ERRO_DE_ARQUIVO;
    }
    const long long porSegundo = segundos > 0 ? static_cast<long long>(static_cast<double>(contagem.maos) / segundos) : 0;
    saida << "partidas " << contagem.partidas << " · mãos " << contagem.maos << " · bois " << contagem.boisJog << "/"
          << contagem.boisCom << " · pontos " << contagem.pontosJog << "/" << contagem.pontosCom << " · "
          << porSegundo << " mãos/s\n";
    return resultado;
}

}  // namespace

int comandoSimula(const std::vector<std::string>& args, const std::string& dados, std::ostream& saida,
                  std::ostream& erro) {
    Opcoes o;
    auto usoErrado = [&erro](const std::string& mensagem) {
        erro << "pelmar-simula: " << mensagem << "\nUse --help para ver as opções.\n";
        return ERRO_DE_USO;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            saida << AJUDA;
            return SUCESSO;
        }
        if (a != "--pasta" && a != "--semente" && a != "--partidas" && a != "--nivel-log" && a != "--dificuldade" &&
            a != "--modo")
            return usoErrado("opção desconhecida: " + a);
        if (i + 1 >= args.size()) return usoErrado(a + " precisa de um valor");
        const std::string& v = args[++i];
        std::optional<long long> n;
        if (a == "--pasta") {
            if (v.empty()) return usoErrado("--pasta precisa de uma pasta");
            o.pasta = v;
        } else if (a == "--semente") {
            if (!(n = numeroEntre(v, 0, INT64_MAX))) return usoErrado("--semente precisa de um número natural");
            o.semente = static_cast<unsigned long long>(*n);
        } else if (a == "--partidas") {
            if (!(n = numeroEntre(v, 0, 100000000))) return usoErrado("--partidas precisa de um número de 0 a 100000000");
            o.partidas = *n;
        } else if (a == "--nivel-log") {
            if (!(n = numeroEntre(v, 0, 3))) return usoErrado("--nivel-log vai de 0 a 3");
            o.nivelLog = static_cast<int>(*n);
        } else if (a == "--dificuldade") {
            if (!(n = numeroEntre(v, 0, 10))) return usoErrado("--dificuldade vai de 0 a 10");
            o.dificuldade = static_cast<int>(*n);
        } else {
            if (!modoDeBaralhoValido(v))
                return usoErrado("--modo é paulista, limpo ou tradicional");
            o.modo = v;
        }
    }
    return joga(std::move(o), dados, saida, erro);
}

}  // namespace pelmar
