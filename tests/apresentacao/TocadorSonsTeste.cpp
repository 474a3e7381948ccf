#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/PastaTrabalho.h"
#include "presentation/CabecalhoWav.h"
#include "presentation/TocadorSons.h"

namespace pelmar {
namespace {

namespace fs = std::filesystem;

std::uint32_t le(const std::string& b, std::size_t i, int n) {
    std::uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[i + static_cast<std::size_t>(k)]);
    return v;
}

std::string bytesDe(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The length worked out independently of the player: walk the chunks of the whole file.
int duracaoEsperada(const fs::path& p) {
    const std::string b = bytesDe(p);
    std::uint32_t canais = 0, taxa = 0;
    for (std::size_t i = 12; i + 8 <= b.size();) {
        const std::uint32_t n = le(b, i + 4, 4);
        if (b.compare(i, 4, "fmt ") == 0) {
            canais = le(b, i + 10, 2);
            taxa = le(b, i + 12, 4);
        } else if (b.compare(i, 4, "data") == 0) {
            return static_cast<int>(std::uint64_t{n} * 1000 / (std::uint64_t{taxa} * canais * 2));
        }
        i += 8 + n + (n & 1);
    }
    return -1;
}

void escreve(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string u16(std::uint32_t v) { return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8 & 0xff)}; }
std::string u32(std::uint32_t v) { return u16(v & 0xffff) + u16(v >> 16); }

// A WAV made here, so odd layouts can be tried.
std::string wav(std::uint32_t formato, std::uint32_t canais, std::uint32_t taxa, std::uint32_t bits,
                std::uint32_t bytesDados, const std::string& blocoExtra = {}) {
    std::string fmt = "fmt " + u32(16) + u16(formato) + u16(canais) + u32(taxa) +
                      u32(taxa * canais * bits / 8) + u16(canais * bits / 8) + u16(bits);
    std::string dados = "data" + u32(bytesDados) + std::string(bytesDados, '\0');
    std::string corpo = "WAVE" + blocoExtra + fmt + dados;
    return "RIFF" + u32(static_cast<std::uint32_t>(corpo.size())) + corpo;
}

class PastaTemporaria {
public:
    PastaTemporaria() {
        raiz_ = fs::temp_directory_path() /
                ("pelmar_sons_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(raiz_);
        fs::create_directories(raiz_ / "WAV");
    }
    ~PastaTemporaria() {
        std::error_code ec;
        fs::remove_all(raiz_, ec);
    }
    const fs::path& raiz() const { return raiz_; }

private:
    fs::path raiz_;
};

struct Anotador {
    std::vector<std::string> notas;
    TocadorSons::Notas callback() {
        return [this](const std::string& n) { notas.push_back(n); };
    }
};

const fs::path DADOS = PELMAR_DADOS;

// The cache and the effects are exercised whatever the machine has; QSoundEffect then fails
// to open an output and stays silent, which is a case worth running too.
TocadorSons::ConsultaDispositivo comDispositivo() {
    return [] { return true; };
}

TEST(TocadorSons, DuracaoDosSonsDoJogoVemDoCabecalho) {
    PastaTrabalho pasta(DADOS);
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    for (const char* chave : {"BATE_MESA", "DISTRIBUI_CARTAS", "TESTE", "BOI"}) {
        const int esperada = duracaoEsperada(DADOS / "WAV" / (std::string(chave) + ".WAV"));
        ASSERT_GT(esperada, 0) << chave;
        EXPECT_EQ(tocador.duracaoMs(chave), esperada) << chave;
        EXPECT_EQ(tocador.toca(chave), esperada) << chave;
    }
    EXPECT_TRUE(anotador.notas.empty());
}

TEST(TocadorSons, VozDeTrucoSobeAtePastaDoPersonagem) {
    PastaTrabalho pasta(DADOS);
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    const int esperada = duracaoEsperada(DADOS / "JOG" / "Jogador-01" / "TRUCO_3.WAV");
    ASSERT_GT(esperada, 0);
    EXPECT_EQ(tocador.toca("..\\JOG\\Jogador-01\\TRUCO_3"), esperada);
    // Letter case on disk does not matter, as in the game's other files.
    EXPECT_EQ(tocador.duracaoMs("..\\jog\\JOGADOR-01\\truco_3"), esperada);
    EXPECT_TRUE(anotador.notas.empty());
}

TEST(TocadorSons, ChaveAusenteDaZeroEUmaNota) {
    PastaTrabalho pasta(DADOS);
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    EXPECT_EQ(tocador.toca("NAO_EXISTE"), 0);
    EXPECT_EQ(tocador.toca("NAO_EXISTE"), 0);
    EXPECT_EQ(tocador.duracaoMs("NAO_EXISTE"), 0);
    EXPECT_EQ(tocador.efeitosEmCache(), 0u);
    ASSERT_EQ(anotador.notas.size(), 1u);
    EXPECT_NE(anotador.notas[0].find("NAO_EXISTE"), std::string::npos);
    EXPECT_EQ(tocador.toca("OUTRA_AUSENTE"), 0);
    EXPECT_EQ(anotador.notas.size(), 2u);
}

TEST(TocadorSons, ChaveVaziaDaZero) {
    PastaTrabalho pasta(DADOS);
    TocadorSons tocador(pasta);  // no notes wanted: must not call an empty callback
    EXPECT_EQ(tocador.toca(""), 0);
    EXPECT_EQ(tocador.efeitosEmCache(), 0u);
}

TEST(TocadorSons, ArquivoQueNaoEWavDaZeroEUmaNota) {
    PastaTemporaria tmp;
    escreve(tmp.raiz() / "WAV" / "LIXO.WAV", std::string("isto não é um som, só texto qualquer\n") + std::string(200, 'x'));
    escreve(tmp.raiz() / "WAV" / "VAZIO.WAV", "");
    escreve(tmp.raiz() / "WAV" / "CURTO.WAV", "RIFF");
    fs::create_directories(tmp.raiz() / "WAV" / "PASTA.WAV");
    PastaTrabalho pasta(tmp.raiz());
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    for (const char* chave : {"LIXO", "VAZIO", "CURTO", "PASTA"}) {
        EXPECT_EQ(tocador.toca(chave), 0) << chave;
        EXPECT_EQ(tocador.toca(chave), 0) << chave;
    }
    EXPECT_EQ(tocador.efeitosEmCache(), 0u);
    ASSERT_EQ(anotador.notas.size(), 4u);
    EXPECT_NE(anotador.notas[0].find("LIXO"), std::string::npos);
    EXPECT_NE(anotador.notas[0].find("RIFF/WAVE"), std::string::npos);
}

TEST(TocadorSons, SoPcmDe16Bits) {
    PastaTemporaria tmp;
    escreve(tmp.raiz() / "WAV" / "OITO.WAV", wav(1, 1, 8000, 8, 800));
    escreve(tmp.raiz() / "WAV" / "FLOAT.WAV", wav(3, 1, 8000, 32, 3200));
    escreve(tmp.raiz() / "WAV" / "SEM_CANAIS.WAV", wav(1, 0, 8000, 16, 1600));
    escreve(tmp.raiz() / "WAV" / "BOM.WAV", wav(1, 2, 22050, 16, 22050 * 2 * 2 / 4));
    PastaTrabalho pasta(tmp.raiz());
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    EXPECT_EQ(tocador.duracaoMs("OITO"), 0);
    EXPECT_EQ(tocador.duracaoMs("FLOAT"), 0);
    EXPECT_EQ(tocador.duracaoMs("SEM_CANAIS"), 0);
    EXPECT_EQ(tocador.duracaoMs("BOM"), 250);
    EXPECT_EQ(anotador.notas.size(), 3u);
}

// A sound is waited out by its length; a rate no recording uses would stretch a few bytes into
// hours, so such a file stays silent and is noted like any broken sound.
TEST(TocadorSons, TaxaAbsurdaNaoPrendeAMesa) {
    PastaTemporaria tmp;
    escreve(tmp.raiz() / "WAV" / "UM_HERTZ.WAV", wav(1, 1, 1, 16, 20000));
    escreve(tmp.raiz() / "WAV" / "QUASE.WAV", wav(1, 1, 999, 16, 1998));
    escreve(tmp.raiz() / "WAV" / "LIMITE.WAV", wav(1, 1, 1000, 16, 2000));
    PastaTrabalho pasta(tmp.raiz());
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    EXPECT_EQ(tocador.duracaoMs("UM_HERTZ"), 0);
    EXPECT_EQ(tocador.duracaoMs("QUASE"), 0);
    EXPECT_EQ(tocador.duracaoMs("LIMITE"), 1000);
    ASSERT_EQ(anotador.notas.size(), 2u);
    EXPECT_NE(anotador.notas[0].find("UM_HERTZ"), std::string::npos) << anotador.notas[0];
    EXPECT_NE(anotador.notas[0].find("taxa de 1 Hz"), std::string::npos) << anotador.notas[0];
}

TEST(CabecalhoWav, PulaBlocosDesconhecidosECortaDadosAoArquivo) {
    PastaTemporaria tmp;
    // An odd-sized "LIST" chunk before the format: the pad byte must be skipped too.
    escreve(tmp.raiz() / "LISTA.WAV", wav(1, 1, 10000, 16, 4000, "LIST" + u32(3) + "abc" + std::string(1, '\0')));
    std::string cortado = wav(1, 1, 10000, 16, 4000);
    cortado.resize(cortado.size() - 2000);  // the header still claims 4000 bytes
    escreve(tmp.raiz() / "CORTADO.WAV", cortado);
    std::string semDados = wav(1, 1, 10000, 16, 0);
    semDados.resize(semDados.size() - 8);
    escreve(tmp.raiz() / "SEM_DADOS.WAV", semDados);

    auto lista = leCabecalhoWav(tmp.raiz() / "LISTA.WAV");
    ASSERT_TRUE(std::holds_alternative<CabecalhoWav>(lista));
    EXPECT_EQ(std::get<CabecalhoWav>(lista).duracaoMs(), 200);
    auto corte = leCabecalhoWav(tmp.raiz() / "CORTADO.WAV");
    ASSERT_TRUE(std::holds_alternative<CabecalhoWav>(corte));
    EXPECT_EQ(std::get<CabecalhoWav>(corte).bytesDados, 2000u);
    EXPECT_EQ(std::get<CabecalhoWav>(corte).duracaoMs(), 100);
    EXPECT_TRUE(std::holds_alternative<std::string>(leCabecalhoWav(tmp.raiz() / "SEM_DADOS.WAV")));
    EXPECT_TRUE(std::holds_alternative<std::string>(leCabecalhoWav(tmp.raiz() / "NENHUM.WAV")));
}

TEST(TocadorSons, ConsertadoEQuebradoDeNovoVoltaAAnotar) {
    PastaTemporaria tmp;
    PastaTrabalho pasta(tmp.raiz());
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    EXPECT_EQ(tocador.duracaoMs("VAI_E_VOLTA"), 0);
    escreve(tmp.raiz() / "WAV" / "VAI_E_VOLTA.WAV", wav(1, 1, 8000, 16, 1600));
    EXPECT_EQ(tocador.duracaoMs("VAI_E_VOLTA"), 100);
    fs::remove(tmp.raiz() / "WAV" / "VAI_E_VOLTA.WAV");
    EXPECT_EQ(tocador.duracaoMs("VAI_E_VOLTA"), 0);
    EXPECT_EQ(anotador.notas.size(), 2u);
}

TEST(TocadorSons, DesligadoFicaMudoMasDaADuracao) {
    PastaTrabalho pasta(DADOS);
    Anotador anotador;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, comDispositivo());
    tocador.defineAtivo(false);
    EXPECT_FALSE(tocador.ativo());
    const int esperada = duracaoEsperada(DADOS / "WAV" / "BATE_MESA.WAV");
    EXPECT_EQ(tocador.toca("BATE_MESA"), esperada);
    EXPECT_EQ(tocador.efeitosEmCache(), 0u);  // nothing loaded, so nothing can be heard
    EXPECT_EQ(tocador.toca("NAO_EXISTE"), 0);
    EXPECT_EQ(anotador.notas.size(), 1u);
    tocador.defineAtivo(true);
    EXPECT_EQ(tocador.toca("BATE_MESA"), esperada);
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
    tocador.defineAtivo(false);  // stops what plays, keeps it loaded
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
}

TEST(TocadorSons, CacheTemLimite) {
    PastaTrabalho pasta(DADOS);
    TocadorSons tocador(pasta, {}, 3, comDispositivo());
    EXPECT_EQ(tocador.limiteCache(), 3u);
    const char* chaves[] = {"BATE_MESA", "DISTRIBUI_CARTAS", "TESTE", "BOI", "EMPATE", "ENCOBRIR", "BOBAO"};
    for (int volta = 0; volta < 20; ++volta) {
        for (const char* chave : chaves) {
            EXPECT_GT(tocador.toca(chave), 0) << chave;
            EXPECT_LE(tocador.efeitosEmCache(), 3u);
        }
    }
    EXPECT_EQ(tocador.efeitosEmCache(), 3u);
    QCoreApplication::processEvents();
}

TEST(TocadorSons, MesmoSomReusaOEfeito) {
    PastaTrabalho pasta(DADOS);
    TocadorSons tocador(pasta, {}, TocadorSons::LIMITE_PADRAO, comDispositivo());
    for (int i = 0; i < 50; ++i) EXPECT_GT(tocador.toca("BATE_MESA"), 0);
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
    // Another spelling of the same file is the same effect.
    EXPECT_GT(tocador.toca("bate_mesa"), 0);
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
    QCoreApplication::processEvents();
}

TEST(TocadorSons, ArquivoTrocadoNoDiscoMudaADuracao) {
    PastaTemporaria tmp;
    escreve(tmp.raiz() / "WAV" / "TROCA.WAV", wav(1, 1, 8000, 16, 1600));
    PastaTrabalho pasta(tmp.raiz());
    TocadorSons tocador(pasta, {}, TocadorSons::LIMITE_PADRAO, comDispositivo());
    EXPECT_EQ(tocador.toca("TROCA"), 100);
    escreve(tmp.raiz() / "WAV" / "TROCA.WAV", wav(1, 1, 8000, 16, 3200));
    EXPECT_EQ(tocador.toca("TROCA"), 200);
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
    QCoreApplication::processEvents();
}

TEST(TocadorSons, SemDispositivoFicaMudoEAnotaUmaVezPorAusencia) {
    PastaTrabalho pasta(DADOS);
    Anotador anotador;
    bool ha = false;
    TocadorSons tocador(pasta, anotador.callback(), TocadorSons::LIMITE_PADRAO, [&ha] { return ha; });
    const int esperada = duracaoEsperada(DADOS / "WAV" / "BATE_MESA.WAV");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tocador.toca("BATE_MESA"), esperada);
    EXPECT_EQ(tocador.efeitosEmCache(), 0u);
    ASSERT_EQ(anotador.notas.size(), 1u);
    EXPECT_EQ(anotador.notas[0], TocadorSons::NOTA_SEM_DISPOSITIVO);
    ha = true;
    EXPECT_EQ(tocador.toca("BATE_MESA"), esperada);
    EXPECT_EQ(tocador.efeitosEmCache(), 1u);
    ha = false;
    EXPECT_EQ(tocador.toca("BATE_MESA"), esperada);
    EXPECT_EQ(anotador.notas.size(), 2u);
    // Lengths need no device at all.
    EXPECT_EQ(tocador.duracaoMs("BATE_MESA"), esperada);
    EXPECT_EQ(anotador.notas.size(), 2u);
}

// Whatever this machine has, the real device query never blocks or throws.
TEST(TocadorSons, DispositivoDeVerdade) {
    PastaTrabalho pasta(DADOS);
    TocadorSons tocador(pasta);
    const int esperada = duracaoEsperada(DADOS / "WAV" / "TESTE.WAV");
    EXPECT_EQ(tocador.toca("TESTE"), esperada);
    EXPECT_EQ(tocador.toca("TESTE"), esperada);
    EXPECT_LE(tocador.efeitosEmCache(), 1u);
    QCoreApplication::processEvents();
}

}  // namespace
}  // namespace pelmar

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // No display and no audio device needed: sounds load and fail quietly.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication aplicacao(argc, argv);
    return RUN_ALL_TESTS();
}
