#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class OrdensAoParceiroTeste : public MesaDeTeste {
protected:
    // Vira K of COPAS (the aces are the manilhas, nobody holds one); seat 1 leads and takes
    // trick 1 with its three. The partner holds QE (slot 1), 2O (its strongest, slot 2) and 4E
    // (its weakest, slot 3); left to itself it plays its slots in order.
    void SetUp() override {
        MesaDeTeste::SetUp();
        preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QE", "2O", "4E"}, {"5E", "6E", "7E"}});
        primeiroAJogar(1);
        roteiro(3, {Lance(1), Lance(2), Lance(3)});
    }
    struct Jogada {
        int slot;
        bool encoberta;
    };
    std::vector<Jogada> jogadasDoParceiro() const {
        std::vector<Jogada> r;
        for (const auto& a : ganchos.aprendidos)
            if (a.jogador == 3 && a.slot != 0) r.push_back({a.slot, a.encoberta});
        return r;
    }
};

// An order decides the partner's next card only: strongest or weakest of what it still holds,
// covered where a covered card may be played (never in trick 1), and then the partner decides by
// itself again. The label shows the order until the card is down.
TEST_F(OrdensAoParceiroTeste, CartaOrdenadaUmaVezSo) {
    const struct {
        const char* nome;
        OrdemDeJogar ordem;
        int rodada;  // the trick in which the user gives the order
        const char* log;
        const char* rotulo;
        int slot;
        bool encoberta;
    } casos[] = {
        {"maior na 1ª", OrdemDeJogar::MaiorCarta, 1, "J1 FORÇA J3 A JOGAR MAIOR CARTA", "Maior!", 2, false},
        {"menor na 1ª", OrdemDeJogar::MenorCarta, 1, "J1 FORÇA J3 A JOGAR MENOR CARTA", "Menor!", 3, false},
        {"encobrir maior na 1ª sai aberta", OrdemDeJogar::EncobrirMaior, 1,
         "J1 FORÇA J3 A JOGAR CARTA MAIOR ENCOBERTA", "Maior*!", 2, false},
        {"encobrir menor na 1ª sai aberta", OrdemDeJogar::EncobrirMenor, 1,
         "J1 FORÇA J3 A JOGAR MENOR CARTA ENCOBERTA", "Menor*!", 3, false},
        {"maior na 2ª", OrdemDeJogar::MaiorCarta, 2, "J1 FORÇA J3 A JOGAR MAIOR CARTA", "Maior!", 2, false},
        {"menor na 2ª", OrdemDeJogar::MenorCarta, 2, "J1 FORÇA J3 A JOGAR MENOR CARTA", "Menor!", 3, false},
        {"encobrir maior na 2ª", OrdemDeJogar::EncobrirMaior, 2, "J1 FORÇA J3 A JOGAR CARTA MAIOR ENCOBERTA",
         "Maior*!", 2, true},
        {"encobrir menor na 2ª", OrdemDeJogar::EncobrirMenor, 2, "J1 FORÇA J3 A JOGAR MENOR CARTA ENCOBERTA",
         "Menor*!", 3, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        const std::function<void(Jogo&)> ordena = [&c](Jogo& j) { ordenaJogar(j, c.ordem); };
        roteiro(1, {Lance(1, false, false, c.rodada == 1 ? ordena : nullptr),
                    Lance(2, false, false, c.rodada == 2 ? ordena : nullptr), Lance(3)});
        std::string rotuloAntes = "?", rotuloDepois = "?";
        bool sozinhoDepois = false;
        auto olhaAntes = [&](Jogo& j) {
            if (j.estado.RODADA == c.rodada) rotuloAntes = j.mesa["DECISAO_CARTA"].texto;
        };
        auto olhaDepois = [&](Jogo& j) {
            if (j.estado.RODADA != c.rodada) return;
            rotuloDepois = j.mesa["DECISAO_CARTA"].texto;
            sozinhoDepois = j.chaves.ORDENS_J3.J3_DECIDE_SOZINHO;
        };
        roteiro(2, {Lance(1, false, false, olhaAntes), Lance(2, false, false, olhaAntes), Lance(3)});
        roteiro(4, {Lance(1, false, false, olhaDepois), Lance(2, false, false, olhaDepois), Lance(3)});
        jogaMao();
        EXPECT_EQ(contaNoLog(c.log), 1);
        EXPECT_EQ(rotuloAntes, c.rotulo) << "a ordem aparece ao lado do parceiro até ele jogar";
        EXPECT_EQ(rotuloDepois, "");
        EXPECT_TRUE(sozinhoDepois);
        const auto jogadas = jogadasDoParceiro();
        ASSERT_GE(jogadas.size(), 2u);
        const auto& ordenada = jogadas[static_cast<std::size_t>(c.rodada - 1)];
        EXPECT_EQ(ordenada.slot, c.slot);
        EXPECT_EQ(ordenada.encoberta, c.encoberta);
        // The rest came from the partner's own decisions, taken in order (the script's lances).
        int proprio = 1;
        for (std::size_t t = 0; t < jogadas.size(); ++t) {
            if (static_cast<int>(t) == c.rodada - 1) continue;
            EXPECT_EQ(jogadas[t].slot, proprio++) << "rodada " << t + 1;
            EXPECT_FALSE(jogadas[t].encoberta) << "rodada " << t + 1;
        }
    }
}

// "Pede Truco" makes the partner call without a wish of its own, "Ficar Quieto" drops the wish it
// had and keeps it from calling on its own account too; either way the order is gone afterwards.
TEST_F(OrdensAoParceiroTeste, TrucoOrdenado) {
    const struct {
        const char* nome;
        OrdemDeTruco ordem;
        bool desejo;  // the partner's own wish to call
        bool trucou;
        bool consultouPseudoCerebro;
        const char* rotulo;
    } casos[] = {
        {"sozinho, com vontade", OrdemDeTruco::TrucaSozinho, true, true, false, ""},
        {"sozinho, sem vontade", OrdemDeTruco::TrucaSozinho, false, false, true, ""},
        {"quieto, com vontade", OrdemDeTruco::FicarQuieto, true, false, false, "Quieto!"},
        {"quieto, sem vontade", OrdemDeTruco::FicarQuieto, false, false, false, "Quieto!"},
        {"pede truco, sem vontade", OrdemDeTruco::PedeTruco, false, true, false, "Trucar!"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        std::string rotulo = "?";
        roteiro(1, {Lance(1, false, false, [&c](Jogo& j) { ordenaTruco(j, c.ordem); }), Lance(2), Lance(3)});
        int pseudoAntes = -1;  // the user's own seat, played by the computer, may try them too
        roteiro(2, {Lance(1, false, false,
                          [&](Jogo& j) {
                              rotulo = j.mesa["DECISAO_TRUCO"].texto;
                              pseudoAntes = decisoes.pseudoCerebros;
                          }),
                    Lance(2), Lance(3)});
        roteiro(3, {Lance(1, false, c.desejo), Lance(2), Lance(3)});
        int pseudoNaVez = -1;  // the partner's own calls tried at its ordered turn
        roteiro(4, {Lance(1, false, false, [&](Jogo&) { pseudoNaVez = decisoes.pseudoCerebros; }), Lance(2),
                    Lance(3)});
        decisoes.aceita = [](int) { return true; };
        jogaMao();
        const bool trucou = !decisoes.valoresPerguntados.empty() && decisoes.valoresPerguntados.front() == 3;
        EXPECT_EQ(trucou, c.trucou);
        EXPECT_EQ(pseudoNaVez > pseudoAntes, c.consultouPseudoCerebro);
        EXPECT_EQ(rotulo, c.rotulo);
        EXPECT_EQ(jogo->mesa["DECISAO_TRUCO"].texto, "");
        EXPECT_EQ(jogo->chaves.ORDENS_J3.truco(), OrdemDeTruco::TrucaSozinho);
    }
    EXPECT_TRUE(logContem("J1 FORÇA J3 A TRUCAR "));
}

// An order left from an earlier hand (given while the cards were still being dealt) lapses when
// the hand starts: the partner decides by itself.
TEST_F(OrdensAoParceiroTeste, OrdemDeAntesDaMaoNaoVale) {
    ordenaJogar(*jogo, OrdemDeJogar::MenorCarta);
    ordenaTruco(*jogo, OrdemDeTruco::PedeTruco);
    jogaMao();
    const auto jogadas = jogadasDoParceiro();
    ASSERT_FALSE(jogadas.empty());
    EXPECT_EQ(jogadas.front().slot, 1);
    EXPECT_TRUE(decisoes.valoresPerguntados.empty()) << "o parceiro trucou por uma ordem vencida";
}

// The orders are the partner's: the user's seat played by the computer decides by itself.
TEST_F(OrdensAoParceiroTeste, OrdemNaoValeParaOAssentoDoUsuario) {
    roteiro(1, {Lance(1), Lance(2), Lance(3)});
    roteiro(4, {Lance(1, false, false, [](Jogo& j) { ordenaJogar(j, OrdemDeJogar::MenorCarta); }), Lance(2),
                Lance(3)});
    jogaMao();
    std::vector<int> usuario;
    for (const auto& a : ganchos.aprendidos)
        if (a.jogador == 1 && a.slot != 0) usuario.push_back(a.slot);
    ASSERT_GE(usuario.size(), 2u);
    EXPECT_EQ(usuario[1], 2) << "o usuário seguiu o próprio roteiro, não a ordem (sua menor é a 3ª)";
}

}  // namespace
}  // namespace pelmar::teste
