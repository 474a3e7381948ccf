#include <gtest/gtest.h>

#include "engine/Jogo.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

// Stops the match loop at the end of the first hand.
struct UmaMao : Ganchos {
    explicit UmaMao(Jogo& j) : jogo(j) {}
    Jogo& jogo;
    void maoGanha(int, int) override { jogo.estado.PARAR = true; }
};

class NovoJogoTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
        jogo->chaves.MODO_DEMO = true;
        jogo->prefs.J1_JOGA_SOZINHO = true;
        jogo->chaves.SEM_ESPERA = true;
    }
    PlataformaHeadless plataforma{3};
    TelaHeadless tela;
    std::unique_ptr<Jogo> jogo;
};

TEST_F(NovoJogoTeste, LacoAindaTerminandoNaoERevivido) {
    jogo->estado.JOGO_EM_ANDAMENTO = true;
    jogo->estado.PARAR = true;
    jogo->turnos.NOVO_JOGO();
    ASSERT_EQ(tela.mensagens.size(), 1u);
    EXPECT_EQ(tela.mensagens[0].rfind("BUG !!!: ", 0), 0u);
    EXPECT_TRUE(jogo->estado.PARAR);
}

TEST_F(NovoJogoTeste, JogoNovoComecaUmBoiNovo) {
    EstadoJogo& e = jogo->estado;
    e.PARTIDAS_NO_BOI = 2;
    e.PARTIDAS_COM = 1;
    e.PARTIDAS_JOG = 1;
    UmaMao ganchos(*jogo);
    jogo->usaGanchos(&ganchos);
    jogo->turnos.NOVO_JOGO();
    EXPECT_EQ(e.PARTIDAS_NO_BOI, 0);
    EXPECT_EQ(e.PARTIDAS_COM + e.PARTIDAS_JOG, 0);
    EXPECT_FALSE(e.JOGO_EM_ANDAMENTO);
}

}  // namespace
}  // namespace pelmar::teste
