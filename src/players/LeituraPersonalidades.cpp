#include "players/LeituraPersonalidades.h"

#include <algorithm>
#include <optional>

#include "base/ArquivoTexto.h"
#include "base/Inteiros.h"
#include "players/TextoVirgula.h"

namespace pelmar {

namespace {

constexpr int COLUNA_SITUACOES = 17;
constexpr int COLUNA_TEXTO_FINAL = 227;
constexpr const char* NOMES_DA_SITUACAO[] = {"MAO", "SEGUNDO", "ANTEPE", "PE", "TRUCAR_ALEATORIO", "NAO_TRUCAR",
                                             "ROUBAR", "SAIRAM_MAIOR_IGUAL", "SAIRAM_MAIOR"};

// What a numeric column holds, for the notes.
std::string nomeDaColuna(int coluna) {
    switch (coluna) {
        case 3: case 4: case 5: return "sinal na rodada " + std::to_string(coluna - 2);
        case 6: return "sinal falso";
        case 7: return "gesto";
        case 8: return "tempo mínimo";
        case 9: return "tempo extra";
        case 10: return "fala";
        default: break;
    }
    const int desvio = coluna - COLUNA_SITUACOES;
    return "situação " + std::to_string(desvio / 10 + 1) + ", " + NOMES_DA_SITUACAO[desvio % 10 - 1];
}

// Fills the row from its fields; on a fault returns why, and the row is not to be used. A number
// outside what the game can use is held to the nearest bound, with a note in `correcoes`.
std::optional<std::string> preencheLinha(const std::vector<std::string>& campos, LinhaPersonalidade& p,
                                         std::vector<std::string>& correcoes) {
    std::optional<std::string> falha;
    auto numero = [&](int coluna, int minimo, int maximo) {
        const std::string& texto = campos[static_cast<std::size_t>(coluna)];
        const std::optional<int> valor = inteiroDe<int>(texto);
        if (!valor) {
            if (!falha)
                falha = "coluna " + std::to_string(coluna) + " (" + nomeDaColuna(coluna) + ") não é um número: \"" +
                        texto + "\"";
            return 0;
        }
        const int usado = std::clamp(*valor, minimo, maximo);
        if (usado != *valor)
            correcoes.push_back("coluna " + std::to_string(coluna) + " (" + nomeDaColuna(coluna) + ") " + texto +
                                " fora de " + std::to_string(minimo) + ".." + std::to_string(maximo) + "; usado " +
                                std::to_string(usado) + ".");
        return usado;
    };
    auto chance = [&](int coluna) { return numero(coluna, -CHANCE_MAXIMA, CHANCE_MAXIMA); };
    auto tempo = [&](int coluna) { return numero(coluna, 0, TEMPO_MAXIMO_MS); };
    p.CHAVE = campos[1];
    p.PERSONAGEM = campos[2];
    if (p.CHAVE.empty()) return "a chave (coluna 1) está vazia";
    if (p.PERSONAGEM.empty()) return "o personagem (coluna 2) está vazio";
    for (int r = 1; r <= 3; ++r) p.CHANCE_SINAL[r] = chance(2 + r);
    p.CHANCE_SINAL_FALSO = chance(6);
    p.CHANCE_GESTO = chance(7);
    p.TEMPO_MINIMO = tempo(8);
    p.TEMPO_EXTRA = tempo(9);
    p.CHANCE_FALA = chance(10);
    for (int n = 1; n <= QTE_SITUACOES; ++n) {
        const int c = COLUNA_SITUACOES + 10 * (n - 1);
        SituacaoPersonalidade& s = p.SITUACOES[n];
        s.ROTULO = campos[static_cast<std::size_t>(c)];
        s.MAO = chance(c + 1);
        s.SEGUNDO = chance(c + 2);
        s.ANTEPE = chance(c + 3);
        s.PE = chance(c + 4);
        s.TRUCAR_ALEATORIO = chance(c + 5);
        s.NAO_TRUCAR = chance(c + 6);
        s.ROUBAR = chance(c + 7);
        s.SAIRAM_MAIOR_IGUAL = chance(c + 8);
        s.SAIRAM_MAIOR = chance(c + 9);
    }
    p.TEXTO_FINAL = campos[COLUNA_TEXTO_FINAL];
    return falha;
}

}  // namespace

LeituraPersonalidades leTabelaPersonalidades(const std::vector<std::string>& linhasDoArquivo,
                                             std::string_view nomeArquivo) {
    LeituraPersonalidades leitura;
    int alemDoLimite = 0;
    int primeiraAlemDoLimite = 0;
    for (std::size_t i = 0; i < linhasDoArquivo.size(); ++i) {
        if (linhasDoArquivo[i].empty()) continue;
        const std::vector<std::string> campos = separaTextoVirgula(normalizaLinhaTabela(linhasDoArquivo[i]));
        if (campos.empty() || campos[0] != "OK") continue;
        const int nrLinha = static_cast<int>(i) + 1;
        const std::string onde = std::string(nomeArquivo) + ", linha " + std::to_string(nrLinha) + ": ";
        if (static_cast<int>(leitura.linhas.size()) == MAX_PERSONALIDADES) {
            if (alemDoLimite++ == 0) primeiraAlemDoLimite = nrLinha;
            continue;
        }
        const int qtde = static_cast<int>(campos.size());
        if (qtde < CAMPOS_PERSONALIDADE) {
            leitura.notas.push_back(onde + std::to_string(qtde) + " campos, são " +
                                    std::to_string(CAMPOS_PERSONALIDADE) + "; linha ignorada.");
            continue;
        }
        LinhaPersonalidade p;
        std::vector<std::string> correcoes;
        if (const auto falha = preencheLinha(campos, p, correcoes)) {
            leitura.notas.push_back(onde + *falha + "; linha ignorada.");
            continue;
        }
        for (const std::string& correcao : correcoes) leitura.notas.push_back(onde + correcao);
        if (qtde > CAMPOS_PERSONALIDADE) {
            leitura.notas.push_back(onde + std::to_string(qtde) + " campos, são " +
                                    std::to_string(CAMPOS_PERSONALIDADE) + "; os campos a mais foram ignorados.");
        }
        if (comprimentoUtf8(p.CHAVE) > TAMANHO_NOME_JOGADOR) {
            std::string curta = primeirosCaracteres(p.CHAVE, TAMANHO_NOME_JOGADOR);
            leitura.notas.push_back(onde + "a chave \"" + p.CHAVE + "\" passa de " +
                                    std::to_string(TAMANHO_NOME_JOGADOR) + " caracteres; vale \"" + curta + "\".");
            p.CHAVE = std::move(curta);
        }
        leitura.linhas.push_back(std::move(p));
    }
    if (alemDoLimite > 0) {
        leitura.notas.push_back(std::string(nomeArquivo) + ", linha " + std::to_string(primeiraAlemDoLimite) +
                                ": mais de " + std::to_string(MAX_PERSONALIDADES) + " personalidades; " +
                                std::to_string(alemDoLimite) + (alemDoLimite == 1 ? " linha" : " linhas") +
                                " a partir desta ignorada" + (alemDoLimite == 1 ? "." : "s."));
    }
    return leitura;
}

}  // namespace pelmar
