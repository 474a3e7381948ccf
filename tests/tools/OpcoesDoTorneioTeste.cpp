#include <gtest/gtest.h>

#include "pelmar-torneio/OpcoesDoTorneio.h"
#include "pelmar-torneio/ResultadoDaPartida.h"

namespace pelmar::teste {
namespace {

TEST(NiveisDoTexto, IntervaloOuListaDeNiveisDe0A10) {
    const struct {
        const char* texto;
        std::optional<std::vector<int>> niveis;
    } casos[] = {
        {"0..10", std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"3..3", std::vector<int>{3}},
        {"8,2,5", std::vector<int>{8, 2, 5}},
        {"10", std::vector<int>{10}},
        {"5..2", std::nullopt},
        {"0..11", std::nullopt},
        {"-1..3", std::nullopt},
        {"1,,2", std::nullopt},
        {"1,2,", std::nullopt},
        {"1,1", std::nullopt},
        {"11", std::nullopt},
        {"", std::nullopt},
        {"a", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(niveisDoTexto(c.texto), c.niveis) << c.texto;
}

TEST(LeOpcoesDoTorneio, PadroesEValores) {
    const auto padrao = leOpcoesDoTorneio({});
    ASSERT_TRUE(std::holds_alternative<OpcoesDoTorneio>(padrao));
    const auto& p = std::get<OpcoesDoTorneio>(padrao);
    EXPECT_EQ(p.niveis.size(), 11u);
    EXPECT_EQ(p.partidas, 2000);
    EXPECT_EQ(p.modo, "paulista");
    EXPECT_EQ(p.trabalhos, 0);
    EXPECT_FALSE(p.semente);
    EXPECT_TRUE(p.pasta.empty());

    const auto lidas = leOpcoesDoTorneio({"--niveis", "2,9", "--partidas", "30", "--modo", "tradicional",
                                          "--semente", "18446744", "--trabalhos", "3", "--saida", "fora",
                                          "--pasta", "dentro"});
    ASSERT_TRUE(std::holds_alternative<OpcoesDoTorneio>(lidas)) << std::get<std::string>(lidas);
    const auto& o = std::get<OpcoesDoTorneio>(lidas);
    EXPECT_EQ(o.niveis, (std::vector<int>{2, 9}));
    EXPECT_EQ(o.partidas, 30);
    EXPECT_EQ(o.modo, "tradicional");
    EXPECT_EQ(o.semente, 18446744u);
    EXPECT_EQ(o.trabalhos, 3);
    EXPECT_EQ(o.saida, "fora");
    EXPECT_EQ(o.pasta, "dentro");
}

TEST(LeOpcoesDoTorneio, ErrosDizemQualOpcao) {
    const struct {
        std::vector<std::string> argumentos;
        const char* diz;
    } casos[] = {
        {{"--partidas", "0"}, "--partidas"},
        {{"--partidas", "dez"}, "--partidas"},
        {{"--trabalhos", "0"}, "--trabalhos"},
        {{"--trabalhos", "257"}, "--trabalhos"},
        {{"--niveis", "0..11"}, "--niveis"},
        {{"--modo", "mineiro"}, "--modo"},
        {{"--semente", "-3"}, "--semente"},
        {{"--saida", ""}, "--saida"},
        {{"--voar"}, "--voar"},
        {{"--partidas"}, "--partidas"},
    };
    for (const auto& c : casos) {
        const auto lidas = leOpcoesDoTorneio(c.argumentos);
        ASSERT_TRUE(std::holds_alternative<std::string>(lidas)) << c.argumentos.front();
        EXPECT_NE(std::get<std::string>(lidas).find(c.diz), std::string::npos) << std::get<std::string>(lidas);
    }
}

TEST(ResultadoDaPartida, LinhaDoTrabalhadorIdaEVolta) {
    const ResultadoDaPartida r{10, 1999, 2, 17, 9, 13, 4321};
    EXPECT_EQ(resultadoDaLinha(linhaDoResultado(r)), r);
    for (const char* linha : {"", "fim", "partida 3 4 1 5 12 3", "partida 3 4 1 5 12 3 99 7", "jogo 3 4 1 5 12 3 99",
                              "partida 11 4 1 5 12 3 99", "partida 3 4 0 5 12 3 99", "partida 3 4 3 5 12 3 99",
                              "partida 3 4 1 0 12 3 99", "partida 3 -4 1 5 12 3 99", "partida 3 4 1 5 x 3 99"})
        EXPECT_FALSE(resultadoDaLinha(linha)) << linha;
}

}  // namespace
}  // namespace pelmar::teste
