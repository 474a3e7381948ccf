#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "brain/FormatoRegra.h"
#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

// What a computer seat finally plays when a brain rule fits: the rule's card and marks over the
// calculated choice, the calculated card when the rule names none or one already played, and
// the low levels' wrong plays over both.
class CerebroNaJogadaTeste : public DecisaoDeTeste {
protected:
    void SetUp() override {
        DecisaoDeTeste::SetUp();
        jogo->prefs.CEREBRO_USA_REGRAS = true;
        acasoFalha();
        primeiro(2);
        mao(1, {QUATRO, QUATRO, QUATRO});
        mao(3, {QUATRO, QUATRO, QUATRO});
        mao(4, {QUATRO, SETE, DAMA});
    }
    void regra(const std::string& linha) {
        const LinhaRegra l = analisaLinhaRegra(linha);
        ASSERT_EQ(l.tipo, LinhaRegra::Tipo::Regra) << linha;
        jogo->ia.cerebro.acrescenta(l.regra);
    }
};

// A rule for every situation of one trick and place: only its action and its two marks vary.
std::string regraGeral(int rodada, int posicao, int acao, char encobrir, char trucar) {
    return "=, " + std::to_string(rodada) + "," + std::to_string(posicao) + ", 1,*, *,*, *,*, *,*, *,*,*, *,*,*, " +
           std::to_string(acao) + "," + encobrir + "," + trucar + ", 5";
}

constexpr int CALCULADA = -1;

TEST_F(CerebroNaJogadaTeste, CartaEMarcasDaRegraSobreAEscolhaCalculada) {
    struct Caso {
        const char* nome;
        int rodada;
        std::initializer_list<int> cartas;  // seat 2, which leads the trick
        std::string regra;                  // empty: none fits
        int slot;                           // CALCULADA: whatever the card analysis chose
        bool encobrir, trucar;
    };
    // Four, Ace, Two: by strength the Two (slot 3) comes first and the Four (slot 1) last; the
    // calculated choice is the Ace, the weakest card above a King.
    const Caso casos[] = {
        {"a mais forte", 1, {QUATRO, AS, DOIS}, regraGeral(1, 1, 1, '-', '-'), 3, false, false},
        {"a mais fraca", 1, {QUATRO, AS, DOIS}, regraGeral(1, 1, 3, '-', '-'), 1, false, false},
        {"sem carta propria", 1, {QUATRO, AS, DOIS}, regraGeral(1, 1, 0, 'E', 'T'), CALCULADA, true, true},
        {"nenhuma serve", 1, {QUATRO, AS, DOIS}, regraGeral(1, 2, 1, '-', '-'), CALCULADA, false, false},
        // A Seven or less led is covered by the analysis; a rule's "-" uncovers it, another mark
        // leaves the analysis' wish.
        {"descobre", 1, {QUATRO, SETE, DAMA}, regraGeral(1, 1, 0, '-', '-'), CALCULADA, false, false},
        {"mantem", 1, {QUATRO, SETE, DAMA}, regraGeral(1, 1, 0, '*', '*'), CALCULADA, true, false},
        {"sem regra cobre", 1, {QUATRO, SETE, DAMA}, "", CALCULADA, true, false},
        // The third card of the order was played in trick 1: the calculated card instead.
        {"carta ja jogada", 2, {QUATRO, AS, 0}, regraGeral(2, 1, 3, '-', 'T'), CALCULADA, false, true},
        {"primeira da ordem", 2, {QUATRO, AS, 0}, regraGeral(2, 1, 1, '-', '-'), 2, false, false},
    };
    for (const Caso& c : casos) {
        TearDown();
        SetUp();
        jogo->estado.RODADA = c.rodada;
        if (c.rodada == 2) jogo->estado.RESULTADO_RODADA[1] = 'C';
        mao(2, c.cartas);
        if (!c.regra.empty()) regra(c.regra);
        const int calculada = analisa(2).slot;
        const DecisaoJogada d = escolha().DECIDE_JOGADA(2);
        const int esperada = c.slot == CALCULADA ? calculada : c.slot;
        EXPECT_EQ(d.slot, esperada) << c.nome;
        ASSERT_TRUE(d.slot >= 1 && d.slot <= 3) << c.nome;
        EXPECT_NE(jogo->estado.JOGADORES[2].CARTAS[d.slot].FORCA, 0) << c.nome;
        EXPECT_EQ(d.encobrir, c.encobrir) << c.nome;
        EXPECT_EQ(d.trucar, c.trucar) << c.nome;
        const bool serve = !c.regra.empty() && std::string(c.nome) != "nenhuma serve";
        EXPECT_EQ(d.regra, serve ? 1 : 0) << c.nome;
    }
}

// The calculated choice differs from both rule cards above, so the rule's card is really played.
TEST_F(CerebroNaJogadaTeste, EscolhaCalculadaDoExemploEAMedia) {
    mao(2, {QUATRO, AS, DOIS});
    EXPECT_EQ(analisa(2).slot, 2);
}

// Wrong plays of the opponents at levels 1 to 3 replace the rule's card and cover too; the
// partner never makes them; a hand of eleven drops the rule's truco. The rule names the middle
// card, which no wrong play picks.
TEST_F(CerebroNaJogadaTeste, NiveisBaixosEMaoDeOnzeSobreARegra) {
    regra(regraGeral(1, 1, 2, '-', 'T'));
    mao(2, {QUATRO, AS, DOIS});
    EXPECT_EQ(escolha().DECIDE_JOGADA(2).slot, 2);
    jogo->prefs.DIFICULDADE = 1;
    EXPECT_EQ(escolha().DECIDE_JOGADA(2).slot, 1) << "level 1 always plays the weakest card";
    EXPECT_TRUE(logContem("JOGAR MENOR CARTA ERRADA"));
    jogo->prefs.DIFICULDADE = 2;
    saemSo({20});  // not the one in 2 for the weakest; both one-in-20 wrong marks
    const DecisaoJogada errada = escolha().DECIDE_JOGADA(2);
    EXPECT_EQ(errada.slot, 3) << "level 2 failing its chance plays the strongest";
    EXPECT_TRUE(errada.encobrir) << "the wrong cover reaches a play the rule decided";
    acasoFalha();
    EXPECT_FALSE(escolha().DECIDE_JOGADA(2).encobrir);

    // Seat 3 leads a trick of its own: same rule, no wrong play.
    primeiro(3);
    mao(3, {QUATRO, AS, DOIS});
    mao(1, {QUATRO, SETE, DAMA});
    jogo->prefs.DIFICULDADE = 1;
    EXPECT_EQ(escolha().DECIDE_JOGADA(3).slot, 2);

    jogo->prefs.DIFICULDADE = 5;
    primeiro(2);
    EXPECT_TRUE(escolha().DECIDE_JOGADA(2).trucar);
    jogo->estado.MAO_DE_ONZE = true;
    const DecisaoJogada onze = escolha().DECIDE_JOGADA(2);
    EXPECT_FALSE(onze.trucar);
    EXPECT_EQ(onze.slot, 2);
}

}  // namespace
}  // namespace pelmar::teste
