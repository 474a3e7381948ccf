#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Rodadas.h"
#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class MaoTeste : public MesaDeTeste {};

// Vira K of COPAS: the aces are the manilhas. Player 1 leads.
TEST_F(MaoTeste, LadoQueVenceAsDuasPrimeirasGanhaAMaoEMarcaAMesa) {
    preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
    primeiroAJogar(1);
    jogaMao();
    const EstadoJogo& e = jogo->estado;
    EXPECT_EQ(e.RESULTADO_RODADA[1], 'J');
    EXPECT_EQ(e.RESULTADO_RODADA[2], 'J');
    EXPECT_EQ(e.RESULTADO_RODADA[3], ' ');
    EXPECT_EQ(e.PONTOS_JOG, 1);
    EXPECT_EQ(e.PONTOS_COM, 0);
    EXPECT_EQ(jogo->mesa["R1Ja"].texto, "JOGADOR");
    EXPECT_EQ(jogo->mesa["RESULTADO_1"].cor, Cor::Azul);
    EXPECT_TRUE(jogo->mesa["RODADA_BOM_1"].visivel);
    EXPECT_FALSE(jogo->mesa["RODADA_MAU_1"].visivel);
    EXPECT_TRUE(e.TRES_SAIRAM[static_cast<std::size_t>(IndiceNaipe::COPAS)]);
    EXPECT_TRUE(logContem("[++] FIM MAO : GANHADOR JOGADOR "));
    EXPECT_TRUE(logContem("--------- FIM DA MÃO (J)(J)( )[1/0]"));
    ASSERT_EQ(ganchos.maos.size(), 1u);
    EXPECT_EQ(ganchos.maos[0], std::make_pair(2, 1));
    // Every card put down is offered to learning, covered or not.
    EXPECT_EQ(ganchos.aprendidos.size(), 8u);
}

TEST_F(MaoTeste, VencedorDaMaoPelasTresRodadas) {
    struct Caso {
        const char* rodadas;
        int esperado;
    };
    const Caso casos[] = {
        {"CC ", 1}, {"CE ", 1}, {"CJC", 1}, {"CJE", 1}, {"JCC", 1}, {"ECJ", 1}, {"EEC", 1},
        {"JJ ", 2}, {"JE ", 2}, {"JCJ", 2}, {"JCE", 2}, {"CJJ", 2}, {"EJC", 2}, {"EEJ", 2},
        {"EEE", 0}, {"CJ ", 0}, {"E  ", 0}, {"EE ", 0},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Rodadas::ganhadorDaMao(c.rodadas[0], c.rodadas[1], c.rodadas[2], 0), c.esperado) << c.rodadas;
    // Undecided results keep what was there; all three tied clears it.
    EXPECT_EQ(Rodadas::ganhadorDaMao('C', 'J', ' ', 2), 2);
    EXPECT_EQ(Rodadas::ganhadorDaMao('E', 'E', 'E', 1), 0);
}

TEST_F(MaoTeste, TresRodadasJogadasCJEdaoAMaoAoComputador) {
    // Vira 4 of COPAS: the fives are manilhas. Trick 1 to 'C', trick 2 to 'J', trick 3 tied.
    preset("4C", {{"QC", "3C", "2C"}, {"AC", "6C", "2E"}, {"7C", "6E", "7E"}, {"QE", "JE", "2O"}});
    primeiroAJogar(1);
    roteiro(1, {{1}, {2}, {3}});
    roteiro(2, {{1}, {2}, {3}});
    roteiro(3, {{1}, {2}, {3}});
    roteiro(4, {{1}, {2}, {3}});
    jogaMao();
    const EstadoJogo& e = jogo->estado;
    EXPECT_EQ(std::string({e.RESULTADO_RODADA[1], e.RESULTADO_RODADA[2], e.RESULTADO_RODADA[3]}), "CJE");
    EXPECT_EQ(e.PONTOS_COM, 1);
    EXPECT_EQ(e.PONTOS_JOG, 0);
}

TEST_F(MaoTeste, TresEmpatesNinguemMarcaEAProximaMaoComecaNormal) {
    preset("4C", {{"3C", "2C", "AC"}, {"3E", "2E", "AE"}, {"KC", "KE", "QC"}, {"KO", "KP", "QE"}});
    primeiroAJogar(1);
    jogaMao();
    const EstadoJogo& e = jogo->estado;
    EXPECT_EQ(std::string({e.RESULTADO_RODADA[1], e.RESULTADO_RODADA[2], e.RESULTADO_RODADA[3]}), "EEE");
    EXPECT_EQ(e.PONTOS_JOG, 0);
    EXPECT_EQ(e.PONTOS_COM, 0);
    EXPECT_TRUE(ganchos.maos.empty());
    jogaMao();  // dealt again from the preset; the dealer moved on
    EXPECT_EQ(e.DISTRIBUIDOR, 1);
    EXPECT_EQ(e.JOGADORES[2].ORDEM, 1);
}

// 3-3-3-3: a tie, then the same side's equal card changes nothing, then a tie again.
TEST_F(MaoTeste, QuatroTresSeguidosEmpatam) {
    preset("4C", {{"3C", "KC", "QC"}, {"3E", "KE", "QE"}, {"3O", "JC", "7C"}, {"3P", "JE", "7E"}});
    primeiroAJogar(1);
    roteiro(1, {{1}});
    roteiro(2, {{1}});
    roteiro(3, {{1}});
    roteiro(4, {{1}});
    jogaMao();
    EXPECT_EQ(jogo->estado.RESULTADO_RODADA[1], 'E');
    EXPECT_EQ(contaNoLog("(3) Tres de COPAS |  *"), 1);
    EXPECT_EQ(contaNoLog("(3) Tres de ESPADA |  ="), 1);
    EXPECT_EQ(contaNoLog("(3) Tres de OUROS |   "), 1);
    EXPECT_EQ(contaNoLog("(3) Tres de PAUS |  ="), 1);
    EXPECT_EQ(jogo->mesa["R1Ja"].texto, "EMPATE");
    EXPECT_EQ(jogo->mesa["RESULTADO_RODADA_1"].corFundo, Cor::Amarelo);
}

TEST_F(MaoTeste, CartaEncobertaPrimeiroEmpataAteUmaCartaAcimaDeZero) {
    jogo->prefs.ENCOBRIR_QUALQUER_RODADA = true;
    preset("4C", {{"QC", "KC", "JC"}, {"7C", "KE", "QE"}, {"6C", "JE", "7E"}, {"6E", "JO", "7O"}});
    primeiroAJogar(1);
    roteiro(1, {Lance{1, true}});
    bool empatadaAntesDoSegundo = false;
    roteiro(2, {Lance{1, false, false, [&](Jogo& j) { empatadaAntesDoSegundo = j.estado.RESULTADO_RODADA_ATUAL == 'E'; }}});
    jogaMao();
    EXPECT_TRUE(empatadaAntesDoSegundo);
    // The seven of player 2 took the lead from the covered card; the trick went to 'C'.
    EXPECT_EQ(jogo->estado.RESULTADO_RODADA[1], 'C');
    EXPECT_EQ(jogo->mesa.MESA(1, 1).dica, "1ª) J1-Escondida");
    EXPECT_EQ(jogo->estado.JOGADORES[1].CARTA_JOGADA[1], 0);
    ASSERT_FALSE(ganchos.aprendidos.empty());
    EXPECT_TRUE(ganchos.aprendidos.front().encoberta);
}

TEST_F(MaoTeste, QuatroCartasEncobertasEmpatamEOLiderSaiDeNovo) {
    jogo->prefs.ENCOBRIR_QUALQUER_RODADA = true;
    preset("4C", {{"QC", "KC", "JC"}, {"7C", "KE", "QE"}, {"6C", "JE", "7E"}, {"6E", "JO", "7O"}});
    primeiroAJogar(2);
    for (int p = 1; p <= 4; ++p) roteiro(p, {Lance{1, true}});
    jogaMao();
    EXPECT_EQ(jogo->estado.RESULTADO_RODADA[1], 'E');
    EXPECT_TRUE(logContem("[=] FIM RODADA - EMPATE"));
    // Player 2 led the tied trick and leads the second one: the first play of trick 2 is his.
    const auto& linhas = jogo->historico.linhas();
    auto inicio = std::find_if(linhas.begin(), linhas.end(),
                               [](const std::string& l) { return l.find("INICIO DA RODADA 2º") != std::string::npos; });
    auto primeiraJogada = std::find_if(inicio, linhas.end(),
                                       [](const std::string& l) { return l.find(" |  ") != std::string::npos; });
    ASSERT_NE(primeiraJogada, linhas.end());
    EXPECT_NE(primeiraJogada->find("|2°|J2|"), std::string::npos) << *primeiraJogada;
}

TEST_F(MaoTeste, CartaEncobertaNaPrimeiraRodadaSoComAOpcao) {
    preset("4C", {{"QC", "KC", "JC"}, {"7C", "KE", "QE"}, {"6C", "JE", "7E"}, {"6E", "JO", "7O"}});
    primeiroAJogar(1);
    roteiro(1, {Lance{1, true}});
    jogaMao();
    // Without "any trick" the box is disabled in trick 1: the card goes face up.
    EXPECT_EQ(jogo->estado.JOGADORES[1].CARTA_JOGADA[1], carta("QC"));
}

}  // namespace
}  // namespace pelmar::teste
