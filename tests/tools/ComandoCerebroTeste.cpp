#include <gtest/gtest.h>

#include <sstream>

#include "base/ArquivoTexto.h"
#include "brain/FormatoRegra.h"
#include "pelmar-cerebro/ComandoCerebro.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

class ComandoCerebroTeste : public PastaTemporaria {
protected:
    int roda(std::vector<std::string> argumentos) {
        saida.str("");
        erro.str("");
        argumentos.insert(argumentos.begin(), {"--pasta", pasta.string()});
        return comandoCerebro(argumentos, dados, saida, erro);
    }
    std::ostringstream saida, erro;
    std::string dados;  // none: the files in each test are all there is
};

const std::string CABECALHO = std::string(TITULO_CEREBRO) + "\r\n" + TRACOS_CEREBRO + "\r\n";
const std::string REGRA = "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   1\r\n";

TEST_F(ComandoCerebroTeste, PastaSemArquivosGanhaOsCabecalhosEZeroRegras) {
    EXPECT_EQ(roda({"conta"}), 0) << erro.str();
    EXPECT_EQ(saida.str(), "Limite: 300000\nFixas: 0\nAprendidas: 0\nTotal: 0\n");
    for (const char* nome : {"P-BRAIN.TXT", "P-NEURON.TXT"})
        EXPECT_EQ(leBytes(pasta / nome).rfind(std::string(TITULO_CEREBRO) + "\r\n#,  ", 0), 0u) << nome;

    EXPECT_EQ(roda({"juntar"}), 0) << erro.str();
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), CABECALHO);
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), CABECALHO);
}

TEST_F(ComandoCerebroTeste, JuntarCompilarEAuxiliarGravamSeusArquivos) {
    gravaBytes(pasta / "P-LEARN.TXT", CABECALHO + REGRA + REGRA);
    EXPECT_EQ(roda({"juntar"}), 0) << erro.str();
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), CABECALHO + "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   2\r\n");
    EXPECT_EQ(roda({"compilar"}), 0) << erro.str();
    EXPECT_NE(leBytes(pasta / "P-CEREBRO_SALVO.TXT").find("QTE = 1\r\n"), std::string::npos);
    EXPECT_EQ(roda({"auxiliar"}), 0) << erro.str();
    EXPECT_EQ(leBytes(pasta / "P-BRAIN-AUX.TXT"), CABECALHO + "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   2\r\n");
}

TEST_F(ComandoCerebroTeste, ArquivoIlegivelNomeadoSaida1EOsOutrosFicam) {
    gravaBytes(pasta / "P-BRAIN.TXT", CABECALHO + REGRA);
    gravaBytes(pasta / "P-LEARN.TXT", CABECALHO + REGRA);
    std::filesystem::create_directories(pasta / "P-NEURON.TXT");
    for (const char* comando : {"juntar", "conta", "compilar", "auxiliar"}) {
        EXPECT_EQ(roda({comando}), 1) << comando;
        EXPECT_NE(erro.str().find("P-NEURON.TXT"), std::string::npos) << comando << ": " << erro.str();
        EXPECT_EQ(leBytes(pasta / "P-BRAIN.TXT"), CABECALHO + REGRA) << comando;
        EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), CABECALHO + REGRA) << comando;
    }
}

TEST_F(ComandoCerebroTeste, VerificaListaLinhasMalFormadasEImpossiveis) {
    gravaBytes(pasta / "REGRAS.TXT", CABECALHO + REGRA + "=,  1,1,  1\r\n" +
                                         "=,  2,1,  1,*, B,Z, ?,?, ?,?,  2,A,?,  Z,M,?,  3,-,-,   1\r\n");
    EXPECT_EQ(roda({"verifica", (pasta / "REGRAS.TXT").string()}), 1);
    const std::string nome = (pasta / "REGRAS.TXT").string();
    EXPECT_NE(saida.str().find(nome + ":4: mal formada: "), std::string::npos) << saida.str();
    EXPECT_NE(saida.str().find(nome + ":5: ERRO: Mais de um ZAP!!"), std::string::npos) << saida.str();
    EXPECT_NE(saida.str().find(nome + ":5: impossível: Rodada 2:"), std::string::npos) << saida.str();
    EXPECT_EQ(saida.str().find(":3:"), std::string::npos);

    gravaBytes(pasta / "BOAS.TXT", CABECALHO + REGRA);
    EXPECT_EQ(roda({"verifica", (pasta / "BOAS.TXT").string()}), 0);
    EXPECT_EQ(roda({"verifica", (pasta / "FALTA.TXT").string()}), 1);
    EXPECT_NE(erro.str().find("FALTA.TXT"), std::string::npos);
}

// The game installs its fixed rules in a new folder; the tool, opening the folder first, must
// do the same, or the computer would play with no fixed rules from then on.
TEST_F(ComandoCerebroTeste, PastaNovaRecebeOCerebroFixoDoJogo) {
    dados = PELMAR_DADOS;
    const std::string fixo = leBytes(std::filesystem::path(PELMAR_DADOS) / "P-BRAIN.TXT");
    int regras = 0;
    for (std::size_t p = fixo.find("\n="); p != std::string::npos; p = fixo.find("\n=", p + 1)) ++regras;
    ASSERT_GT(regras, 0);
    for (const char* comando : {"conta", "juntar"}) {
        std::filesystem::remove_all(pasta);
        std::filesystem::create_directories(pasta);
        EXPECT_EQ(roda({comando}), 0) << comando << ": " << erro.str();
        EXPECT_EQ(leBytes(pasta / "P-BRAIN.TXT"), fixo) << comando;
    }
    EXPECT_EQ(roda({"conta"}), 0);
    EXPECT_NE(saida.str().find("Fixas: " + std::to_string(regras) + "\n"), std::string::npos) << saida.str();
}

TEST_F(ComandoCerebroTeste, VerificaLeQualquerFimDeLinhaEUtf16) {
    std::string linhas;
    for (int i = 0; i < 38; ++i) linhas += REGRA;
    std::string soCr = CABECALHO + linhas;
    for (std::size_t p = soCr.find("\r\n"); p != std::string::npos; p = soCr.find("\r\n", p)) soCr.erase(p + 1, 1);
    const std::string utf16 = "\xFF\xFE" + utf16DeUtf8(CABECALHO + linhas, false);
    for (const std::string& bytes : {soCr, utf16}) {
        gravaBytes(pasta / "REGRAS.TXT", bytes);
        EXPECT_EQ(roda({"verifica", (pasta / "REGRAS.TXT").string()}), 0) << saida.str();
        EXPECT_EQ(saida.str(), "38 regras lidas, 0 linhas com problema.\n");
    }
}

TEST_F(ComandoCerebroTeste, ErrosDeUso) {
    for (const auto& argumentos : std::vector<std::vector<std::string>>{
             {}, {"voar"}, {"conta", "demais"}, {"verifica"}, {"--cor", "conta"}}) {
        EXPECT_EQ(roda(argumentos), 2);
        EXPECT_FALSE(erro.str().empty());
    }
    std::ostringstream s, e;
    EXPECT_EQ(comandoCerebro({"--pasta"}, "", s, e), 2);
    EXPECT_EQ(comandoCerebro({"--help"}, "", s, e), 0);
    EXPECT_NE(s.str().find("verifica ARQ"), std::string::npos);
    EXPECT_EQ(comandoCerebro({"--pasta", (pasta / "nao-existe").string(), "conta"}, "", s, e), 1);
    EXPECT_NE(e.str().find("nao-existe"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
