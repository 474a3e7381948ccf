#include <gtest/gtest.h>

#include <filesystem>

#include "base/ArquivoTexto.h"
#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class DebugJogoTeste : public MesaDeTeste {};

// A hand writes its snapshot; loaded back in the middle of a hand it aborts that hand, the
// loaded scores stand, and the next hand is dealt exactly as the snapshot says.
TEST_F(DebugJogoTeste, SnapshotGravadoECarregadoRepeteAMaoEOPlacar) {
    jogaMao();
    const auto snapshot = leLinhasTexto(pasta / "TXT" / "DEBUG_1.TXT");
    ASSERT_TRUE(snapshot.has_value());
    ASSERT_EQ(snapshot->size(), 23u);
    auto linhas = *snapshot;
    linhas[20] = "4";  // PONTOS COMPUTADOR
    linhas[22] = "7";  // PONTOS JOGADOR
    ASSERT_FALSE(gravaLinhasTexto(pasta / "TXT" / "DEBUG.TXT", linhas).has_value());

    roteiro(1, {Lance(1, false, false, [](Jogo& j) { j.carregaDebug(); })});
    primeiroAJogar(1);
    jogaMao();
    EXPECT_TRUE(jogo->debug.DEBUG_DISTRIBUICAO);
    EXPECT_EQ(jogo->estado.PONTOS_COM, 4);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 7);

    jogaMao();
    EXPECT_EQ(jogo->baralho[jogo->estado.VIRA].NOME, linhas[2]);
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s)
            EXPECT_EQ(jogo->baralho[jogo->estado.JOGADORES[p].CARTAS[s].CARTA].NOME,
                      linhas[static_cast<std::size_t>(4 * p + s - 1)]);
}

// Scores no hand can start from are held to 0..11: the hand the load aborts is settled on them
// without overflowing, the loaded scores stand as an iron hand, and the log names what changed.
TEST_F(DebugJogoTeste, PlacarImpossivelNoSnapshotFicaEntreZeroEOnze) {
    jogaMao();
    auto linhas = *leLinhasTexto(pasta / "TXT" / "DEBUG_1.TXT");
    linhas[20] = "2147483647";  // PONTOS COMPUTADOR
    linhas[22] = "2147483647";  // PONTOS JOGADOR
    ASSERT_FALSE(gravaLinhasTexto(pasta / "TXT" / "DEBUG.TXT", linhas).has_value());

    roteiro(1, {Lance(1, false, false, [](Jogo& j) { j.carregaDebug(); })});
    primeiroAJogar(1);
    jogaMao();
    EXPECT_TRUE(jogo->debug.DEBUG_DISTRIBUICAO);
    EXPECT_EQ(jogo->estado.PONTOS_COM, 11);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 11);
    EXPECT_TRUE(logContem("PONTOS_COM 2147483647 fora de 0..11; usado 11."));
    EXPECT_TRUE(logContem("PONTOS_JOG 2147483647 fora de 0..11; usado 11."));

    jogaMao();
    EXPECT_EQ(ganchos.partidas.size(), 1u);
    EXPECT_EQ(jogo->estado.PONTOS_COM, 0);
    EXPECT_EQ(jogo->estado.PONTOS_JOG, 0);
}

TEST_F(DebugJogoTeste, CargaIncompletaNaoPassaADistribuirEAvisa) {
    ASSERT_FALSE(gravaLinhasTexto(pasta / "TXT" / "DEBUG.TXT", {"DEBUG-PELMAR", "#== VIRA", "(K) Rei de PAUS"})
                     .has_value());
    jogo->carregaDebug();
    EXPECT_FALSE(jogo->debug.DEBUG_DISTRIBUICAO);
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_TRUE(jogo->mesa["DEBUG"].visivel);

    std::filesystem::remove(pasta / "TXT" / "DEBUG.TXT");
    jogo->carregaDebug();
    EXPECT_FALSE(jogo->debug.DEBUG_DISTRIBUICAO);
    EXPECT_EQ(tela.erros.size(), 2u);
}

TEST_F(DebugJogoTeste, NomeDeCartaDesconhecidoEntraComoAsDeCopasEOLogDiz) {
    std::vector<std::string> linhas = {"DEBUG-PELMAR", "#", "(Z) Curinga"};
    for (int p = 1; p <= 4; ++p) {
        linhas.push_back("#");
        for (const char* nome : {"(3) Tres de COPAS", "(2) Dois de COPAS", "(4) Quatro de COPAS"}) linhas.push_back(nome);
    }
    for (const char* l : {"#", "0", "#", "0"}) linhas.push_back(l);
    ASSERT_FALSE(gravaLinhasTexto(pasta / "TXT" / "DEBUG.TXT", linhas).has_value());
    jogo->carregaDebug();
    EXPECT_EQ(jogo->debug.MESA_DEBUG.vira, 1);
    EXPECT_TRUE(logContem("(Z) Curinga"));
    EXPECT_TRUE(jogo->debug.DEBUG_DISTRIBUICAO);
}

TEST_F(DebugJogoTeste, SemPastaTXTOJogoSegueEAvisaUmaVez) {
    std::filesystem::remove_all(pasta / "TXT");
    jogaMao();
    jogaMao();
    EXPECT_EQ(tela.erros.size(), 1u);
    EXPECT_GE(ganchos.maos.size(), 1u);
}

}  // namespace
}  // namespace pelmar::teste
