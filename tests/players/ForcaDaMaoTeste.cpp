#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

// How strong a hand and a side are taken to be: the sums, the manilha promotions, the table's
// card counted for the side that holds the trick, and the side judgments with their bias.
class ForcaDaMaoTeste : public DecisaoDeTeste {
protected:
    // The sums of each side's hands, all in one seat of each.
    void lados(int computador, int usuario) {
        mao(2, {computador});
        mao(4, {});
        mao(1, {usuario});
        mao(3, {});
    }
    void rodada(int r, char primeira) {
        jogo->estado.RODADA = r;
        jogo->estado.RESULTADO_RODADA[1] = r >= 2 ? primeira : ' ';
    }
};

// A manilha counts as the zap once every stronger one went out in a finished trick; the latest
// promotion that applies wins, and a larger sum stands.
TEST_F(ForcaDaMaoTeste, PromocaoDeManilhasQueSairam) {
    const struct {
        const char* nome;
        std::array<bool, 4> foraAntes;  // PAUS, COPAS, ESPADA, OUROS out in finished tricks
        std::array<bool, 4> foraNaRodada;
        std::initializer_list<int> cartas;
        int forca;
    } casos[] = {
        {"nada saiu", {}, {}, {COPAS, QUATRO}, COPAS + QUATRO},
        {"copas sem o zap", {true}, {}, {COPAS, QUATRO}, 32768},
        {"espada sem o zap so", {true}, {}, {ESPADA, QUATRO}, ESPADA + QUATRO},
        {"espada sem zap e copas", {true, true}, {}, {ESPADA, QUATRO}, 32768},
        {"ouros sem zap e copas", {true, true}, {}, {OUROS, QUATRO}, 16384},
        {"ouros sozinha", {true, true, true}, {}, {OUROS, QUATRO}, 32768},
        {"ouros sem copas e espada", {false, true, true}, {}, {OUROS, QUATRO}, OUROS + QUATRO},
        {"espada e ouros: vale a ultima", {true, true}, {}, {ESPADA, OUROS}, 16384},
        {"zap na rodada em curso", {}, {true}, {COPAS, QUATRO}, COPAS + QUATRO},
        {"copas ja jogada", {true}, {}, {0, TRES, TRES}, 2 * TRES},
        {"soma maior", {}, {}, {COPAS, ESPADA, OUROS}, COPAS + ESPADA + OUROS},
    };
    for (const auto& c : casos) {
        EstadoJogo& e = jogo->estado;
        for (std::size_t n = 0; n < 4; ++n) {
            e.MANILHAS_SAIRAM_ANTES[n] = c.foraAntes[n];
            e.MANILHAS_SAIRAM[n] = c.foraAntes[n] || c.foraNaRodada[n];
        }
        mao(3, c.cartas);
        EXPECT_EQ(analise().FORCA_JOGADOR(3), c.forca) << c.nome;
    }
}

// The strongest card of the trick counts for the side holding it, against the other side.
TEST_F(ForcaDaMaoTeste, CartaDaMesaContaParaOLadoQueGanhaARodada) {
    const struct {
        int ganhador;
        char empate;  // 'E': the trick is tied
        int computador, usuario;
    } casos[] = {
        {2, ' ', 1000 + REI, 500 - REI},
        {4, ' ', 1000 + REI, 500 - REI},
        {1, ' ', 1000 - REI, 500 + REI},
        {3, ' ', 1000 - REI, 500 + REI},
        {2, 'E', 1000, 500},
        {0, ' ', 1000, 500},
    };
    for (const auto& c : casos) {
        lados(1000, 500);
        mesa(c.ganhador, REI);
        if (c.empate == 'E') jogo->estado.RESULTADO_RODADA_ATUAL = 'E';
        EXPECT_EQ(analise().PONTOS_JOGADORES(), c.computador) << c.ganhador << c.empate;
        EXPECT_EQ(analise().PONTOS_PARCEIRO(), c.usuario) << c.ganhador << c.empate;
    }
}

struct Julgamento {
    const char* nome;
    int rodada;
    char primeira;
    bool onze;
    int ganhador;  // who holds the current trick with a Four; 0 none
    int computador, usuario;
    bool resultado;
};

// The computer's side is judged better above 37375 of its own, or when the user's side plus
// the level's bias plus 768 (and 768 more or less in trick 2) stays below it.
TEST_F(ForcaDaMaoTeste, JulgamentoDoComputador) {
    // Level 5: a bias of 768, so the user's side counts 1536 more.
    const Julgamento casos[] = {
        {"limite proprio", 1, ' ', false, 0, 37375, 40000, false},
        {"acima do limite", 1, ' ', false, 0, 37376, 40000, true},
        {"empata com o usuario", 1, ' ', false, 0, 2536, 1000, false},
        {"passa o usuario", 1, ' ', false, 0, 2537, 1000, true},
        {"terceira", 3, 'C', false, 0, 2537, 1000, true},
        {"terceira empata", 3, 'C', false, 0, 2536, 1000, false},
        {"segunda, primeira nossa", 2, 'C', false, 0, 1769, 1000, true},
        {"segunda, primeira nossa, empata", 2, 'C', false, 0, 1768, 1000, false},
        {"segunda, primeira empatada", 2, 'E', false, 0, 1769, 1000, true},
        {"segunda, primeira deles", 2, 'J', false, 0, 60000, 0, false},
        {"segunda, primeira deles, mao de onze", 2, 'J', true, 0, 3305, 1000, true},
        {"segunda, primeira deles, mao de onze, empata", 2, 'J', true, 0, 3304, 1000, false},
        // The table's card counts after the own limit, before the comparison.
        {"carta da mesa nao conta para o limite", 1, ' ', false, 2, 37375, 40000, false},
        {"carta da mesa nossa", 1, ' ', false, 2, 2536, 1000, true},
        {"carta da mesa deles", 1, ' ', false, 1, 2537, 1000, false},
    };
    for (const Julgamento& c : casos) {
        rodada(c.rodada, c.primeira);
        jogo->estado.MAO_DE_ONZE = c.onze;
        lados(c.computador, c.usuario);
        mesa(c.ganhador, c.ganhador == 0 ? 0 : QUATRO);
        EXPECT_EQ(analise().AVALIA_COMP(), c.resultado) << c.nome;
    }
    // A higher level's bias makes the same cards not enough.
    rodada(1, ' ');
    mesa(0, 0);
    lados(2537, 1000);
    jogo->dificuldade.DEFINE_DIFICULDADE(8);
    EXPECT_FALSE(analise().AVALIA_COMP());
    lados(2537 + 2048 - 768, 1000);
    EXPECT_TRUE(analise().AVALIA_COMP());
}

TEST_F(ForcaDaMaoTeste, JulgamentoDoUsuario) {
    const Julgamento casos[] = {
        {"limite proprio", 1, ' ', false, 0, 40000, 37375, false},
        {"acima do limite", 1, ' ', false, 0, 40000, 37376, true},
        {"empata com o computador", 1, ' ', false, 0, 1000, 2536, false},
        {"passa o computador", 1, ' ', false, 0, 1000, 2537, true},
        {"terceira", 3, 'C', false, 0, 1000, 2537, true},
        {"segunda, primeira nossa", 2, 'J', false, 0, 1000, 2537, true},
        {"segunda, primeira empatada", 2, 'E', false, 0, 1000, 2537, true},
        {"segunda, primeira deles", 2, 'C', false, 0, 0, 60000, false},
        {"segunda, primeira deles, mao de onze", 2, 'C', true, 0, 0, 60000, false},
        {"carta da mesa do computador", 1, ' ', false, 2, 1000, 2537, false},
        {"carta da mesa do computador, passa", 1, ' ', false, 2, 1000, 2538, true},
        {"carta da mesa nossa", 1, ' ', false, 1, 1000, 2536, true},
    };
    for (const Julgamento& c : casos) {
        rodada(c.rodada, c.primeira);
        jogo->estado.MAO_DE_ONZE = c.onze;
        lados(c.computador, c.usuario);
        mesa(c.ganhador, c.ganhador == 0 ? 0 : QUATRO);
        EXPECT_EQ(analise().AVALIA_JOG(), c.resultado) << c.nome;
    }
}

// How many of the strong cards still to come are at least this strong.
TEST_F(ForcaDaMaoTeste, CartasAcimaQueAindaNaoSairam) {
    const struct {
        int valor, acima;
    } casos[] = {
        {0, 16},    {1, 16},    {768, 16}, {769, 12},  {1280, 12},  {1281, 8},
        {2304, 8},  {2305, 4},  {4096, 4}, {4097, 3},  {32768, 1}, {32769, 0},
    };
    for (const auto& c : casos) EXPECT_EQ(analise().CONTA_CARTAS_ACIMA(c.valor), c.acima) << c.valor;
    jogo->estado.CARTAS_QUE_SAIRAM[4] = 0;  // a three came out
    EXPECT_EQ(analise().CONTA_CARTAS_ACIMA(2304), 7);
    EXPECT_EQ(analise().CONTA_CARTAS_ACIMA(1), 15);
}

}  // namespace
}  // namespace pelmar::teste
