#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>

#include "brain/AberturaDaPasta.h"
#include "pelmar-torneio/ComandoTorneio.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

class ComandoTorneioTeste : public PastaTemporaria {
protected:
    int roda(std::vector<std::string> argumentos, std::string programa = PELMAR_TORNEIO) {
        saida.str("");
        erro.str("");
        AmbienteDoTorneio ambiente;
        ambiente.dados = PELMAR_DADOS;
        ambiente.programa = std::move(programa);
        return comandoTorneio(argumentos, ambiente, saida, erro);
    }
    std::ostringstream saida, erro;
};

std::vector<std::string> linhasDe(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream entrada(texto);
    for (std::string l; std::getline(entrada, l);) linhas.push_back(l);
    return linhas;
}

// The workers split each level's matches between them; every match must still be played from its
// own seed alone, so the file may not depend on how many played it.
TEST_F(ComandoTorneioTeste, OMesmoArquivoComUmEComVariosTrabalhadores) {
    const std::vector<std::string> base{"--niveis", "0,10", "--partidas", "12", "--semente", "5", "--modo", "limpo"};
    auto comTrabalhos = [&](const std::string& trabalhos, const std::string& semente, const fs::path& onde) {
        std::vector<std::string> a = base;
        a[5] = semente;
        a.insert(a.end(), {"--trabalhos", trabalhos, "--saida", onde.string()});
        EXPECT_EQ(roda(a), 0) << erro.str();
        return leBytes(onde / "ladder.csv");
    };
    const std::string um = comTrabalhos("1", "5", pasta / "um");
    const std::string tres = comTrabalhos("3", "5", pasta / "tres");
    const std::string doze = comTrabalhos("12", "5", pasta / "doze");
    EXPECT_EQ(um, tres);
    EXPECT_EQ(um, doze);

    const auto linhas = linhasDe(um);
    ASSERT_EQ(linhas.size(), 3u) << um;
    for (const std::string& nivel : {linhas[1], linhas[2]}) {
        std::vector<std::string> campos;
        std::istringstream c(nivel);
        for (std::string campo; std::getline(c, campo, ',');) campos.push_back(campo);
        ASSERT_EQ(campos.size(), 15u) << nivel;
        EXPECT_EQ(campos[0], "limpo");
        EXPECT_EQ(campos[1], "5");
        EXPECT_EQ(campos[3], "12");
        EXPECT_EQ(std::stoi(campos[4]) + std::stoi(campos[5]), 12) << nivel;
        // Every match ends with a side past 11 points.
        EXPECT_GE(std::stoi(campos[12]) + std::stoi(campos[13]), 12 * 12) << nivel;
    }
    EXPECT_EQ(linhas[1].rfind("limpo,5,0,", 0), 0u);
    EXPECT_EQ(linhas[2].rfind("limpo,5,10,", 0), 0u);
    EXPECT_NE(saida.str().find("12 trabalhadores"), std::string::npos) << saida.str();

    // The seed decides the matches: another seed plays other ones.
    EXPECT_NE(comTrabalhos("2", "6", pasta / "outra"), um);
}

// Without --pasta the run plays the bundled files in a folder of its own, removed at the end, and
// never in the player's folder; with --pasta that folder is only read.
TEST_F(ComandoTorneioTeste, NuncaGravaNaPastaDoJogador) {
    const char* nomes[] = {"PELMAR_PASTA", "XDG_DATA_HOME", "HOME", "TMPDIR"};
    std::vector<std::optional<std::string>> antes;
    for (const char* nome : nomes) {
        const char* valor = std::getenv(nome);
        antes.push_back(valor ? std::optional<std::string>(valor) : std::nullopt);
        fs::create_directories(pasta / nome);
        setenv(nome, (pasta / nome).c_str(), 1);
    }
    const int semPasta = roda({"--niveis", "5", "--partidas", "2", "--semente", "1", "--saida", (pasta / "saida").string()});

    const fs::path jogador = pasta / "jogador";
    fs::create_directories(jogador);
    ASSERT_FALSE(abrePastaDoJogo(PELMAR_DADOS, PastaTrabalho(jogador)).falhouGravar);
    gravaBytes(jogador / "P-HISTORICO_NEW.TXT", "historico do jogador\r\n");
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> retrato;
    for (const auto& e : fs::recursive_directory_iterator(jogador))
        if (e.is_regular_file()) retrato[e.path()] = {leBytes(e.path()), e.last_write_time()};
    const int comPasta = roda({"--pasta", jogador.string(), "--niveis", "5", "--partidas", "2", "--semente", "1",
                               "--saida", (pasta / "saida2").string()});

    for (std::size_t i = 0; i < std::size(nomes); ++i) {
        if (antes[i]) setenv(nomes[i], antes[i]->c_str(), 1);
        else unsetenv(nomes[i]);
    }
    ASSERT_EQ(semPasta, 0) << erro.str();
    ASSERT_EQ(comPasta, 0) << erro.str();
    for (const char* nome : nomes)
        EXPECT_TRUE(fs::is_empty(pasta / nome)) << nome << ": the run left something there";
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> depois;
    for (const auto& e : fs::recursive_directory_iterator(jogador))
        if (e.is_regular_file()) depois[e.path()] = {leBytes(e.path()), e.last_write_time()};
    EXPECT_TRUE(depois == retrato) << "the player's folder changed";
    // The player's folder holds the bundled files, so both runs play the same matches.
    EXPECT_EQ(leBytes(pasta / "saida" / "ladder.csv"), leBytes(pasta / "saida2" / "ladder.csv"));
}

TEST_F(ComandoTorneioTeste, ErrosDeUsoSaoExplicadosESaem2) {
    for (const auto& argumentos : std::vector<std::vector<std::string>>{
             {"--partidas", "0"}, {"--niveis", "3..1"}, {"--trabalhos", "0"}, {"--modo", "mineiro"},
             {"--semente", "x"}, {"--voar"}, {"--saida"}}) {
        EXPECT_EQ(roda(argumentos), 2) << argumentos.front();
        EXPECT_EQ(erro.str().rfind("pelmar-torneio: ", 0), 0u) << erro.str();
        EXPECT_NE(erro.str().find("--help"), std::string::npos) << erro.str();
        EXPECT_TRUE(saida.str().empty());
    }
    EXPECT_EQ(roda({"--help"}), 0);
    EXPECT_NE(saida.str().find("--trabalhos N"), std::string::npos);
}

TEST_F(ComandoTorneioTeste, PastaQueNaoExisteOuSaidaQueNaoPodeSerCriadaSaem1) {
    EXPECT_EQ(roda({"--pasta", (pasta / "nada").string(), "--partidas", "1", "--saida", pasta.string()}), 1);
    EXPECT_NE(erro.str().find((pasta / "nada").string()), std::string::npos) << erro.str();
    gravaBytes(pasta / "arquivo", "x");
    EXPECT_EQ(roda({"--partidas", "1", "--saida", (pasta / "arquivo").string()}), 1);
    EXPECT_NE(erro.str().find("arquivo"), std::string::npos) << erro.str();
    EXPECT_FALSE(fs::exists(pasta / "ladder.csv"));
}

// A worker that cannot start, stops without its closing line or reports something else must fail
// the run, never leave a ladder of fewer matches that looks complete.
TEST_F(ComandoTorneioTeste, TrabalhadorQueFalhaFazARodadaFalhar) {
    const struct {
        const char* programa;
        const char* diz;
    } casos[] = {
        {"/nonexistent/pelmar-torneio", "não foi possível iniciar"},
        {"/bin/true", "sem concluir"},
        {"/bin/false", "falhou"},
        {"/bin/echo", "linha inesperada"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(roda({"--niveis", "1", "--partidas", "2", "--semente", "3", "--saida", pasta.string()}, c.programa),
                  1)
            << c.programa;
        EXPECT_NE(erro.str().find(c.diz), std::string::npos) << c.programa << ": " << erro.str();
        EXPECT_FALSE(fs::exists(pasta / "ladder.csv")) << c.programa;
    }
}

// The program itself, chart included.
TEST_F(ComandoTorneioTeste, OProgramaGravaATabelaEOGrafico) {
    const std::string comando = std::string(PELMAR_TORNEIO) + " --niveis 2..3 --partidas 3 --semente 9 --trabalhos 2 --saida '" +
                                pasta.string() + "' > '" + (pasta / "saida.txt").string() + "' 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0) << leBytes(pasta / "saida.txt");
    const std::string png = leBytes(pasta / "ladder.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    auto grande = [&png](std::size_t em) {
        return (static_cast<unsigned char>(png[em]) << 24) | (static_cast<unsigned char>(png[em + 1]) << 16) |
               (static_cast<unsigned char>(png[em + 2]) << 8) | static_cast<unsigned char>(png[em + 3]);
    };
    EXPECT_EQ(grande(16), 960u);
    EXPECT_EQ(grande(20), 600u);
    EXPECT_EQ(linhasDe(leBytes(pasta / "ladder.csv")).size(), 3u);
    EXPECT_NE(leBytes(pasta / "saida.txt").find("pontos/mão"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
