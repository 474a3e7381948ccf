#include "players/Personalidades.h"

#include <algorithm>
#include <utility>

#include "base/ArquivoTexto.h"
#include "base/PastaTrabalho.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Preferencias.h"
#include "players/LeituraPersonalidades.h"
#include "players/Personagens.h"
#include "players/TextoVirgula.h"

namespace pelmar {

Personalidades::Personalidades(Preferencias& prefs, Pausa& pausa, Historico& historico, const PastaTrabalho& pasta,
                               ModeloMesa& mesa)
    : prefs_(prefs), pausa_(pausa), historico_(historico), pasta_(pasta), mesa_(mesa) {
    for (int p = 1; p <= 4; ++p)
        PERSONALIDADE_JOGADOR[p] = personalidadePadrao(maiusculas(prefs_.NOME_JOGADOR[p]), prefs_.PERSONAGEM[p]);
}

RelatorioPersonalidades Personalidades::CARREGA_PERSONALIDADES() {
    leArquivo();
    return relata(notasDaLeitura_, erroDaLeitura_);
}

void Personalidades::leArquivo() {
    const std::string caminho = pasta_.resolve(ARQUIVO).string();
    notasDaLeitura_.clear();
    erroDaLeitura_.reset();
    const auto linhas = leLinhasTexto(caminho);
    const std::string ficam = NR_PERSONALIDADES > 0
                                  ? "continuam valendo as " + std::to_string(NR_PERSONALIDADES) + " personalidades lidas antes."
                                  : "os jogadores ficam com a personalidade padrão.";
    if (!linhas) {
        erroDaLeitura_ = "Não foi possível ler o arquivo de personalidades \"" + caminho + "\"; " + ficam;
        return;
    }
    LeituraPersonalidades leitura = leTabelaPersonalidades(*linhas, caminho);
    notasDaLeitura_ = std::move(leitura.notas);
    if (leitura.linhas.empty()) {
        erroDaLeitura_ = "O arquivo de personalidades \"" + caminho + "\" não tem nenhuma linha válida marcada OK; " + ficam;
        return;
    }
    NR_PERSONALIDADES = static_cast<int>(leitura.linhas.size());
    for (int i = 1; i <= NR_PERSONALIDADES; ++i) PERSONALIDADE[i] = std::move(leitura.linhas[static_cast<std::size_t>(i - 1)]);
    for (int i = NR_PERSONALIDADES + 1; i <= MAX_PERSONALIDADES; ++i) PERSONALIDADE[i] = {};
}

RelatorioPersonalidades Personalidades::SORTEIA_PERSONALIDADES() {
    leArquivo();
    std::vector<std::string> notas = notasDaLeitura_;
    for (int i = 1; i <= NR_PERSONALIDADES; ++i) PERSONALIDADE[i].DISPONIVEL = true;

    // Rows held by fixed seats are not drawn for others, so no two seats share a row.
    if (prefs_.PARCEIRO_FIXO) reservaPelaChave(3);
    if (prefs_.ADVERSARIOS_FIXOS) {
        reservaPelaChave(2);
        reservaPelaChave(4);
    }
    // The row seat 1 holds is taken first, so a draw always gives it another.
    copiaPelaChave(1, true);
    if (!prefs_.VOCE_FIXO) sorteiaNome(1, notas);
    if (prefs_.PARCEIRO_FIXO) copiaPelaChave(3, true);
    else sorteiaNome(3, notas);
    if (!prefs_.ADVERSARIOS_FIXOS) {
        sorteiaNome(2, notas);
        sorteiaNome(4, notas);
    }
    // Every seat plays the row its name now shows, seat 1 included: the label, the face and the
    // voice all come from that one row.
    for (int p = 1; p <= 4; ++p) copiaPelaChave(p, false);

    for (int p = 1; p <= 4; ++p) {
        mesa_["NOME_JOG_" + std::to_string(p)].texto = prefs_.NOME_JOGADOR[p];
        prefs_.PERSONAGEM[p] = PERSONALIDADE_JOGADOR[p].PERSONAGEM;
    }
    return relata(std::move(notas), erroDaLeitura_);
}

const LinhaPersonalidade& Personalidades::linhaDoTempo(int jogador) const {
    return NR_PERSONALIDADES >= jogador ? PERSONALIDADE[jogador]
           : NR_PERSONALIDADES >= 1     ? PERSONALIDADE[1]
                                        : PERSONALIDADE_JOGADOR[jogador];
}

int Personalidades::tempoDePensarMs(int jogador) {
    const LinhaPersonalidade& linha = linhaDoTempo(jogador);
    return std::max(linha.TEMPO_MINIMO, 0) + pausa_.random(linha.TEMPO_EXTRA);
}

int Personalidades::sorteiaDisponivel(int jogador, std::vector<std::string>& notas) {
    if (NR_PERSONALIDADES == 0) return 0;
    int livres = 0;
    for (int i = 1; i <= NR_PERSONALIDADES; ++i) livres += PERSONALIDADE[i].DISPONIVEL ? 1 : 0;
    if (livres == 0) {
        notas.push_back(pasta_.resolve(ARQUIVO).string() + ": só " + std::to_string(NR_PERSONALIDADES) +
                        " personalidade(s) para sortear; o jogador " + std::to_string(jogador) +
                        " fica com a primeira (" + PERSONALIDADE[1].CHAVE + ").");
        return 1;
    }
    // Uniform among the available rows, as drawing among all rows until one is free would be,
    // but in one draw.
    int resta = pausa_.random(livres);
    for (int i = 1; i <= NR_PERSONALIDADES; ++i) {
        if (!PERSONALIDADE[i].DISPONIVEL) continue;
        if (resta-- == 0) return i;
    }
    return 1;
}

void Personalidades::sorteiaNome(int jogador, std::vector<std::string>& notas) {
    const int i = sorteiaDisponivel(jogador, notas);
    if (i == 0) return;
    prefs_.NOME_JOGADOR[jogador] = PERSONALIDADE[i].CHAVE;
    PERSONALIDADE[i].DISPONIVEL = false;
}

void Personalidades::reservaPelaChave(int jogador) {
    for (int i : linhasDoJogador(jogador)) PERSONALIDADE[i].DISPONIVEL = false;
}

void Personalidades::copiaPelaChave(int jogador, bool marca) {
    const std::vector<int> linhas = linhasDoJogador(jogador);
    SEM_LINHA_PROPRIA[jogador] = linhas.empty();
    if (linhas.empty()) {
        // Keeping the copy the seat had would show another character's face under this name.
        const std::string& nome = prefs_.NOME_JOGADOR[jogador];
        const std::string personagem = pastaDoPersonagem(pasta_, nome).value_or(prefs_.PERSONAGEM[jogador]);
        PERSONALIDADE_JOGADOR[jogador] = personalidadePadrao(maiusculas(nome), personagem);
        return;
    }
    for (int i : linhas) {
        PERSONALIDADE_JOGADOR[jogador] = PERSONALIDADE[i];
        if (marca) PERSONALIDADE[i].DISPONIVEL = false;
    }
}

// Keys are upper case from the reading; a name chosen from a character folder keeps its case.
std::vector<int> Personalidades::linhasDoJogador(int jogador) const {
    const std::string nome = maiusculas(prefs_.NOME_JOGADOR[jogador]);
    std::vector<int> linhas;
    for (int i = 1; i <= NR_PERSONALIDADES; ++i)
        if (PERSONALIDADE[i].CHAVE == nome) linhas.push_back(i);
    if (!linhas.empty()) return linhas;
    for (int i = 1; i <= NR_PERSONALIDADES; ++i)
        if (maiusculas(PERSONALIDADE[i].PERSONAGEM) == nome) return {i};
    return {};
}

RelatorioPersonalidades Personalidades::relata(std::vector<std::string> notas, std::optional<std::string> erro) {
    std::vector<std::string> relato = notas;
    if (erro) relato.push_back(*erro);
    RelatorioPersonalidades r{std::move(notas), std::move(erro), relato == ultimoRelato_};
    if (!r.repetido) {
        for (const std::string& linha : relato) historico_.ESCREVE_HISTORICO(0, linha);
        ultimoRelato_ = std::move(relato);
    }
    return r;
}

}  // namespace pelmar
