#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/PastaTemporaria.h"
#include "suporte/PlataformaRoteirizada.h"

namespace pelmar::teste {
namespace {

class RelogioDeJogoTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
    }
    void TearDown() override {
        jogo.reset();
        PastaTemporaria::TearDown();
    }
    void tiques(int n) {
        for (int i = 0; i < n; ++i) jogo->relogio.tick();
    }
    // One 100 ms step of the platform's own clock.
    void passa100ms() {
        plataforma.dorme(99);
        plataforma.processaEventos();
    }

    PlataformaRoteirizada plataforma{9};
    TelaHeadless tela;
    std::unique_ptr<Jogo> jogo;
};

TEST_F(RelogioDeJogoTeste, SoAndaDepoisDeLigadoUmSegundoACadaDezTiques) {
    for (int i = 0; i < 20; ++i) passa100ms();
    EXPECT_EQ(jogo->relogio.tempo().texto(), "00:00:00");

    jogo->relogio.liga();
    for (int i = 0; i < 9; ++i) passa100ms();
    EXPECT_EQ(jogo->relogio.tempo().texto(), "00:00:00");
    passa100ms();
    EXPECT_EQ(jogo->relogio.tempo().texto(), "00:00:01");
}

TEST_F(RelogioDeJogoTeste, SegundosMinutosEHorasQueVoltamAZeroDepoisDas23) {
    struct Caso {
        int tiques;  // since the start
        const char* texto;
    };
    const Caso casos[] = {{9, "00:00:00"},      {10, "00:00:01"},      {599, "00:00:59"},
                          {600, "00:01:00"},    {35990, "00:59:59"},   {36000, "01:00:00"},
                          {863990, "23:59:59"}, {864000, "00:00:00"},  {864010, "00:00:01"}};
    int feitos = 0;
    for (const Caso& c : casos) {
        tiques(c.tiques - feitos);
        feitos = c.tiques;
        EXPECT_EQ(jogo->relogio.tempo().texto(), c.texto) << c.tiques;
    }
}

TEST_F(RelogioDeJogoTeste, PiadaSoSeOfereceNoMinutoCheio) {
    gravaBytes(pasta / "TXT" / "PIADAS" / "ARQ_5.TXT", "Era uma vez um pato.\r\n");
    Controle& piadas = jogo->mesa["TfPIADAS"];
    plataforma.pedidos.clear();
    tiques(599);
    EXPECT_TRUE(plataforma.pedidos.empty());

    plataforma.respostas = {0};  // the one-in-200 fails
    tiques(1);
    EXPECT_EQ(plataforma.pedidos, std::vector<int>{200});
    EXPECT_FALSE(piadas.visivel);

    tiques(599);
    EXPECT_EQ(plataforma.pedidos, std::vector<int>{200});
    plataforma.respostas = {1, 5};  // it comes true; joke number 5
    tiques(1);
    EXPECT_EQ(plataforma.pedidos, (std::vector<int>{200, 200, 100}));
    EXPECT_TRUE(piadas.visivel);
    EXPECT_EQ(piadas.texto, "Era uma vez um pato.");
}

TEST_F(RelogioDeJogoTeste, JogoDesfeitoDesligaOSeuRelogio) {
    jogo->relogio.liga();
    const Plataforma::IdTimer relogio = jogo->relogio.COMP_1;
    ASSERT_TRUE(plataforma.timerAtivo(relogio));
    jogo.reset();
    EXPECT_FALSE(plataforma.timerAtivo(relogio));
    for (int i = 0; i < 20; ++i) passa100ms();  // would reach into the destroyed game
}

}  // namespace
}  // namespace pelmar::teste
