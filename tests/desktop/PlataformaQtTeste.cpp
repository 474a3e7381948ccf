#include <gtest/gtest.h>

#include <QApplication>

#include <QDateTime>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>

#include "windows/PlataformaQt.h"

namespace pelmar {
namespace {

// Pumps and sleeps until the condition holds or a generous real-time bound passes.
bool bombeiaAte(PlataformaQt& plataforma, const std::function<bool()>& condicao, int limiteMs = 10000) {
    const long long fim = plataforma.agoraMs() + limiteMs;
    while (!condicao()) {
        if (plataforma.agoraMs() > fim) return false;
        plataforma.processaEventos();
        plataforma.dorme(1);
    }
    return true;
}

void bombeiaPor(PlataformaQt& plataforma, int ms) {
    bombeiaAte(plataforma, [] { return false; }, ms);
}

TEST(PlataformaQt, TimerDisparaEnquantoEventosSaoServidos) {
    PlataformaQt plataforma(1);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(5, [&] { ++disparos; });
    EXPECT_FALSE(plataforma.timerAtivo(timer));  // created switched off
    plataforma.ativaTimer(timer, true);
    EXPECT_TRUE(plataforma.timerAtivo(timer));
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return disparos >= 3; }));
    EXPECT_TRUE(plataforma.timerAtivo(timer));  // repeating, not single-shot
}

TEST(PlataformaQt, TimerDesligadoOuNuncaLigadoNaoDispara) {
    PlataformaQt plataforma(1);
    int desligado = 0, nuncaLigado = 0, referencia = 0;
    const auto a = plataforma.criaTimer(1, [&] { ++desligado; });
    plataforma.criaTimer(1, [&] { ++nuncaLigado; });
    const auto r = plataforma.criaTimer(1, [&] { ++referencia; });
    plataforma.ativaTimer(a, true);
    plataforma.ativaTimer(a, false);
    EXPECT_FALSE(plataforma.timerAtivo(a));
    plataforma.ativaTimer(r, true);
    // The reference timer proves events really were served meanwhile.
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return referencia >= 5; }));
    EXPECT_EQ(desligado, 0);
    EXPECT_EQ(nuncaLigado, 0);
}

TEST(PlataformaQt, TimerDesligadoDentroDoProprioCallbackParaDeDisparar) {
    PlataformaQt plataforma(1);
    int disparos = 0, referencia = 0;
    Plataforma::IdTimer timer = -1;
    timer = plataforma.criaTimer(1, [&] {
        ++disparos;
        plataforma.ativaTimer(timer, false);
    });
    plataforma.ativaTimer(timer, true);
    plataforma.ativaTimer(plataforma.criaTimer(1, [&] { ++referencia; }), true);
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return referencia >= 10; }));
    EXPECT_EQ(disparos, 1);
}

// A callback that keeps serving events (as Wait does) is never entered a second time, even
// after it switches itself off and on or re-times itself, which restarts the QTimer.
class Reentrada : public ::testing::TestWithParam<int> {};

TEST_P(Reentrada, CallbackQueServeEventosNaoEntraEmSiMesmo) {
    PlataformaQt plataforma(1);
    int profundidade = 0, maxima = 0, chamadas = 0, outro = 0;
    Plataforma::IdTimer timer = -1;
    timer = plataforma.criaTimer(1, [&] {
        ++chamadas;
        ++profundidade;
        maxima = std::max(maxima, profundidade);
        if (profundidade > 1) {  // already broken: fail, do not recurse without end
            --profundidade;
            return;
        }
        if (GetParam() == 1) {
            plataforma.ativaTimer(timer, false);
            plataforma.ativaTimer(timer, true);
        } else if (GetParam() == 2) {
            plataforma.mudaIntervalo(timer, 1);
        }
        const int outroAntes = outro;
        bombeiaAte(plataforma, [&] { return outro >= outroAntes + 3; }, 500);
        --profundidade;
    });
    plataforma.ativaTimer(timer, true);
    // Another timer fires inside the callback: the pumping there is real.
    plataforma.ativaTimer(plataforma.criaTimer(1, [&] { ++outro; }), true);
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return chamadas >= 3; }));
    EXPECT_EQ(maxima, 1);
    EXPECT_GE(outro, 9);
}

INSTANTIATE_TEST_SUITE_P(PlataformaQt, Reentrada, ::testing::Values(0, 1, 2));

TEST(PlataformaQt, MudarIntervaloDeTimerLigadoOMantemLigado) {
    PlataformaQt plataforma(1);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(600000, [&] { ++disparos; });
    plataforma.ativaTimer(timer, true);
    plataforma.mudaIntervalo(timer, 2);
    EXPECT_TRUE(plataforma.timerAtivo(timer));
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return disparos >= 3; }));
}

TEST(PlataformaQt, MudarIntervaloDeTimerDesligadoNaoOLiga) {
    PlataformaQt plataforma(1);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(600000, [&] { ++disparos; });
    plataforma.mudaIntervalo(timer, 1);
    EXPECT_FALSE(plataforma.timerAtivo(timer));
    bombeiaPor(plataforma, 30);
    EXPECT_EQ(disparos, 0);
    plataforma.ativaTimer(timer, true);  // the new interval is the one used
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return disparos >= 1; }));
}

TEST(PlataformaQt, IntervaloNuloOuNegativoAindaDispara) {
    PlataformaQt plataforma(1);
    int a = 0, b = 0;
    const auto ta = plataforma.criaTimer(-10, [&] { ++a; });
    const auto tb = plataforma.criaTimer(600000, [&] { ++b; });
    plataforma.ativaTimer(ta, true);
    plataforma.ativaTimer(tb, true);
    plataforma.mudaIntervalo(tb, 0);
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return a >= 2 && b >= 2; }));
}

TEST(PlataformaQt, IdDesconhecidoEIgnorado) {
    PlataformaQt plataforma(1);
    const auto existente = plataforma.criaTimer(1, [] {});
    for (Plataforma::IdTimer id : {-1, existente + 1, 1000}) {
        plataforma.ativaTimer(id, true);
        plataforma.mudaIntervalo(id, 5);
        EXPECT_FALSE(plataforma.timerAtivo(id));
    }
    EXPECT_FALSE(plataforma.timerAtivo(existente));
}

TEST(PlataformaQt, DestruirAPlataformaParaSeusTimers) {
    int disparos = 0;
    {
        PlataformaQt plataforma(1);
        plataforma.ativaTimer(plataforma.criaTimer(1, [&] { ++disparos; }), true);
        EXPECT_TRUE(bombeiaAte(plataforma, [&] { return disparos >= 1; }));
    }
    const int antes = disparos;
    PlataformaQt outra(2);
    int referencia = 0;
    outra.ativaTimer(outra.criaTimer(1, [&] { ++referencia; }), true);
    EXPECT_TRUE(bombeiaAte(outra, [&] { return referencia >= 5; }));
    EXPECT_EQ(disparos, antes);
}

TEST(PlataformaQt, ExcecaoDoCallbackChegaAQuemServeEventos) {
    PlataformaQt plataforma(1);
    int disparos = 0;
    const auto timer = plataforma.criaTimer(1, [&] {
        if (++disparos == 1) throw std::runtime_error("falha no timer");
    });
    plataforma.ativaTimer(timer, true);
    bool lancou = false;
    const long long fim = plataforma.agoraMs() + 10000;
    while (!lancou && plataforma.agoraMs() < fim) {
        try {
            plataforma.processaEventos();
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "falha no timer");
            lancou = true;
        }
        plataforma.dorme(1);
    }
    EXPECT_TRUE(lancou);
    // The timer is not left marked as running: it keeps firing.
    EXPECT_TRUE(bombeiaAte(plataforma, [&] { return disparos >= 3; }));
}

TEST(PlataformaQt, AleatorioNosLimites) {
    PlataformaQt plataforma;
    EXPECT_EQ(plataforma.aleatorio(0), 0);
    EXPECT_EQ(plataforma.aleatorio(-4), 0);
    bool visto[7] = {};
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(plataforma.aleatorio(1), 0);
        const int r = plataforma.aleatorio(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        visto[r] = true;
    }
    EXPECT_TRUE(std::all_of(std::begin(visto), std::end(visto), [](bool v) { return v; }));
}

TEST(PlataformaQt, MesmaSementeMesmaSequenciaERelogioSementeDiferente) {
    PlataformaQt a(42), b(42), c(43);
    bool diferenteDaOutraSemente = false;
    for (int i = 0; i < 100; ++i) {
        const int x = a.aleatorio(1000);
        EXPECT_EQ(x, b.aleatorio(1000));
        diferenteDaOutraSemente = diferenteDaOutraSemente || x != c.aleatorio(1000);
    }
    EXPECT_TRUE(diferenteDaOutraSemente);

    PlataformaQt d;
    d.dorme(2);
    PlataformaQt e;
    bool diferentes = false;
    for (int i = 0; i < 100; ++i) diferentes = diferentes || d.aleatorio(1000000) != e.aleatorio(1000000);
    EXPECT_TRUE(diferentes);
}

TEST(PlataformaQt, RelogioAvancaAoDormir) {
    PlataformaQt plataforma(1);
    const long long antes = plataforma.agoraMs();
    EXPECT_GE(antes, 0);
    plataforma.dorme(25);
    EXPECT_GE(plataforma.agoraMs() - antes, 25);
    const long long depois = plataforma.agoraMs();
    plataforma.dorme(0);
    plataforma.dorme(-50);
    EXPECT_GE(plataforma.agoraMs(), depois);
}

// The local wall clock, read between two readings of Qt's: equal to one of them to the second,
// or between them. No time-zone arithmetic, so a change of summer time cannot fail it.
TEST(PlataformaQt, DataHoraEAHoraLocal) {
    PlataformaQt plataforma(1);
    const auto campos = [](const QDateTime& t) {
        return std::array<int, 6>{t.date().year(), t.date().month(),   t.date().day(),
                                  t.time().hour(), t.time().minute(), t.time().second()};
    };
    const auto antes = campos(QDateTime::currentDateTime());
    const DataHora d = plataforma.dataHora();
    const auto depois = campos(QDateTime::currentDateTime());
    const std::array<int, 6> lida{d.ano, d.mes, d.dia, d.hora, d.minuto, d.segundo};
    EXPECT_TRUE(lida == antes || lida == depois || (antes < lida && lida < depois))
        << d.dia << "/" << d.mes << "/" << d.ano << " " << d.hora << ":" << d.minuto << ":" << d.segundo;
}

}  // namespace
}  // namespace pelmar

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The windows' tests need widgets but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    return RUN_ALL_TESTS();
}
