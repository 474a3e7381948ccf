#include <gtest/gtest.h>

#include <string>

#include "base/GravacaoArquivo.h"
#include "suporte/DiscoCheio.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

using namespace std::string_literals;

class AcrescimoDeLinhas : public PastaTemporaria {};

TEST_F(AcrescimoDeLinhas, CabecalhoSoNoArquivoNovoEUltimaLinhaSemFimNaoSeEmenda) {
    struct Caso {
        const char* descricao;
        bool existe;
        std::string antes;
        std::string depois;
    };
    const Caso casos[] = {
        {"arquivo novo ganha o cabecalho", false, "", "#cab\r\nnova\r\n"},
        {"arquivo vazio", true, "", "nova\r\n"},
        {"ultima linha terminada", true, "a\r\n", "a\r\nnova\r\n"},
        {"so CR termina a linha", true, "a\r", "a\rnova\r\n"},
        {"ultima linha sem fim", true, "a\r\nmei", "a\r\nmei\r\nnova\r\n"},
        {"UTF-16 recebe UTF-16", true, "\xFF\xFEz\0"s, "\xFF\xFEz\0\r\0\n\0n\0o\0v\0a\0\r\0\n\0"s},
        {"UTF-16 BE", true, "\xFE\xFF\0z\0\n"s, "\xFE\xFF\0z\0\n\0n\0o\0v\0a\0\r\0\n"s},
    };
    for (const Caso& c : casos) {
        const auto arquivo = pasta / "log.txt";
        std::filesystem::remove(arquivo);
        if (c.existe) gravaBytes(arquivo, c.antes);
        EXPECT_EQ(acrescentaLinhas(arquivo, "nova\r\n", "#cab\r\n"), std::nullopt) << c.descricao;
        EXPECT_EQ(leBytes(arquivo), c.depois) << c.descricao;
    }
}

// The disk fills up in the middle of the line: nothing of it may stay, or every later line
// would glue onto the torn one.
TEST_F(AcrescimoDeLinhas, DiscoCheioNoMeioDaLinhaDeixaOArquivoComoEstava) {
    const auto arquivo = pasta / "log.txt";
    gravaBytes(arquivo, "#cab\r\nprimeira\r\n");
    const auto novo = pasta / "novo.txt";
    {
        DiscoCheio disco(20);
        const auto erro = acrescentaLinhas(arquivo, "uma linha comprida demais\r\n", "#cab\r\n");
        ASSERT_TRUE(erro.has_value());
        EXPECT_NE(erro->find(arquivo.string()), std::string::npos) << *erro;
        EXPECT_NE(erro->find("nada foi acrescentado"), std::string::npos) << *erro;
        // A file that did not exist is not left behind half made.
        EXPECT_TRUE(acrescentaLinhas(novo, std::string(30, 'x') + "\r\n", "#cab\r\n").has_value());
    }
    EXPECT_EQ(leBytes(arquivo), "#cab\r\nprimeira\r\n");
    EXPECT_FALSE(std::filesystem::exists(novo));
    EXPECT_EQ(acrescentaLinhas(arquivo, "segunda\r\n", ""), std::nullopt);
    EXPECT_EQ(leBytes(arquivo), "#cab\r\nprimeira\r\nsegunda\r\n");
}

TEST_F(AcrescimoDeLinhas, PastaNoLugarDoArquivoEErroComONome) {
    std::filesystem::create_directories(pasta / "log.txt");
    const auto erro = acrescentaLinhas(pasta / "log.txt", "x\r\n", "");
    ASSERT_TRUE(erro.has_value());
    EXPECT_NE(erro->find("log.txt"), std::string::npos);
    EXPECT_TRUE(acrescentaLinhas(pasta / "falta" / "log.txt", "x\r\n", "").has_value());
}

}  // namespace
}  // namespace pelmar::teste
