#include <gtest/gtest.h>

#include "pelmar-torneio/PlanilhaDaEscada.h"
#include "pelmar-torneio/Progresso.h"
#include "pelmar-torneio/ResumoDoNivel.h"

namespace pelmar::teste {
namespace {

TEST(IntervaloDeWilson, ValoresConhecidosEOsExtremos) {
    const struct {
        long long sucessos, tentativas;
        double inferior, superior;
    } casos[] = {
        // A normal approximation would give 0.552 .. 1.048 here: Wilson stays inside [0, 1].
        {8, 10, 0.4901624715, 0.9433178485},
        {1000, 2000, 0.4781079508, 0.5218920492},
        // None won: the lower bound is exactly 0 and the upper z²/(n+z²).
        {0, 10, 0.0, 0.2775327999},
        // All won: the upper bound is exactly 1 and the lower n/(n+z²).
        {10, 10, 0.7224672001, 1.0},
        {1, 1, 0.2065493144, 1.0},
        // Nothing tried: nothing is known.
        {0, 0, 0.0, 1.0},
    };
    for (const auto& c : casos) {
        const Intervalo i = intervaloDeWilson(c.sucessos, c.tentativas);
        EXPECT_NEAR(i.inferior, c.inferior, 1e-9) << c.sucessos << "/" << c.tentativas;
        EXPECT_NEAR(i.superior, c.superior, 1e-9) << c.sucessos << "/" << c.tentativas;
    }
    // The exact ends, not a rounding away from them: a CSV would show 0.9999 or -0.0000.
    EXPECT_EQ(intervaloDeWilson(10, 10).superior, 1.0);
    EXPECT_EQ(intervaloDeWilson(2000, 2000).superior, 1.0);
    EXPECT_EQ(intervaloDeWilson(0, 2000).inferior, 0.0);
}

TEST(BoisDaSequencia, DoisDeTresOuDoisAZeroEOAbertoNaoConta) {
    const struct {
        std::vector<int> vencedores;
        long long computador, usuario;
    } casos[] = {
        {{}, 0, 0},
        {{1, 1}, 1, 0},
        {{2, 2}, 0, 1},
        {{1, 2, 1}, 1, 0},
        {{1, 2, 2}, 0, 1},
        {{2, 1}, 0, 0},                   // still open
        {{1, 1, 2, 2, 1, 2, 1, 2}, 2, 1},  // a new boi starts after each one: [1 1] [2 2] [1 2 1] [2..
        {{1, 2, 2, 1, 1}, 1, 1},          // [1 2 2] [1 1]
    };
    for (const auto& c : casos) {
        const Bois b = boisDaSequencia(c.vencedores);
        EXPECT_EQ(b.computador, c.computador) << ::testing::PrintToString(c.vencedores);
        EXPECT_EQ(b.usuario, c.usuario) << ::testing::PrintToString(c.vencedores);
    }
}

TEST(ResumoDoNivel, SomaAsPartidasDoNivel) {
    const std::vector<ResultadoDaPartida> partidas{
        {4, 0, 1, 6, 12, 5, 2000},
        {4, 1, 1, 4, 13, 0, 1000},
        {4, 2, 2, 10, 7, 12, 1000},
        {4, 3, 2, 5, 3, 12, 1000},
    };
    const ResumoDoNivel r = resumeNivel(4, partidas);
    EXPECT_EQ(r.nivel, 4);
    EXPECT_EQ(r.partidas, 4);
    EXPECT_EQ(r.vitoriasCom, 2);
    EXPECT_EQ(r.vitoriasJog, 2);
    EXPECT_DOUBLE_EQ(r.taxaCom, 0.5);
    EXPECT_DOUBLE_EQ(r.intervalo.inferior, intervaloDeWilson(2, 4).inferior);
    EXPECT_EQ(r.bois.computador, 1);  // [1 1] then [2 2]
    EXPECT_EQ(r.bois.usuario, 1);
    EXPECT_EQ(r.maos, 25);
    EXPECT_EQ(r.pontosCom, 35);
    EXPECT_EQ(r.pontosJog, 29);
    EXPECT_DOUBLE_EQ(r.pontosPorMao, 64.0 / 25.0);
    EXPECT_DOUBLE_EQ(r.maosPorSegundo, 25 / 0.005);
}

TEST(PlanilhaDaEscada, SoOQueASementeDecideComPontoDecimal) {
    ResumoDoNivel n = resumeNivel(7, {{7, 0, 1, 6, 12, 5, 123456}, {7, 1, 1, 9, 14, 6, 654321},
                                      {7, 2, 2, 3, 2, 12, 999}});
    const std::string esperado =
        "modo,semente,nivel,partidas,vitorias_computador,vitorias_usuario,taxa_computador,wilson95_inferior,"
        "wilson95_superior,bois_computador,bois_usuario,maos,pontos_computador,pontos_usuario,pontos_por_mao\n"
        "limpo,42,7,3,2,1,0.6667,0.2077,0.9385,1,0,18,28,23,2.833\n";
    EXPECT_EQ(planilhaDaEscada("limpo", 42, {n}), esperado);
    // The time each match took changes nothing in the file.
    n.maosPorSegundo = 1;
    EXPECT_EQ(planilhaDaEscada("limpo", 42, {n}), esperado);
}

TEST(Progresso, FeitasTaxaETempoQueFalta) {
    EXPECT_EQ(linhaDeProgresso(0, 200, 0), "partidas 0/200");
    EXPECT_EQ(linhaDeProgresso(50, 200, 10), "partidas 50/200 · 5 partidas/s · faltam 0:30");
    EXPECT_EQ(linhaDeProgresso(100, 22100, 2), "partidas 100/22100 · 50 partidas/s · faltam 7:20");
    EXPECT_EQ(linhaDeProgresso(200, 200, 40), "partidas 200/200 · 5 partidas/s · faltam 0:00");
}

}  // namespace
}  // namespace pelmar::teste
