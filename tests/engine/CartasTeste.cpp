#include <gtest/gtest.h>

#include <string>

#include "engine/Cartas.h"

namespace pelmar {
namespace {

// The order of the ranks, weakest first, and each rank's code, written out on their own.
constexpr std::string_view ORDEM_DOS_VALORES = "4567QJKA23";
int codigoDoValor(char v) {
    switch (v) {
        case '4': return 1;
        case '5': return 3;
        case '6': return 5;
        case '7': return 9;
        case 'Q': return 48;
        case 'J': return 80;
        case 'K': return 144;
        case 'A': return 768;
        case '2': return 1280;
        default: return 2304;
    }
}
char letraDoValor(int codigo) {
    for (char v : ORDEM_DOS_VALORES)
        if (codigoDoValor(v) == codigo) return v;
    return '?';
}

// The strength every card must have against every vira, from the manilha cycle of each mode.
int forcaEsperada(const Baralho& b, int carta, int vira, ModoBaralho modo) {
    const char v = letraDoValor(b[carta].VALOR);
    if (modo.MODO_TRADICIONAL) {
        const int n = b[carta].NAIPE;
        const bool manilha = (v == '4' && n == naipe::PAUS) || (v == '7' && n == naipe::COPAS) ||
                             (v == 'A' && n == naipe::ESPADA) || (v == '7' && n == naipe::OUROS);
        return codigoDoValor(v) | (manilha ? n : 0);
    }
    const std::string_view ciclo = modo.BARALHO_LIMPO ? "QJKA23" : ORDEM_DOS_VALORES;
    const auto posicaoVira = ciclo.find(letraDoValor(b[vira].VALOR));
    if (posicaoVira == std::string_view::npos) return codigoDoValor(v);  // a 4..7 never turns in the clean deck
    const char manilha = ciclo[(posicaoVira + 1) % ciclo.size()];
    return codigoDoValor(v) | (v == manilha ? b[carta].NAIPE : 0);
}

TEST(Cartas, ForcaDeTodasAsCartasContraTodasAsVirasNosTresModos) {
    const Baralho b;
    const ModoBaralho modos[] = {{false, false}, {false, true}, {true, false}};
    for (ModoBaralho modo : modos)
        for (int vira = 1; vira <= 40; ++vira) {
            if (modo.BARALHO_LIMPO && (b[vira].VALOR & 1)) continue;
            int manilhas = 0;
            for (int c = 1; c <= 40; ++c) {
                const int f = FORCA_CARTA(b, c, vira, modo);
                EXPECT_EQ(f, forcaEsperada(b, c, vira, modo))
                    << b[c].NOME << " vira " << b[vira].NOME << " trad " << modo.MODO_TRADICIONAL;
                manilhas += f >= MENOR_MANILHA;
            }
            EXPECT_EQ(manilhas, 4) << b[vira].NOME;
        }
    EXPECT_EQ(FORCA_CARTA(b, 0, 1, {}), 0);
}

TEST(Cartas, CasosConhecidos) {
    const Baralho b;
    auto indice = [&b](std::string_view nome) {
        for (int i = 1; i <= 40; ++i)
            if (b[i].NOME == nome) return i;
        return 0;
    };
    const int quatroPaus = indice("(4) Quatro de PAUS");
    const int tresCopas = indice("(3) Tres de COPAS");
    const int asEspada = indice("(A) AS de ESPADA");
    ASSERT_EQ(tresCopas, 3);
    ASSERT_EQ(asEspada, 11);
    ASSERT_EQ(quatroPaus, 34);
    const ModoBaralho completo{}, tradicional{true, false};
    EXPECT_EQ(FORCA_CARTA(b, quatroPaus, tresCopas, completo), 32769);
    EXPECT_EQ(FORCA_CARTA(b, indice("(4) Quatro de COPAS"), 1, tradicional), 1);
    EXPECT_EQ(FORCA_CARTA(b, quatroPaus, 1, tradicional), 32769);
    EXPECT_EQ(FORCA_CARTA(b, indice("(A) AS de COPAS"), 1, tradicional), 768);
    EXPECT_EQ(FORCA_CARTA(b, asEspada, 1, tradicional), 8960);
    EXPECT_EQ(FORCA_CARTA(b, indice("(7) Sete de COPAS"), 1, tradicional), 16393);
    EXPECT_EQ(FORCA_CARTA(b, indice("(7) Sete de OUROS"), 1, tradicional), 4105);
}

TEST(Cartas, TextosDasManilhasEDaVira) {
    const Baralho b;
    const int reiPaus = 40;
    ASSERT_EQ(b[reiPaus].NOME, "(K) Rei de PAUS");
    EXPECT_EQ(DICA_VIRA(b, reiPaus, {}), "(K) Rei de PAUS - Manilhas: (Todos os Ases)");
    EXPECT_EQ(DICA_VIRA(b, reiPaus, {true, false}), "(K) Rei de PAUS - Manilhas: ");
    EXPECT_EQ(TEXTO_MANILHAS(valor::DOIS, {}), "(Todos Tres)");
    EXPECT_EQ(TEXTO_MANILHAS(valor::DOIS, {false, true}), "(Todos os Tres)");
    EXPECT_EQ(TEXTO_MANILHAS(valor::TRES, {false, true}), "(Todos as Damas)");
    EXPECT_EQ(TEXTO_MANILHAS(valor::TRES, {}), "(Todos os Quatros)");
    EXPECT_EQ(ROTULO_CARTA(b, 0, 0), "");
    EXPECT_EQ(ROTULO_CARTA(b, 34, 32769), "(%) ZAP       ");
    EXPECT_EQ(ROTULO_CARTA(b, 11, 8960), "(*) ESPADILHA ");
    EXPECT_EQ(ROTULO_CARTA(b, 11, 768), "(A) AS de ESPADA");
}

}  // namespace
}  // namespace pelmar
