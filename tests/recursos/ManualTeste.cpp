#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QString>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>

#include "ManualEmPdf.h"

// The manual the game ships: its page, its pictures and the PDF the build makes of them.
namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

const fs::path DADOS = PELMAR_DADOS;

std::string le(const fs::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void grava(const fs::path& arquivo, const std::string& bytes) {
    fs::create_directories(arquivo.parent_path());
    std::ofstream(arquivo, std::ios::binary) << bytes;
}

QString q(const fs::path& caminho) { return QString::fromStdString(caminho.string()); }

// Laying text out needs the fonts of a graphical application; this executable has none of its own.
class ManualTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance()) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nome[] = "pelmar_testes_recursos";
        static char* argv[] = {nome, nullptr};
        static QGuiApplication aplicacao(argc, argv);
    }

    void SetUp() override {
        pasta = fs::temp_directory_path() / ("pelmar-manual-" + std::to_string(getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(pasta);
    }
    void TearDown() override { fs::remove_all(pasta); }

    fs::path pasta;
};

int paginasNoPdf(const std::string& pdf) {
    int n = 0;
    for (std::size_t de = pdf.find("/Type /Page\n"); de != std::string::npos; de = pdf.find("/Type /Page\n", de + 1)) ++n;
    return n;
}

// The bundled PDF is a PDF, whole, and holds every page the manual's page lays out to: one made
// from an older page, or cut short, has another count.
TEST_F(ManualTeste, PdfDoJogoTemTodasAsPaginasDoManual) {
    const std::string pdf = le(DADOS / "manual.pdf");
    ASSERT_GT(pdf.size(), 1000u) << "manual.pdf ausente ou vazio em " << DADOS;
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos) << "o PDF não termina";
    const int esperadas = manual::paginasDoManual(q(DADOS / "MANUAL" / "manual.html"));
    EXPECT_GT(esperadas, 1);
    EXPECT_EQ(paginasNoPdf(pdf), esperadas);
    EXPECT_NE(pdf.find("/Count " + std::to_string(esperadas) + "\n"), std::string::npos);
}

// The same page makes the same bytes wherever and whenever it is made: the tool run again, in
// another time zone, writes exactly the PDF the build put in the data folder.
TEST_F(ManualTeste, MesmaPaginaMesmoPdf) {
    const fs::path saida = pasta / "manual.pdf";
    const std::string comando = std::string("TZ=Asia/Kolkata \"") + PELMAR_MANUAL + "\" \"" +
                                (DADOS / "MANUAL" / "manual.html").string() + "\" \"" + saida.string() +
                                "\" > /dev/null 2>&1";
    ASSERT_EQ(std::system(comando.c_str()), 0) << comando;
    EXPECT_TRUE(le(saida) == le(DADOS / "manual.pdf")) << "dois PDFs da mesma página diferem";
}

// A manual with a hole where a picture should be is not made, and an older PDF stays as it was.
TEST_F(ManualTeste, FiguraQueFaltaNaoViraPdf) {
    const fs::path pagina = pasta / "MANUAL" / "manual.html";
    const fs::path pdf = pasta / "manual.pdf";
    grava(pdf, "o PDF de antes");
    grava(pagina, "<html><body><h1>Regras</h1><img src=\"mesa.png\"></body></html>");
    try {
        manual::escreveManualEmPdf(q(pagina), q(pdf));
        ADD_FAILURE() << "um manual sem a figura foi feito";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("mesa.png"), std::string::npos) << e.what();
    }
    EXPECT_EQ(le(pdf), "o PDF de antes");
    EXPECT_THROW(manual::escreveManualEmPdf(q(pasta / "nenhuma.html"), q(pdf)), std::runtime_error);
    EXPECT_EQ(le(pdf), "o PDF de antes");
}

// Qt stamps the time of writing; the stamp becomes a fixed one of the same length, so nothing
// that follows it moves.
TEST(DataDoPdf, CarimboFixoDoMesmoTamanho) {
    const std::pair<std::string, std::string> casos[] = {
        {"/CreationDate (D:20251231235959Z)", "/CreationDate (D:20090808000000Z)"},
        {"/CreationDate (D:20250101080910+05'30')", "/CreationDate (D:20090808000000+00'00')"},
        {"/CreationDate (D:20250101080910-03'00')\n/ModDate (D:20250101080911-03'00')",
         "/CreationDate (D:20090808000000+00'00')\n/ModDate (D:20090808000000+00'00')"},
        // Not a date: left alone.
        {"/CreationDate (ontem)", "/CreationDate (ontem)"},
        {"/Title (D:20251231235959Z)", "/Title (D:20251231235959Z)"},
    };
    for (const auto& [antes, depois] : casos) {
        QByteArray pdf = QByteArray::fromStdString("%PDF-1.4\n" + antes + "\nxref");
        manual::fixaDataDoPdf(pdf);
        EXPECT_EQ(pdf.toStdString(), "%PDF-1.4\n" + depois + "\nxref") << antes;
    }
}

}  // namespace
}  // namespace pelmar::teste
