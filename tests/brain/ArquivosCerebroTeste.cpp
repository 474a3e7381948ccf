#include <gtest/gtest.h>

#include "brain/CerebroDeTeste.h"

namespace pelmar::teste {
namespace {

using ArquivosCerebroTeste = CerebroDeTeste;

const char* const R1_ = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";
const char* const R2_ = "=,  2,3,  1,*, B,3, ?,?, ?,?,  ?,?,?,  Z,A,?,  1,-,T,   4";

TEST_F(ArquivosCerebroTeste, ArquivoQueNaoExisteECriadoComAsTresLinhasDeCabecalho) {
    poeNaTabela({regra(R1_)});
    ASSERT_TRUE(ia().arquivos.LE_CEREBRO("p-brain.txt"));
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1);
    const auto linhas = linhasDe("p-brain.txt");
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0], "#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009");
    EXPECT_EQ(linhas[1].rfind("#,  ", 0), 0u);
    EXPECT_EQ(linhas[1].size(), 4 + std::string("dd/mm/yyyy hh:nn:ss").size());
    EXPECT_EQ(linhas[2], "#, -----------------------");
    EXPECT_FALSE(jogo->mesa["TfCONTADOR"].visivel);
    EXPECT_EQ(jogo->mesa["TfCONTADOR"].texto, "Lendo Cerebro");
    EXPECT_EQ(jogo->mesa["Maximo"].texto, "300000");
}

TEST_F(ArquivosCerebroTeste, LeituraAcrescentaPulaComentariosEMalFormadasComNotaNoHistorico) {
    gravaBytes(pasta / "P-NEURON.TXT", std::string("#, titulo\r\n") + R1_ + "\r\n\r\n" +
                                           "=,  1,1,  1,S, ?,?\r\n" + "== nada\n" + R2_ + "\n");
    poeNaTabela({regra(R2_)});
    ASSERT_TRUE(ia().arquivos.LE_CEREBRO("P-NEURON.TXT"));
    ASSERT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(cerebro()[2], regra(R1_));
    EXPECT_EQ(cerebro()[3], regra(R2_));
    EXPECT_EQ(cerebro().REGRA_ATUAL, regra(R2_));
    EXPECT_EQ(ia().arquivos.malformadas, 1);
    EXPECT_TRUE(logContem("Regra mal formada ignorada - P-NEURON.TXT, linha 4: "));
}

TEST_F(ArquivosCerebroTeste, LeituraParaEm299999RegrasSemContarAsDemais) {
    std::string bytes;
    for (int i = 0; i < 5; ++i) bytes += std::string(R2_) + "\r\n";
    gravaBytes(pasta / "P-LEARN.TXT", bytes);
    cerebro().defineQuantidade(LIMITE_LEITURA - 2);
    ASSERT_TRUE(ia().arquivos.LE_CEREBRO("P-LEARN.TXT"));
    EXPECT_EQ(cerebro().QTE_REGRAS(), LIMITE_LEITURA);
    EXPECT_EQ(ia().arquivos.ignoradasPeloLimite, 3);
}

TEST_F(ArquivosCerebroTeste, ArquivoQueNaoPodeSerLidoEErroComONomeEATabelaFica) {
    std::filesystem::create_directories(pasta / "P-BRAIN.TXT");  // a folder where the file should be
    poeNaTabela({regra(R1_)});
    EXPECT_FALSE(ia().arquivos.LE_CEREBRO("P-BRAIN.TXT"));
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1);
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("P-BRAIN.TXT"), std::string::npos);
}

TEST_F(ArquivosCerebroTeste, RegrasFixasEAprendidasSaoContadas) {
    std::vector<Regra> fixas(1200, regra(R1_)), aprendidas(300, regra(R2_));
    escreveCerebro("P-BRAIN.TXT", fixas);
    escreveCerebro("P-NEURON.TXT", aprendidas);
    escreveCerebro("P-LEARN.TXT", aprendidas);
    ASSERT_TRUE(ia().arquivos.LE_REGRAS());
    EXPECT_EQ(cerebro().QTE_REGRAS_FIXAS, 1200);
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1500);
    const std::string texto = textoQuantidadeRegras(1200, 1500, "/pasta/P-NEURON.TXT");
    EXPECT_NE(texto.find("Limite : 300000\nFixas: 1200\nAprendidas: 300\nTotal: 1500\n"), std::string::npos);
    EXPECT_NE(texto.find("Envie o arquivo /pasta/P-NEURON.TXT "), std::string::npos);
}

TEST_F(ArquivosCerebroTeste, GravacoesDeixamDeForaAsRegrasDePesoZero) {
    poeNaTabela({regra(R1_), comPeso(R2_, 0), comPeso(R2_, 7)});
    ASSERT_TRUE(ia().arquivos.SALVA_REGRAS("SAIDA.TXT"));
    EXPECT_EQ(linhasDe("SAIDA.TXT"), (std::vector<std::string>{TITULO_CEREBRO, TRACOS_CEREBRO, R1_,
                                                                TEXTO_REGRA(comPeso(R2_, 7))}));
    ASSERT_TRUE(ia().arquivos.SALVA_CEREBRO());
    EXPECT_EQ(linhasDe("P-CEREBRO_SALVO.TXT"),
              (std::vector<std::string>{"#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009 QTE = 3",
                                        "#, ---------------------------------------------------", R1_,
                                        TEXTO_REGRA(comPeso(R2_, 7))}));
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"Salvando: INICIO", "Salvando: FIM"}));
}

TEST_F(ArquivosCerebroTeste, AcrescentarCriaOArquivoSoQuandoNaoExiste) {
    ASSERT_TRUE(ia().arquivos.GRAVA_REGRA(regra(R1_), "NOVO.TXT"));
    ASSERT_TRUE(ia().arquivos.GRAVA_REGRA(regra(R2_), "NOVO.TXT"));
    EXPECT_EQ(linhasDe("NOVO.TXT"), (std::vector<std::string>{TITULO_CEREBRO, TRACOS_CEREBRO, R1_, R2_}));

    // A name that exists but cannot be opened for appending is an error naming it.
    std::filesystem::create_directories(pasta / "TRAVADO.TXT");
    EXPECT_FALSE(ia().arquivos.GRAVA_REGRA(regra(R1_), "TRAVADO.TXT"));
    EXPECT_TRUE(std::filesystem::is_directory(pasta / "TRAVADO.TXT"));
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("TRAVADO.TXT"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
