#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

std::string bytesDe(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le(const std::string& b, std::size_t i, int n) {
    std::uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[i + static_cast<std::size_t>(k)]);
    return v;
}

// What a sound file must be for the game to play it: a 16-bit PCM WAV, long enough to hear,
// short enough not to stall the table, audible and never clipped.
::testing::AssertionResult somValido(const fs::path& p) {
    if (!fs::exists(p)) return ::testing::AssertionFailure() << p << " missing";
    const std::string b = bytesDe(p);
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return ::testing::AssertionFailure() << p << " is not RIFF/WAVE";
    if (le(b, 4, 4) != b.size() - 8) return ::testing::AssertionFailure() << p << " RIFF size wrong";
    std::uint32_t formato = 0, canais = 0, taxa = 0, bits = 0;
    std::size_t dados = 0, tamanho = 0;
    for (std::size_t i = 12; i + 8 <= b.size();) {
        const std::string id = b.substr(i, 4);
        const std::uint32_t n = le(b, i + 4, 4);
        if (id == "fmt ") {
            formato = le(b, i + 8, 2);
            canais = le(b, i + 10, 2);
            taxa = le(b, i + 12, 4);
            bits = le(b, i + 22, 2);
        } else if (id == "data") {
            dados = i + 8;
            tamanho = n;
            break;
        }
        i += 8 + n + (n & 1);
    }
    if (formato != 1 || bits != 16 || canais == 0 || taxa < 8000)
        return ::testing::AssertionFailure() << p << " is not 16-bit PCM";
    if (dados == 0 || dados + tamanho > b.size()) return ::testing::AssertionFailure() << p << " data chunk wrong";
    const std::size_t amostras = tamanho / 2;
    const double ms = 1000.0 * static_cast<double>(amostras / canais) / taxa;
    if (ms <= 50 || ms >= 6000) return ::testing::AssertionFailure() << p << " lasts " << ms << " ms";
    int pico = 0, cheias = 0;
    for (std::size_t i = 0; i < amostras; ++i) {
        const int v = std::abs(static_cast<int>(static_cast<std::int16_t>(le(b, dados + 2 * i, 2))));
        pico = std::max(pico, v);
        if (v >= 32767) ++cheias;
    }
    if (pico < 3277) return ::testing::AssertionFailure() << p << " is nearly silent (peak " << pico << ")";
    if (cheias > 0) return ::testing::AssertionFailure() << p << " clips at " << cheias << " samples";
    return ::testing::AssertionSuccess();
}

// Every key the game plays or announces with.
const char* const CHAVES[] = {
    "EMBARALHANDO", "DISTRIBUI_CARTAS", "BATE_MESA", "ROUBANDO", "PALITO", "ENCOBRIR", "EMPATE",
    "FX_WIN_COMPUTADOR", "FX_WIN_JOGADOR", "MANILHA_PAUS", "MANILHA_COPAS", "MANILHA_ESPADA", "MANILHA_OUROS",
    "FX04", "FX02", "BOI", "IA-1", "BOBAO", "yeeh", "TESTE", "JOGA", "RECUSA", "JOGA_MAO_11", "NAO_JOGA_MAO_11",
    "MAO_DE_FERRO", "MAO_DE_11", "FX_FIM_RODADA_EMPATE", "FX_FIM_RODADA_COMPUTADOR", "FX_FIM_RODADA_JOGADOR",
    "FX01", "EU_GANHEI", "VOCE_GANHOU", "FX_FIM_MAOS", "EU_GANHEI_PARTIDA", "VOCE_GANHOU_PARTIDA", "FX_FEIJAO",
    "BOI_COMP", "BOI_JOG", "PERSONAL_DEL_1", "PERSONAL_ADD_1", "CHUPA", "VOZ_DOZE_A_ZERO",
};

// Spoken lines, which must be speech or a stand-in tune whatever the build machine has.
const char* const FALADAS[] = {"JOGA", "RECUSA", "MAO_DE_11", "EU_GANHEI_PARTIDA", "BOI_JOG", "VOZ_DOZE_A_ZERO"};

const int VALORES[] = {3, 6, 9, 12};

std::vector<std::string> personagensAtivos() {
    std::ifstream in(fs::path(PELMAR_DADOS) / "PERSONALIDADES.csv");
    std::vector<std::string> nomes;
    std::string linha;
    while (std::getline(in, linha)) {
        std::vector<std::string> col;
        std::stringstream ss(linha);
        for (std::string c; std::getline(ss, c, ';');) col.push_back(c);
        if (col.size() > 2 && col[0] == "OK") nomes.push_back(col[2]);
    }
    return nomes;
}

class Sons : public ::testing::TestWithParam<const char*> {};

TEST_P(Sons, ArquivoTocavel) { EXPECT_TRUE(somValido(fs::path(PELMAR_DADOS) / "WAV" / (std::string(GetParam()) + ".WAV"))); }

INSTANTIATE_TEST_SUITE_P(TodasAsChaves, Sons, ::testing::ValuesIn(CHAVES));

TEST(Sons, CadaPersonagemGritaOsQuatroValores) {
    const auto nomes = personagensAtivos();
    ASSERT_FALSE(nomes.empty()) << "no OK row in PERSONALIDADES.csv";
    for (const auto& nome : nomes)
        for (int v : VALORES)
            EXPECT_TRUE(somValido(fs::path(PELMAR_DADOS) / "JOG" / nome / ("TRUCO_" + std::to_string(v) + ".WAV")));
}

TEST(Sons, CadaPersonagemTemVozPropria) {
    for (int v : VALORES) {
        std::set<std::string> distintos;
        const auto nomes = personagensAtivos();
        for (const auto& nome : nomes)
            distintos.insert(bytesDe(fs::path(PELMAR_DADOS) / "JOG" / nome / ("TRUCO_" + std::to_string(v) + ".WAV")));
        EXPECT_EQ(distintos.size(), nomes.size()) << "two characters share the TRUCO_" << v << " voice";
    }
}

// Without a working espeak-ng the build still succeeds, says why once, and every line still
// has a sound.
struct SemFala {
    const char* caso;
    const char* falso;  // the fake espeak-ng put on PATH; null for none at all
};

class SemSintetizador : public ::testing::TestWithParam<SemFala> {};

TEST_P(SemSintetizador, TrocaFalasPorMelodias) {
    const fs::path base = fs::temp_directory_path() / ("pelmar-sons-" + std::to_string(getpid()) + GetParam().caso);
    fs::remove_all(base);
    fs::create_directories(base / "bin");
    if (GetParam().falso) {
        std::ofstream(base / "bin" / "espeak-ng") << GetParam().falso;
        fs::permissions(base / "bin" / "espeak-ng", fs::perms::owner_all);
    }
    const std::string comando = "PATH=\"" + (base / "bin").string() + "\" \"" + PELMAR_GERADOR + "\" \"" +
                                (base / "saida").string() + "\" 2> \"" + (base / "erros").string() + "\"";
    ASSERT_EQ(std::system(comando.c_str()), 0) << comando;
    const std::string erros = bytesDe(base / "erros");
    EXPECT_NE(erros.find("espeak-ng"), std::string::npos) << erros;
    std::stringstream linhas(erros);
    int mencoes = 0;
    for (std::string l; std::getline(linhas, l);) mencoes += l.find("espeak-ng") != std::string::npos;
    EXPECT_EQ(mencoes, 1) << "one message, once:\n" << erros;
    for (const char* chave : FALADAS) EXPECT_TRUE(somValido(base / "saida" / "WAV" / (std::string(chave) + ".WAV")));
    for (const auto& nome : personagensAtivos())
        for (int v : VALORES)
            EXPECT_TRUE(somValido(base / "saida" / "JOG" / nome / ("TRUCO_" + std::to_string(v) + ".WAV")));
    fs::remove_all(base);
}

INSTANTIATE_TEST_SUITE_P(Casos, SemSintetizador,
                         ::testing::Values(SemFala{"Ausente", nullptr}, SemFala{"Falha", "#!/bin/sh\nexit 3\n"}),
                         [](const auto& caso) { return std::string(caso.param.caso); });

}  // namespace
}  // namespace pelmar::teste
