#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "brain/FormatoRegra.h"
#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

// Every threshold of the truco decisions probed one step below, at and one step above, with the
// random tests scripted so that the threshold alone decides.
class LimiaresTrucoTeste : public DecisaoDeTeste {
protected:
    void SetUp() override {
        DecisaoDeTeste::SetUp();
        semAcaso();
        acasoFalha();
        for (int p = 1; p <= 4; ++p) mao(p, {QUATRO, QUATRO, QUATRO});
        jogo->estado.JOGADOR_DA_VEZ = 2;
    }
    // Trick `r`, the first trick's result, and the side holding the current trick with a Four
    // ('C', 'J'; 'E' tied; ' ' nothing played yet).
    void rodada(int r, char primeira, char atual) {
        EstadoJogo& e = jogo->estado;
        e.RODADA = r;
        e.RESULTADO_RODADA[1] = r >= 2 ? primeira : ' ';
        if (atual == 'C') mesa(2, QUATRO);
        else if (atual == 'J') mesa(1, QUATRO);
        else mesa(0, 0);
        if (atual == 'E') e.RESULTADO_RODADA_ATUAL = 'E';
    }
    // The computer side's strength as the decisions read it: seat 2's hand plus the table's card
    // when its side holds the trick, minus it when the other side does.
    void computadorCom(int s) {
        const EstadoJogo& e = jogo->estado;
        const int mesaConta = e.RESULTADO_RODADA_ATUAL == 'C' ? QUATRO : e.RESULTADO_RODADA_ATUAL == 'J' ? -QUATRO : 0;
        mao(2, {s - mesaConta});
        mao(4, {});
    }
    void usuarioCom(int s) {
        mao(1, {s});
        mao(3, {});
    }
    // The ladder as it stands when the computer answers a call at this stake.
    void chamadoA(int valor) {
        EstadoJogo& e = jogo->estado;
        e.VALOR_TRUCO = valor == 3 ? 1 : valor - 3;
        e.ESTADO_TRUCO = valor == 3 ? 1 : valor == 6 ? 5 : valor == 9 ? 9 : 13;
        e.TRUCOS_SEGUIDOS = 0;
    }
    // The ladder as it stands when an opponent may raise to this stake.
    void podeChamar(int valor) {
        EstadoJogo& e = jogo->estado;
        e.VALOR_TRUCO = valor == 3 ? 1 : valor - 3;
        e.ESTADO_TRUCO = valor == 3 ? 0 : valor == 6 ? 4 : valor == 9 ? 8 : 12;
    }
    void regraDoCerebro(const char* linha) {
        jogo->prefs.CEREBRO_USA_REGRAS = true;
        const LinhaRegra l = analisaLinhaRegra(linha);
        ASSERT_EQ(l.tipo, LinhaRegra::Tipo::Regra) << linha;
        jogo->ia.cerebro.acrescenta(l.regra);
    }
};

struct Limiar {
    int valor, rodada;
    char primeira, atual;
    int limite;  // the strength must be above it
};

std::string descreve(const Limiar& l, int s) {
    return "valor " + std::to_string(l.valor) + ", rodada " + std::to_string(l.rodada) + " (" + l.primeira + "/" +
           l.atual + "), forca " + std::to_string(s);
}

// The strength the computer side needs to accept a call, by stake, trick and results.
TEST_F(LimiaresTrucoTeste, CartasParaAceitarCadaDegrau) {
    const Limiar limiares[] = {
        {3, 1, ' ', ' ', 6400},   {3, 2, 'C', 'C', 2304},   {3, 2, 'E', 'E', 8192},   {3, 2, 'J', 'J', 8192},
        {3, 3, 'E', 'E', 2304},   {3, 3, 'C', 'C', 768},    {3, 3, 'C', 'J', 1280},
        {6, 1, ' ', ' ', 10496},  {6, 2, 'C', 'C', 8192},   {6, 2, 'E', 'E', 4096},   {6, 2, 'J', 'J', 40960},
        {6, 3, 'C', 'C', 4096},
        {9, 1, ' ', ' ', 20480},  {9, 2, 'C', 'C', 8192},   {9, 2, 'E', 'E', 16384},  {9, 2, 'J', 'J', 40960},
        {9, 3, 'J', 'J', 16384},
        {12, 1, ' ', ' ', 36864}, {12, 2, 'C', 'C', 16384}, {12, 2, 'E', 'E', 8192},  {12, 2, 'J', 'J', 40960},
        {12, 3, 'C', 'C', 16384},
    };
    for (const Limiar& l : limiares) {
        for (int passo : {-1, 0, 1}) {
            const int s = l.limite + passo;
            rodada(l.rodada, l.primeira, l.atual);
            chamadoA(l.valor);
            computadorCom(s);
            ASSERT_EQ(analise().PONTOS_JOGADORES(), s) << descreve(l, s);
            EXPECT_EQ(truco().aceita(l.valor), passo > 0) << descreve(l, s);
        }
    }
}

// An opponent's own raise by its cards: the strength tests of six, nine and twelve. Where no
// test applies, even the strongest hand does not raise.
TEST_F(LimiaresTrucoTeste, CartasParaSubirCadaDegrau) {
    const Limiar limiares[] = {
        {6, 2, 'C', 'C', 8192},   {6, 2, 'E', 'E', 8192},   {6, 3, 'E', 'E', 16384},
        {9, 1, ' ', ' ', 20480},  {9, 2, 'C', 'C', 16384},  {9, 2, 'E', 'E', 16384}, {9, 3, 'E', 'E', 16384},
        {12, 1, ' ', ' ', 18688}, {12, 2, 'C', 'C', 16384}, {12, 2, 'E', 'E', 8192}, {12, 3, 'E', 'E', 16384},
    };
    for (const Limiar& l : limiares) {
        for (int passo : {-1, 0, 1}) {
            const int s = l.limite + passo;
            rodada(l.rodada, l.primeira, l.atual);
            podeChamar(l.valor);
            computadorCom(s);
            EXPECT_EQ(truco().desejoDeTrucar(l.valor, false), passo > 0) << descreve(l, s);
        }
    }
    const Limiar nunca[] = {{6, 1, ' ', ' ', 0},  {6, 2, 'J', 'J', 0}, {6, 3, 'C', 'C', 0},
                            {9, 2, 'J', 'J', 0},  {9, 3, 'C', 'C', 0}, {12, 2, 'J', 'J', 0},
                            {12, 3, 'J', 'J', 0}, {3, 1, ' ', ' ', 0}};
    for (const Limiar& l : nunca) {
        rodada(l.rodada, l.primeira, l.atual);
        podeChamar(l.valor);
        computadorCom(60000);
        EXPECT_FALSE(truco().desejoDeTrucar(l.valor, false)) << descreve(l, 60000);
    }
}

// Points that make the computer call truco: a wide lead either way, its own score near 12, the
// user's side about to reach 12. Each random test is scripted by its range.
TEST_F(LimiaresTrucoTeste, TrucaPorPontos) {
    const struct {
        int pontosJog, pontosCom, valorTruco;
        std::set<int> chancesQueSaem;  // ranges that come true; -1: every one
        bool trucar;
        const char* log;
    } casos[] = {
        {5, 0, 1, {-1}, false, ""},  // a difference of 5 is not enough
        {6, 0, 1, {90}, true, "TRUCAR DIFERENÇA DE PONTOS = 6"},
        {6, 0, 1, {}, false, ""},
        {0, 7, 1, {80}, true, "TRUCAR DIFERENÇA DE PONTOS = 7"},
        {4, 8, 1, {-1}, false, ""},  // 8 + 3 does not pass 11
        {4, 9, 1, {50}, true, "TRUCAR SOMA MAIOR QUE 12 = 9"},
        {4, 9, 1, {}, false, ""},
        {8, 6, 3, {}, false, ""},  // 8 + 3 does not pass 11
        {9, 6, 3, {}, true, "TRUCAR SOMA ATUAL MAIS PONTO JOG PASSOU LIMITE = 12"},
    };
    for (const auto& c : casos) {
        EstadoJogo& e = jogo->estado;
        e.PONTOS_JOG = c.pontosJog;
        e.PONTOS_COM = c.pontosCom;
        e.VALOR_TRUCO = c.valorTruco;
        if (c.chancesQueSaem.count(-1)) acasoSai();
        else saemSo(c.chancesQueSaem);
        jogo->historico.LIMPA_HISTORICO();
        bool desejo = false;
        truco().TRUCA_POR_PONTOS(desejo);
        const std::string rotulo = std::to_string(c.pontosJog) + "/" + std::to_string(c.pontosCom) + " valendo " +
                                   std::to_string(c.valorTruco);
        EXPECT_EQ(desejo, c.trucar) << rotulo;
        if (*c.log) {
            EXPECT_TRUE(logContem(c.log)) << rotulo;
        }
    }
    // The same through the call of 3, which is what consults it.
    rodada(1, ' ', ' ');
    acasoFalha();
    jogo->estado.PONTOS_JOG = 0;
    jogo->estado.PONTOS_COM = 9;
    jogo->estado.VALOR_TRUCO = 1;
    jogo->estado.ESTADO_TRUCO = 0;
    EXPECT_FALSE(truco().desejoDeTrucar(3, false));
    saemSo({50});
    EXPECT_TRUE(truco().desejoDeTrucar(3, false));
}

// The answer beside the cards: the run of trucos, the brain, the fixed chance, the bluff.
TEST_F(LimiaresTrucoTeste, AceitaPelaSequenciaPeloCerebroPeloAcasoEPeloBlefe) {
    EstadoJogo& e = jogo->estado;
    rodada(1, ' ', ' ');
    computadorCom(100);

    // The fifth truco in a row is accepted, not the fourth; only calls of 3 count.
    for (const auto& [antes, aceito] : {std::pair{3, false}, std::pair{4, true}}) {
        chamadoA(3);
        e.TRUCOS_SEGUIDOS = antes;
        EXPECT_EQ(truco().aceita(3), aceito) << antes;
        EXPECT_EQ(e.TRUCOS_SEGUIDOS, antes + 1);
    }
    chamadoA(6);
    e.TRUCOS_SEGUIDOS = 4;
    EXPECT_FALSE(truco().aceita(6));
    EXPECT_EQ(e.TRUCOS_SEGUIDOS, 4);

    // The brain's truco mark for either opponent accepts; without it, a one-in-ten chance.
    for (int valor : {3, 6, 9}) {
        chamadoA(valor);
        saemSo({10});
        EXPECT_EQ(truco().aceita(valor), valor != 9) << "one in ten, valor " << valor;
        acasoFalha();
        EXPECT_FALSE(truco().aceita(valor)) << valor;
    }
    // Seat 4 leads trick 1 when seat 2 deals last; its own rule, weak cards and all.
    primeiro(4);
    regraDoCerebro("=, 1,1, 1,*, *,*, *,*, *,*, *,*,*, *,*,*, 0,-,T, 5");
    chamadoA(3);
    plataforma.pedidos.clear();
    EXPECT_TRUE(truco().aceita(3));
    EXPECT_EQ(std::count(plataforma.pedidos.begin(), plataforma.pedidos.end(), 10), 1) << "only seat 2 drew";
    chamadoA(9);
    EXPECT_FALSE(truco().aceita(9)) << "nine and twelve do not ask the brain";
    jogo->prefs.CEREBRO_USA_REGRAS = false;
    primeiro(1);

    // The level's fixed chance to accept.
    auto& n = jogo->dificuldade.parametros;
    n.CHANCE_ACEITA_3 = 7;
    chamadoA(3);
    saemSo({7});
    EXPECT_TRUE(truco().aceita(3));
    acasoFalha();
    EXPECT_FALSE(truco().aceita(3));
    n.CHANCE_ACEITA_3 = -1;

    // The bluff replaces the wish by the side judgment, a refusal included: strong enough to
    // accept by the cards, but the user's side holds more.
    computadorCom(6401);
    usuarioCom(6000);
    ASSERT_FALSE(analise().AVALIA_COMP());
    chamadoA(3);
    EXPECT_TRUE(truco().aceita(3));
    n.CHANCE_ROUBAR_3 = 1;
    chamadoA(3);
    EXPECT_FALSE(truco().aceita(3));
    // And the other way: weak cards, a side judgment that says the computer's side is better.
    computadorCom(3000);
    usuarioCom(QUATRO);
    ASSERT_TRUE(analise().AVALIA_COMP());
    chamadoA(3);
    EXPECT_TRUE(truco().aceita(3));
}

TEST_F(LimiaresTrucoTeste, IaAceitaPelaMarcaDaRegraSenaoUmEmDez) {
    regraDoCerebro("=, 1,1, 1,*, *,*, *,*, *,*, *,*,*, *,*,*, 0,-,T, 5");
    rodada(1, ' ', ' ');
    primeiro(2);
    EXPECT_TRUE(truco().IA_ACEITA(2));
    EXPECT_FALSE(pediu(10));
    EXPECT_FALSE(truco().IA_ACEITA(4)) << "seat 4 plays third: no rule";
    EXPECT_TRUE(pediu(10));
    saemSo({10});
    EXPECT_TRUE(truco().IA_ACEITA(4));
    EXPECT_TRUE(logContem("IA ACEITA ALEATORIAMENTE"));
}

// The computer's own hand of eleven: above 6400 it plays, above 3584 on a one-in-five chance,
// and on the level's chance the side judgment decides instead of the cards.
TEST_F(LimiaresTrucoTeste, MaoDeOnzeDoComputador) {
    const struct {
        int forca;
        std::set<int> chancesQueSaem;
        bool joga;
    } casos[] = {
        {3583, {5}, false}, {3584, {5}, false}, {3585, {5}, true}, {3585, {}, false},
        {6399, {}, false},  {6400, {}, false},  {6401, {}, true},
    };
    rodada(1, ' ', ' ');
    for (const auto& c : casos) {
        computadorCom(c.forca);
        saemSo(c.chancesQueSaem);
        EXPECT_EQ(truco().MAO_ONZE_COMPUTADOR(), c.joga) << c.forca;
    }
    auto& n = jogo->dificuldade.parametros;
    n.CHANCE_AVALIA_ONZE = 8;
    saemSo({8});
    computadorCom(6401);
    usuarioCom(6000);
    EXPECT_FALSE(truco().MAO_ONZE_COMPUTADOR()) << "the judgment overrules good cards";
    computadorCom(2000);
    mao(1, {});
    mao(3, {});
    EXPECT_TRUE(truco().MAO_ONZE_COMPUTADOR()) << "the judgment overrules weak cards";
    acasoFalha();
    EXPECT_FALSE(truco().MAO_ONZE_COMPUTADOR());
}

// The partner's verdict for the user's side in demonstration mode.
TEST_F(LimiaresTrucoTeste, MaoDeOnzeDoParceiro) {
    const struct {
        int forca;
        std::set<int> chancesQueSaem;
        bool joga;
    } casos[] = {
        {3584, {10}, false}, {3585, {10}, true}, {3585, {}, false}, {6400, {}, false},
        {6401, {}, true},    {0, {20}, true},    {6400, {10}, true},
    };
    rodada(1, ' ', ' ');
    for (const auto& c : casos) {
        usuarioCom(c.forca);
        saemSo(c.chancesQueSaem);
        ASSERT_EQ(analise().PONTOS_PARCEIRO(), c.forca);
        EXPECT_EQ(truco().MAO_ONZE_PARCEIRO(), c.joga) << c.forca;
    }
}

// An opponent's random bluff: the level's chance, then a second one that shrinks with the trick
// and the seat; both true, the wish becomes the side judgment, a false one included.
TEST_F(LimiaresTrucoTeste, BlefeDoAdversarioEmCadaDegrau) {
    const struct {
        int valor, rodada, vez, segunda;
        bool porCartas;  // what the cards alone wish
    } casos[] = {
        {3, 1, 2, 50, false}, {3, 2, 4, 20, false}, {6, 1, 4, 24, false}, {6, 2, 2, 24, true},
        {9, 1, 2, 20, true},  {9, 2, 4, 8, true},   {12, 1, 2, 10, true}, {12, 2, 4, 4, true},
    };
    auto& n = jogo->dificuldade.parametros;
    n.CHANCE_ROUBAR_3 = n.CHANCE_ROUBAR_6 = n.CHANCE_ROUBAR_9 = n.CHANCE_ROUBAR_12 = 7;
    for (const auto& c : casos) {
        for (bool julgamento : {true, false}) {
            const std::string rotulo = "valor " + std::to_string(c.valor) + " rodada " + std::to_string(c.rodada) +
                                       " vez " + std::to_string(c.vez) + (julgamento ? " melhor" : " pior");
            rodada(c.rodada, 'C', 'C');
            podeChamar(c.valor);
            jogo->estado.JOGADOR_DA_VEZ = c.vez;
            // Strong enough for the cards' own raise where there is one; the judgment decides.
            computadorCom(21000);
            usuarioCom(julgamento ? QUATRO : 30000);
            ASSERT_EQ(analise().AVALIA_COMP(), julgamento) << rotulo;
            saemSo({7, c.segunda});
            plataforma.pedidos.clear();
            jogo->historico.LIMPA_HISTORICO();
            EXPECT_EQ(truco().desejoDeTrucar(c.valor, false), julgamento) << rotulo;
            const std::vector<int> par = {7, c.segunda};
            const auto& p = plataforma.pedidos;
            EXPECT_NE(std::search(p.begin(), p.end(), par.begin(), par.end()), p.end()) << rotulo;
            EXPECT_TRUE(logContem("TRUCA " + std::to_string(c.valor) + " ALEATORIAMENTE R")) << rotulo;
            // The second chance failing leaves the wish alone.
            saemSo({7});
            EXPECT_EQ(truco().desejoDeTrucar(c.valor, false), c.porCartas) << rotulo << ", second chance fails";
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
