#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Inteiros.h"
#include "base/Maiusculas.h"

namespace pelmar {
namespace {

TEST(Maiusculas, DoCodigoDaPagina) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"jogador-01", "JOGADOR-01"},
        {"ação à vó", "AÇÃO À VÓ"},
        {"÷ß", "÷ß"},  // no upper case in the code page
        {"œšžÿ", "ŒŠŽŸ"},
        {"€ 12", "€ 12"},
        {"fim\xC3", "FIM\xC3"},  // a cut sequence at the end is kept as it is
    };
    for (const auto& [de, para] : casos) EXPECT_EQ(maiusculas(de), para) << de;
}

TEST(Inteiros, SoONumeroInteiroENadaMais) {
    struct Caso {
        std::string texto;
        std::optional<int> valor;
    };
    const std::vector<Caso> casos = {
        {"0", 0},
        {"42", 42},
        {"+42", 42},
        {"-42", -42},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1a", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(inteiroDe<int>(c.texto), c.valor) << "\"" << c.texto << "\"";
}

TEST(Inteiros, SemSinalEOutraBase) {
    EXPECT_EQ(inteiroDe<std::uint64_t>("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(inteiroDe<std::uint64_t>("-1"), std::nullopt);
    EXPECT_EQ(inteiroDe<std::uint64_t>("ff", 16), 255u);
    EXPECT_EQ(inteiroDe<std::uint64_t>("fg", 16), std::nullopt);
}

}  // namespace
}  // namespace pelmar
