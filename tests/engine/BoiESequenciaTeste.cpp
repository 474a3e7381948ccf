#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class BoiESequenciaTeste : public MesaDeTeste {};

// A boi goes to the side that leads by two matches, or that won two of three.
TEST_F(BoiESequenciaTeste, BoiPorDuasDeVantagemOuDoisAUm) {
    const struct {
        int noBoi, doComputador, doUsuario;  // before the match that just ended
        int vencedor;                        // 1 the computer's side, 2 the user's
        int boi;                             // 0: none yet
    } casos[] = {
        {0, 0, 0, 1, 0}, {1, 1, 0, 1, 1}, {1, 0, 1, 1, 0}, {2, 1, 1, 1, 1},
        {0, 0, 0, 2, 0}, {1, 0, 1, 2, 2}, {1, 1, 0, 2, 0}, {2, 1, 1, 2, 2},
    };
    for (const auto& c : casos) {
        TearDown();
        SetUp();
        EstadoJogo& e = jogo->estado;
        e.PARTIDAS_NO_BOI = c.noBoi;
        e.PARTIDAS_COM = c.doComputador;
        e.PARTIDAS_JOG = c.doUsuario;
        e.PONTOS_COM = c.vencedor == 1 ? 12 : 7;
        e.PONTOS_JOG = c.vencedor == 2 ? 12 : 7;
        jogo->placar.FIM_PARTIDA();
        const std::string rotulo = std::to_string(c.doComputador) + "x" + std::to_string(c.doUsuario) + " em " +
                                   std::to_string(c.noBoi) + ", ganha " + std::to_string(c.vencedor);
        EXPECT_EQ(ganchos.partidas, std::vector<int>{c.vencedor}) << rotulo;
        if (c.boi == 0) {
            EXPECT_TRUE(ganchos.bois.empty()) << rotulo;
            EXPECT_EQ(e.PARTIDAS_NO_BOI, c.noBoi + 1) << rotulo;
            EXPECT_EQ(e.BOIS_COM + e.BOIS_JOG, 0) << rotulo;
            continue;
        }
        EXPECT_EQ(ganchos.bois, std::vector<int>{c.boi}) << rotulo;
        EXPECT_EQ(c.boi == 1 ? e.BOIS_COM : e.BOIS_JOG, 1) << rotulo;
        EXPECT_EQ(e.PARTIDAS_NO_BOI, 0) << rotulo;
        EXPECT_EQ(e.PARTIDAS_COM, 0) << rotulo;
        EXPECT_EQ(e.PARTIDAS_JOG, 0) << rotulo;
        EXPECT_TRUE(logContem(c.boi == 1 ? "BOI RUIM 0/1" : "BOI BOM 1/0")) << rotulo;
    }
}

// The run of trucos the computer counts ends with every hand played for 1 point, whoever wins
// it; a hand played for more keeps it.
TEST_F(BoiESequenciaTeste, SequenciaDeTrucosZeraSoComMaoDeUmPonto) {
    const struct {
        const char* nome;
        bool usuarioGanha;
        bool trucoAceito;
        int pontosCom;  // 11: the computer's hand of eleven, which it declines
        int sequencia;
    } casos[] = {
        {"usuario ganha valendo 1", true, false, 0, 0},
        {"computador ganha valendo 1", false, false, 0, 0},
        {"usuario ganha valendo 3", true, true, 0, 4},
        {"computador ganha valendo 3", false, true, 0, 4},
        {"mao de onze recusada vale 1", true, false, 11, 0},
    };
    for (const auto& c : casos) {
        TearDown();
        SetUp();
        // Vira K of COPAS: the aces are manilhas. Player 1 leads.
        if (c.usuarioGanha)
            preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
        else
            preset("KC", {{"5C", "6C", "7C"}, {"3C", "2C", "4C"}, {"5E", "6E", "7E"}, {"QC", "JC", "4E"}});
        primeiroAJogar(1);
        if (c.trucoAceito)
            roteiro(1, {Lance(1, false, false, [](Jogo& j) { j.truco.botaoTruco(3); })});
        decisoes.jogaOnze = false;
        jogo->estado.PONTOS_COM = c.pontosCom;
        jogo->estado.TRUCOS_SEGUIDOS = 4;
        jogaMao();
        const EstadoJogo& e = jogo->estado;
        ASSERT_EQ(ganchos.maos.size(), 1u) << c.nome;
        EXPECT_EQ(ganchos.maos[0].second, c.trucoAceito ? 3 : 1) << c.nome;
        EXPECT_EQ(e.TRUCOS_SEGUIDOS, c.sequencia) << c.nome;
    }
}

}  // namespace
}  // namespace pelmar::teste
