#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class DistribuicaoTeste : public MesaDeTeste {
protected:
    // Turns the vira and deals one hand without playing it.
    void distribui() {
        jogo->estado.PARAR = false;
        jogo->estado.GANHADOR_RODADA = 1;
        jogo->rodadas.ORDEM_DA_RODADA();
        jogo->distribuicao.INICIA_MAO();
    }
    std::vector<int> cartasDaMesa() const {
        std::vector<int> cartas{jogo->estado.VIRA};
        for (int p = 1; p <= 4; ++p)
            for (int s = 1; s <= 3; ++s) cartas.push_back(jogo->estado.JOGADORES[p].CARTAS[s].CARTA);
        return cartas;
    }
};

TEST_F(DistribuicaoTeste, BaralhoLimpoNuncaDaQuatroACinco) {
    jogo->prefs.BARALHO_LIMPO = true;
    for (int mao = 0; mao < 200; ++mao) {
        distribui();
        const auto cartas = cartasDaMesa();
        EXPECT_EQ(std::set<int>(cartas.begin(), cartas.end()).size(), 13u);
        for (int c : cartas) ASSERT_EQ(jogo->baralho[c].VALOR & 1, 0) << jogo->baralho[c].NOME;
    }
}

TEST_F(DistribuicaoTeste, MesmaSementeMesmasMaos) {
    std::vector<std::vector<int>> primeira;
    for (int mao = 0; mao < 5; ++mao) {
        distribui();
        primeira.push_back(cartasDaMesa());
    }
    TearDown();
    SetUp();
    std::vector<std::vector<int>> segunda;
    for (int mao = 0; mao < 5; ++mao) {
        distribui();
        segunda.push_back(cartasDaMesa());
    }
    EXPECT_EQ(primeira, segunda);
    EXPECT_NE(primeira[0], primeira[1]);
}

TEST_F(DistribuicaoTeste, DistribuidorSoMelhoraATerceiraCartaEQuandoMelhoraEhForte) {
    jogo->prefs.ROUBA_BARALHO = true;
    int melhoradas = 0;
    for (int mao = 0; mao < 300; ++mao) {
        distribui();
        // Player 4 deals (order 4). Cards stay out of the pile when rejected: count them.
        int foraDoMonte = 0;
        for (int c = 1; c <= 40; ++c) foraDoMonte += !jogo->baralho[c].NO_BARALHO;
        if (foraDoMonte > 13) {
            ++melhoradas;
            EXPECT_GE(jogo->estado.JOGADORES[4].CARTAS[3].FORCA, valor::DOIS);
        }
    }
    EXPECT_GT(melhoradas, 10);
}

TEST_F(DistribuicaoTeste, MaoDeOnzeDoJogadorMostraAsCartasDoParceiro) {
    jogo->estado.PONTOS_JOG = 11;
    distribui();
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(jogo->mesa.JOG(3, s).face, Face::Frente);
        EXPECT_EQ(jogo->mesa.JOG(2, s).face, Face::Verso);
    }
}

TEST_F(DistribuicaoTeste, CorteNaPosicaoDoTerceiroAJogar) {
    jogo->estado.GANHADOR_RODADA = 2;
    jogo->rodadas.ORDEM_DA_RODADA();
    jogo->estado.PARAR = false;
    jogo->animacoes.corta(4);
    EXPECT_EQ(jogo->estado.JOGADORES[4].ORDEM, 3);
    EXPECT_TRUE(tela.sons.end() != std::find(tela.sons.begin(), tela.sons.end(), "BATE_MESA"));
}

TEST_F(DistribuicaoTeste, RouboSempreDaCartaForteEMaisDeDuasNaoValem) {
    jogo->prefs.DIFICULDADE = 5;
    for (int rodadaDoTeste = 0; rodadaDoTeste < 30; ++rodadaDoTeste) {
        distribui();
        jogo->estado.RODADA = 1;
        EXPECT_TRUE(jogo->distribuicao.ROUBA_CARTA(1));
        EXPECT_TRUE(jogo->distribuicao.ROUBA_CARTA(2));
        EXPECT_FALSE(jogo->distribuicao.ROUBA_CARTA(3));
        int fortes = 0;
        for (int s = 1; s <= 3; ++s) fortes += jogo->estado.JOGADORES[1].CARTAS[s].FORCA > valor::AS;
        EXPECT_GE(fortes, 1);
    }
    EXPECT_TRUE(logContem("ROUBAR CARTA MASSO - 12"));
}

TEST_F(DistribuicaoTeste, RouboSoNumaCartaQueAindaEstaNaMao) {
    jogo->prefs.DIFICULDADE = 5;
    for (int vez = 0; vez < 30; ++vez) {
        distribui();
        jogo->estado.RODADA = 1;
        SlotCarta& jogada = jogo->estado.JOGADORES[1].CARTAS[2];
        jogada.JOGADA = true;
        const int cartaJogada = jogada.CARTA;
        jogo->distribuicao.ROUBA_CARTA(1);
        EXPECT_EQ(jogada.CARTA, cartaJogada);
    }
}

TEST_F(DistribuicaoTeste, MonteSemCartaElegivelNaoTravaORoubo) {
    jogo->prefs.BARALHO_LIMPO = true;
    jogo->prefs.DIFICULDADE = 0;
    distribui();
    jogo->estado.RODADA = 1;
    // Leave only weak even cards in the pile: no strong card can ever be drawn.
    for (int c = 1; c <= 40; ++c)
        if (jogo->forca(c) > valor::AS) jogo->baralho[c].NO_BARALHO = false;
    EXPECT_FALSE(jogo->distribuicao.ROUBA_CARTA(1));
    for (int c = 1; c <= 40; ++c) jogo->baralho[c].NO_BARALHO = false;
    EXPECT_EQ(jogo->distribuicao.TIRA_CARTA(), 0);
}

TEST_F(DistribuicaoTeste, RouboForaDaPrimeiraRodadaOuDificilNaoAge) {
    distribui();
    jogo->prefs.DIFICULDADE = 6;
    jogo->estado.RODADA = 1;
    EXPECT_FALSE(jogo->distribuicao.ROUBA_CARTA(1));
    jogo->prefs.DIFICULDADE = 5;
    jogo->estado.RODADA = 2;
    EXPECT_FALSE(jogo->distribuicao.ROUBA_CARTA(1));
    EXPECT_EQ(jogo->estado.QTE_ROUBOS, 0);
}

}  // namespace
}  // namespace pelmar::teste
