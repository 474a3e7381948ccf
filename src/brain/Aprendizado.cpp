#include "brain/Aprendizado.h"

#include <filesystem>
#include <system_error>

#include "brain/AlgoritmosRegras.h"
#include "brain/Codigos.h"
#include "brain/ContadorRegras.h"
#include "brain/Inteligencia.h"
#include "engine/Jogo.h"

namespace pelmar {

void Aprendizado::APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) {
    Jogo& jogo = ia_.jogo;
    if (jogador != 1 || !jogo.prefs.CEREBRO_APRENDE_REGRAS) return;
    const EstadoJogo& e = jogo.estado;
    const RegistroJogador& eu = e.JOGADORES[1];
    Regra& r = ia_.cerebro.REGRA_ATUAL;

    // The situation is the one a consultation for seat 1 would see.
    const ChaveSituacao chave = ia_.consulta.chaveDe(1);
    auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    r[NR_RODADA] = chave.rodada;
    r[POSICAO_RODADA] = chave.posicao;
    r[PONTO] = byte(e.VALOR_TRUCO);
    r[TRUCO] = byte(LETRA_TRUCO(1, e.ESTADO_TRUCO & 0xFF));
    std::copy(chave.padrao.begin(), chave.padrao.end(), r.campos.begin() + PRIMEIRO_CAMPO_PADRAO);
    int acao = slot >= 1 && slot <= 3 ? eu.CARTAS[slot].POSICAO : 0;
    if (e.RODADA == 2 && acao > 2) acao = 2;
    if (e.RODADA == 3 && acao > 1) acao = 1;
    r[ACAO] = byte(acao);
    r[ENCOBRIR] = encoberta ? 'E' : '-';
    r[TRUCAR] = valor != 0 ? 'T' : '-';
    r.QTE = 1;
    ia_.arquivos.GRAVA_REGRA(r, "P-LEARN.TXT");
}

bool Aprendizado::COMPILA_CEREBRO() {
    ArquivosCerebro& arquivos = ia_.arquivos;
    ia_.cerebro.defineQuantidade(0);
    if (!arquivos.LE_CEREBRO("P-NEURON.TXT")) return false;
    int malformadas = arquivos.malformadas;
    if (!arquivos.LE_CEREBRO("P-LEARN.TXT")) return false;
    malformadas += arquivos.malformadas;
    if (arquivos.ignoradasPeloLimite > 0) {
        arquivos.relataErro("Juntar regras cancelado: P-NEURON.TXT e P-LEARN.TXT juntos passam de 299999 regras. "
                            "Nenhum arquivo foi alterado.");
        return false;
    }
    if (malformadas > 0) {
        arquivos.relataErro("Juntar regras cancelado: há " + std::to_string(malformadas) +
                            " linhas de regra mal formadas (veja o histórico). Nenhum arquivo foi alterado.");
        return false;
    }
    // The new learned rules are complete on disk before they replace the old ones, and the
    // learning log is emptied last, so a failure on the way loses nothing.
    const std::string provisorio = "P-NEURON.TXT.novo";
    if (!LIMPA_REPETIDOS(provisorio) || !ORDENA_REGRAS(provisorio)) return false;
    std::error_code ec;
    std::filesystem::rename(arquivos.caminho(provisorio), arquivos.caminho("P-NEURON.TXT"), ec);
    if (ec) {
        arquivos.relataErro("Não foi possível substituir " + arquivos.caminho("P-NEURON.TXT").string() + ": " +
                            ec.message());
        return false;
    }
    return arquivos.INICIA_ARQUIVO_REGRAS("P-LEARN.TXT");
}

bool Aprendizado::LIMPA_REPETIDOS(std::string_view arquivo) {
    Cerebro& c = ia_.cerebro;
    ContadorRegras cont = ia_.arquivos.contador();
    cont.mostra("Limpa Repetidos.");
    cont.total(c.QTE_REGRAS());
    cont.processaEventos();
    const auto restam = dobraRepetidosExatos(c.alteraTodas(), c.QTE_REGRAS());
    cont.numero(c.QTE_REGRAS());
    cont.processaEventos();
    const bool ok = ia_.arquivos.gravaRegras(arquivo, restam.data(), restam.size());
    cont.esconde();
    return ok;
}

bool Aprendizado::ORDENA_REGRAS(std::string_view arquivo) {
    Cerebro& c = ia_.cerebro;
    c.defineQuantidade(0);
    if (!ia_.arquivos.LE_CEREBRO(arquivo)) return false;
    ContadorRegras cont = ia_.arquivos.contador();
    cont.mostra("Sorteando Dados.");
    cont.total(c.QTE_REGRAS());
    cont.processaEventos();
    const int n = c.QTE_REGRAS();
    const auto ordem = ordemDoArquivoPorPeso(c.todas(), n);
    std::vector<Regra> ordenadas(static_cast<std::size_t>(n));
    for (std::size_t k = 0; k < ordem.size(); ++k) ordenadas[k] = c[ordem[k] + 1];
    Regra* regras = c.alteraTodas();
    std::copy(ordenadas.begin(), ordenadas.end(), regras);
    ordenadas = {};
    std::vector<int> todas(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) todas[static_cast<std::size_t>(i)] = i;
    cont.numero(n);
    cont.processaEventos();
    const bool ok = ia_.arquivos.gravaRegras(arquivo, todas.data(), todas.size());
    cont.esconde();
    return ok;
}

}  // namespace pelmar
