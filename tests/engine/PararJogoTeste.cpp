#include <gtest/gtest.h>

#include <string>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class PararJogoTeste : public MesaDeTeste {};

// "Parar Jogo" at any seat's turn leaves a clean table once the game has let go: no lead frame,
// no turn, no stake, no old score; only the prompt to start again. The score itself stands.
TEST_F(PararJogoTeste, MesaLimpaDepoisDeParar) {
    const struct {
        const char* nome;
        int quemPara;  // the seat at whose turn the user stops, in trick 1
    } casos[] = {{"na vez do usuário", 1}, {"na vez do adversário", 4}, {"na vez do parceiro", 3}};
    const char* sujeira[] = {"CARTA_MAIOR", "LOGOTIPO_1", "LOGOTIPO_0", "STA_JOG_TRUCOU", "STA_COM_TRUCOU",
                             "TRUCO3", "FUGIR", "ESCONDIDA", "AVISO_M", "strNR_REGRA",
                             "JOGUE_J1", "JOGUE_J2", "JOGUE_J3", "JOGUE_J4"};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        // Vira K of COPAS; seat 2 leads, so a card lies on the table at every later turn.
        preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
        primeiroAJogar(2);
        jogo->estado.PONTOS_JOG = 5;
        jogo->estado.PONTOS_COM = 3;
        bool parou = false;
        bool haviaSujeira = false;
        roteiro(c.quemPara, {Lance(1, false, false, [&](Jogo& j) {
                                 const ModeloMesa& m = j.mesa;
                                 haviaSujeira = m["CARTA_MAIOR"].visivel && m["PONTOS_JOG"].texto == "5" &&
                                                m["PALITO_JOG_05"].visivel && m["STA_JOG_TRUCOU"].visivel &&
                                                m["JOGUE_J1"].visivel;
                                 j.turnos.PARAR_JOGO();
                                 parou = true;
                             })});
        jogaMao();
        ASSERT_TRUE(parou);
        EXPECT_TRUE(haviaSujeira) << "a mesa devia estar em jogo quando parou";
        const ModeloMesa& m = jogo->mesa;
        for (const char* nome : sujeira) EXPECT_FALSE(m[nome].visivel) << nome;
        for (const char* pontos : {"PONTOS_JOG", "PONTOS_COM", "PONTOS_MESA"}) EXPECT_EQ(m[pontos].texto, "0") << pontos;
        for (int i = 1; i <= 12; ++i)
            for (const char* lado : {"JOG", "COM", "MESA"})
                EXPECT_FALSE(m[ModeloMesa::nomePalito(lado, i)].visivel) << lado << i;
        for (int p = 1; p <= 4; ++p)
            for (int s = 1; s <= 3; ++s) {
                EXPECT_FALSE(m.JOG(p, s).visivel) << p << s;
                EXPECT_FALSE(m.MESA(p, s).visivel) << p << s;
            }
        EXPECT_TRUE(m["INICIO"].visivel);
        EXPECT_EQ(jogo->estado.PONTOS_JOG, 5);
        EXPECT_EQ(jogo->estado.PONTOS_COM, 3);
    }
}

}  // namespace
}  // namespace pelmar::teste
