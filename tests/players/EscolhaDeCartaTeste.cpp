#include <gtest/gtest.h>

#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;
using EscolhaDeCartaTeste = DecisaoDeTeste;

TEST_F(EscolhaDeCartaTeste, EscolhedoresEDesempates) {
    mao(2, {AS, QUATRO, AS});
    int slot = 0;
    EXPECT_EQ(analise().MENOR_CARTA(2), 2);
    EXPECT_EQ(analise().MAIOR_CARTA(2), 1);                 // equal strengths: the lower slot
    EXPECT_EQ(analise().CARTA_EMPATE(2, AS, slot), 2);
    EXPECT_EQ(slot, 3);                                       // equal strengths: the higher slot
    EXPECT_EQ(analise().CARTA_GANHA_RODADA(2, SETE, slot), 3);
    EXPECT_EQ(slot, 1);                                       // the weakest that wins
    EXPECT_EQ(analise().CARTA_GANHA_RODADA(2, AS, slot), 2);
    EXPECT_EQ(slot, 3);                                       // no winner: a tying card
    EXPECT_EQ(analise().CARTA_GANHA_RODADA(2, TRES, slot), 1);
    EXPECT_EQ(slot, 2);                                       // neither: the weakest
    jogo->estado.RESULTADO_RODADA_ATUAL = 'E';
    EXPECT_EQ(analise().CARTA_GANHA_RODADA(2, AS, slot), 1);  // a tied trick is not tied again
    EXPECT_EQ(slot, 2);
    mao(4, {});
    EXPECT_EQ(analise().MENOR_CARTA(4), 0);
}

TEST_F(EscolhaDeCartaTeste, PrimeiraRodadaMiraAcimaDoReiSalvoSeOParceiroGarante) {
    mao(1, {QUATRO, AS, DOIS});
    mao(3, {QUATRO, SETE, DAMA});
    EXPECT_EQ(analisa(1).slot, 2);  // the ace: the weakest card above a King
    mao(3, {QUATRO, SETE, TRES});
    EXPECT_EQ(analisa(1).slot, 1);  // the partner beats a King: play the four
}

TEST_F(EscolhaDeCartaTeste, NoPe) {
    primeiro(2);  // seat 1 plays last
    const struct {
        int ganhador, valor;
        std::initializer_list<int> cartas;
        int slot;
    } casos[] = {
        {2, REI, {QUATRO, TRES, AS}, 3},   // the weakest card that beats the table
        {4, TRES, {TRES, QUATRO, SETE}, 1}, // none beats it: a tie
        {4, ZAP, {TRES, QUATRO, SETE}, 2},  // nothing: the weakest
        {3, REI, {QUATRO, TRES, AS}, 1},    // the partner holds it: the weakest
    };
    for (const auto& c : casos) {
        mesa(c.ganhador, c.valor);
        mao(1, c.cartas);
        EXPECT_EQ(analisa(1).slot, c.slot) << c.valor;
    }
}

TEST_F(EscolhaDeCartaTeste, SegundaRodadaDepoisDeEmpateJogaAMaior) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 2;
    e.RESULTADO_RODADA[1] = 'E';
    mao(2, {QUATRO, ZAP, 0});
    mao(4, {TRES, TRES, 0});
    primeiro(2);
    EXPECT_EQ(analisa(2).slot, 2);
}

TEST_F(EscolhaDeCartaTeste, PeNaTerceiraComOParceiroGanhandoGuardaACarta) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 3;
    primeiro(2);
    mesa(3, DAMA);
    mao(1, {COPAS, 0, 0});
    const Escolha c = analisa(1);
    EXPECT_TRUE(c.encobrir);  // a card above the OUROS manilha is hidden, its truco dropped
    EXPECT_FALSE(c.trucar);
    bool trucar = true, encobrir = false;
    EXPECT_TRUE(escolha().GUARDA_CARTA(1, trucar, encobrir));
    EXPECT_FALSE(trucar);
    EXPECT_TRUE(encobrir);
    mesa(2, DAMA);
    EXPECT_FALSE(escolha().GUARDA_CARTA(1, trucar, encobrir));
}

TEST_F(EscolhaDeCartaTeste, TrucoComCartaNaTerceiraPeloQueEstaNaMesa) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 3;
    e.MANILHAS_SAIRAM = {true, true, true, true};  // so only the table rows decide
    primeiro(2);
    mao(1, {QUATRO, 0, 0});
    mesa(2, SETE);
    EXPECT_TRUE(analisa(1).trucar);  // a seven or less on the table: always
    // A manilha's strength is its suit plus its rank, so the suit rows match by range.
    e.CARTAS_QUE_SAIRAM = {};
    e.CARTAS_QUE_SAIRAM[0] = 32768;
    int vezes = 0;
    for (int k = 0; k < 300; ++k) {
        mesa(2, COPAS);
        vezes += analisa(1).trucar ? 1 : 0;
    }
    EXPECT_GT(vezes, 0);
    EXPECT_LT(vezes, 40);
    e.CARTAS_QUE_SAIRAM = {};  // nothing stronger is left: the row's condition fails, no call
    for (int k = 0; k < 50; ++k) EXPECT_FALSE(analisa(1).trucar);

    mao(1, {ZAP, 0, 0});
    const Escolha comZap = analisa(1);
    EXPECT_EQ(comZap.slot, 1);
    EXPECT_TRUE(comZap.trucar);
    EXPECT_TRUE(logContem("3ª RODADA COM ZAP TRUCAR"));
}

TEST_F(EscolhaDeCartaTeste, ErrosDeNivelBaixoSoParaOsAdversarios) {
    primeiro(2);
    for (int jogador : {2, 3, 4}) mao(jogador, {TRES, QUATRO, AS});
    jogo->prefs.DIFICULDADE = 1;
    for (int k = 0; k < 20; ++k) EXPECT_EQ(escolha().DECIDE_JOGADA(2).slot, 2);
    jogo->prefs.DIFICULDADE = 4;
    for (int k = 0; k < 20; ++k) EXPECT_EQ(escolha().DECIDE_JOGADA(4).slot, analisa(4).slot);
    jogo->prefs.DIFICULDADE = 1;
    for (int k = 0; k < 20; ++k) EXPECT_EQ(escolha().DECIDE_JOGADA(3).slot, analisa(3).slot);
}

TEST_F(EscolhaDeCartaTeste, RegraSemCartaUsaAEscolhaCalculadaComAsMarcasDaRegra) {
    jogo->prefs.CEREBRO_USA_REGRAS = true;
    mao(1, {QUATRO, AS, DOIS});
    mao(3, {QUATRO, SETE, DAMA});
    // Seat 1 leads trick 1: partner P,P,M is sorted M,P,P; own 2,A,P.
    const LinhaRegra l = analisaLinhaRegra("=,  1,1,  1,*, ?,?, ?,?, ?,?,  M,P,P,  2,A,P,  0,E,T,   5");
    ASSERT_EQ(l.tipo, LinhaRegra::Tipo::Regra);
    jogo->ia.cerebro.acrescenta(l.regra);
    const DecisaoJogada d = escolha().DECIDE_JOGADA(1);
    EXPECT_EQ(d.slot, analisa(1).slot);
    EXPECT_TRUE(d.encobrir);
    EXPECT_TRUE(d.trucar);
    EXPECT_EQ(d.regra, 1);
}

TEST_F(EscolhaDeCartaTeste, SemPersonalidadeODesejoFicaOCalculado) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 3;
    mao(2, {ZAP, 0, 0});
    primeiro(2);
    for (int k = 0; k < 20; ++k) EXPECT_TRUE(escolha().DECIDE_JOGADA(2).trucar);
    mao(2, {QUATRO, 0, 0});
    for (int k = 0; k < 20; ++k) EXPECT_FALSE(escolha().DECIDE_JOGADA(2).trucar);
    EXPECT_FALSE(logContem("PERSONALIDADE"));
}

TEST_F(EscolhaDeCartaTeste, ConselhoESugestaoParaOUsuario) {
    mao(1, {QUATRO, AS, DOIS});
    mao(3, {QUATRO, SETE, DAMA});
    const auto conselho = escolha().CONSELHO(true);
    EXPECT_EQ(conselho.decisao.slot, 2);  // the ace: the weakest above a King
    EXPECT_EQ(conselho.texto.rfind("Conselho do PELMAR: \nCalculado:\nJogue a carta do meio / ", 0), 0u)
        << conselho.texto;
    EXPECT_EQ(jogo->mesa["strNR_REGRA"].texto, "Calculado");
    ASSERT_EQ(tela.mensagens.size(), 1u);

    jogo->computador.mostraSugestao();
    EXPECT_TRUE(jogo->mesa["imgSUJESTAO_2"].visivel);
    EXPECT_FALSE(jogo->mesa["imgSUJESTAO_1"].visivel);
    EXPECT_EQ(jogo->mesa["imgSUJESTAO_2"].dica, "Jogar esta CARTA");
    EXPECT_TRUE(jogo->mesa["strNR_REGRA"].visivel);
    EXPECT_EQ(tela.mensagens.size(), 1u);  // no box for the suggestion
}

TEST_F(EscolhaDeCartaTeste, RegrasDeEncobrir) {
    const struct {
        int primeiro;  // who opens the trick; seat 2 decides
        int ganhador, valor;
        std::initializer_list<int> cartas;
        bool onze, encobre;
        const char* motivo;
    } casos[] = {
        {1, 1, REI, {QUATRO, SETE}, false, true, "Esconde a carta se for menor que a da mesa"},
        {1, 1, REI, {QUATRO, SETE}, true, false, ""},  // not in a hand of eleven
        {1, 1, QUATRO, {AS, SETE}, false, false, ""},
        {2, 0, 0, {SETE, QUATRO}, false, true, "Encobrir carta <= Sete na mão"},
        {2, 0, 0, {AS, DAMA}, false, false, ""},
    };
    for (const auto& c : casos) {
        TearDown();
        SetUp();
        jogo->estado.RODADA = 2;
        jogo->estado.MAO_DE_ONZE = c.onze;
        primeiro(c.primeiro);
        mesa(c.ganhador, c.valor);
        mao(2, c.cartas);
        mao(4, {QUATRO, QUATRO, 0});
        EXPECT_EQ(analisa(2).encobrir, c.encobre) << c.valor << (c.onze ? " onze" : "");
        if (*c.motivo) {
            EXPECT_TRUE(logContem(c.motivo)) << c.motivo;
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
