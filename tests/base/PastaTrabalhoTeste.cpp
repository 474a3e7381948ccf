#include "base/PastaTrabalho.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

namespace fs = std::filesystem;

class ResolveNomes : public teste::PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        gravaBytes(pasta / "TXT" / "DEBUG.TXT", "x");
        fs::create_directories(pasta / "IMG" / "Mesas");
        fs::create_directories(pasta / "WAV");
        fs::create_directories(pasta / "JOG" / "Ana");
        gravaBytes(pasta / "JOG" / "Ana" / "TRUCO_3.wav", "x");
    }
};

TEST_F(ResolveNomes, CaixaESeparadoresComoOsNomesSaoEscritos) {
    struct Caso {
        std::string nome;
        fs::path esperado;
    };
    const PastaTrabalho trabalho(pasta);
    const std::vector<Caso> casos = {
        {"TXT\\DEBUG.TXT", pasta / "TXT" / "DEBUG.TXT"},
        {"TXT\\DEBUG.txt", pasta / "TXT" / "DEBUG.TXT"},
        {"txt/debug.txt", pasta / "TXT" / "DEBUG.TXT"},
        {"IMG\\Mesas\\", pasta / "IMG" / "Mesas"},
        {"img\\MESAS\\Verde.bmp", pasta / "IMG" / "Mesas" / "Verde.bmp"},
        // Missing parts are kept as written, also below a missing folder.
        {"TXT\\DEBUG_1.TXT", pasta / "TXT" / "DEBUG_1.TXT"},
        {"Novo\\Sub\\a.TXT", pasta / "Novo" / "Sub" / "a.TXT"},
        {"WAV\\..\\jog\\ANA\\truco_3.WAV", pasta / "JOG" / "Ana" / "TRUCO_3.wav"},
        {".\\TXT\\.\\DEBUG.TXT", pasta / "TXT" / "DEBUG.TXT"},
    };
    for (const auto& c : casos) EXPECT_EQ(trabalho.resolve(c.nome), c.esperado) << c.nome;
}

TEST_F(ResolveNomes, PontoPontoAcimaDaRaizSaiDelaLexicamente) {
    const fs::path raiz = pasta / "WAV";
    const PastaTrabalho trabalho(raiz);
    EXPECT_EQ(trabalho.resolve("..\\JOG\\ana\\TRUCO_3.WAV"), (pasta / "JOG" / "Ana" / "TRUCO_3.wav"));
    EXPECT_EQ(trabalho.raiz(), raiz);
}

TEST_F(ResolveNomes, CaixaExataVenceQuandoHaVarias) {
    // Only a case-sensitive file system can hold both.
    fs::create_directories(pasta / "Img");
    if (!fs::is_directory(pasta / "IMG") || fs::equivalent(pasta / "IMG", pasta / "Img")) {
        GTEST_SKIP() << "file system ignores case";
    }
    fs::create_directories(pasta / "img");
    const PastaTrabalho trabalho(pasta);
    EXPECT_EQ(trabalho.resolve("Img"), pasta / "Img");
    EXPECT_EQ(trabalho.resolve("IMG"), pasta / "IMG");
    EXPECT_EQ(trabalho.resolve("img"), pasta / "img");
    // No exact match: the choice is the same whatever order the folder lists in.
    EXPECT_EQ(trabalho.resolve("iMg"), pasta / "IMG");
}

}  // namespace
}  // namespace pelmar
