#include "players/TextoVirgula.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmar {
namespace {

using Campos = std::vector<std::string>;

TEST(TextoVirgula, SeparaCampos) {
    struct Caso {
        std::string linha;
        Campos campos;
    };
    const std::vector<Caso> casos = {
        {"A,B,C", {"A", "B", "C"}},
        {"A B  C", {"A", "B", "C"}},
        {"A , B,\tC", {"A", "B", "C"}},
        {"A,,C", {"A", "", "C"}},
        {",A", {"", "A"}},
        {"A,", {"A", ""}},
        {"A, ", {"A", ""}},
        {"\"UM DOIS, TRES\",B", {"UM DOIS, TRES", "B"}},
        {"\"DIZ \"\"OI\"\"\" X", {"DIZ \"OI\"", "X"}},
        {"\"\",B", {"", "B"}},
        {"\"SEM FIM", {"SEM FIM"}},
        {"  ", {}},
        {"", {}},
    };
    for (const auto& c : casos) EXPECT_EQ(separaTextoVirgula(c.linha), c.campos) << c.linha;
}

TEST(TextoVirgula, NormalizaPontoEVirgulaAparaEMaiusculas) {
    EXPECT_EQ(normalizaLinhaTabela("  ok;a;b c;\"d;e\"\t\r"), "OK,A,B C,\"D,E\"");
    EXPECT_EQ(normalizaLinhaTabela("coração;x"), "CORAÇÃO,X");
}

TEST(TextoVirgula, PrimeirosCaracteresContaCaracteresNaoBytes) {
    EXPECT_EQ(primeirosCaracteres("AÇÃO", 2), "AÇ");
    EXPECT_EQ(primeirosCaracteres("AÇÃO", 10), "AÇÃO");
    EXPECT_EQ(primeirosCaracteres("AÇÃO", 0), "");
}

}  // namespace
}  // namespace pelmar
