#include "base/LeitorDeLinhas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmar {
namespace {

using namespace std::string_literals;

std::vector<std::string> linhas(LeitorDeLinhas& leitor) {
    std::vector<std::string> todas;
    std::string linha;
    while (leitor.proxima(linha)) todas.push_back(linha);
    return todas;
}

// The file is read a block of 64 KiB at a time: line ends and characters cut by a block's edge.
TEST(LeitorDeLinhas, FimDeLinhaECaractereCortadosNaBordaDoBloco) {
    constexpr std::size_t BLOCO = 64 * 1024;
    const std::string antes(BLOCO - 1, 'a');
    {
        const std::string bytes = antes + "\r\nb\r";
        LeitorDeLinhas leitor(LeitorDeLinhas::EmMemoria{bytes});
        EXPECT_EQ(linhas(leitor), (std::vector<std::string>{antes, "b"}));
    }
    {
        // UTF-16: the surrogate pair starts 2 bytes before the edge.
        std::string bytes = "\xFF\xFE";
        while (bytes.size() < BLOCO - 2) bytes += "x\0"s;
        bytes += "\x3D\xD8\x00\xDE\r\0\n\0z\0"s;
        LeitorDeLinhas leitor(LeitorDeLinhas::EmMemoria{bytes});
        const auto lidas = linhas(leitor);
        ASSERT_EQ(lidas.size(), 2u);
        EXPECT_EQ(lidas[0], std::string((BLOCO - 4) / 2, 'x') + "\U0001F600");
        EXPECT_EQ(lidas[1], "z");
    }
}

TEST(LeitorDeLinhas, ContaEResumeOsBytesLidosComoEstaoNoArquivo) {
    const std::string bytes = "\xFF\xFEu\0m\0\r\0\n\0"s;
    LeitorDeLinhas leitor(LeitorDeLinhas::EmMemoria{bytes});
    EXPECT_EQ(linhas(leitor), std::vector<std::string>{"um"});
    EXPECT_EQ(leitor.bytesLidos(), 10u);
    EXPECT_EQ(leitor.resumoDosBytes(), resumoFnv(bytes));
    EXPECT_NE(resumoFnv("ab"), resumoFnv("ba"));
}

TEST(LeitorDeLinhas, ArquivoQueNaoExisteNaoAbre) {
    LeitorDeLinhas leitor(std::filesystem::path("/nao/existe/mesmo.txt"));
    EXPECT_FALSE(leitor.aberto());
    std::string linha;
    EXPECT_FALSE(leitor.proxima(linha));
}

}  // namespace
}  // namespace pelmar
