#include <gtest/gtest.h>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class FechamentoTeste : public MesaDeTeste {
protected:
    void cadaUmJogaEmOrdem() {
        for (int p = 1; p <= 4; ++p) roteiro(p, {{1}, {2}, {3}});
    }
};

struct CasoFechamento {
    const char* nome;
    bool tradicional;
    const char* vira;
    std::initializer_list<std::initializer_list<std::string_view>> maos;
    int codigo;
    const char* logDoFechamento;
    const char* anuncio;
    int pontosJogador;
    int pontosComputador;
    int jogadorSemCarta;  // a player whose last card was never placed
};

// Every player plays slots 1, 2, 3 in turn; player 1 leads.
const CasoFechamento CASOS[] = {
    {"zap do jogador na segunda", false, "3C",
     {{"3C", "4P", "5C"}, {"KO", "6C", "7C"}, {"QC", "6E", "7E"}, {"JO", "JE", "KE"}},
     2, "COMPUPADOR JÁ PERDEU RODADA - NR:1", "M02: Me Fechou na Segunda    !", 1, 0, 2},
    {"zap do jogador na terceira", false, "3C",
     {{"QC", "KC", "5C"}, {"3E", "6C", "7C"}, {"5E", "2E", "4P"}, {"QE", "JE", "KE"}},
     3, "COMPUPADOR JÁ PERDEU RODADA - NR:0", "M03: Me Fechou na Terceira   !", 1, 0, 4},
    {"zap do computador na segunda", false, "3C",
     {{"QC", "KC", "5C"}, {"3C", "4P", "6C"}, {"5E", "6E", "7E"}, {"QE", "JE", "KE"}},
     4, "JOGADOR JÁ PERDEU RODADA - NR:1", "M04: Fechei Você na Segunda  !", 0, 1, 3},
    // In trick 3 player 4 leads with the four of PAUS and player 1 is next: neither 1 nor 2 plays.
    {"zap do computador na terceira, modo tradicional", true, "KC",
     {{"QC", "KC", "5C"}, {"3C", "6C", "JE"}, {"5E", "2O", "QE"}, {"6E", "5O", "4P"}},
     5, "JOGADOR JÁ PERDEU RODADA - NR:2", "M05: Fechei Você na Terceira !", 0, 1, 1},
    {"ultimo do jogador na terceira com a rodada ganha", false, "KC",
     {{"3C", "4C", "5C"}, {"5E", "2E", "4E"}, {"6E", "5O", "3E"}, {"6O", "4O", "7O"}},
     7, "COMPUPADOR JÁ PERDEU RODADA - NR:3", "M07: Acabou Terceira         !", 1, 0, 1},
};

TEST_F(FechamentoTeste, CadaCodigoEncerraAMaoParaOLadoQueNaoPodePerder) {
    for (const CasoFechamento& c : CASOS) {
        TearDown();
        SetUp();
        jogo->prefs.MODO_TRADICIONAL = c.tradicional;
        preset(c.vira, c.maos);
        primeiroAJogar(1);
        cadaUmJogaEmOrdem();
        jogaMao();
        const EstadoJogo& e = jogo->estado;
        EXPECT_EQ(e.MOTIVO_FECHOU, c.codigo) << c.nome;
        EXPECT_EQ(e.PONTOS_JOG, c.pontosJogador) << c.nome;
        EXPECT_EQ(e.PONTOS_COM, c.pontosComputador) << c.nome;
        EXPECT_TRUE(logContem(c.logDoFechamento)) << c.nome;
        EXPECT_TRUE(logContem("ZAP FECHA!   M0" + std::to_string(c.codigo))) << c.nome;
        EXPECT_TRUE(logContem(std::string("MSG = ") + c.anuncio)) << c.nome;
        const int rodada = c.codigo == 2 || c.codigo == 4 ? 2 : 3;
        EXPECT_FALSE(e.JOGADORES[c.jogadorSemCarta].CARTAS[rodada].JOGADA) << c.nome;
        // No truco was on: the top-manilha show stays off.
        EXPECT_TRUE(ganchos.bonus_.empty()) << c.nome;
    }
}

TEST_F(FechamentoTeste, ZapQueFechaComTrucoValendoMostraEPontuaOZapTesta) {
    preset("3C", {{"3C", "4P", "5C"}, {"KO", "6C", "7C"}, {"QC", "6E", "7E"}, {"JO", "JE", "KE"}});
    primeiroAJogar(1);
    cadaUmJogaEmOrdem();
    decisoes.querTrucar = [](int, int valor, bool forcar) { return forcar && valor == 3; };
    decisoes.lances[2].front().trucar = true;
    tela.respostasTruco = {resposta::ACEITAR};
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 3);
    EXPECT_TRUE(logContem("MSG = Chupa Meu!"));
    EXPECT_EQ(ganchos.bonus_, std::vector<std::string>{"ZAP TESTA/2/5"});
    EXPECT_FALSE(jogo->mesa["ZAP_JOG_1"].visivel);
}

// Side 'J' won trick 1 and leads trick 2 when J1, the last to play, is about to play.
// (The winner of trick 1 leads trick 2, so play itself never reaches this; the rule still holds.)
TEST_F(FechamentoTeste, AcabouSegundaQuandoOUltimoDoJogadorJaTemARodada) {
    EstadoJogo& e = jogo->estado;
    e.PARAR = false;
    e.RODADA = 2;
    e.RESULTADO_RODADA[1] = 'J';
    for (int p = 1; p <= 4; ++p) e.JOGADORES[p].ORDEM = (p + 2) % 4 + 1;  // 2 leads, 1 is last
    e.ULTIMO_DA_RODADA = 1;
    e.CARTAS_NA_MESA = 4;
    e.RESULTADO_RODADA_ATUAL = 'J';
    e.TIME_GANHADOR_RODADA = 'J';
    e.MAIOR_VALOR_RODADA = valor::TRES;
    e.GANHADOR_RODADA = 3;
    e.JOGADORES[1].PODE_JOGAR = true;
    jogo->truco.ATUALIZA_TRUCO();
    EXPECT_EQ(e.MOTIVO_FECHOU, 6);
    EXPECT_EQ(e.ESTADO_TRUCO, 18);
    EXPECT_EQ(e.GANHADOR_MAO, 2);
    EXPECT_FALSE(e.JOGADORES[1].PODE_JOGAR);  // his card is not placed
    EXPECT_TRUE(logContem("COMPUPADOR JÁ PERDEU RODADA - NR:4"));

    // When both sides' rules fire, side 'C' wins.
    e.JOGADORES[1].PODE_JOGAR = true;
    e.ESTADO_TRUCO = 0;
    e.RESULTADO_RODADA[1] = 'E';
    e.RODADA = 3;
    e.MAIOR_VALOR_RODADA = naipe::PAUS | valor::QUATRO;
    e.TIME_GANHADOR_RODADA = 'C';
    e.RESULTADO_RODADA_ATUAL = 'C';
    e.GANHADOR_RODADA = 2;
    jogo->truco.ATUALIZA_TRUCO();
    EXPECT_EQ(e.MOTIVO_FECHOU, 5);
    EXPECT_EQ(e.GANHADOR_MAO, 1);
}

// A hand already decided keeps its winner: the side that ran (or declined its hand of eleven)
// concedes it, even when an early end of its own side holds in the same truco update.
TEST_F(FechamentoTeste, MaoJaDecididaNaoEViradaPorUmFechamento) {
    const struct {
        const char* caso;
        int estado;
        bool fechamentoDoJogador;  // else the computer's side's early end holds
        int ganhador;
    } casos[] = {
        {"o jogador fugiu do truco com a rodada ganha", 17, true, 1},
        {"o computador recusou o truco com o zap na mesa", 18, false, 2},
        {"o computador recusou a mao de onze", 19, false, 2},
        {"o jogador recusou a mao de onze", 20, true, 1},
    };
    for (const auto& c : casos) {
        EstadoJogo& e = jogo->estado;
        e.PARAR = false;
        e.GANHADOR_MAO = 0;
        e.MOTIVO_FECHOU = 0;
        e.RODADA = 3;
        e.RESULTADO_RODADA[1] = 'E';
        for (int p = 1; p <= 4; ++p) e.JOGADORES[p].ORDEM = (p + 2) % 4 + 1;  // 2 leads, 1 is last
        e.ULTIMO_DA_RODADA = 1;
        e.CARTAS_NA_MESA = 4;
        const char lado = c.fechamentoDoJogador ? 'J' : 'C';
        e.RESULTADO_RODADA_ATUAL = lado;
        e.TIME_GANHADOR_RODADA = lado;
        // Side 'J' leads trick 3 with J1 last to play; side 'C' leads it with the zap.
        e.MAIOR_VALOR_RODADA = c.fechamentoDoJogador ? valor::TRES : (naipe::PAUS | valor::QUATRO);
        e.GANHADOR_RODADA = c.fechamentoDoJogador ? 3 : 2;
        e.ESTADO_TRUCO = c.estado;
        jogo->truco.ATUALIZA_TRUCO();
        EXPECT_EQ(e.ESTADO_TRUCO, c.estado) << c.caso;
        EXPECT_EQ(e.GANHADOR_MAO, c.ganhador) << c.caso;
        EXPECT_EQ(e.MOTIVO_FECHOU, 0) << c.caso;

        // The same table with the hand still open does end early: the rule itself holds.
        e.ESTADO_TRUCO = 0;
        e.GANHADOR_MAO = 0;
        jogo->truco.ATUALIZA_TRUCO();
        EXPECT_EQ(e.GANHADOR_MAO, c.fechamentoDoJogador ? 2 : 1) << c.caso;
    }
}

}  // namespace
}  // namespace pelmar::teste
