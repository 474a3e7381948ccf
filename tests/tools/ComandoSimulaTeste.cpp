#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "pelmar-simula/ComandoSimula.h"
#include "records/ArquivoTexto.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

class ComandoSimulaTeste : public PastaTemporaria {
protected:
    int roda(const std::filesystem::path& onde, std::vector<std::string> argumentos) {
        saida.str("");
        erro.str("");
        argumentos.insert(argumentos.begin(), {"--pasta", onde.string()});
        return comandoSimula(argumentos, PELMAR_DADOS, saida, erro);
    }
    std::ostringstream saida, erro;
};

TEST_F(ComandoSimulaTeste, VintePartidasNumaPastaNovaDeixamUmHistoricoDeJogoDeVerdade) {
    ASSERT_EQ(roda(pasta / "um", {"--semente", "1", "--partidas", "20"}), 0) << erro.str();
    EXPECT_TRUE(std::regex_match(saida.str(), std::regex("partidas 20 · mãos [0-9]+ · bois [0-9]+/[0-9]+ · pontos "
                                                         "[0-9]+/[0-9]+ · [0-9]+ mãos/s\n")))
        << saida.str();
    for (const char* arquivo : {"PREFERENCIAS_6.2.1.PLM", "ESTATISTICAS_6.2.1.PLM", "P-BRAIN.TXT", "P-NEURON.TXT",
                                "PERSONALIDADES.csv", "P-HISTORICO_NEW.TXT"})
        EXPECT_TRUE(std::filesystem::exists(pasta / "um" / arquivo)) << arquivo;
    EXPECT_EQ(std::filesystem::file_size(pasta / "um" / "PREFERENCIAS_6.2.1.PLM"), 2477u);

    const auto linhas = leLinhasTexto(pasta / "um" / "P-HISTORICO_NEW.TXT");
    ASSERT_TRUE(linhas.has_value());
    auto conta = [&](const std::string& trecho) {
        int n = 0;
        for (const auto& l : *linhas) n += l.find(trecho) != std::string::npos ? 1 : 0;
        return n;
    };
    EXPECT_EQ(conta("INICIO DO JOGO AS "), 1);
    EXPECT_GT(conta("--------- INICIO DA MÃO | "), 20);
    EXPECT_EQ(conta("--------- INICIO DA MÃO | "), conta("--------- FIM DA MÃO ("));
    EXPECT_GT(conta("FIM RODADA"), conta("INICIO DA MÃO"));
    EXPECT_EQ(conta("|1|"), 0);  // level 0 only

    // The same seed in another fresh folder writes the same log, byte for byte.
    ASSERT_EQ(roda(pasta / "dois", {"--semente", "1", "--partidas", "20"}), 0) << erro.str();
    EXPECT_EQ(leBytes(pasta / "um" / "P-HISTORICO_NEW.TXT"), leBytes(pasta / "dois" / "P-HISTORICO_NEW.TXT"));
}

TEST_F(ComandoSimulaTeste, NivelEModoSoValemNaExecucaoEAsPreferenciasFicam) {
    ASSERT_EQ(roda(pasta, {"--partidas", "0"}), 0) << erro.str();
    EXPECT_EQ(saida.str().rfind("partidas 0 · mãos 0 · ", 0), 0u) << saida.str();
    const std::string preferencias = leBytes(pasta / "PREFERENCIAS_6.2.1.PLM");
    ASSERT_EQ(roda(pasta, {"--semente", "4", "--partidas", "3", "--dificuldade", "10", "--modo", "tradicional",
                           "--nivel-log", "3"}),
              0)
        << erro.str();
    EXPECT_EQ(leBytes(pasta / "PREFERENCIAS_6.2.1.PLM"), preferencias);
    EXPECT_NE(leBytes(pasta / "P-HISTORICO_NEW.TXT").find("DIFICULDADE=10"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(pasta / "P-HISTORICO_OLD.TXT"));
}

TEST_F(ComandoSimulaTeste, ErrosDeUso) {
    for (const auto& argumentos : std::vector<std::vector<std::string>>{
             {"--partidas", "-1"}, {"--nivel-log", "4"}, {"--dificuldade", "11"}, {"--modo", "mineiro"},
             {"--semente", "x"}, {"--voar", "1"}, {"--partidas"}}) {
        EXPECT_EQ(roda(pasta, argumentos), 2) << argumentos.front();
        EXPECT_FALSE(erro.str().empty());
    }
    std::ostringstream s, e;
    EXPECT_EQ(comandoSimula({"--help"}, PELMAR_DADOS, s, e), 0);
    EXPECT_NE(s.str().find("--semente N"), std::string::npos);
    gravaBytes(pasta / "arquivo", "x");
    EXPECT_EQ(roda(pasta / "arquivo", {"--partidas", "0"}), 1);
    EXPECT_NE(erro.str().find("arquivo"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
