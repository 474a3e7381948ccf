#include <gtest/gtest.h>

#include <stdexcept>

#include <algorithm>

#include "engine/Estado.h"
#include "engine/Pausa.h"
#include "headless/PlataformaHeadless.h"

namespace pelmar {
namespace {

TEST(Portas, ChanceERandomNosLimites) {
    PlataformaHeadless plataforma(3);
    EstadoJogo estado;
    ChavesDaSessao chaves;
    Pausa pausa(plataforma, estado, chaves);
    EXPECT_EQ(pausa.random(0), 0);
    EXPECT_EQ(pausa.random(-5), 0);
    int verdadeiros = 0;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_TRUE(pausa.Chance(0));
        EXPECT_TRUE(pausa.Chance(1));
        EXPECT_FALSE(pausa.Chance(-3));
        verdadeiros += pausa.Chance(4);
        const int r = pausa.random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
    }
    EXPECT_GT(verdadeiros, 180);  // one in four of a thousand
    EXPECT_LT(verdadeiros, 320);
}

TEST(Portas, WaitAvancaORelogioDisparaTimersEParaComPARAR) {
    PlataformaHeadless plataforma(3);
    EstadoJogo estado;
    estado.PARAR = false;
    ChavesDaSessao chaves;
    Pausa pausa(plataforma, estado, chaves);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(100, [&] { ++disparos; });
    plataforma.ativaTimer(timer, true);
    pausa.Wait(1000);
    EXPECT_GE(plataforma.agoraMs(), 1000);
    EXPECT_GE(disparos, 9);
    EXPECT_LE(disparos, 10);

    // A timer that stops the game ends the wait it fires in.
    const auto inicio = plataforma.agoraMs();
    plataforma.ativaTimer(plataforma.criaTimer(50, [&] { estado.PARAR = true; }), true);
    pausa.Wait(10000);
    EXPECT_LT(plataforma.agoraMs() - inicio, 100);
    pausa.Wait(10000);
    EXPECT_LT(plataforma.agoraMs() - inicio, 100);

    // With every wait off the clock still moves, so timers still fire.
    estado.PARAR = false;
    plataforma.ativaTimer(timer, false);
    chaves.SEM_ESPERA = true;
    const auto antes = plataforma.agoraMs();
    pausa.Wait(5000);
    EXPECT_LE(plataforma.agoraMs() - antes, 1);
}

TEST(Portas, TimerNaoDisparaDentroDeSiMesmo) {
    PlataformaHeadless plataforma(3);
    int profundidade = 0;
    int maxima = 0;
    Plataforma::IdTimer timer = -1;
    timer = plataforma.criaTimer(1, [&] {
        ++profundidade;
        maxima = std::max(maxima, profundidade);
        for (int i = 0; i < 5; ++i) {
            plataforma.dorme(2);
            plataforma.processaEventos();
        }
        --profundidade;
    });
    plataforma.ativaTimer(timer, true);
    for (int i = 0; i < 10; ++i) plataforma.processaEventos();
    EXPECT_EQ(maxima, 1);
}

TEST(Portas, TimerQueLancouErroContinuaDisparando) {
    PlataformaHeadless plataforma(3);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(1, [&] {
        if (++disparos == 1) throw std::runtime_error("falha no primeiro disparo");
    });
    plataforma.ativaTimer(timer, true);
    plataforma.dorme(1);
    EXPECT_THROW(plataforma.processaEventos(), std::runtime_error);
    for (int i = 0; i < 5; ++i) plataforma.processaEventos();
    EXPECT_GT(disparos, 1);

    plataforma.ativaTimer(99, true);  // an unknown timer: ignored, as on the desktop
    plataforma.mudaIntervalo(-1, 5);
    EXPECT_FALSE(plataforma.timerAtivo(99));
}

TEST(Portas, MesmaSementeMesmaSequencia) {
    PlataformaHeadless a(42), b(42), c(43);
    bool diferente = false;
    for (int i = 0; i < 100; ++i) {
        const int x = a.aleatorio(40);
        EXPECT_EQ(x, b.aleatorio(40));
        diferente = diferente || x != c.aleatorio(40);
    }
    EXPECT_TRUE(diferente);
}

}  // namespace
}  // namespace pelmar
