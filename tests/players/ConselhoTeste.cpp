#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "brain/FormatoRegra.h"
#include "players/DecisaoDeTeste.h"

namespace pelmar::teste {
namespace {

using namespace forca;

// The advice speaks of the cards as the user sees them: by the place each lies in among the
// cards still in his hand, and by name. Rule numbers are for debugging only.
class ConselhoTeste : public DecisaoDeTeste {
protected:
    void regra(const std::string& linha) {
        const LinhaRegra l = analisaLinhaRegra(linha);
        ASSERT_EQ(l.tipo, LinhaRegra::Tipo::Regra) << linha;
        jogo->ia.cerebro.acrescenta(l.regra);
    }
    static std::string regraGeral(int rodada, int acao) {
        return "=, " + std::to_string(rodada) + ",1, 1,*, *,*, *,*, *,*, *,*,*, *,*,*, " + std::to_string(acao) +
               ",-,-, 5";
    }
    // The calculated part of the advice: its first line after "Calculado:".
    std::string calculado(const std::string& texto) {
        const std::string marca = "Calculado:\n";
        const auto inicio = texto.find(marca);
        if (inicio == std::string::npos) return {};
        return texto.substr(inicio + marca.size(), texto.find('\n', inicio + marca.size()) - inicio - marca.size());
    }
};

TEST_F(ConselhoTeste, CartaPeloLugarNaMaoEPeloNome) {
    const struct {
        std::initializer_list<int> mao;  // 0: a card already played
        int rodada;
        int slot;           // the card the analysis picks
        const char* lugar;  // where the user sees it
    } casos[] = {
        {{QUATRO, AS, DOIS}, 1, 2, "carta do meio"},
        {{AS, QUATRO, DOIS}, 1, 1, "carta da esquerda"},
        {{QUATRO, DOIS, AS}, 1, 3, "carta da direita"},
        // The first card gone: the second slot is the leftmost card of the two left.
        {{0, QUATRO, DOIS}, 2, 2, "carta da esquerda"},
        {{QUATRO, 0, DOIS}, 2, 1, "carta da esquerda"},
        {{DOIS, 0, QUATRO}, 2, 3, "carta da direita"},
        {{0, 0, DOIS}, 3, 3, "última carta"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.lugar);
        jogo->estado.RODADA = c.rodada;
        if (c.rodada > 1) jogo->estado.RESULTADO_RODADA[1] = 'C';
        mao(1, c.mao);
        mao(3, {QUATRO, SETE, DAMA});
        ASSERT_EQ(analisa(1).slot, c.slot);
        const auto conselho = escolha().CONSELHO(false);
        EXPECT_EQ(conselho.decisao.slot, c.slot);
        EXPECT_EQ(calculado(conselho.texto).rfind("Jogue a " + std::string(c.lugar) + " / " + jogo->rotulo(1, c.slot) + " ", 0),
                  0u)
            << conselho.texto;
    }
}

// Outside debug mode the advice shows no rule number nor weight, on the table or in its box.
TEST_F(ConselhoTeste, NumerosDaRegraSoNoModoDebug) {
    jogo->prefs.CEREBRO_USA_REGRAS = true;
    regra(regraGeral(1, 1));
    mao(1, {QUATRO, AS, DOIS});
    mao(3, {QUATRO, SETE, DAMA});
    const auto normal = escolha().CONSELHO(false);
    ASSERT_EQ(normal.decisao.regra, 1) << "a regra devia servir";
    EXPECT_EQ(normal.decisao.slot, 3);  // the strongest, as the rule says
    EXPECT_EQ(jogo->mesa["strNR_REGRA"].texto, "IA");
    EXPECT_EQ(normal.texto.find("Regra="), std::string::npos) << normal.texto;
    EXPECT_EQ(normal.texto.find(" CP:"), std::string::npos) << normal.texto;
    EXPECT_NE(normal.texto.find("IA:\nJogue a carta da direita / "), std::string::npos) << normal.texto;

    jogo->mesa["DEBUG"].visivel = true;
    const auto depurando = escolha().CONSELHO(false);
    EXPECT_EQ(jogo->mesa["strNR_REGRA"].texto, "IA = " + std::to_string(jogo->ia.consulta.REGRA_USADA) + "/5");
    EXPECT_NE(depurando.texto.find(" CP:"), std::string::npos) << depurando.texto;
}

// A rule that names a card already played gives way to the calculated card, as in play: the
// advice never points at an empty place.
TEST_F(ConselhoTeste, RegraComCartaJaJogadaDaLugarACalculada) {
    jogo->prefs.CEREBRO_USA_REGRAS = true;
    jogo->estado.RODADA = 2;
    jogo->estado.RESULTADO_RODADA[1] = 'C';
    regra(regraGeral(2, 3));  // the third of the order: the card played in trick 1
    mao(1, {QUATRO, AS, 0});
    mao(3, {QUATRO, SETE, DAMA});
    const int calculada = analisa(1).slot;
    const auto conselho = escolha().CONSELHO(false);
    ASSERT_EQ(conselho.decisao.regra, 1) << "a regra devia servir";
    EXPECT_EQ(conselho.decisao.slot, calculada);
    EXPECT_NE(jogo->estado.JOGADORES[1].CARTAS[conselho.decisao.slot].FORCA, 0);
}

// Asked for with no card in hand (between hands, before the first deal) the advice says so.
TEST_F(ConselhoTeste, SemCartaNaMaoDizQueNaoHaOQueJogar) {
    mao(1, {});
    const auto conselho = escolha().CONSELHO(true);
    EXPECT_EQ(conselho.decisao.slot, 0);
    EXPECT_NE(conselho.texto.find("Você não tem carta na mão para jogar agora."), std::string::npos);
    ASSERT_EQ(tela.mensagens.size(), 1u);
    EXPECT_TRUE(tela.erros.empty());
}

}  // namespace
}  // namespace pelmar::teste
