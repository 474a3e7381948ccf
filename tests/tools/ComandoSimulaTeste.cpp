#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>
#include <sstream>

#include "base/ArquivoTexto.h"
#include "pelmar-simula/ComandoSimula.h"
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

// Without --pasta the run must not play in the player's folder: it would overwrite his
// statistics and history and learn the computer's plays as his.
TEST_F(ComandoSimulaTeste, SemPastaJogaNumaPastaSoSuaEDizOnde) {
    const char* nomes[] = {"PELMAR_PASTA", "XDG_DATA_HOME", "HOME"};
    std::vector<std::optional<std::string>> antes;
    for (const char* nome : nomes) {
        const char* valor = std::getenv(nome);
        antes.push_back(valor ? std::optional<std::string>(valor) : std::nullopt);
        setenv(nome, (pasta / nome).c_str(), 1);
    }
    std::ostringstream s, e;
    const int resultado = comandoSimula({"--semente", "3", "--partidas", "1"}, PELMAR_DADOS, s, e);
    for (std::size_t i = 0; i < std::size(nomes); ++i) {
        if (antes[i]) setenv(nomes[i], antes[i]->c_str(), 1);
        else unsetenv(nomes[i]);
    }
    ASSERT_EQ(resultado, 0) << e.str();
    std::smatch onde;
    const std::string texto = s.str();
    ASSERT_TRUE(std::regex_search(texto, onde, std::regex("^pasta de trabalho: (.+)\n"))) << texto;
    const std::filesystem::path propria = onde[1].str();
    EXPECT_TRUE(std::filesystem::exists(propria / "P-HISTORICO_NEW.TXT"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta), std::filesystem::directory_iterator()), 0);
    std::filesystem::remove_all(propria);
}

TEST_F(ComandoSimulaTeste, ArquivoQueNaoPodeSerGravadoDaSaida1ComONome) {
    const struct {
        const char* caso;
        const char* obstaculo;  // a folder or a file where the run must write something else
        bool pasta;
        const char* nome;       // the file the message must name
    } casos[] = {
        // The statistics are replaced through a file beside them.
        {"estatisticas", "ESTATISTICAS_6.2.1.PLM.tmp/x", true, "ESTATISTICAS_6.2.1.PLM"},
        {"arquivos do jogo", "TXT", false, "TXT"},
    };
    for (const auto& c : casos) {
        const auto onde = pasta / c.caso;
        if (c.pasta) std::filesystem::create_directories(onde / c.obstaculo);
        else gravaBytes(onde / c.obstaculo, "x");
        EXPECT_EQ(roda(onde, {"--semente", "2", "--partidas", "1"}), 1) << c.caso;
        EXPECT_NE(erro.str().find(c.nome), std::string::npos) << c.caso << ": " << erro.str();
    }
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
