#include "engine/Historico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

using Linhas = std::vector<std::string>;

TEST(PrefixoDoHistorico, ExemploByteAByte) {
    EstadoJogo estado;
    estado.PONTOS_JOG = 3;
    estado.PONTOS_COM = 5;
    estado.VALOR_TRUCO = 1;
    estado.RODADA = 2;
    estado.JOGADOR_DA_VEZ = 3;
    estado.RESULTADO_RODADA_ATUAL = 'J';
    Historico historico(estado);
    historico.NR_LINHA_HISTORICO = 11;
    historico.ESCREVE_HISTORICO(0, "TRUCOU 3");
    ASSERT_EQ(historico.linhas().size(), 1u);
    const std::string esperado = "|   12|0| 3/ 5- 1|2\xC2\xB0|J3|J| TRUCOU 3";
    EXPECT_EQ(historico.linhas()[0], esperado);
    EXPECT_EQ(historico.NR_LINHA_HISTORICO, 12);
}

TEST(PrefixoDoHistorico, LargurasDosCampos) {
    struct Caso {
        int anterior, nivel, pontosJog, pontosCom, valorTruco, rodada, jogador;
        char resultado;
        std::string prefixo;
    };
    const std::vector<Caso> casos = {
        {0, 0, 12, 9, 12, 3, 4, 'C', "|    1|0|12/ 9-12|3°|J4|C| "},
        {0, 0, 0, 0, 0, 1, 1, ' ', "|    1|0| 0/ 0- 0|1°|J1| | "},
        // A wider number is written whole.
        {123455, 10, 100, -3, 3, 1, 2, '=', "|123456|10|100/-3- 3|1°|J2|=| "},
    };
    for (const auto& c : casos) {
        EstadoJogo estado;
        estado.PONTOS_JOG = c.pontosJog;
        estado.PONTOS_COM = c.pontosCom;
        estado.VALOR_TRUCO = c.valorTruco;
        estado.RODADA = c.rodada;
        estado.JOGADOR_DA_VEZ = c.jogador;
        estado.RESULTADO_RODADA_ATUAL = c.resultado;
        Historico historico(estado);
        historico.NIVEL_HISTORICO = c.nivel;
        historico.NR_LINHA_HISTORICO = c.anterior;
        historico.ESCREVE_HISTORICO(c.nivel, "");
        ASSERT_EQ(historico.linhas().size(), 1u) << c.prefixo;
        EXPECT_EQ(historico.linhas()[0], c.prefixo);
    }
}

TEST(PrefixoDoHistorico, LeOEstadoNoMomentoDaEscrita) {
    EstadoJogo estado;
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "a");
    estado.PONTOS_JOG = 7;
    historico.ESCREVE_HISTORICO(0, "b");
    EXPECT_EQ(historico.linhas()[0].substr(0, 18), "|    1|0| 0/ 0- 0|");
    EXPECT_EQ(historico.linhas()[1].substr(0, 18), "|    2|0| 7/ 0- 0|");
}

TEST(FiltroDoHistorico, NivelEAtivoControlamOQueEntraEANumeracao) {
    EstadoJogo estado;
    Historico historico(estado);
    Linhas ouvidas;
    const auto escuta = historico.aoEscrever.assina([&ouvidas](const std::string& l) { ouvidas.push_back(l); });
    historico.NIVEL_HISTORICO = 1;
    for (int nivel = 0; nivel <= 3; ++nivel) historico.ESCREVE_HISTORICO(nivel, "nivel " + std::to_string(nivel));
    ASSERT_EQ(historico.linhas().size(), 2u);
    EXPECT_TRUE(historico.linhas()[0].ends_with("nivel 0"));
    EXPECT_TRUE(historico.linhas()[1].starts_with("|    2|1|"));
    EXPECT_TRUE(historico.linhas()[1].ends_with("nivel 1"));
    EXPECT_EQ(ouvidas, historico.linhas());

    historico.HISTORICO_ATIVO = false;
    historico.ESCREVE_HISTORICO(0, "desligado");
    EXPECT_EQ(historico.linhas().size(), 2u);
    EXPECT_EQ(historico.NR_LINHA_HISTORICO, 2);
    EXPECT_EQ(ouvidas.size(), 2u);

    historico.HISTORICO_ATIVO = true;
    historico.ESCREVE_HISTORICO(0, "religado");
    EXPECT_TRUE(historico.linhas().back().starts_with("|    3|0|"));
}

TEST(FiltroDoHistorico, LimpaNaoReiniciaANumeracao) {
    EstadoJogo estado;
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "a");
    historico.ESCREVE_HISTORICO(0, "b");
    historico.LIMPA_HISTORICO();
    EXPECT_TRUE(historico.linhas().empty());
    historico.ESCREVE_HISTORICO(0, "c");
    ASSERT_EQ(historico.linhas().size(), 1u);
    EXPECT_TRUE(historico.linhas()[0].starts_with("|    3|"));
}

class HistoricoEmDisco : public teste::PastaTemporaria {
protected:
    EstadoJogo estado;
};

TEST_F(HistoricoEmDisco, RotacaoEntreDuasSaidas) {
    const PastaTrabalho trabalho(pasta);
    {
        Historico primeiraExecucao(estado);
        primeiraExecucao.ESCREVE_HISTORICO(0, "primeira");
        ASSERT_EQ(primeiraExecucao.SALVA_HISTORICO(trabalho), std::nullopt);
    }
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-HISTORICO_OLD.TXT"));
    {
        Historico segundaExecucao(estado);
        segundaExecucao.ESCREVE_HISTORICO(0, "segunda");
        ASSERT_EQ(segundaExecucao.SALVA_HISTORICO(trabalho), std::nullopt);
        EXPECT_EQ(segundaExecucao.linhas().size(), 1u);
    }
    const std::string prefixo = "|    1|0| 0/ 0- 0|1\xB0|J0| | ";
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_OLD.TXT"), prefixo + "primeira\r\n");
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_NEW.TXT"), prefixo + "segunda\r\n");
    {
        Historico terceiraExecucao(estado);
        ASSERT_EQ(terceiraExecucao.SALVA_HISTORICO(trabalho), std::nullopt);
    }
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_OLD.TXT"), prefixo + "segunda\r\n");
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_NEW.TXT"), "");
}

TEST_F(HistoricoEmDisco, GravaCrLfEWindows1252) {
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "Ã");
    historico.ESCREVE_HISTORICO(0, "ação");
    ASSERT_EQ(historico.SALVA_HISTORICO_ERRO(PastaTrabalho(pasta)), std::nullopt);
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_ERRO.TXT"),
              "|    1|0| 0/ 0- 0|1\xB0|J0| | \xC3\r\n|    2|0| 0/ 0- 0|1\xB0|J0| | a\xE7\xE3o\r\n");
}

TEST_F(HistoricoEmDisco, ErroSubstituiSemRodar) {
    gravaBytes(pasta / "P-HISTORICO_ERRO.TXT", "antigo com muito mais texto\r\n");
    gravaBytes(pasta / "P-HISTORICO_NEW.TXT", "new\r\n");
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "x");
    ASSERT_EQ(historico.SALVA_HISTORICO_ERRO(PastaTrabalho(pasta)), std::nullopt);
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_ERRO.TXT"), "|    1|0| 0/ 0- 0|1\xB0|J0| | x\r\n");
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_NEW.TXT"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-HISTORICO_OLD.TXT"));
}

TEST_F(HistoricoEmDisco, RenomearQueFalhaParaSemGravarEMantemOMemo) {
    // OLD as a non-empty folder can be neither deleted nor replaced by the rename.
    gravaBytes(pasta / "P-HISTORICO_OLD.TXT" / "dentro", "x");
    gravaBytes(pasta / "P-HISTORICO_NEW.TXT", "run anterior\r\n");
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "x");
    const auto erro = historico.SALVA_HISTORICO(PastaTrabalho(pasta));
    ASSERT_TRUE(erro.has_value());
    EXPECT_NE(erro->find("P-HISTORICO_NEW.TXT"), std::string::npos) << *erro;
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_NEW.TXT"), "run anterior\r\n");
    EXPECT_EQ(historico.linhas().size(), 1u);
}

TEST_F(HistoricoEmDisco, PastaInexistenteDaErro) {
    Historico historico(estado);
    historico.ESCREVE_HISTORICO(0, "x");
    const PastaTrabalho trabalho(pasta / "nao-existe");
    EXPECT_TRUE(historico.SALVA_HISTORICO(trabalho).has_value());
    EXPECT_TRUE(historico.SALVA_HISTORICO_ERRO(trabalho).has_value());
    EXPECT_EQ(historico.linhas().size(), 1u);
}

TEST_F(HistoricoEmDisco, NomesComOutraCaixaSaoRodados) {
    gravaBytes(pasta / "p-historico_new.txt", "antigo\r\n");
    Historico historico(estado);
    ASSERT_EQ(historico.SALVA_HISTORICO(PastaTrabalho(pasta)), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(pasta / "p-historico_new.txt"));
    std::vector<std::string> nomes;
    for (const auto& e : std::filesystem::directory_iterator(pasta)) nomes.push_back(e.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    EXPECT_EQ(nomes, (std::vector<std::string>{"P-HISTORICO_NEW.TXT", "P-HISTORICO_OLD.TXT"}));
    EXPECT_EQ(leBytes(pasta / "P-HISTORICO_OLD.TXT"), "antigo\r\n");
}

}  // namespace
}  // namespace pelmar
