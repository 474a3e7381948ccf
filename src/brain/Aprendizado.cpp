#include "brain/Aprendizado.h"

#include <filesystem>
#include <system_error>

#include "brain/AlgoritmosRegras.h"
#include "brain/Codigos.h"
#include "brain/ContadorRegras.h"
#include "brain/DobraNaLeitura.h"
#include "brain/Inteligencia.h"
#include "brain/JuncaoPendente.h"
#include "engine/Partida.h"

namespace pelmar {

void Aprendizado::APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) {
    Partida& jogo = ia_.jogo;
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
    const PastaTrabalho& pasta = ia_.jogo.pasta;
    if (!terminaJuncaoAnterior()) return false;

    ia_.cerebro.defineQuantidade(0);
    DobraNaLeitura dobra(ia_.cerebro);
    if (!arquivos.leDobrando("P-NEURON.TXT", dobra)) return false;
    int malformadas = arquivos.malformadas;
    int alemDoLimite = arquivos.ignoradasPeloLimite;
    if (!arquivos.leDobrando("P-LEARN.TXT", dobra)) return false;
    malformadas += arquivos.malformadas;
    alemDoLimite += arquivos.ignoradasPeloLimite;
    const std::uintmax_t bytesDoAprendizado = arquivos.bytesLidos;
    const std::uint64_t resumoDoAprendizado = arquivos.resumoLido;
    if (alemDoLimite > 0) {
        arquivos.relataErro("Juntar regras cancelado: P-NEURON.TXT e P-LEARN.TXT juntos têm mais de 299999 regras "
                            "diferentes, que não cabem no cérebro. Nenhum arquivo foi alterado.");
        return false;
    }
    if (malformadas > 0) {
        arquivos.relataErro("Juntar regras cancelado: há " + std::to_string(malformadas) +
                            " linhas de regra mal formadas (veja o histórico). Nenhum arquivo foi alterado.");
        return false;
    }
    // The new learned rules are complete on disk, and marked, before they replace the old ones;
    // the learning log is emptied last. A stop anywhere is finished or undone at the next start.
    auto desiste = [&](const std::string& motivo) {
        std::error_code ec;
        std::filesystem::remove(arquivos.caminho(NEURON_NOVO), ec);
        std::filesystem::remove(arquivos.caminho(MARCA_DA_JUNCAO), ec);
        if (!motivo.empty()) arquivos.relataErro(motivo);
        return false;
    };
    if (!LIMPA_REPETIDOS(NEURON_NOVO) || !ORDENA_REGRAS(NEURON_NOVO)) return desiste("");
    if (auto falha = marcaJuncao(pasta, bytesDoAprendizado, resumoDoAprendizado)) return desiste(*falha);
    std::error_code ec;
    std::filesystem::rename(arquivos.caminho(NEURON_NOVO), arquivos.caminho("P-NEURON.TXT"), ec);
    if (ec)
        return desiste("Não foi possível substituir " + arquivos.caminho("P-NEURON.TXT").string() + ": " +
                       ec.message() + ". Nenhum arquivo foi alterado.");
    const ConclusaoDaJuncao conclusao = concluiJuncaoPendente(pasta);
    for (const std::string& nota : conclusao.notas) ia_.jogo.log(0, nota);
    if (!conclusao.pendente) return true;
    arquivos.relataErro("P-NEURON.TXT já tem as regras aprendidas, mas P-LEARN.TXT não pôde ser esvaziado (" +
                        conclusao.motivo +
                        "). A junção será terminada na próxima vez que o jogo abrir esta pasta ou juntar regras; "
                        "nenhuma regra será contada duas vezes.");
    return false;
}

bool Aprendizado::terminaJuncaoAnterior() {
    const ConclusaoDaJuncao anterior = concluiJuncaoPendente(ia_.jogo.pasta);
    for (const std::string& nota : anterior.notas) ia_.jogo.log(0, nota);
    if (!anterior.pendente) return true;
    ia_.arquivos.relataErro("Juntar regras cancelado: a junção anterior ainda não terminou, pois P-LEARN.TXT não "
                            "pôde ser esvaziado (" + anterior.motivo + ").");
    return false;
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
