#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
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

TEST_F(NovoJogoTeste, ComecarTrocaOsJogadoresELigaORelogio) {
    ASSERT_FALSE(plataforma.timerAtivo(jogo->relogio.COMP_1));
    UmaMao ganchos(*jogo);
    jogo->usaGanchos(&ganchos);
    jogo->turnos.NOVO_JOGO();
    EXPECT_TRUE(plataforma.timerAtivo(jogo->relogio.COMP_1));
    // The greeting, then the change of players before the first deal.
    ASSERT_FALSE(tela.sons.empty());
    EXPECT_EQ(tela.sons[0], "PERSONAL_ADD_1");
    std::size_t trocas = 1;
    while (trocas < tela.sons.size() && tela.sons[trocas] == "IA-1") ++trocas;
    --trocas;
    EXPECT_GE(trocas, 10u);
    EXPECT_LE(trocas, 19u);
}

// A stop asked for during the greeting or the change of players, before the match loop has
// marked a game as running, stands: no hand is dealt and the loop does not run.
TEST_F(NovoJogoTeste, ParadaNaTrocaDeJogadoresNaoComecaOJogo) {
    EstadoJogo& e = jogo->estado;
    UmaMao ganchos(*jogo);  // were the stop lost, one hand would still end the test
    jogo->usaGanchos(&ganchos);
    const auto timer = plataforma.criaTimer(1, [&] {
        for (const std::string& som : tela.sons)
            if (som == "IA-1") e.PARAR = true;
    });
    plataforma.ativaTimer(timer, true);
    const int distribuidor = e.DISTRIBUIDOR;
    jogo->turnos.NOVO_JOGO();
    plataforma.ativaTimer(timer, false);
    EXPECT_EQ(e.DISTRIBUIDOR, distribuidor) << "uma mão foi dada depois da parada";
    EXPECT_EQ(e.PONTOS_JOG + e.PONTOS_COM, 0);
    EXPECT_FALSE(e.JOGO_EM_ANDAMENTO);
    EXPECT_TRUE(e.PARAR);
}

// However the match loop ends, a fault included, it leaves no game marked as running, so the
// next start is not refused with the "BUG !!!" box.
TEST_F(NovoJogoTeste, FalhaNoLacoNaoDeixaJogoEmAndamento) {
    struct Falha : Ganchos {
        void maoGanha(int, int) override { throw std::runtime_error("falha de teste"); }
    } falha;
    jogo->usaGanchos(&falha);
    EXPECT_THROW(jogo->turnos.NOVO_JOGO(), std::runtime_error);
    EXPECT_FALSE(jogo->estado.JOGO_EM_ANDAMENTO);

    UmaMao ganchos(*jogo);
    jogo->usaGanchos(&ganchos);
    jogo->turnos.NOVO_JOGO();
    EXPECT_TRUE(tela.mensagens.empty()) << tela.mensagens.front();
    EXPECT_GT(jogo->estado.PONTOS_JOG + jogo->estado.PONTOS_COM, 0) << "o jogo seguinte não foi jogado";
}

// A game stopped while a seat was awaited leaves that seat marked; the next game must not let
// a timer tick play it before anything is dealt.
TEST_F(NovoJogoTeste, SeatAguardadoNoJogoParadoNaoJogaNoNovo) {
    EstadoJogo& e = jogo->estado;
    e.JOGADORES[4].PODE_JOGAR = true;
    e.JOGADORES[4].OCUPADO = true;
    e.RODADA = 0;
    e.JOGADORES[4].CARTAS[1].FORCA = 5;
    e.PARAR = false;
    EXPECT_NO_THROW(jogo->rodadas.JOGA_CARTA(4, 1));
    EXPECT_FALSE(e.JOGADORES[4].CARTAS[1].JOGADA);

    UmaMao ganchos(*jogo);
    jogo->usaGanchos(&ganchos);
    EXPECT_NO_THROW(jogo->turnos.NOVO_JOGO());
    EXPECT_GT(e.PONTOS_JOG + e.PONTOS_COM, 0) << "a mão do jogo novo não foi jogada";
}

// A stop while the user's card is awaited ends the wait and leaves no seat awaited.
TEST_F(NovoJogoTeste, PararDuranteAEsperaNaoDeixaAssentoAguardado) {
    EstadoJogo& e = jogo->estado;
    jogo->chaves.MODO_DEMO = false;
    jogo->prefs.J1_JOGA_SOZINHO = false;
    bool esperou = false;
    const auto timer = plataforma.criaTimer(50, [&] {
        if (!e.JOGADORES[1].PODE_JOGAR) return;
        esperou = true;
        e.PARAR = true;
    });
    plataforma.ativaTimer(timer, true);
    jogo->turnos.NOVO_JOGO();
    plataforma.ativaTimer(timer, false);
    ASSERT_TRUE(esperou);
    for (int p = 1; p <= 4; ++p) EXPECT_FALSE(e.JOGADORES[p].PODE_JOGAR) << p;
}

}  // namespace
}  // namespace pelmar::teste
