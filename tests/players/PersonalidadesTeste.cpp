#include "players/Personalidades.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/PastaTrabalho.h"
#include "engine/Estado.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Preferencias.h"
#include "headless/PlataformaHeadless.h"
#include "players/LinhasDeTeste.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

using teste::linhaTabela;

class SorteioPersonalidades : public teste::PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        trabalho = std::make_unique<PastaTrabalho>(pasta);
        personalidades = std::make_unique<Personalidades>(prefs, pausa, historico, *trabalho, mesa);
    }

    // Rows named P1..Pn, each with its own character C1..Cn and think time.
    void escreveTabela(int linhas) {
        std::string texto = "ATIVO;CHAVE;PERSONAGEM\r\n";
        for (int i = 1; i <= linhas; ++i) {
            const std::string n = std::to_string(i);
            texto += linhaTabela("P" + n, "C" + n, {{8, std::to_string(1000 * i)}, {9, "100"}}) + "\r\n";
        }
        gravaBytes(pasta / "PERSONALIDADES.csv", texto);
    }

    std::string chave(int jogador) const { return personalidades->PERSONALIDADE_JOGADOR[jogador].CHAVE; }

    PlataformaHeadless plataforma{11};
    EstadoJogo estado;
    ChavesDaSessao chaves;
    Pausa pausa{plataforma, estado, chaves};
    Historico historico{estado};
    ModeloMesa mesa;
    Preferencias prefs;
    std::unique_ptr<PastaTrabalho> trabalho;
    std::unique_ptr<Personalidades> personalidades;
};

TEST_F(SorteioPersonalidades, AntesDeQualquerSorteioCadaCadeiraTemAPadraoComSeuNome) {
    for (int p = 1; p <= 4; ++p) {
        const LinhaPersonalidade& atual = personalidades->PERSONALIDADE_JOGADOR[p];
        EXPECT_EQ(atual.CHAVE, prefs.NOME_JOGADOR[p]);
        EXPECT_EQ(atual.PERSONAGEM, prefs.PERSONAGEM[p]);
        EXPECT_EQ(atual, personalidadePadrao(atual.CHAVE, atual.PERSONAGEM));
    }
}

TEST_F(SorteioPersonalidades, CadeirasFixasGuardamSuasLinhasEntreSorteios) {
    escreveTabela(8);
    prefs.PARCEIRO_FIXO = true;
    prefs.ADVERSARIOS_FIXOS = true;
    prefs.NOME_JOGADOR[2] = "P5";
    prefs.NOME_JOGADOR[3] = "p2";  // a name picked from a character folder keeps its case
    prefs.NOME_JOGADOR[4] = "P7";
    std::set<std::string> nomesDoUm;
    for (int sorteio = 0; sorteio < 30; ++sorteio) {
        const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
        ASSERT_FALSE(relatorio.erro.has_value());
        EXPECT_EQ(chave(2), "P5");
        EXPECT_EQ(chave(3), "P2");
        EXPECT_EQ(chave(4), "P7");
        EXPECT_EQ(prefs.NOME_JOGADOR[2], "P5");
        EXPECT_EQ(prefs.NOME_JOGADOR[4], "P7");
        EXPECT_EQ(prefs.PERSONAGEM[2], "C5");
        EXPECT_EQ(prefs.PERSONAGEM[3], "C2");
        EXPECT_EQ(prefs.PERSONAGEM[4], "C7");
        // The fixed seats' rows are never drawn for seat 1.
        for (const char* fixa : {"P2", "P5", "P7"}) EXPECT_NE(prefs.NOME_JOGADOR[1], fixa);
        nomesDoUm.insert(prefs.NOME_JOGADOR[1]);
    }
    EXPECT_GT(nomesDoUm.size(), 1u);
}

TEST_F(SorteioPersonalidades, LinhasDosAdversariosFixosNaoVaoParaOParceiro) {
    escreveTabela(6);
    prefs.ADVERSARIOS_FIXOS = true;
    prefs.NOME_JOGADOR[2] = "P1";
    prefs.NOME_JOGADOR[4] = "P2";
    for (int sorteio = 0; sorteio < 30; ++sorteio) {
        EXPECT_TRUE(personalidades->SORTEIA_PERSONALIDADES().notas.empty());
        for (int p : {1, 3}) {
            EXPECT_NE(prefs.NOME_JOGADOR[p], "P1");
            EXPECT_NE(prefs.NOME_JOGADOR[p], "P2");
        }
        EXPECT_EQ(chave(3), prefs.NOME_JOGADOR[3]);
    }
}

TEST_F(SorteioPersonalidades, SemOpcoesCadaSorteioDaLinhasDiferentesACadaCadeira) {
    escreveTabela(8);
    std::map<int, std::set<std::string>> vistas;
    for (int sorteio = 0; sorteio < 40; ++sorteio) {
        const std::string antigoDoUm = prefs.NOME_JOGADOR[1];
        ASSERT_FALSE(personalidades->SORTEIA_PERSONALIDADES().erro.has_value());
        std::set<std::string> nomes;
        for (int p = 1; p <= 4; ++p) nomes.insert(prefs.NOME_JOGADOR[p]);
        EXPECT_EQ(nomes.size(), 4u);
        EXPECT_EQ(nomes.count(antigoDoUm), 0u) << "the row seat 1 holds is taken before the draw";
        // Every seat, seat 1 included, plays the row just drawn for it.
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(chave(p), prefs.NOME_JOGADOR[p]);
            ASSERT_TRUE(chave(p).starts_with("P")) << chave(p);
            const int linha = std::stoi(chave(p).substr(1));
            EXPECT_EQ(personalidades->valoresDaSituacao(p, 21),
                      personalidades->PERSONALIDADE[linha].SITUACOES[21].valores());
            EXPECT_EQ(mesa["NOME_JOG_" + std::to_string(p)].texto, prefs.NOME_JOGADOR[p]);
            EXPECT_EQ(prefs.PERSONAGEM[p], personalidades->PERSONALIDADE_JOGADOR[p].PERSONAGEM);
            vistas[p].insert(chave(p));
        }
    }
    for (int p = 1; p <= 4; ++p) EXPECT_GT(vistas[p].size(), 3u) << "seat " << p;
}

// Whatever seats are fixed, after every draw each seat's name, the row it plays and its
// character (face and voice) are one row of the table; the name label shows that name.
TEST_F(SorteioPersonalidades, CadaCadeiraJogaALinhaDoNomeQueMostra) {
    escreveTabela(9);
    for (int opcoes = 0; opcoes < 8; ++opcoes) {
        prefs.VOCE_FIXO = opcoes & 1;
        prefs.PARCEIRO_FIXO = opcoes & 2;
        prefs.ADVERSARIOS_FIXOS = opcoes & 4;
        // A fixed seat's name is the one given it; the others start from whatever the last draw left.
        if (prefs.VOCE_FIXO) prefs.NOME_JOGADOR[1] = "P1";
        if (prefs.PARCEIRO_FIXO) prefs.NOME_JOGADOR[3] = "P2";
        if (prefs.ADVERSARIOS_FIXOS) {
            prefs.NOME_JOGADOR[2] = "P3";
            prefs.NOME_JOGADOR[4] = "P4";
        }
        for (int sorteio = 0; sorteio < 25; ++sorteio) {
            SCOPED_TRACE("opções " + std::to_string(opcoes) + ", sorteio " + std::to_string(sorteio));
            ASSERT_FALSE(personalidades->SORTEIA_PERSONALIDADES().erro.has_value());
            for (int p = 1; p <= 4; ++p) {
                const std::string& nome = prefs.NOME_JOGADOR[p];
                ASSERT_TRUE(nome.starts_with("P")) << "seat " << p << ": " << nome;
                const std::string numero = nome.substr(1);
                EXPECT_EQ(chave(p), nome) << "seat " << p;
                EXPECT_EQ(personalidades->PERSONALIDADE_JOGADOR[p].PERSONAGEM, "C" + numero) << "seat " << p;
                EXPECT_EQ(prefs.PERSONAGEM[p], "C" + numero) << "seat " << p;
                EXPECT_EQ(mesa["NOME_JOG_" + std::to_string(p)].texto, nome) << "seat " << p;
            }
        }
    }
}

TEST_F(SorteioPersonalidades, SeuPersonagemFixoNaoSorteiaONomeDoUm) {
    escreveTabela(5);
    prefs.VOCE_FIXO = true;
    prefs.NOME_JOGADOR[1] = "P4";
    for (int sorteio = 0; sorteio < 10; ++sorteio) {
        personalidades->SORTEIA_PERSONALIDADES();
        EXPECT_EQ(prefs.NOME_JOGADOR[1], "P4");
        EXPECT_EQ(chave(1), "P4");
        for (int p = 2; p <= 4; ++p) EXPECT_NE(prefs.NOME_JOGADOR[p], "P4");
    }
}

// Fewer free rows than seats to draw: the draw ends, and a seat left without a row takes the first.
// With every option off the row seat 1 holds is taken too, so four rows are one short.
TEST_F(SorteioPersonalidades, PoucasLinhasNuncaPrendemOSorteio) {
    for (int linhas : {1, 2, 3, 4}) {
        escreveTabela(linhas);
        const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
        EXPECT_FALSE(relatorio.erro.has_value());
        ASSERT_FALSE(relatorio.notas.empty()) << linhas;
        EXPECT_NE(relatorio.notas.back().find("fica com a primeira (P1)"), std::string::npos) << relatorio.notas.back();
        EXPECT_NE(relatorio.notas.back().find("PERSONALIDADES.csv"), std::string::npos);
        EXPECT_EQ(chave(4), "P1") << linhas;
        for (int p = 2; p <= 4; ++p) EXPECT_TRUE(chave(p).starts_with("P")) << p;
    }
}

TEST_F(SorteioPersonalidades, PoucasLinhasComCadeirasFixas) {
    escreveTabela(2);
    prefs.PARCEIRO_FIXO = true;
    prefs.ADVERSARIOS_FIXOS = true;
    prefs.NOME_JOGADOR[3] = "P2";
    prefs.NOME_JOGADOR[2] = "P1";
    prefs.NOME_JOGADOR[4] = "P1";
    const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
    ASSERT_EQ(relatorio.notas.size(), 1u);
    EXPECT_NE(relatorio.notas[0].find("jogador 1 fica com a primeira"), std::string::npos) << relatorio.notas[0];
    EXPECT_EQ(chave(2), "P1");
    EXPECT_EQ(chave(3), "P2");
    EXPECT_EQ(chave(4), "P1");
}

TEST_F(SorteioPersonalidades, CincoLinhasBastamParaQuatroCadeiras) {
    escreveTabela(5);
    for (int sorteio = 0; sorteio < 10; ++sorteio) {
        const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
        EXPECT_TRUE(relatorio.notas.empty());
        std::set<std::string> nomes;
        for (int p = 1; p <= 4; ++p) nomes.insert(prefs.NOME_JOGADOR[p]);
        EXPECT_EQ(nomes.size(), 4u);
    }
}

TEST_F(SorteioPersonalidades, ArquivoQueFaltaOuSemLinhasMantemOQueHavia) {
    const auto semArquivo = personalidades->SORTEIA_PERSONALIDADES();
    ASSERT_TRUE(semArquivo.erro.has_value());
    EXPECT_NE(semArquivo.erro->find((pasta / "PERSONALIDADES.csv").string()), std::string::npos) << *semArquivo.erro;
    EXPECT_EQ(personalidades->NR_PERSONALIDADES, 0);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(chave(p), "JOGADOR-0" + std::to_string(p));

    escreveTabela(6);
    ASSERT_FALSE(personalidades->SORTEIA_PERSONALIDADES().erro.has_value());

    for (const char* conteudo : {static_cast<const char*>(nullptr), "ATIVO;CHAVE\r\n# nada aqui\r\n"}) {
        std::filesystem::remove(pasta / "PERSONALIDADES.csv");
        if (conteudo) gravaBytes(pasta / "PERSONALIDADES.csv", conteudo);
        const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
        ASSERT_TRUE(relatorio.erro.has_value());
        EXPECT_NE(relatorio.erro->find("PERSONALIDADES.csv"), std::string::npos);
        EXPECT_NE(relatorio.erro->find("continuam valendo as 6 personalidades"), std::string::npos);
        // The draw goes on with the rows read before.
        EXPECT_EQ(personalidades->NR_PERSONALIDADES, 6);
        for (int p = 1; p <= 4; ++p) EXPECT_TRUE(chave(p).starts_with("P")) << chave(p);
    }
}

TEST_F(SorteioPersonalidades, TempoDePensarVemDaLinhaDoNumeroDaCadeira) {
    struct Caso {
        int linhas;
        std::array<int, 4> linhaDaCadeira;
    };
    for (const Caso& c : {Caso{4, {1, 2, 3, 4}}, Caso{6, {1, 2, 3, 4}}, Caso{2, {1, 2, 1, 1}}}) {
        escreveTabela(c.linhas);
        personalidades->SORTEIA_PERSONALIDADES();
        for (int p = 1; p <= 4; ++p) {
            const int minimo = 1000 * c.linhaDaCadeira[static_cast<std::size_t>(p - 1)];
            std::set<int> vistos;
            for (int i = 0; i < 400; ++i) {
                const int t = personalidades->tempoDePensarMs(p);
                ASSERT_GE(t, minimo) << c.linhas << " rows, seat " << p;
                ASSERT_LE(t, minimo + 99);
                vistos.insert(t);
            }
            EXPECT_GT(vistos.size(), 50u);
        }
    }
}

TEST_F(SorteioPersonalidades, TempoDePensarSemTabelaEDaPersonalidadePadrao) {
    for (int i = 0; i < 200; ++i) {
        const int t = personalidades->tempoDePensarMs(2);
        ASSERT_GE(t, 500);
        ASSERT_LT(t, 1500);
    }
}

TEST_F(SorteioPersonalidades, TempoExtraZeroDaSoOMinimo) {
    gravaBytes(pasta / "PERSONALIDADES.csv", linhaTabela("A", "B", {{8, "700"}, {9, "0"}}) + "\r\n" +
                                                 linhaTabela("C", "D", {{8, "-50"}, {9, "0"}}));
    personalidades->CARREGA_PERSONALIDADES();
    EXPECT_EQ(personalidades->tempoDePensarMs(1), 700);
    EXPECT_EQ(personalidades->tempoDePensarMs(2), 0);
}

// Think times of hours (or past the largest int) in the file still give a pause of seconds, and
// the log says which values were held back.
TEST_F(SorteioPersonalidades, TempoDePensarEnormeNaTabelaFicaEmSegundos) {
    gravaBytes(pasta / "PERSONALIDADES.csv",
               linhaTabela("A", "B", {{8, "2147483647"}, {9, "2147483647"}}) + "\r\n" +
                   linhaTabela("C", "D", {{8, "100000000"}, {9, "1"}}));
    personalidades->CARREGA_PERSONALIDADES();
    for (int i = 0; i < 200; ++i) {
        const int t = personalidades->tempoDePensarMs(1);
        ASSERT_GE(t, TEMPO_MAXIMO_MS);
        ASSERT_LT(t, 2 * TEMPO_MAXIMO_MS);
    }
    EXPECT_EQ(personalidades->tempoDePensarMs(2), TEMPO_MAXIMO_MS);
    ASSERT_EQ(historico.linhas().size(), 3u);
    EXPECT_NE(historico.linhas()[0].find("linha 1: coluna 8 (tempo mínimo) 2147483647"), std::string::npos);
    EXPECT_NE(historico.linhas()[2].find("linha 2: coluna 8 (tempo mínimo) 100000000"), std::string::npos);
}

TEST_F(SorteioPersonalidades, NotasVaoAoHistoricoUmaVezEnquantoOArquivoNaoMuda) {
    const std::string curta = "OK;CURTA;X\r\n";
    const std::string boas = linhaTabela("A", "B") + "\r\n" + linhaTabela("C", "D") + "\r\n";
    gravaBytes(pasta / "PERSONALIDADES.csv", curta + boas);
    const auto primeiro = personalidades->CARREGA_PERSONALIDADES();
    ASSERT_EQ(primeiro.notas.size(), 1u);
    EXPECT_FALSE(primeiro.repetido);
    EXPECT_NE(primeiro.notas[0].find("PERSONALIDADES.csv, linha 1: 3 campos"), std::string::npos) << primeiro.notas[0];
    ASSERT_EQ(historico.linhas().size(), 1u);
    EXPECT_TRUE(historico.linhas()[0].ends_with(primeiro.notas[0]));

    const auto segundo = personalidades->CARREGA_PERSONALIDADES();
    EXPECT_EQ(segundo.notas, primeiro.notas);
    EXPECT_TRUE(segundo.repetido);
    EXPECT_EQ(historico.linhas().size(), 1u);

    gravaBytes(pasta / "PERSONALIDADES.csv", boas);
    EXPECT_TRUE(personalidades->CARREGA_PERSONALIDADES().notas.empty());
    gravaBytes(pasta / "PERSONALIDADES.csv", curta + boas);
    EXPECT_FALSE(personalidades->CARREGA_PERSONALIDADES().repetido);
    EXPECT_EQ(historico.linhas().size(), 2u);
}

TEST_F(SorteioPersonalidades, TabelaDoJogoSorteiaSemNotas) {
    std::filesystem::copy_file(std::filesystem::path(PELMAR_DADOS) / "PERSONALIDADES.csv", pasta / "PERSONALIDADES.csv");
    for (int sorteio = 0; sorteio < 15; ++sorteio) {
        const auto relatorio = personalidades->SORTEIA_PERSONALIDADES();
        EXPECT_TRUE(relatorio.notas.empty());
        EXPECT_FALSE(relatorio.erro.has_value());
    }
    EXPECT_GE(personalidades->NR_PERSONALIDADES, 8);
    std::set<std::string> personagens;
    for (int p = 1; p <= 4; ++p) personagens.insert(prefs.PERSONAGEM[p]);
    EXPECT_EQ(personagens.size(), 4u);
}

}  // namespace
}  // namespace pelmar
