#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class PlacarFinalTeste : public MesaDeTeste {};

// The hand that ends a match puts its points on the score before the end is announced, so the
// user sees the final score; the next hand's score starts again at 0 to 0.
TEST_F(PlacarFinalTeste, PontosFinaisNoPlacarDuranteOFimDaPartida) {
    const struct {
        const char* nome;
        std::initializer_list<std::initializer_list<std::string_view>> maos;
        const char* fim;  // the match end announced
        const char* jogador;
        const char* computador;
    } casos[] = {
        {"o usuário ganha", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}},
         "Você ganhou a Partida", "14", "11"},
        {"o computador ganha", {{"5C", "6C", "7C"}, {"3C", "2C", "4C"}, {"5E", "6E", "7E"}, {"QC", "JC", "4E"}},
         "Eu ganhei Partida", "11", "14"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        // An iron hand (11 to 11) is worth 3 and ends the match.
        preset("KC", c.maos);
        primeiroAJogar(1);
        jogo->estado.PONTOS_JOG = jogo->estado.PONTOS_COM = 11;
        std::vector<std::string> vistos;  // the score shown at each announcement of the match end
        const std::string fim = c.fim;
        auto escuta = jogo->historico.aoEscrever.assina([&](const std::string& linha) {
            const ModeloMesa& m = jogo->mesa;
            if (linha.find("MSG = " + fim) == std::string::npos && linha.find("MSG = Feijão") == std::string::npos)
                return;
            int palitos = 0;
            for (int i = 1; i <= 12; ++i)
                palitos += m[ModeloMesa::nomePalito("JOG", i)].visivel + m[ModeloMesa::nomePalito("COM", i)].visivel;
            // The stake has gone to the score, also the points past the twelfth matchstick.
            int naMesa = 0;
            for (int i = 1; i <= 12; ++i) naMesa += m[ModeloMesa::nomePalito("MESA", i)].visivel;
            vistos.push_back(m["PONTOS_JOG"].texto + "x" + m["PONTOS_COM"].texto + " " + std::to_string(palitos) +
                             " mesa " + m["PONTOS_MESA"].texto + "/" + std::to_string(naMesa));
        });
        jogaMao();
        ASSERT_FALSE(vistos.empty()) << "o fim da partida não foi anunciado";
        for (const std::string& visto : vistos)
            EXPECT_EQ(visto, std::string(c.jogador) + "x" + c.computador + " 23 mesa 0/0");

        // The next hand is played from 0 to 0 on the score.
        escuta.cancela();
        jogaMao();
        EXPECT_EQ(jogo->mesa["PONTOS_JOG"].texto, "0");
        EXPECT_EQ(jogo->mesa["PONTOS_COM"].texto, "0");
    }
}

}  // namespace
}  // namespace pelmar::teste
