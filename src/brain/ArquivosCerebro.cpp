#include "brain/ArquivosCerebro.h"

#include <memory>
#include <system_error>

#include "base/AoSair.h"
#include "base/GravacaoArquivo.h"
#include "base/LeitorDeLinhas.h"
#include "brain/ContadorRegras.h"
#include "brain/DobraNaLeitura.h"
#include "brain/EscritorRegras.h"
#include "brain/Inteligencia.h"
#include "engine/Partida.h"

namespace pelmar {

std::filesystem::path ArquivosCerebro::caminho(std::string_view arquivo) const {
    return ia_.jogo.pasta.resolve(arquivo);
}

ContadorRegras ArquivosCerebro::contador() { return ContadorRegras(ia_.jogo.mesa, ia_.jogo.plataforma); }

void ArquivosCerebro::relataErro(const std::string& mensagem) {
    ia_.jogo.log(0, mensagem);
    ia_.jogo.tela.mostraErro(mensagem);
}

void ArquivosCerebro::avisa(const std::string& nota) {
    ia_.jogo.log(0, nota);
    if (aoAvisar) aoAvisar(nota);
}

bool ArquivosCerebro::LE_REGRAS() {
    ia_.cerebro.defineQuantidade(0);
    const bool fixas = LE_CEREBRO("P-BRAIN.TXT");
    ia_.cerebro.QTE_REGRAS_FIXAS = ia_.cerebro.QTE_REGRAS();
    const bool aprendidas = LE_CEREBRO("P-NEURON.TXT");
    return fixas && aprendidas;
}

void ArquivosCerebro::criaArquivoNovo(const std::filesystem::path& arquivo) {
    EscritorRegras novo(arquivo);
    novo.linha(TITULO_CEREBRO);
    novo.linha("#,  " + textoDataHora(ia_.jogo.plataforma.dataHora()));
    novo.linha(TRACOS_CEREBRO);
    // A folder where nothing can be written still plays with what it has.
    if (!novo.fecha()) avisa(novo.erro());
}

bool ArquivosCerebro::LE_CEREBRO(std::string_view arquivo) {
    return leArquivo(arquivo, [this](std::string_view linha) { LE_LINHA_REGRA(linha); });
}

Cerebro& ArquivosCerebro::tabela() { return tabelaNova_ ? *tabelaNova_ : ia_.cerebro; }

bool ArquivosCerebro::leEmTabelaNova(const std::vector<std::string>& arquivos,
                                     const std::function<void(std::size_t, int)>& aposCada) {
    auto nova = std::make_unique<Cerebro>();
    // A load started while this one serves events reads into its own table, and this one goes
    // on into its own afterwards.
    Cerebro* const anterior = tabelaNova_;
    tabelaNova_ = nova.get();
    const AoSair solta([this, anterior] { tabelaNova_ = anterior; });
    for (std::size_t k = 0; k < arquivos.size(); ++k) {
        if (!LE_CEREBRO(arquivos[k])) return false;
        if (aposCada) aposCada(k, nova->QTE_REGRAS());
    }
    ia_.cerebro.trocaRegrasCom(*nova);
    return true;
}

bool ArquivosCerebro::leDobrando(std::string_view arquivo, DobraNaLeitura& dobra) {
    return leArquivo(arquivo, [&](std::string_view texto) {
        const LinhaRegra linha = analisaLinhaRegra(texto);
        if (linha.tipo == LinhaRegra::Tipo::Malformada) notaMalformada(linha.motivo);
        else if (linha.tipo == LinhaRegra::Tipo::Regra && !dobra.acrescenta(linha.regra)) ++ignoradasPeloLimite;
    });
}

bool ArquivosCerebro::leArquivo(std::string_view arquivo, const std::function<void(std::string_view)>& cadaLinha) {
    Cerebro& c = tabela();
    ContadorRegras cont = contador();
    cont.mostra("Lendo Cerebro");
    cont.total(c.QTE_REGRAS());
    cont.maximo(MAX_REGRAS);
    ignoradasPeloLimite = 0;
    malformadas = 0;

    const std::filesystem::path local = caminho(arquivo);
    std::error_code ec;
    if (!std::filesystem::exists(local, ec)) criaArquivoNovo(local);

    LeitorDeLinhas entrada(local);
    if (!entrada.aberto()) {
        cont.esconde();
        relataErro(mensagemDeLeitura(local));
        return false;
    }
    ia_.jogo.Wait(10);
    cont.processaEventos();

    arquivoLido_ = std::string(arquivo);
    linhaLida_ = 0;
    std::string linha;
    while (entrada.proxima(linha)) {
        ++linhaLida_;
        if (linha.empty()) continue;
        cadaLinha(linha);
        if (c.QTE_REGRAS() % 10000 == 0) {
            cont.numero(c.QTE_REGRAS());
            cont.processaEventos();
        }
    }
    const bool erroDeLeitura = entrada.falhou();
    bytesLidos = entrada.bytesLidos();
    resumoLido = entrada.resumoDosBytes();
    arquivoLido_.clear();
    if (ignoradasPeloLimite > 0)
        avisa(std::string(arquivo) + ": " + std::to_string(ignoradasPeloLimite) +
              " regras além do limite de 299999 não foram lidas");

    cont.numero(c.QTE_REGRAS());
    cont.processaEventos();
    ia_.jogo.Wait(500);
    cont.total(c.QTE_REGRAS());
    cont.processaEventos();
    ia_.jogo.Wait(500);
    cont.esconde();
    if (erroDeLeitura) {
        relataErro(mensagemDeLeitura(local));
        return false;
    }
    return true;
}

void ArquivosCerebro::notaMalformada(const std::string& motivo) {
    // Skipped, never counted; the log says where, so a hand edit can be mended.
    ++malformadas;
    const std::string onde =
        arquivoLido_.empty() ? std::string() : arquivoLido_ + ", linha " + std::to_string(linhaLida_) + ": ";
    avisa("Regra mal formada ignorada - " + onde + motivo);
}

LinhaRegra::Tipo ArquivosCerebro::LE_LINHA_REGRA(std::string_view texto) {
    LinhaRegra linha = analisaLinhaRegra(texto);
    if (linha.tipo == LinhaRegra::Tipo::Malformada) {
        notaMalformada(linha.motivo);
    } else if (linha.tipo == LinhaRegra::Tipo::Regra) {
        Cerebro& c = tabela();
        if (c.QTE_REGRAS() < LIMITE_LEITURA) {
            c.REGRA_ATUAL = linha.regra;
            c.acrescenta(c.REGRA_ATUAL);
        } else {
            ++ignoradasPeloLimite;
        }
    }
    return linha.tipo;
}

bool ArquivosCerebro::GRAVA_REGRA(const Regra& regra, std::string_view arquivo) {
    const auto falha = acrescentaLinhas(caminho(arquivo), linhaDeRegra(regra), cabecalhoDeRegras());
    if (!falha) return true;
    relataErro(*falha);
    return false;
}

bool ArquivosCerebro::INICIA_ARQUIVO_REGRAS(std::string_view arquivo) { return gravaRegras(arquivo, nullptr, 0); }

bool ArquivosCerebro::gravaRegras(std::string_view arquivo, const int* indices, std::size_t quantidade) {
    // One open file for the lot: the same bytes as appending rule by rule.
    EscritorRegras escritor(caminho(arquivo));
    escritor.linha(TITULO_CEREBRO);
    escritor.linha(TRACOS_CEREBRO);
    const Regra* regras = ia_.cerebro.todas();
    for (std::size_t k = 0; k < quantidade && escritor.aberto(); ++k) escritor.regra(regras[indices[k]]);
    if (escritor.fecha()) return true;
    relataErro(escritor.erro());
    return false;
}

bool ArquivosCerebro::SALVA_REGRAS(std::string_view arquivo) {
    Cerebro& c = ia_.cerebro;
    ContadorRegras cont = contador();
    cont.mostra("Salvando Regras.");
    cont.total(c.QTE_REGRAS());
    cont.processaEventos();
    std::vector<int> comPeso;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i)
        if (c[i].QTE != 0) comPeso.push_back(i - 1);
    const bool ok = gravaRegras(arquivo, comPeso.data(), comPeso.size());
    cont.numero(c.QTE_REGRAS());
    cont.processaEventos();
    cont.esconde();
    return ok;
}

bool ArquivosCerebro::SALVA_CEREBRO() {
    Cerebro& c = ia_.cerebro;
    auto& texto = ia_.editor.TEXT;
    texto.push_back("Salvando: INICIO");
    const std::filesystem::path local = caminho("P-CEREBRO_SALVO.TXT");
    EscritorRegras escritor(local);
    escritor.linha(std::string(TITULO_CEREBRO) + " QTE = " + std::to_string(c.QTE_REGRAS()));
    escritor.linha(TRACOS_CEREBRO_SALVO);
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) {
        if (i % 1000 == 0) {
            texto.push_back(std::to_string(i));
            // The window shows the count and stays alive through a full table.
            ia_.jogo.plataforma.processaEventos();
        }
        if (c[i].QTE != 0) escritor.regra(c[i]);
    }
    const bool ok = escritor.fecha();
    texto.push_back("Salvando: FIM");
    if (!ok) relataErro(escritor.erro());
    return ok;
}

}  // namespace pelmar
