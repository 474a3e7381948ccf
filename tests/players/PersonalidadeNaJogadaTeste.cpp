#include <gtest/gtest.h>

#include <string>

#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

// A seat's personality pushing its truco wish: which of its situation rows is read, and the
// bluff that hands the wish to the side judgment.
class PersonalidadeNaJogadaTeste : public DecisaoDeTeste {
protected:
    void SetUp() override {
        DecisaoDeTeste::SetUp();
        jogo->prefs.USA_PERSONALIDADE = true;
        acasoFalha();
        for (int p = 1; p <= 4; ++p) {
            mao(p, {QUATRO, QUATRO, QUATRO});
            for (int linha = 1; linha <= QTE_SITUACOES; ++linha) situacao(p, linha) = nunca();
        }
    }
    // Every chance of the row set so that it never comes true and draws nothing.
    static SituacaoPersonalidade nunca() {
        SituacaoPersonalidade s;
        s.MAO = s.SEGUNDO = s.ANTEPE = s.PE = s.TRUCAR_ALEATORIO = s.NAO_TRUCAR = -1;
        s.SAIRAM_MAIOR_IGUAL = s.SAIRAM_MAIOR = -1;
        s.ROUBAR = -200;  // read as Chance(ROUBAR + 100)
        return s;
    }
    SituacaoPersonalidade& situacao(int jogador, int linha) {
        return jogo->personalidades.PERSONALIDADE_JOGADOR[jogador].SITUACOES[linha];
    }
    bool aplica(int jogador, bool desejoAntes) {
        escolha().TRUCAR_DECIDIDO = desejoAntes;
        escolha().APLICA_PERSONALIDADE(jogador, jogo->estado.RODADA);
        return escolha().TRUCAR_DECIDIDO;
    }
};

// Trick 1 reads rows 1..3 by the current trick (ours, theirs, tied); trick 2 rows 4..12 by the
// first trick and the current one; trick 3 row 1. "Ours" is the deciding seat's side.
TEST_F(PersonalidadeNaJogadaTeste, LinhaDaSituacaoPelaRodadaEPelosResultados) {
    const struct {
        int jogador, rodada;
        char primeira, atual;
        int linha;
    } casos[] = {
        {2, 1, ' ', 'C', 1},  {2, 1, ' ', 'J', 2},  {2, 1, ' ', ' ', 2},  {2, 1, ' ', 'E', 3},
        {3, 1, ' ', 'J', 1},  {3, 1, ' ', 'C', 2},  {3, 1, ' ', 'E', 3},
        {2, 2, 'C', 'C', 4},  {2, 2, 'C', 'J', 5},  {2, 2, 'C', 'E', 6},  {2, 2, 'J', 'C', 7},
        {2, 2, 'J', 'J', 8},  {2, 2, 'J', 'E', 9},  {2, 2, 'E', 'C', 10}, {2, 2, 'E', 'J', 11},
        {2, 2, 'E', 'E', 12}, {3, 2, 'J', 'C', 5},  {3, 2, 'C', 'J', 7},  {3, 2, 'E', 'J', 10},
        {4, 2, 'J', 'E', 9},  {1, 2, 'C', 'E', 9},
        {2, 3, 'J', 'J', 1},  {2, 3, 'E', 'C', 1},
    };
    for (const auto& c : casos) {
        EstadoJogo& e = jogo->estado;
        e.RODADA = c.rodada;
        e.RESULTADO_RODADA[1] = c.primeira;
        e.RESULTADO_RODADA_ATUAL = c.atual;
        const std::string rotulo = "jogador " + std::to_string(c.jogador) + " rodada " + std::to_string(c.rodada) +
                                   " " + c.primeira + "/" + c.atual;
        // Only the expected row calls, through the chance of the seat's place in the trick.
        const int posicao = e.JOGADORES[c.jogador].ORDEM;
        SituacaoPersonalidade& certa = situacao(c.jogador, c.linha);
        int* chanceDaPosicao[] = {&certa.MAO, &certa.SEGUNDO, &certa.ANTEPE, &certa.PE};
        *chanceDaPosicao[posicao - 1] = 1;
        jogo->historico.LIMPA_HISTORICO();
        EXPECT_TRUE(aplica(c.jogador, false)) << rotulo;
        EXPECT_TRUE(logContem("PERSONALIDADE USADA : " + std::to_string(c.linha))) << rotulo;
        certa = nunca();
        EXPECT_FALSE(aplica(c.jogador, false)) << rotulo;
    }
}

// The bluff, Chance(ROUBAR + 100), replaces the wish by the judgment of the seat's own side,
// false included; a wish already held on entry only faces NAO_TRUCAR.
TEST_F(PersonalidadeNaJogadaTeste, RoubarEntregaODesejoAoJulgamentoDoLado) {
    jogo->estado.RODADA = 1;
    // The computer's side holds the stronger cards: its judgment says yes, the user's says no.
    mao(2, {TRES, TRES, DOIS});
    mao(4, {TRES, AS, AS});
    ASSERT_TRUE(analise().AVALIA_COMP());
    ASSERT_FALSE(analise().AVALIA_JOG());
    const struct {
        int jogador, roubar;
        bool chancePosicao;  // the place's own chance comes true first
        bool esperado;
    } casos[] = {
        {2, -99, false, true},  {4, -99, true, true},  {1, -99, true, false}, {3, -99, true, false},
        {3, -99, false, false}, {2, -101, false, false}, {3, -101, true, true},
    };
    for (const auto& c : casos) {
        for (int linha = 1; linha <= 3; ++linha) {
            SituacaoPersonalidade& s = situacao(c.jogador, linha);
            s = nunca();
            s.ROUBAR = c.roubar;
            if (c.chancePosicao) s.MAO = s.SEGUNDO = s.ANTEPE = s.PE = 1;
        }
        EXPECT_EQ(aplica(c.jogador, false), c.esperado) << "jogador " << c.jogador << " roubar " << c.roubar;
    }

    // The bluff's chance is ROUBAR + 100, drawn as such.
    for (int linha = 1; linha <= 3; ++linha) {
        situacao(2, linha) = nunca();
        situacao(2, linha).ROUBAR = 20;
    }
    saemSo({120});
    EXPECT_TRUE(aplica(2, false));
    EXPECT_TRUE(logContem("PERSONALIDADE ROUBAR : 20"));
    acasoFalha();
    EXPECT_FALSE(aplica(2, false));

    // A wish held on entry: only NAO_TRUCAR may take it back; the bluff is not tried.
    for (int linha = 1; linha <= 3; ++linha) {
        situacao(1, linha) = nunca();
        situacao(1, linha).ROUBAR = -99;
    }
    EXPECT_TRUE(aplica(1, true));
    for (int linha = 1; linha <= 3; ++linha) situacao(1, linha).NAO_TRUCAR = 1;
    EXPECT_FALSE(aplica(1, true));
}

// The decision hands the trick it is in to the personality.
TEST_F(PersonalidadeNaJogadaTeste, DecisaoUsaALinhaDaRodadaAtual) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 2;
    e.RESULTADO_RODADA[1] = 'E';
    e.RESULTADO_RODADA_ATUAL = 'E';
    mao(2, {QUATRO, QUATRO, 0});
    situacao(2, 12).SEGUNDO = 1;
    EXPECT_TRUE(escolha().DECIDE_JOGADA(2).trucar);
    jogo->prefs.USA_PERSONALIDADE = false;
    EXPECT_FALSE(escolha().DECIDE_JOGADA(2).trucar);
}

}  // namespace
}  // namespace pelmar::teste
