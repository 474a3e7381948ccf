#include "players/LeituraPersonalidades.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/ArquivoTexto.h"
#include "players/LinhasDeTeste.h"
#include "players/TextoVirgula.h"

namespace pelmar {
namespace {

using teste::camposDaLinha;
using teste::junta;
using teste::linhaTabela;
using Linhas = std::vector<std::string>;

bool contem(const std::string& texto, const std::string& trecho) { return texto.find(trecho) != std::string::npos; }

TEST(LeituraPersonalidades, CadaColunaVaiParaSeuCampo) {
    const auto leitura = leTabelaPersonalidades({linhaTabela("chave", "Dona-Cida")}, "P.csv");
    ASSERT_TRUE(leitura.notas.empty()) << leitura.notas[0];
    ASSERT_EQ(leitura.linhas.size(), 1u);
    const LinhaPersonalidade& p = leitura.linhas[0];
    EXPECT_EQ(p.CHAVE, "CHAVE");
    EXPECT_EQ(p.PERSONAGEM, "DONA-CIDA");
    EXPECT_EQ(p.CHANCE_SINAL[1], 1003);
    EXPECT_EQ(p.CHANCE_SINAL[2], 1004);
    EXPECT_EQ(p.CHANCE_SINAL[3], 1005);
    EXPECT_EQ(p.CHANCE_SINAL_FALSO, 1006);
    EXPECT_EQ(p.CHANCE_GESTO, 1007);
    EXPECT_EQ(p.TEMPO_MINIMO, 1008);
    EXPECT_EQ(p.TEMPO_EXTRA, 1009);
    EXPECT_EQ(p.CHANCE_FALA, 1010);
    for (int n = 1; n <= QTE_SITUACOES; ++n) {
        const int c = 17 + 10 * (n - 1);
        const SituacaoPersonalidade& s = p.SITUACOES[n];
        EXPECT_EQ(s.ROTULO, "S" + std::to_string(n));
        const std::array<int, 9> esperados = {1001 + c, 1002 + c, 1003 + c, 1004 + c, 1005 + c,
                                              1006 + c, 1007 + c, 1008 + c, 1009 + c};
        EXPECT_EQ(s.valores(), esperados) << "situação " << n;
        EXPECT_EQ(s.MAO, 1001 + c);
        EXPECT_EQ(s.SAIRAM_MAIOR, 1009 + c);
    }
    EXPECT_EQ(p.TEXTO_FINAL, "FIM");
    EXPECT_TRUE(p.DISPONIVEL);
}

TEST(LeituraPersonalidades, PontoEVirgulaVirgulaEBrancosSeparamIgual) {
    const auto campos = camposDaLinha("A", "B");
    const auto porVirgula = leTabelaPersonalidades({junta(campos, ",")}, "P.csv");
    for (const char* separador : {";", " ; ", "  ", ", "}) {
        const auto outra = leTabelaPersonalidades({junta(campos, separador)}, "P.csv");
        EXPECT_TRUE(outra.notas.empty()) << separador;
        EXPECT_EQ(outra.linhas, porVirgula.linhas) << '"' << separador << '"';
    }
    ASSERT_EQ(porVirgula.linhas.size(), 1u);
}

TEST(LeituraPersonalidades, SoLinhasMarcadasOkEmQualquerCaixa) {
    const Linhas arquivo = {
        junta(camposDaLinha("CABECALHO", "X", {{0, "ATIVO"}}), ";"),
        "# comentário; com ; pontos",
        linhaTabela("UM", "P1", {{0, "ok"}}),
        linhaTabela("DESLIGADA", "P2", {{0, "NAO"}}),
        "",
        linhaTabela("DOIS", "P3", {{0, "  Ok"}}),
        linhaTabela("VAZIA", "P4", {{0, ""}}),
        linhaTabela("QUOTE", "P5", {{0, "\"OK\""}}),
    };
    const auto leitura = leTabelaPersonalidades(arquivo, "P.csv");
    EXPECT_TRUE(leitura.notas.empty());
    std::vector<std::string> chaves;
    for (const auto& p : leitura.linhas) chaves.push_back(p.CHAVE);
    EXPECT_EQ(chaves, (std::vector<std::string>{"UM", "DOIS", "QUOTE"}));
}

TEST(LeituraPersonalidades, CamposEntreAspasGuardamBrancosEVirgulas) {
    const auto leitura = leTabelaPersonalidades(
        {linhaTabela("\"seu bento\"", "Seu-Bento", {{17, "\"1a rodada, ganhando\""}, {227, "\"fim; de linha, ok\""}})},
        "P.csv");
    ASSERT_TRUE(leitura.notas.empty()) << leitura.notas[0];
    ASSERT_EQ(leitura.linhas.size(), 1u);
    EXPECT_EQ(leitura.linhas[0].CHAVE, "SEU BENTO");
    EXPECT_EQ(leitura.linhas[0].SITUACOES[1].ROTULO, "1A RODADA, GANHANDO");
    EXPECT_EQ(leitura.linhas[0].SITUACOES[1].MAO, 1018);
    EXPECT_EQ(leitura.linhas[0].TEXTO_FINAL, "FIM, DE LINHA, OK");
}

TEST(LeituraPersonalidades, ColunasOnzeADezesseisNaoSaoLidas) {
    const auto leitura = leTabelaPersonalidades(
        {linhaTabela("A", "B", {{11, "x"}, {12, "livre"}, {16, "?"}})}, "P.csv");
    EXPECT_TRUE(leitura.notas.empty());
    EXPECT_EQ(leitura.linhas.size(), 1u);
}

// A faulty row is reported by file and line, and dropped whole; the rows around it stay.
TEST(LeituraPersonalidades, LinhasComDefeitoSaoRelatadasEIgnoradas) {
    struct Caso {
        std::string linha;
        std::vector<std::string> trechos;
    };
    auto curta = camposDaLinha("C", "P");
    curta.pop_back();
    const std::vector<Caso> casos = {
        {junta(curta, ";"), {"linha 2:", "227 campos, são 228", "ignorada"}},
        {"OK;SO;TRES", {"linha 2:", "3 campos"}},
        {linhaTabela("C", "P", {{8, "lento"}}), {"linha 2:", "coluna 8 (tempo mínimo)", "\"LENTO\""}},
        {linhaTabela("C", "P", {{3, "1.5"}}), {"coluna 3 (sinal na rodada 1)"}},
        {linhaTabela("C", "P", {{4, "+-5"}}), {"coluna 4 (sinal na rodada 2)"}},
        {linhaTabela("C", "P", {{5, "+"}}), {"coluna 5 (sinal na rodada 3)"}},
        {linhaTabela("C", "P", {{10, "99999999999"}}), {"coluna 10 (fala)"}},
        {linhaTabela("C", "P", {{23, ""}}), {"coluna 23 (situação 1, NAO_TRUCAR)", "\"\""}},
        {linhaTabela("C", "P", {{226, "x"}}), {"coluna 226 (situação 21, SAIRAM_MAIOR)"}},
        {linhaTabela("C", "P", {{213, "-"}}), {"coluna 213 (situação 20, NAO_TRUCAR)"}},
        {linhaTabela("", "P"), {"linha 2:", "chave (coluna 1) está vazia"}},
        {linhaTabela("C", "\"\""), {"personagem (coluna 2) está vazio"}},
    };
    for (const auto& c : casos) {
        const auto leitura =
            leTabelaPersonalidades({linhaTabela("ANTES", "A"), c.linha, linhaTabela("DEPOIS", "D")}, "dir/P.csv");
        ASSERT_EQ(leitura.notas.size(), 1u) << c.linha.substr(0, 40);
        for (const auto& trecho : c.trechos) EXPECT_TRUE(contem(leitura.notas[0], trecho)) << leitura.notas[0];
        EXPECT_TRUE(leitura.notas[0].starts_with("dir/P.csv, linha 2: ")) << leitura.notas[0];
        ASSERT_EQ(leitura.linhas.size(), 2u);
        EXPECT_EQ(leitura.linhas[0].CHAVE, "ANTES");
        EXPECT_EQ(leitura.linhas[1].CHAVE, "DEPOIS");
    }
}

TEST(LeituraPersonalidades, SinaisENumerosAceitos) {
    const auto leitura = leTabelaPersonalidades({linhaTabela("C", "P", {{3, "+7"}, {4, "-2"}, {5, "0"}})}, "P.csv");
    ASSERT_EQ(leitura.linhas.size(), 1u);
    EXPECT_EQ(leitura.linhas[0].CHANCE_SINAL[1], 7);
    EXPECT_EQ(leitura.linhas[0].CHANCE_SINAL[2], -2);
    EXPECT_EQ(leitura.linhas[0].CHANCE_SINAL[3], 0);
}

// A number no play can use is held to the nearest bound, keeping its sense (slow stays slow,
// never stays never); the row stays and the note says where and what.
TEST(LeituraPersonalidades, NumerosAlemDoQueOJogoUsaFicamNoLimiteENotados) {
    using Campo = std::function<int(const LinhaPersonalidade&)>;
    struct Caso {
        int coluna;
        std::string texto;
        Campo campo;
        int esperado;
        std::string nota;  // what the note names; empty when none is due
    };
    const Campo minimo = [](const LinhaPersonalidade& p) { return p.TEMPO_MINIMO; };
    const Campo extra = [](const LinhaPersonalidade& p) { return p.TEMPO_EXTRA; };
    const Campo sinal1 = [](const LinhaPersonalidade& p) { return p.CHANCE_SINAL[1]; };
    const Campo falso = [](const LinhaPersonalidade& p) { return p.CHANCE_SINAL_FALSO; };
    const Campo gesto = [](const LinhaPersonalidade& p) { return p.CHANCE_GESTO; };
    const Campo fala = [](const LinhaPersonalidade& p) { return p.CHANCE_FALA; };
    const Campo roubar1 = [](const LinhaPersonalidade& p) { return p.SITUACOES[1].ROUBAR; };
    const Campo maior21 = [](const LinhaPersonalidade& p) { return p.SITUACOES[21].SAIRAM_MAIOR; };
    const std::vector<Caso> casos = {
        {8, "2147483647", minimo, 10000, "coluna 8 (tempo mínimo) 2147483647"},
        {8, "10001", minimo, 10000, "coluna 8 (tempo mínimo) 10001"},
        {8, "-50", minimo, 0, "coluna 8 (tempo mínimo) -50"},
        {8, "10000", minimo, 10000, ""},
        {8, "0", minimo, 0, ""},
        {9, "100000000", extra, 10000, "coluna 9 (tempo extra) 100000000"},
        {9, "-1", extra, 0, "coluna 9 (tempo extra) -1"},
        {3, "2147483647", sinal1, 1000000, "coluna 3 (sinal na rodada 1) 2147483647"},
        {6, "-2147483648", falso, -1000000, "coluna 6 (sinal falso) -2147483648"},
        {7, "-2", gesto, -2, ""},
        {10, "1000000", fala, 1000000, ""},
        {10, "-1000000", fala, -1000000, ""},
        {24, "2147483647", roubar1, 1000000, "coluna 24 (situação 1, ROUBAR) 2147483647"},
        {226, "1000001", maior21, 1000000, "coluna 226 (situação 21, SAIRAM_MAIOR) 1000001"},
    };
    for (const Caso& c : casos) {
        const auto leitura = leTabelaPersonalidades({linhaTabela("C", "P", {{c.coluna, c.texto}})}, "dir/P.csv");
        ASSERT_EQ(leitura.linhas.size(), 1u) << c.coluna << " = " << c.texto;
        EXPECT_EQ(c.campo(leitura.linhas[0]), c.esperado) << c.coluna << " = " << c.texto;
        if (c.nota.empty()) {
            EXPECT_TRUE(leitura.notas.empty()) << c.coluna << " = " << c.texto;
            continue;
        }
        ASSERT_EQ(leitura.notas.size(), 1u) << c.coluna << " = " << c.texto;
        const std::string& nota = leitura.notas[0];
        EXPECT_TRUE(nota.starts_with("dir/P.csv, linha 1: ")) << nota;
        EXPECT_TRUE(contem(nota, c.nota)) << nota;
        EXPECT_TRUE(contem(nota, "usado " + std::to_string(c.esperado))) << nota;
    }
}

TEST(LeituraPersonalidades, CamposAMaisSaoIgnoradosComAviso) {
    const auto leitura = leTabelaPersonalidades({"", linhaTabela("C", "P", {{228, "SOBRA"}, {229, "1"}})}, "P.csv");
    ASSERT_EQ(leitura.linhas.size(), 1u);
    EXPECT_EQ(leitura.linhas[0].TEXTO_FINAL, "FIM");
    ASSERT_EQ(leitura.notas.size(), 1u);
    EXPECT_TRUE(contem(leitura.notas[0], "P.csv, linha 2: 230 campos, são 228")) << leitura.notas[0];
}

TEST(LeituraPersonalidades, ChaveLongaECortadaNoTamanhoDoNome) {
    const std::string longa = "JOÃO-DA-SILVA-SAURO-DE-OLIVEIRA-NETO";  // 36 characters
    const auto leitura = leTabelaPersonalidades({linhaTabela(longa, "P")}, "P.csv");
    ASSERT_EQ(leitura.linhas.size(), 1u);
    EXPECT_EQ(leitura.linhas[0].CHAVE, "JOÃO-DA-SILVA-SAURO-DE-OLIVEIR");
    EXPECT_EQ(comprimentoUtf8(leitura.linhas[0].CHAVE), 30u);
    ASSERT_EQ(leitura.notas.size(), 1u);
    EXPECT_TRUE(contem(leitura.notas[0], "linha 1:"));
}

TEST(LeituraPersonalidades, AlemDeCemLinhasOkSaoIgnoradas) {
    Linhas arquivo = {"CABECALHO"};
    for (int i = 1; i <= 103; ++i) arquivo.push_back(linhaTabela("P" + std::to_string(i), "X"));
    const auto leitura = leTabelaPersonalidades(arquivo, "P.csv");
    ASSERT_EQ(leitura.linhas.size(), 100u);
    EXPECT_EQ(leitura.linhas.front().CHAVE, "P1");
    EXPECT_EQ(leitura.linhas.back().CHAVE, "P100");
    ASSERT_EQ(leitura.notas.size(), 1u);
    EXPECT_TRUE(contem(leitura.notas[0], "P.csv, linha 102: mais de 100 personalidades; 3 linhas"))
        << leitura.notas[0];
}

TEST(LeituraPersonalidades, LinhaComDefeitoNaoOcupaLugarEntreAsCem) {
    Linhas arquivo = {linhaTabela("RUIM", "X", {{9, "?"}})};
    for (int i = 1; i <= 100; ++i) arquivo.push_back(linhaTabela("P" + std::to_string(i), "X"));
    const auto leitura = leTabelaPersonalidades(arquivo, "P.csv");
    EXPECT_EQ(leitura.linhas.size(), 100u);
    EXPECT_EQ(leitura.notas.size(), 1u);
}

// The table the game ships with.
TEST(LeituraPersonalidades, TabelaDoJogo) {
    const auto arquivo = std::filesystem::path(PELMAR_DADOS) / "PERSONALIDADES.csv";
    const auto linhas = leLinhasTexto(arquivo);
    ASSERT_TRUE(linhas.has_value()) << arquivo;
    const auto leitura = leTabelaPersonalidades(*linhas, arquivo.string());
    for (const auto& nota : leitura.notas) ADD_FAILURE() << nota;
    ASSERT_GE(leitura.linhas.size(), 8u);

    // A header and a disabled row show how the file is written; neither is read.
    ASSERT_FALSE(linhas->empty());
    EXPECT_NE(separaTextoVirgula(normalizaLinhaTabela(linhas->front())).front(), "OK");
    int desativadas = 0;
    for (const auto& l : *linhas) {
        const auto campos = separaTextoVirgula(normalizaLinhaTabela(l));
        if (campos.empty() || campos[0] != "NAO") continue;
        ++desativadas;
        // Writing OK over NAO is all it takes to bring the row back.
        const auto ativada = leTabelaPersonalidades({"OK" + l.substr(3)}, "x");
        EXPECT_TRUE(ativada.notas.empty());
        EXPECT_EQ(ativada.linhas.size(), 1u);
    }
    EXPECT_GE(desativadas, 1);

    // The default seat names find their rows, numbered like the seats for the think times.
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(leitura.linhas[static_cast<std::size_t>(p - 1)].CHAVE, "JOGADOR-0" + std::to_string(p));
        EXPECT_EQ(leitura.linhas[static_cast<std::size_t>(p - 1)].PERSONAGEM, "JOGADOR-0" + std::to_string(p));
    }
    std::set<std::string> chaves, personagens;
    std::set<int> tempos;
    std::set<std::array<int, 9>> temperamentos;
    for (const auto& p : leitura.linhas) {
        chaves.insert(p.CHAVE);
        personagens.insert(p.PERSONAGEM);
        tempos.insert(p.TEMPO_MINIMO);
        EXPECT_GT(p.TEMPO_EXTRA, 0) << p.CHAVE;
        for (char c : p.PERSONAGEM) EXPECT_TRUE(c > ' ' && static_cast<unsigned char>(c) < 0x80) << p.PERSONAGEM;
        std::set<std::array<int, 9>> situacoes;
        for (const auto& s : p.SITUACOES) {
            situacoes.insert(s.valores());
            // 0 or 1 would mean "always": no personality should truco, or refuse, every time.
            for (int v : s.valores()) EXPECT_GE(v, 2) << p.CHAVE << " " << s.ROTULO;
        }
        EXPECT_GE(situacoes.size(), 5u) << p.CHAVE << " plays every situation alike";
        temperamentos.insert(p.SITUACOES[1].valores());
    }
    const std::size_t n = leitura.linhas.size();
    EXPECT_EQ(chaves.size(), n);
    EXPECT_EQ(personagens.size(), n);
    EXPECT_EQ(tempos.size(), n);
    EXPECT_EQ(temperamentos.size(), n);
}

}  // namespace
}  // namespace pelmar
