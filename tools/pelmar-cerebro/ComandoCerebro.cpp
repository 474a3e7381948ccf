#include "ComandoCerebro.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/LeitorDeLinhas.h"
#include "base/PastaTrabalho.h"
#include "brain/AberturaDaPasta.h"
#include "brain/FormatoRegra.h"
#include "brain/ValidacaoRegra.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"

namespace pelmar {
namespace {

constexpr int SUCESSO = 0;
constexpr int ERRO_DE_ARQUIVO = 1;
constexpr int ERRO_DE_USO = 2;

constexpr const char* AJUDA = R"(Uso: pelmar-cerebro [--pasta PASTA] COMANDO

Trabalha nos arquivos de regras (cérebro) da pasta do jogo, como o jogo faz.

Comandos:
  juntar          junta as regras aprendidas (P-LEARN.TXT) às variáveis (P-NEURON.TXT):
                  regras iguais viram uma só com a soma dos pesos, as mais pesadas primeiro;
                  P-LEARN.TXT volta a ter só o cabeçalho.
  compilar        lê P-BRAIN.TXT, P-NEURON.TXT e P-LEARN.TXT, passa todas as ferramentas do
                  editor de regras (apaga regras impossíveis, junta repetidas, dá carta às
                  regras de truco, ordena) e grava P-CEREBRO_SALVO.TXT.
  auxiliar        lê os três arquivos e grava P-BRAIN-AUX.TXT sem repetidas, ordenado por peso.
  conta           carrega o cérebro do jogo (P-BRAIN.TXT e P-NEURON.TXT) e mostra quantas
                  regras são fixas, aprendidas e o total.
  verifica ARQ    lista, com o número da linha, cada regra mal formada ou impossível do
                  arquivo ARQ (caminho normal, não relativo à pasta do jogo).

Opções:
  --pasta PASTA   pasta de trabalho (padrão: $PELMAR_PASTA, ou ~/.local/share/pelmar).
  --help          mostra esta ajuda.

Antes de tudo, como o jogo, instala na pasta os arquivos do jogo que faltam (o cérebro fixo
P-BRAIN.TXT entre eles) e termina ou desfaz uma junção interrompida. Arquivos de regras que
ainda faltam são criados com o cabeçalho. Saída: 0 sucesso, 1 erro de arquivo
(com o nome do arquivo), 2 erro de uso.
)";


int usoErrado(std::ostream& erro, const std::string& mensagem) {
    erro << "pelmar-cerebro: " << mensagem << "\nUse --help para ver os comandos.\n";
    return ERRO_DE_USO;
}

int verifica(const std::filesystem::path& arquivo, std::ostream& saida, std::ostream& erro) {
    LeitorDeLinhas entrada(arquivo);
    if (!entrada.aberto()) {
        erro << "pelmar-cerebro: não foi possível ler " << arquivo.string() << "\n";
        return ERRO_DE_ARQUIVO;
    }
    int numero = 0, regras = 0, problemas = 0;
    std::string linha;
    while (entrada.proxima(linha)) {
        ++numero;
        const LinhaRegra lida = analisaLinhaRegra(linha);
        std::vector<std::string> erros;
        if (lida.tipo == LinhaRegra::Tipo::Malformada) {
            erros.push_back("mal formada: " + lida.motivo);
        } else if (lida.tipo == LinhaRegra::Tipo::Regra) {
            ++regras;
            if (const std::string cartas = cartasImpossiveis(lida.regra); !cartas.empty()) erros.push_back(cartas);
            for (const std::string& motivo : motivosDeRegraErrada(lida.regra))
                erros.push_back("impossível: " + motivo.substr(0, motivo.find_last_not_of(' ') + 1));
        }
        for (const std::string& e : erros) saida << arquivo.string() << ":" << numero << ": " << e << "\n";
        if (!erros.empty()) ++problemas;
    }
    if (entrada.falhou()) {
        erro << "pelmar-cerebro: erro ao ler " << arquivo.string() << "\n";
        return ERRO_DE_ARQUIVO;
    }
    saida << regras << " regras lidas, " << problemas << " linhas com problema.\n";
    return problemas == 0 ? SUCESSO : ERRO_DE_ARQUIVO;
}

int executa(const std::string& comando, const std::filesystem::path& pasta, const std::string& dados,
            std::ostream& saida, std::ostream& erro) {
    std::error_code ec;
    if (!std::filesystem::is_directory(pasta, ec)) {
        erro << "pelmar-cerebro: a pasta " << pasta.string() << " não existe\n";
        return ERRO_DE_ARQUIVO;
    }
    const NotasDaPasta abertura = abrePastaDoJogo(dados, PastaTrabalho(pasta));
    for (const std::string& nota : abertura.notas) erro << "pelmar-cerebro: " << nota << "\n";
    PlataformaHeadless plataforma(1);
    TelaHeadless tela;
    Jogo jogo(plataforma, tela, PastaTrabalho(pasta));
    Inteligencia& ia = jogo.ia;
    ia.arquivos.aoAvisar = [&erro](const std::string& nota) { erro << "pelmar-cerebro: aviso: " << nota << "\n"; };

    bool ok = false;
    if (comando == "juntar") {
        ok = ia.aprendizado.COMPILA_CEREBRO();
        if (ok) saida << "P-NEURON.TXT: " << ia.cerebro.QTE_REGRAS() << " regras.\n";
    } else if (comando == "compilar") {
        ok = ia.ferramentas.carregaTudo();
        const int antes = ia.cerebro.QTE_REGRAS();
        ok = ok && ia.ferramentas.COMPILA_EDITOR();
        if (ok)
            saida << "P-CEREBRO_SALVO.TXT: " << ia.cerebro.QTE_REGRAS() << " regras (de " << antes << " lidas).\n";
    } else if (comando == "auxiliar") {
        ok = ia.ferramentas.carregaTudo() && ia.ferramentas.SALVA_BRAIN_AUX();
        if (ok) saida << "P-BRAIN-AUX.TXT gravado.\n";
    } else {
        ok = ia.arquivos.LE_REGRAS();
        const int fixas = ia.cerebro.QTE_REGRAS_FIXAS, total = ia.cerebro.QTE_REGRAS();
        if (ok)
            saida << "Limite: " << MAX_REGRAS << "\nFixas: " << fixas << "\nAprendidas: " << total - fixas
                      << "\nTotal: " << total << "\n";
    }
    for (const std::string& mensagem : tela.erros) erro << "pelmar-cerebro: " << mensagem << "\n";
    return ok && !abertura.falhouGravar ? SUCESSO : ERRO_DE_ARQUIVO;
}

}  // namespace

int comandoCerebro(const std::vector<std::string>& args, const std::string& dados, std::ostream& saida,
                   std::ostream& erro) {
    std::filesystem::path pasta;
    bool temPasta = false;
    std::vector<std::string> resto;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            saida << AJUDA;
            return SUCESSO;
        }
        if (args[i] == "--pasta") {
            if (i + 1 >= args.size()) return usoErrado(erro, "--pasta precisa de uma pasta");
            pasta = args[++i];
            temPasta = true;
        } else if (args[i].rfind("--", 0) == 0) {
            return usoErrado(erro, "opção desconhecida: " + args[i]);
        } else {
            resto.push_back(args[i]);
        }
    }
    if (resto.empty()) return usoErrado(erro, "falta o comando");
    const std::string& comando = resto[0];
    if (comando == "verifica") {
        if (resto.size() != 2) return usoErrado(erro, "verifica precisa de um arquivo");
        return verifica(resto[1], saida, erro);
    }
    if (comando != "juntar" && comando != "compilar" && comando != "auxiliar" && comando != "conta")
        return usoErrado(erro, "comando desconhecido: " + comando);
    if (resto.size() != 1) return usoErrado(erro, "argumento a mais: " + resto[1]);
    return executa(comando, temPasta ? pasta : pastaPadraoDoJogo(), dados, saida, erro);
}

}  // namespace pelmar
