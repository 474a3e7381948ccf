#include "base/ArquivoTexto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

using Linhas = std::vector<std::string>;
using namespace std::string_literals;

struct CasoLeitura {
    const char* descricao;
    std::string bytes;
    Linhas esperadas;
};

class LeituraDeTexto : public teste::PastaTemporaria {};

TEST_F(LeituraDeTexto, DecodificaEQuebraLinhas) {
    const std::vector<CasoLeitura> casos = {
        {"vazio", "", {}},
        {"CR LF", "um\r\ndois\r\n", {"um", "dois"}},
        {"LF", "um\ndois\n", {"um", "dois"}},
        {"misturado", "um\r\ndois\ntres", {"um", "dois", "tres"}},
        {"ultima linha sem fim", "um\r\ndois", {"um", "dois"}},
        {"linhas vazias", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"CR sozinho termina a linha", "a\rb\r\n", {"a", "b"}},
        {"so CR, como salvam editores antigos", "um\rdois\r\rtres", {"um", "dois", "", "tres"}},
        {"CR CR LF", "um\r\r\ndois", {"um", "", "dois"}},
        {"UTF-16 LE com marca", "\xFF\xFEu\0m\0\r\0\n\0\xE7\0\xE3\0o\0\r\0\n\0"s, {"um", "ção"}},
        {"UTF-16 BE com marca, so CR", "\xFE\xFF\0u\0m\0\r\0d\0\xE7"s, {"um", "dç"}},
        {"UTF-16 com par substituto", "\xFF\xFE\x3D\xD8\x00\xDE\n\0"s, {"\U0001F600"}},
        {"UTF-16 com substituto sozinho e byte a mais", "\xFF\xFE\x00\xDCx"s, {"\uFFFD\uFFFD"}},
        {"UTF-8 valido", "A\xC3\xA7\xC3\xA3o\r\n", {"Ação"}},
        {"marca de ordem UTF-8", "\xEF\xBB\xBF" "DEBUG-PELMAR\r\n", {"DEBUG-PELMAR"}},
        {"Windows-1252", "A\xE7\xE3o \x80\r\n", {"Ação €"}},
        {"byte 0xC3 sozinho", "\xC3\r\n", {"Ã"}},
        // A single bad sequence anywhere makes the whole file Windows-1252.
        {"UTF-8 com um byte solto", "\xC3\xA3\r\n\xE3\r\n", {"Ã£", "ã"}},
        {"sequencia longa demais", "\xC0\xAF", {"À¯"}},
        {"sequencia longa demais de 3 bytes", "\xE0\x80\xAF", {"à€¯"}},
        {"surrogate", "\xED\xA0\x80", {"í\u00A0€"}},
        {"acima de U+10FFFF", "\xF4\x90\x80\x80", {"ô\u0090€€"}},
        {"UTF-8 truncado no fim", "ok\xE2\x82", {"okâ‚"}},
    };
    for (const auto& caso : casos) {
        const auto arquivo = pasta / "t.txt";
        gravaBytes(arquivo, caso.bytes);
        const auto linhas = leLinhasTexto(arquivo);
        ASSERT_TRUE(linhas.has_value()) << caso.descricao;
        EXPECT_EQ(*linhas, caso.esperadas) << caso.descricao;
    }
}

TEST_F(LeituraDeTexto, ArquivoOuPastaQueNaoSeLeDaNullopt) {
    EXPECT_FALSE(leLinhasTexto(pasta / "nao-existe.txt").has_value());
    EXPECT_FALSE(leLinhasTexto(pasta).has_value());
}

class GravacaoDeTexto : public teste::PastaTemporaria {};

TEST_F(GravacaoDeTexto, GravaWindows1252ComCrLf) {
    const auto arquivo = pasta / "saida.txt";
    ASSERT_EQ(gravaLinhasTexto(arquivo, {"Ação €", "", "seta → ok"}), std::nullopt);
    EXPECT_EQ(leBytes(arquivo), "A\xE7\xE3o \x80\r\n\r\nseta ? ok\r\n");
}

TEST_F(GravacaoDeTexto, SubstituiArquivoAnteriorSemSobras) {
    const auto arquivo = pasta / "saida.txt";
    ASSERT_EQ(gravaLinhasTexto(arquivo, {"uma linha bem mais comprida", "e outra"}), std::nullopt);
    ASSERT_EQ(gravaLinhasTexto(arquivo, {"curta"}), std::nullopt);
    EXPECT_EQ(leBytes(arquivo), "curta\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta), std::filesystem::directory_iterator()), 1);
}

TEST_F(GravacaoDeTexto, IdaEVoltaPreservaOTexto) {
    const Linhas linhas = {"|   12|0| 3/ 5- 1|2°|J3|J| TRUCOU 3", "Ã", "ŒŽž‚ƒ„…†‡ˆ‰Š‹", "\u0081\u008D"};
    const auto arquivo = pasta / "ida.txt";
    ASSERT_EQ(gravaLinhasTexto(arquivo, linhas), std::nullopt);
    EXPECT_EQ(leLinhasTexto(arquivo), linhas);
}

TEST_F(GravacaoDeTexto, PastaInexistenteDaErroComONomeESemCriarNada) {
    const auto arquivo = pasta / "TXT" / "DEBUG.TXT";
    const auto erro = gravaLinhasTexto(arquivo, {"x"});
    ASSERT_TRUE(erro.has_value());
    EXPECT_NE(erro->find(arquivo.string()), std::string::npos) << *erro;
    EXPECT_FALSE(std::filesystem::exists(pasta / "TXT"));
}

TEST_F(GravacaoDeTexto, NomeDeUmaPastaDaErroEAPastaFica) {
    std::filesystem::create_directory(pasta / "ocupado");
    gravaBytes(pasta / "ocupado" / "dentro.txt", "x");
    EXPECT_TRUE(gravaLinhasTexto(pasta / "ocupado", {"x"}).has_value());
    EXPECT_EQ(leBytes(pasta / "ocupado" / "dentro.txt"), "x");
}

TEST(ConversaoWindows1252, TabelaDeCaracteres) {
    struct Caso {
        std::string utf8;
        std::string cp1252;
    };
    const std::vector<Caso> casos = {
        {"abc", "abc"},        {"\u00A0", "\xA0"}, {"ÿ", "\xFF"}, {"€", "\x80"}, {"‚", "\x82"},
        {"Ÿ", "\x9F"},         {"ž", "\x9E"},     {"™", "\x99"}, {"\u0081", "\x81"},
        {"°º", "\xB0\xBA"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(windows1252DeUtf8(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(utf8DeWindows1252(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(ConversaoWindows1252, SemByteCorrespondenteViraInterrogacao) {
    EXPECT_EQ(windows1252DeUtf8("a→b😀c"), "a?b?c");
    EXPECT_EQ(windows1252DeUtf8("\u0080"), "?");  // the C1 control whose byte holds the euro sign
    EXPECT_EQ(windows1252DeUtf8("x\xFFy"), "x?y");
}

TEST(TextoUtf8, ComprimentoEAlinhamentoPorCaracteres) {
    EXPECT_EQ(comprimentoUtf8("Ação"), 4u);
    EXPECT_EQ(comprimentoUtf8("2°"), 2u);
    EXPECT_EQ(comprimentoUtf8(""), 0u);
    EXPECT_EQ(alinhaDireita("Ação", 6), "  Ação");
    EXPECT_EQ(alinhaEsquerda("Ação", 6), "Ação  ");
    EXPECT_EQ(alinhaDireita("Ação", 2), "Ação");
    EXPECT_EQ(alinhaEsquerda("Ação", 4), "Ação");
}

}  // namespace
}  // namespace pelmar
