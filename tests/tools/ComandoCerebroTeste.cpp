#include <gtest/gtest.h>

#include <sstream>

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
        return comandoCerebro(argumentos, saida, erro);
    }
    std::ostringstream saida, erro;
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

TEST_F(ComandoCerebroTeste, ErrosDeUso) {
    for (const auto& argumentos : std::vector<std::vector<std::string>>{
             {}, {"voar"}, {"conta", "demais"}, {"verifica"}, {"--cor", "conta"}}) {
        EXPECT_EQ(roda(argumentos), 2);
        EXPECT_FALSE(erro.str().empty());
    }
    std::ostringstream s, e;
    EXPECT_EQ(comandoCerebro({"--pasta"}, s, e), 2);
    EXPECT_EQ(comandoCerebro({"--help"}, s, e), 0);
    EXPECT_NE(s.str().find("verifica ARQ"), std::string::npos);
    EXPECT_EQ(comandoCerebro({"--pasta", (pasta / "nao-existe").string(), "conta"}, s, e), 1);
    EXPECT_NE(e.str().find("nao-existe"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
