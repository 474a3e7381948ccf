#include <gtest/gtest.h>

#include "brain/Codigos.h"
#include "brain/FormatoRegra.h"

namespace pelmar::teste {
namespace {

constexpr const char* EXEMPLO = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";

Regra lida(std::string_view linha) {
    const LinhaRegra l = analisaLinhaRegra(linha);
    EXPECT_EQ(l.tipo, LinhaRegra::Tipo::Regra) << linha << " " << l.motivo;
    return l.regra;
}

TEST(FormatoRegra, EspacosEMinusculasNaoMudamARegraEOTextoVoltaNoFormatoExato) {
    const Regra esperada = lida(EXEMPLO);
    EXPECT_EQ(esperada[NR_RODADA], 1);
    EXPECT_EQ(esperada.letra(CARTA_J1), 'Z');
    EXPECT_EQ(esperada[ACAO], 1);
    EXPECT_EQ(esperada.QTE, 1);
    for (const char* variante : {
             "=,1,1,1,S,?,?,?,?,?,?,3,M,P,Z,A,P,1,-,-,1",
             "=,  1,1,  1,s, ?,?, ?,?, ?,?,  3,m,p,  z,a,p,  1,-,-,   1",
             "  =,     1,    1,   1,    S,  ?,  ?,?,?,?,?,3,M,P,Z,A,P,1,-,-,     1   \t",
             "= 1 1 1 S ? ? ? ? ? ? 3 M P Z A P 1 - - 1",
             "=,  1,1,  1,SEM, ?,?, ?,?, ?,?,  3,MEDIA,P,  ZAP,A,P,  1,-,-,   1",
         }) {
        const Regra r = lida(variante);
        EXPECT_EQ(r, esperada) << variante;
        EXPECT_EQ(TEXTO_REGRA(r), EXEMPLO) << variante;
    }
}

TEST(FormatoRegra, ComentariosELinhasQueNaoComecamComUmIgualSozinho) {
    for (const char* linha : {"#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009", "==,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1",
                              "qualquer texto", "1,1,1"})
        EXPECT_EQ(analisaLinhaRegra(linha).tipo, LinhaRegra::Tipo::Comentario) << linha;
    EXPECT_EQ(analisaLinhaRegra("  \t\r").tipo, LinhaRegra::Tipo::Vazia);
}

TEST(FormatoRegra, LinhasMalFormadasNuncaViramRegra) {
    const struct {
        const char* linha;
        const char* motivo;
    } casos[] = {
        {"=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-", "faltam campos"},
        {"=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,,   1", "campo 19 vazio"},
        {"=,  1,256,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1", "campo 2"},
        {"=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  -1,-,-,   1", "campo 17"},
        {"=,  X,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1", "campo 1"},
        {"=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   9999999999", "peso"},
        {"=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1.5", "peso"},
    };
    for (const auto& c : casos) {
        const LinhaRegra l = analisaLinhaRegra(c.linha);
        EXPECT_EQ(l.tipo, LinhaRegra::Tipo::Malformada) << c.linha;
        EXPECT_NE(l.motivo.find(c.motivo), std::string::npos) << l.motivo;
    }
}

TEST(FormatoRegra, PesoNegativoDeArquivoEditadoVoltaComoOMesmoNumero) {
    const Regra r = lida("=,  2,3,  1,*, B,3, ?,?, ?,?,  ?,?,?,  Z,A,?,  1,-,T,   -42");
    EXPECT_EQ(r.QTE, -42);
    EXPECT_EQ(TEXTO_REGRA(r), "=,  2,3,  1,*, B,3, ?,?, ?,?,  ?,?,?,  Z,A,?,  1,-,T,   -42");
    EXPECT_EQ(lida(TEXTO_REGRA(r)), r);
}

TEST(CodigosRegra, ClasseDaCartaResultadoETruco) {
    EXPECT_EQ(CLASSE_CARTA(0), '?');
    EXPECT_EQ(CLASSE_CARTA(0x8000 | 0x0004), 'Z');
    EXPECT_EQ(CLASSE_CARTA(0x1000), 'O');
    EXPECT_EQ(CLASSE_CARTA(0x0900), '3');
    EXPECT_EQ(CLASSE_CARTA(0x0500), '2');
    EXPECT_EQ(CLASSE_CARTA(0x0300), 'A');
    EXPECT_EQ(CLASSE_CARTA(0x0010), 'M');
    EXPECT_EQ(CLASSE_CARTA(0x0001), 'P');
    EXPECT_EQ(CLASSE_CARTA(0x0100), '?');

    EXPECT_EQ(LETRA_RESULTADO(1, 0), '?');
    EXPECT_EQ(LETRA_RESULTADO(4, -1), 'E');
    EXPECT_EQ(LETRA_RESULTADO(1, 3), 'B');
    EXPECT_EQ(LETRA_RESULTADO(3, 2), 'M');
    EXPECT_EQ(LETRA_RESULTADO(2, 4), 'B');

    EXPECT_EQ(LETRA_TRUCO(1, 0), 'S');
    for (int codigo : {1, 4, 5, 8, 9, 12, 13, 16}) {
        EXPECT_EQ(LETRA_TRUCO(3, codigo), 'B') << codigo;
        EXPECT_EQ(LETRA_TRUCO(2, codigo), 'M') << codigo;
    }
    for (int codigo : {2, 3, 6, 7, 10, 11, 14, 15}) {
        EXPECT_EQ(LETRA_TRUCO(4, codigo), 'B') << codigo;
        EXPECT_EQ(LETRA_TRUCO(1, codigo), 'M') << codigo;
    }
    for (int codigo : {17, 20}) EXPECT_EQ(LETRA_TRUCO(1, codigo), 'M');
    EXPECT_EQ(LETRA_TRUCO(1, 0x0300), 'S');  // only the low byte counts
}

}  // namespace
}  // namespace pelmar::teste
