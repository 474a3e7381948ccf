#include <gtest/gtest.h>

#include <string>

#include "paginas-de-manual/PaginaDeManual.h"

namespace pelmar::manual {
namespace {

DadosDaPagina dados() { return {"pelmar-cerebro", 1, "2026-12-10", "Pelmar 6.2.1", "trabalha no cérebro", {"pelmar(6)"}}; }

const char* const AJUDA_COM_SECOES =
    "Uso: pelmar-cerebro [--pasta PASTA] COMANDO\n"
    "\n"
    "Trabalha nos arquivos de regras.\n"
    "\n"
    "Comandos:\n"
    "  juntar          junta as regras aprendidas:\n"
    "                  regras iguais viram uma só.\n"
    "  verifica ARQ    lista cada regra\n"
    "                  mal formada.\n"
    "\n"
    "Opções:\n"
    "  --pasta PASTA   pasta de trabalho.\n"
    "\n"
    "Saída: 0 sucesso,\n"
    "2 erro de uso.\n";

TEST(PaginaDeManualTeste, SecoesItensEParagrafosDaAjuda) {
    const std::string p = paginaEmPortugues(AJUDA_COM_SECOES, dados());
    EXPECT_EQ(p.rfind(".TH PELMAR-CEREBRO 1 \"2026-12-10\" \"Pelmar 6.2.1\" \"Comandos do usuário\"\n", 0), 0u) << p;
    const char* const esperados[] = {
        ".SH NOME\npelmar\\-cerebro \\- trabalha no cérebro\n",
        ".SH SINOPSE\n.B pelmar\\-cerebro\n[\\-\\-pasta PASTA] COMANDO\n",
        ".SH DESCRIÇÃO\nTrabalha nos arquivos de regras.\n",
        // Continuation lines join their item; a term may hold one space.
        ".SH COMANDOS\n.TP\n.B juntar\njunta as regras aprendidas: regras iguais viram uma só.\n"
        ".TP\n.B verifica ARQ\nlista cada regra mal formada.\n",
        ".SH OPÇÕES\n.TP\n.B \\-\\-pasta PASTA\npasta de trabalho.\n",
        // Text after the sections is not an item of the last one.
        ".SH OBSERVAÇÕES\nSaída: 0 sucesso, 2 erro de uso.\n",
        ".SH VEJA TAMBÉM\n.BR pelmar (6)\n",
    };
    std::size_t depois = 0;
    for (const char* trecho : esperados) {
        const std::size_t achado = p.find(trecho);
        ASSERT_NE(achado, std::string::npos) << "falta:\n" << trecho << "\nem:\n" << p;
        EXPECT_GT(achado, depois) << "fora de ordem:\n" << trecho;
        depois = achado;
    }
}

TEST(PaginaDeManualTeste, ItensSemTituloSaoAsOpcoes) {
    const std::string p = paginaEmPortugues(
        "Uso: pelmar [opções]\n  --demo           a mesa joga também por você\n  --help           esta ajuda\n", dados());
    EXPECT_NE(p.find(".SH OPÇÕES\n.TP\n.B \\-\\-demo\na mesa joga também por você\n.TP\n.B \\-\\-help\n"), std::string::npos)
        << p;
    EXPECT_EQ(p.find("DESCRIÇÃO"), std::string::npos) << p;
}

// A backslash or a leading dot in the help would be read by roff as its own commands.
TEST(PaginaDeManualTeste, TextoQueRoffLeriaComoComando) {
    const std::string p = paginaEmPortugues("Uso: x\n\n.ini em C:\\jogo\n", dados());
    EXPECT_NE(p.find("\n\\&.ini em C:\\ejogo\n"), std::string::npos) << p;
}

TEST(PaginaDeManualTeste, ResumoEmInglesApontaAPaginaEmPortugues) {
    DadosDaPagina d = dados();
    d.resumo = "maintain the brain";
    const std::string p = paginaEmIngles(AJUDA_COM_SECOES, d, "First paragraph\ngoes on.\n\nSecond.\n");
    EXPECT_EQ(p.rfind(".TH PELMAR-CEREBRO 1 \"2026-12-10\" \"Pelmar 6.2.1\" \"User Commands\"\n", 0), 0u) << p;
    EXPECT_NE(p.find(".SH NAME\npelmar\\-cerebro \\- maintain the brain\n"), std::string::npos) << p;
    EXPECT_NE(p.find(".SH SYNOPSIS\n.B pelmar\\-cerebro\n[\\-\\-pasta PASTA] COMANDO\n"), std::string::npos) << p;
    EXPECT_NE(p.find(".SH DESCRIPTION\nFirst paragraph goes on.\n.PP\nSecond.\n.PP\n"), std::string::npos) << p;
    EXPECT_NE(p.find(".B man \\-L pt_BR pelmar\\-cerebro\n"), std::string::npos) << p;
    EXPECT_EQ(p.find("OPÇÕES"), std::string::npos) << p;
}

}  // namespace
}  // namespace pelmar::manual
