#include <gtest/gtest.h>

#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

class DecisoesTrucoTeste : public DecisaoDeTeste {
protected:
    void SetUp() override {
        DecisaoDeTeste::SetUp();
        semAcaso();
        for (int p = 1; p <= 4; ++p) mao(p, {QUATRO, SETE, DAMA});
        jogo->estado.JOGADOR_DA_VEZ = 2;
    }
};

TEST_F(DecisoesTrucoTeste, QuintoTrucoSeguidoEAceitoSalvoComOJogoJaPerdido) {
    EstadoJogo& e = jogo->estado;
    e.TRUCOS_SEGUIDOS = 4;
    EXPECT_TRUE(truco().aceita(3));
    EXPECT_TRUE(logContem("MAXIMO NR TRUCOS SEGUIDOS 5"));

    // Trick 3 held by the user's side with the zap: the computer side has lost.
    e.RODADA = 3;
    mesa(1, ZAP);
    EXPECT_FALSE(truco().aceita(3));
    EXPECT_FALSE(truco().aceita(12));
}

TEST_F(DecisoesTrucoTeste, AceitaQuandoOUsuarioChegariaADoze) {
    EstadoJogo& e = jogo->estado;
    e.PONTOS_JOG = 9;
    e.VALOR_TRUCO = 3;
    EXPECT_TRUE(truco().aceita(6));
    EXPECT_TRUE(logContem("ACEITA POR DIFERENÇA DE PONTOS 12 = 9+3"));
    e.MAO_DE_ONZE = true;  // not in a hand of eleven
    e.PONTOS_JOG = 8;
    bool desejo = false;
    truco().ACEITA_POR_PONTOS(desejo);
    EXPECT_FALSE(desejo);
}

TEST_F(DecisoesTrucoTeste, ContraTrucoImediatoSoDentroDosLimites) {
    EstadoJogo& e = jogo->estado;
    e.VALOR_TRUCO = 3;
    e.ESTADO_TRUCO = 4;
    const struct {
        int valor, estado, pontosCom, valorTruco;
        bool chama;
    } casos[] = {
        {6, 4, 6, 3, true},  {6, 4, 7, 3, false}, {6, 1, 6, 3, true},  {6, 0, 0, 1, false},
        {9, 8, 3, 6, true},  {9, 8, 4, 6, false}, {12, 12, 9, 9, true}, {12, 8, 0, 9, false},
    };
    for (const auto& c : casos) {
        e.ESTADO_TRUCO = c.estado;
        e.PONTOS_COM = c.pontosCom;
        e.VALOR_TRUCO = c.valorTruco;
        EXPECT_EQ(truco().desejoDeTrucar(c.valor, true), c.chama) << c.valor << "/" << c.estado << "/" << c.pontosCom;
    }
    e.MAO_DE_ONZE = true;
    e.ESTADO_TRUCO = 0;
    EXPECT_FALSE(truco().desejoDeTrucar(3, true));
}

TEST_F(DecisoesTrucoTeste, MaoDeOnzePelasCartas) {
    mao(2, {QUATRO, SETE, DAMA});
    mao(4, {QUATRO, SETE, AS});
    EXPECT_FALSE(truco().MAO_ONZE_COMPUTADOR());
    mao(4, {ZAP, SETE, AS});
    EXPECT_TRUE(truco().MAO_ONZE_COMPUTADOR());
}

TEST_F(DecisoesTrucoTeste, DesmarcarPossoTrucarImpedeOParceiro) {
    jogo->estado.JOG_PODE_TRUCAR = true;
    EXPECT_TRUE(truco().PEDE_PERMISSAO(true));
    EXPECT_TRUE(logContem("JOGADOR 3 PEDE PERMISSÃO PARA TRUCAR"));
    EXPECT_FALSE(jogo->mesa["CK_VOU_TRUCAR"].visivel);

    // The user unticks the box while it blinks (waits only pass while a game runs).
    jogo->estado.PARAR = false;
    const auto timer = plataforma.criaTimer(700, [&] { jogo->mesa["CK_VOU_TRUCAR"].marcado = false; });
    plataforma.ativaTimer(timer, true);
    EXPECT_FALSE(truco().PEDE_PERMISSAO(true));
    plataforma.ativaTimer(timer, false);

    jogo->estado.JOG_PODE_TRUCAR = false;
    EXPECT_TRUE(truco().PEDE_PERMISSAO(true));  // nothing to ask
    EXPECT_FALSE(truco().PEDE_PERMISSAO(false));
}

}  // namespace
}  // namespace pelmar::teste
