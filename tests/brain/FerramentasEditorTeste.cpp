#include <gtest/gtest.h>

#include "brain/CerebroDeTeste.h"
#include "brain/ValidacaoRegra.h"

namespace pelmar::teste {
namespace {

using FerramentasEditorTeste = CerebroDeTeste;

const char* const BASE = "=,  1,1,  3,B, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";

std::vector<std::int32_t> pesos(const Cerebro& c) {
    std::vector<std::int32_t> p;
    for (int i = 1; i <= c.QTE_REGRAS(); ++i) p.push_back(c[i].QTE);
    return p;
}

TEST_F(FerramentasEditorTeste, TrocaQteDeixaPesosUmOuTresEPontoUmSemTruco) {
    poeNaTabela({comPeso(BASE, 0), comPeso(BASE, 1), comPeso(BASE, 2), comPeso(BASE, 500)});
    ia().ferramentas.TROCA_QTE_REGRAS();
    EXPECT_EQ(pesos(cerebro()), (std::vector<std::int32_t>{1, 1, 3, 3}));
    EXPECT_EQ(cerebro()[4][PONTO], 1);
    EXPECT_EQ(cerebro()[4].letra(TRUCO), '*');
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"--- Troca Qte Regras", "--- Fim"}));
}

TEST_F(FerramentasEditorTeste, RegrasImpossiveisSaoApagadasComCadaMotivo) {
    poeNaTabela({
        regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  3,-,-,   1"),  // 1
        regra("=,  3,2,  1,*, B,3, M,Z, ?,?,  ?,?,?,  P,?,?,  2,-,-,   1"),  // 2 and 8
        regra("=,  1,2,  1,*, M,P, ?,?, ?,?,  A,M,?,  3,M,P,  1,-,-,   1"),  // 3
        regra("=,  1,4,  1,*, M,P, ?,?, ?,?,  A,?,?,  3,M,?,  1,-,-,   1"),  // 4
        regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,?,?,  Z,M,?,  1,-,-,   1"),  // 5
        regra("=,  2,3,  1,*, B,3, B,A, ?,?,  2,?,?,  Z,?,?,  1,-,-,   1"),  // 6
        regra("=,  2,2,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   1"),  // 7
        regra("=,  3,4,  1,*, B,3, M,Z, B,2,  ?,?,?,  P,?,?,  1,-,-,   1"),  // sound
        comPeso("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  3,-,-,   1", 0),  // already deleted
    });
    ia().ferramentas.APAGA_REGRAS_ERRADAS();
    EXPECT_EQ(ia().editor.TEXT,
              (std::vector<std::string>{"--- Apaga Regas erradas", "Rodada 2: 1", "Rodada 3: 2", "RESULTADO 3: 2,3,4 2",
                                        "RODADA 1:1,2 3", "RODADA 1:3,4 4", "RODADA 2:1,2 5", "RODADA 2:3,4 6",
                                        "RESULTADO 2: 2,3,4 7", "--- Apaga Regas erradas"}));
    EXPECT_EQ(pesos(cerebro()), (std::vector<std::int32_t>{0, 0, 0, 0, 0, 0, 0, 1, 0}));
}

TEST_F(FerramentasEditorTeste, TrucoComCartaPerdeACarta) {
    poeNaTabela({regra("=,  1,1,  1,*, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  2,-,T,   4"),
                 comPeso("=,  1,1,  1,*, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  2,-,T,   0", 0),
                 regra("=,  1,1,  1,*, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  2,-,-,   4")});
    ia().ferramentas.LIMPA_TRUCOS();
    EXPECT_EQ(cerebro()[1][ACAO], 0);
    EXPECT_EQ(cerebro()[2][ACAO], 2);
    EXPECT_EQ(cerebro()[3][ACAO], 2);
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"Limpa TRUCO para 0: ", "TR:1", "--- FIM Troca TRUCO para 0: "}));
}

TEST_F(FerramentasEditorTeste, DiferencaSoNoEncobrirJuntaNoAchaRepetidosENaoNoLimpaRepetidos) {
    const Regra aberta = regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   3");
    const Regra coberta = regra("=,  2,1,  6,M, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,E,-,   1");
    poeNaTabela({aberta, coberta});
    ASSERT_TRUE(ia().aprendizado.LIMPA_REPETIDOS("LIMPO.TXT"));
    EXPECT_EQ(linhasDe("LIMPO.TXT").size(), 4u);

    poeNaTabela({aberta, coberta});
    ia().ferramentas.ACHA_REPETIDOS();
    EXPECT_EQ(pesos(cerebro()), (std::vector<std::int32_t>{4, 0}));
    EXPECT_EQ(cerebro()[1].letra(ENCOBRIR), 'E');
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"Achando Repetidos: ", "Rep: N:1 <- I:2 =3/1",
                                                          "--- FIM Achando Repetidos: "}));
}

TEST_F(FerramentasEditorTeste, RegraDeTrucoGanhaACartaDaRegraDaMesmaSituacao) {
    poeNaTabela({regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  0,-,T,   2"),
                 regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  2,E,-,   5")});
    ia().ferramentas.ACHA_REGRA_TRUCAR();
    EXPECT_EQ(TEXTO_REGRA(cerebro()[1]), "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  2,E,T,   7");
    EXPECT_EQ(cerebro()[2].QTE, 0);
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"Achando regra pra o TRUCO 0: ", "Regra: N:1 <- I:2 2 5",
                                                          "--- FIM Achando regra pra o TRUCO 0: "}));
}

TEST_F(FerramentasEditorTeste, OrdenarCortaNaPrimeiraRegraApagada) {
    poeNaTabela({comPeso(BASE, 5), comPeso(BASE, 0), comPeso(BASE, 7)});
    ia().ferramentas.ORDENA_CEREBRO();
    EXPECT_EQ(pesos(cerebro()), (std::vector<std::int32_t>{7, 5}));
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"Sorteando: ", "--- FIM Ordenação: ", " =2"}));
    poeNaTabela({});
    ia().ferramentas.ORDENA_CEREBRO();
    EXPECT_EQ(cerebro().QTE_REGRAS(), 0);
}

TEST_F(FerramentasEditorTeste, CartasQueOBaralhoNaoTem) {
    const struct {
        const char* cartas;  // 1R 2R 3R P1 P2 P3 J1 J2 J3
        const char* mensagem;
    } casos[] = {
        {"???" "3MP" "ZAP", ""},
        {"Z??" "3MP" "ZAP", "ERRO: Mais de um ZAP!!"},
        {"CC?" "???" "???", "ERRO: Mais de um 7 COPAS!!"},
        {"E??" "E??" "???", "ERRO: Mais de um Espadilha!!"},
        {"O??" "O??" "???", "ERRO: Mais de um 7 Ouros!!"},
        {"33?" "3??" "3??", ""},
        {"33?" "3??" "33?", "ERRO: Qte de 3 exedida!!"},
        {"222" "22?" "???", "ERRO: Qte de 2 exedida!!"},
        {"AAA" "AA?" "ZZ?", "ERRO: Qte de AS exedida!!"},  // the last test failed gives the message
    };
    const Campo campos[] = {CARTA_1R, CARTA_2R, CARTA_3R, CARTA_P1, CARTA_P2, CARTA_P3, CARTA_J1, CARTA_J2, CARTA_J3};
    for (const auto& c : casos) {
        Regra& atual = cerebro().REGRA_ATUAL;
        atual = regra(BASE);
        for (int k = 0; k < 9; ++k) atual[campos[k]] = static_cast<std::uint8_t>(c.cartas[k]);
        ia().editor.LINHA = "antes";
        EXPECT_EQ(ia().ferramentas.VALIDA_CARTAS(), *c.mensagem != '\0') << c.cartas;
        EXPECT_EQ(ia().editor.LINHA, *c.mensagem ? c.mensagem : "antes") << c.cartas;
    }
}

TEST_F(FerramentasEditorTeste, CompilarESalvarAuxiliarGravamOResultadoDasFerramentas) {
    const Regra truco = regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  0,-,T,   1");
    const Regra carta = regra("=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  2,-,-,   1");
    const Regra errada = regra("=,  3,1,  1,*, B,3, M,Z, ?,?,  ?,?,?,  P,?,?,  3,-,-,   9");
    escreveCerebro("P-BRAIN.TXT", {errada, carta});
    escreveCerebro("P-NEURON.TXT", {truco, truco, truco, truco});
    escreveCerebro("P-LEARN.TXT", {carta, carta});
    ASSERT_TRUE(ia().ferramentas.carregaTudo());
    ASSERT_EQ(cerebro().QTE_REGRAS(), 8);
    ASSERT_TRUE(ia().ferramentas.COMPILA_EDITOR());
    // The impossible rule goes; the copies fold into a truco rule of 4 ahead of a card rule of 3,
    // and the truco rule then takes the card: one rule that plays and calls.
    EXPECT_EQ(linhasDe("P-CEREBRO_SALVO.TXT"),
              (std::vector<std::string>{"#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009 QTE = 1",
                                        "#, ---------------------------------------------------",
                                        "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  2,-,T,   7"}));
    EXPECT_EQ(ia().editor.TEXT.back(), "Salvando: FIM");

    ASSERT_TRUE(ia().ferramentas.carregaTudo());
    ASSERT_TRUE(ia().ferramentas.SALVA_BRAIN_AUX());
    EXPECT_EQ(linhasDe("P-BRAIN-AUX.TXT"), (std::vector<std::string>{TITULO_CEREBRO, TRACOS_CEREBRO, TEXTO_REGRA(errada),
                                                                      TEXTO_REGRA(comPeso(TEXTO_REGRA(truco), 4)),
                                                                      TEXTO_REGRA(comPeso(TEXTO_REGRA(carta), 3))}));
    EXPECT_EQ(ia().editor.ARQUIVO_EDITOR, "P-BRAIN-AUX.TXT");
    EXPECT_EQ(cerebro().QTE_REGRAS(), 8);  // the full load again
}

TEST_F(FerramentasEditorTeste, CerebroFixoQueAcompanhaOJogoSoTemRegrasPossiveis) {
    const auto fixo = std::filesystem::path(PELMAR_DADOS) / "P-BRAIN.TXT";
    ASSERT_TRUE(std::filesystem::exists(fixo)) << fixo;
    std::filesystem::copy_file(fixo, pasta / "P-BRAIN.TXT");
    ASSERT_TRUE(ia().arquivos.LE_CEREBRO("P-BRAIN.TXT"));
    EXPECT_EQ(ia().arquivos.malformadas, 0);
    const int n = cerebro().QTE_REGRAS();
    EXPECT_GE(n, 200);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(cartasImpossiveis(cerebro()[i]), "") << TEXTO_REGRA(cerebro()[i]);
        EXPECT_GT(cerebro()[i].QTE, 0) << TEXTO_REGRA(cerebro()[i]);
    }
    ia().ferramentas.APAGA_REGRAS_ERRADAS();
    EXPECT_EQ(ia().editor.TEXT, (std::vector<std::string>{"--- Apaga Regas erradas", "--- Apaga Regas erradas"}));
}

}  // namespace
}  // namespace pelmar::teste
