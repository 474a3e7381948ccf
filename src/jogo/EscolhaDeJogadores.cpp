#include "jogo/EscolhaDeJogadores.h"

#include <stdexcept>

#include "base/Maiusculas.h"
#include "jogo/Jogo.h"
#include "players/Personagens.h"
#include "players/TextoVirgula.h"

namespace pelmar {

namespace {

void confereAssento(int assento) {
    if (assento < 1 || assento > 4) throw std::out_of_range("assento fora de 1..4: " + std::to_string(assento));
}

}  // namespace

std::vector<std::string> EscolhaDeJogadores::chavesDaTabela() const {
    const Personalidades& p = jogo_.personalidades;
    std::vector<std::string> chaves;
    for (int i = 1; i <= p.NR_PERSONALIDADES; ++i) chaves.push_back(p.PERSONALIDADE[i].CHAVE);
    return chaves;
}

bool* EscolhaDeJogadores::opcaoDoAssento(int assento) const {
    confereAssento(assento);
    Preferencias& p = jogo_.prefs;
    switch (assento) {
        case 1: return &p.VOCE_FIXO;
        case 3: return &p.PARCEIRO_FIXO;
        default: return &p.ADVERSARIOS_FIXOS;
    }
}

bool EscolhaDeJogadores::fixo(int assento) const { return *opcaoDoAssento(assento); }

void EscolhaDeJogadores::fixa(int assento, bool fixo) { *opcaoDoAssento(assento) = fixo; }

ResultadoDaEscolha EscolhaDeJogadores::mudaNome(int assento, std::string_view texto) {
    confereAssento(assento);
    const std::string nome = primeirosCaracteres(maiusculas(texto), TAMANHO_NOME_JOGADOR);
    if (nome.empty()) return {"O nome do jogador não pode ficar vazio.", std::nullopt};
    jogo_.prefs.NOME_JOGADOR[assento] = nome;
    return sorteia();
}

ResultadoDaEscolha EscolhaDeJogadores::sentaPersonagem(int assento, std::string_view personagem) {
    confereAssento(assento);
    if (auto problema = problemaNoNomeDePersonagem(personagem)) return {std::move(problema), std::nullopt};
    fixa(assento, true);
    jogo_.prefs.NOME_JOGADOR[assento] = std::string(personagem);
    return sorteia();
}

ResultadoDaEscolha EscolhaDeJogadores::soltaTodos() {
    for (int assento : {1, 2, 3}) fixa(assento, false);
    return sorteia();
}

ResultadoDaEscolha EscolhaDeJogadores::sorteia() {
    const auto sorteio = jogo_.personalidades.SORTEIA_PERSONALIDADES();
    ResultadoDaEscolha r;
    if (sorteio.erro && !sorteio.repetido) r.erro = sorteio.erro;
    return r;
}

std::optional<std::string> EscolhaDeJogadores::notaDoAssento(int assento) const {
    confereAssento(assento);
    const Personalidades& p = jogo_.personalidades;
    if (!p.SEM_LINHA_PROPRIA[assento]) return std::nullopt;
    return "\"" + jogo_.prefs.NOME_JOGADOR[assento] + "\" não tem linha em " + Personalidades::ARQUIVO +
           ": joga com a personalidade padrão.";
}

}  // namespace pelmar
