#include <gtest/gtest.h>

#include <set>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class TrucoTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        // Vira K of COPAS (aces are manilhas). Player 1 leads; side 'J' holds the better cards.
        preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
        primeiroAJogar(1);
    }
    // The computer wants exactly these calls, whatever its card decision wished.
    void computadorChama(std::set<int> valores) {
        decisoes.querTrucar = [valores](int, int valor, bool forcar) { return forcar && valores.count(valor) > 0; };
    }
    static Lance pedeTruco(int slot, int valor) {
        return Lance(slot, false, false, [valor](Jogo& j) { j.truco.botaoTruco(valor); });
    }
};

TEST_F(TrucoTeste, ComputadorRecusaOTrucoDoJogador) {
    decisoes.aceita = [](int) { return false; };
    roteiro(1, {pedeTruco(1, 3)});
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 1);
    EXPECT_TRUE(logContem("[--] COMPUTADOR RECUSOU TRUCO 3 "));
    EXPECT_TRUE(logContem("PEDIU TRUCO 3"));
    // The run ended the hand before the user's card went down.
    EXPECT_FALSE(jogo->estado.JOGADORES[1].CARTAS[1].JOGADA);
    ASSERT_FALSE(ganchos.aprendidos.empty());
    EXPECT_EQ(ganchos.aprendidos.front().valor, 3);
    EXPECT_EQ(ganchos.aprendidos.front().slot, 0);
}

// The stake before the call goes to the caller when the computer runs.
TEST_F(TrucoTeste, RecusasDoComputadorEmCadaDegrau) {
    struct Caso {
        const char* nome;
        std::vector<int> respostasDoUsuario;
        int recusa;
        int pontosJogador;
    };
    const Caso casos[] = {
        {"seis: o usuario sobe o truco do computador", {resposta::SUBIR}, 6, 3},
        {"nove: o usuario sobe o seis do computador", {resposta::SUBIR}, 9, 6},
        {"doze: o usuario sobe o truco e o nove", {resposta::SUBIR, resposta::SUBIR}, 12, 9},
    };
    for (const Caso& c : casos) {
        TearDown();
        SetUp();
        const int recusa = c.recusa;
        decisoes.aceita = [recusa](int v) { return v != recusa; };
        tela.respostasTruco = c.respostasDoUsuario;
        if (recusa == 9) {
            // The user calls truco, the computer accepts and asks six at its turn.
            computadorChama({6});
            roteiro(1, {pedeTruco(1, 3)});
            roteiro(2, {Lance(1, false, true)});
        } else {
            computadorChama({3, 9});
            roteiro(2, {Lance(1, false, true)});
        }
        jogaMao();
        EXPECT_EQ(jogo->estado.PONTOS_JOG, c.pontosJogador) << c.nome;
        EXPECT_EQ(jogo->estado.PONTOS_COM, 0) << c.nome;
        EXPECT_TRUE(logContem("[--] COMPUTADOR RECUSOU TRUCO " + std::to_string(recusa))) << c.nome;
    }
}

TEST_F(TrucoTeste, UsuarioFogeDoNoveDoComputador) {
    computadorChama({3, 9});
    tela.respostasTruco = {resposta::SUBIR, resposta::FUGIR};
    roteiro(2, {Lance(1, false, true)});
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_COM, 6);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 0);
    EXPECT_TRUE(logContem("JOG_2- F | FUGIU DO TRUCO 9"));
    ASSERT_EQ(tela.perguntasTruco.size(), 2u);
    EXPECT_EQ(tela.perguntasTruco[0].textoSubir, "RE-TRUCA : 6");
    EXPECT_EQ(tela.perguntasTruco[1].legenda, " TRUCO : Valendo 9 tentos");
}

TEST_F(TrucoTeste, UsuarioAceitaEAMaoValeTres) {
    computadorChama({3});
    tela.respostasTruco = {resposta::ACEITAR};
    roteiro(4, {Lance(1, false, true)});
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 3);
    EXPECT_TRUE(logContem("JOG_4= A | ACEITOU TRUCO  3"));
    // A call of player 4 accepted by the user's side is learned as the user's truco.
    bool aprendeu = false;
    for (const auto& a : ganchos.aprendidos) aprendeu = aprendeu || (a.jogador == 1 && a.slot == 0 && a.valor == 3);
    EXPECT_TRUE(aprendeu);
}

TEST_F(TrucoTeste, FugirPeloBotaoDaAMaoAoComputador) {
    roteiro(1, {Lance(1, false, false, [](Jogo& j) { j.truco.FUGIR(true); })});
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_COM, 1);
    EXPECT_TRUE(logContem("JOGADOR FUGIU PELO BOTÃO"));
    EXPECT_EQ(jogo->estado.ESTADO_TRUCO, 17);
}

TEST_F(TrucoTeste, TrucoNaMaoDeOnzeDaTresAoComputador) {
    jogo->estado.PONTOS_JOG = 11;
    roteiro(1, {pedeTruco(1, 3)});
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_COM, 3);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 11);
    EXPECT_EQ(tela.perguntasOnze, 1);
    EXPECT_TRUE(decisoes.valoresPerguntados.empty());
    // In a hand of eleven of side 'J' the partner's cards are dealt face up.
    EXPECT_EQ(jogo->mesa.JOG(3, 1).face, Face::Frente);
}

TEST_F(TrucoTeste, MaoDeOnzeRecusadaPorCadaLado) {
    // The computer at 11 declines: no card is asked for and side 'J' scores 1.
    jogo->estado.PONTOS_COM = 11;
    decisoes.jogaOnze = false;
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 1);
    EXPECT_TRUE(logContem("MAO DE ONZE - CORREU "));
    for (int p = 1; p <= 4; ++p) EXPECT_FALSE(jogo->estado.JOGADORES[p].CARTAS[1].JOGADA) << p;

    // The user at 11 declines: the tricks are skipped and side 'C' scores 1.
    TearDown();
    SetUp();
    jogo->estado.PONTOS_JOG = 11;
    tela.respostasOnze = {resposta::RECUSAR_ONZE};
    jogaMao();
    EXPECT_EQ(jogo->estado.PONTOS_COM, 1);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 11);
    EXPECT_EQ(contaNoLog(" |  *"), 0);
}

// A question the game's close ended unanswered decides nothing in the user's name: no answer is
// logged or announced and the stake stays where the call left it. Unanswered while the game goes
// on, it counts as the answer that risks least.
TEST_F(TrucoTeste, PerguntaSemRespostaSoNaoDecideQuandoOJogoFecha) {
    struct Caso {
        bool fechando;
        int pontosCom;
        int estadoTruco;
        bool fugiu;
    };
    const Caso casos[] = {{true, 0, 2, false}, {false, 1, 17, true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fechando ? "fechando" : "jogo segue");
        TearDown();
        SetUp();
        computadorChama({3});
        tela.aoPerguntarTruco = [this, fechando = c.fechando](const PerguntaTruco&) {
            if (fechando) jogo->estado.PARAR = true;
            return resposta::NENHUMA;
        };
        roteiro(2, {Lance(1, false, true)});
        jogaMao();
        ASSERT_EQ(tela.perguntasTruco.size(), 1u);
        EXPECT_EQ(jogo->estado.PONTOS_COM, c.pontosCom);
        EXPECT_EQ(jogo->estado.PONTOS_JOG, 0);
        EXPECT_EQ(jogo->estado.ESTADO_TRUCO, c.estadoTruco);
        EXPECT_EQ(logContem("FUGIU DO TRUCO"), c.fugiu);
        EXPECT_EQ(logContem("MSG = Tá Louco !"), c.fugiu);
        EXPECT_FALSE(logContem("ACEITOU TRUCO"));
    }

    // The hand of eleven likewise: closing declines nothing; otherwise unanswered declines.
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fechando ? "onze, fechando" : "onze, jogo segue");
        TearDown();
        SetUp();
        jogo->estado.PONTOS_JOG = 11;
        tela.aoPerguntarOnze = [this, fechando = c.fechando] {
            if (fechando) jogo->estado.PARAR = true;
            return resposta::NENHUMA;
        };
        jogaMao();
        EXPECT_EQ(tela.perguntasOnze, 1);
        EXPECT_EQ(jogo->estado.ESTADO_TRUCO == 20, c.fugiu);
        EXPECT_EQ(jogo->estado.PONTOS_COM, c.pontosCom);
    }
}

TEST_F(TrucoTeste, MaoDeFerroValeTresSemPerguntaERepeteQuandoTudoEmpata) {
    preset("4C", {{"3C", "2C", "AC"}, {"3E", "2E", "AE"}, {"KC", "KE", "QC"}, {"KO", "KP", "QE"}});
    jogo->estado.PONTOS_JOG = jogo->estado.PONTOS_COM = 11;
    jogaMao();
    EXPECT_EQ(tela.perguntasOnze, 0);
    EXPECT_TRUE(logContem("MSG = *Mão de FERRO, 11 a 11"));
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 11);
    EXPECT_EQ(jogo->estado.PONTOS_COM, 11);

    // Again an iron hand; this time side 'J' wins it and the match, by 3.
    preset("4C", {{"3C", "2C", "AC"}, {"QE", "JE", "KE"}, {"KC", "KE", "QC"}, {"4O", "6P", "7E"}});
    jogaMao();
    EXPECT_TRUE(logContem("[14/11]"));
    EXPECT_EQ(ganchos.partidas, std::vector<int>{2});
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 0);
    EXPECT_EQ(jogo->estado.PARTIDAS_JOG, 1);
}

TEST_F(TrucoTeste, DezMaisUmaMaoDeDozeTerminaComVinteEDois) {
    jogo->estado.PONTOS_JOG = 10;
    computadorChama({3, 9});
    tela.respostasTruco = {resposta::SUBIR, resposta::SUBIR};
    roteiro(2, {Lance(1, false, true)});
    jogaMao();
    EXPECT_TRUE(logContem("[++] COMPUTADOR ACEITOU TRUCO 12 - PARTIDA "));
    EXPECT_TRUE(logContem("--------- FIM DA MÃO (J)(J)( )[22/0]"));
    EXPECT_TRUE(logContem("FIM PARTIDA - JOGADOR GANHOU "));
    // Twelve to nothing is shown and awarded.
    EXPECT_TRUE(logContem("DOZE A ZERO SABIDO"));
    EXPECT_EQ(ganchos.bonus_, std::vector<std::string>{"DOZE A ZERO/2/10"});
}

TEST_F(TrucoTeste, DoisMatchesGanhosFazemUmBoi) {
    for (int partida = 0; partida < 2; ++partida) {
        jogo->estado.PONTOS_COM = 11;
        jogo->estado.PONTOS_JOG = 5;
        preset("KC", {{"5C", "6C", "7C"}, {"3C", "2C", "4C"}, {"5E", "6E", "7E"}, {"QC", "JC", "4E"}});
        jogaMao();
    }
    EXPECT_EQ(ganchos.bois, std::vector<int>{1});
    EXPECT_EQ(jogo->estado.BOIS_COM, 1);
    EXPECT_EQ(jogo->estado.PARTIDAS_COM, 0);
    EXPECT_TRUE(logContem("BOI RUIM 0/1"));
    EXPECT_EQ(contaNoLog("MSG = Feijão"), 1 + 2);
}

}  // namespace
}  // namespace pelmar::teste
