#include "records/ValidacaoRecorde.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace pelmar {
namespace {

Estatisticas comResultados(int recorde) {
    Estatisticas e;
    e.BOIS_PRO = 3;
    e.BOIS_CONTRA = 1;
    e.VITORIAS = 17;
    e.DERROTAS = 12;
    e.RECORDE = recorde;
    return e;
}

constexpr DataHora OITO_DE_AGOSTO{8, 8, 2009, 14, 30, 0};

TEST(ValidaRecorde, ExemploPublicadoEOutrosValores) {
    struct Caso {
        std::int32_t valor;
        const char* preenchido;  // the value in decimal, padded to nine
        const char* bytesECodigo;
    };
    // Codes worked out by hand from the definition, independently of the code under test.
    const std::vector<Caso> casos = {
        {5001, "5001.....", "137.19.0.0; 193793"},
        {123456789, "123456789", "21.205.91.7; 237583"},
        {0, "0........", "0.0.0.0; 196096"},
        {-1, "-1.......", "255.255.255.255; 258817"},
        {INT_MAX, "2147483647", "255.255.255.127; 258313"},
    };
    for (const Caso& c : casos) {
        const std::string esperado = std::string("PRECORDE; X") + "; " + c.preenchido + "; 6.2.01; 08.08.09; " +
                                     c.bytesECodigo + "; 3; 1; 17; 12";
        EXPECT_EQ(VALIDA_RECORDE("PRECORDE; X", c.valor, comResultados(0), OITO_DE_AGOSTO), esperado);
    }
}

TEST(ValidaRecorde, DataComDoisDigitosDeCada) {
    const std::string texto = VALIDA_RECORDE("T", 5001, Estatisticas{}, DataHora{1, 12, 2000, 0, 0, 0});
    EXPECT_NE(texto.find("; 01.12.00; "), std::string::npos) << texto;
}

TEST(ValidaRecorde, RecordeInicialNaoEValidadoForaDoModoDebug) {
    DadosDoRecorde dados{"josé", "30", "são paulo", "sp"};
    EXPECT_EQ(validaRecordeParaEnvio(dados, Estatisticas{}, false, OITO_DE_AGOSTO), "Recorde está abaixo do limite");
    EXPECT_EQ(dados.nome, "josé") << "a refused record leaves the fields as typed";

    const std::string emDebug = validaRecordeParaEnvio(dados, Estatisticas{}, true, OITO_DE_AGOSTO);
    EXPECT_TRUE(emDebug.starts_with("PRECORDE; JOSÉ; 30; SÃO PAULO; SP; 5000.....; ")) << emDebug;
}

TEST(ValidaRecorde, RecordeAcimaDoInicialGeraOTextoEmMaiusculas) {
    DadosDoRecorde dados{"Ana Júlia ç", "Vinte e 2", "Florianópolis", "sc"};
    const std::string texto = validaRecordeParaEnvio(dados, comResultados(5001), false, OITO_DE_AGOSTO);
    EXPECT_EQ(texto, "PRECORDE; ANA JÚLIA Ç; VINTE E 2; FLORIANÓPOLIS; SC; 5001.....; 6.2.01; 08.08.09; 137.19.0.0; "
                     "193793; 3; 1; 17; 12");
    EXPECT_EQ(dados.nome, "ANA JÚLIA Ç");
    EXPECT_EQ(dados.uf, "SC");
}

}  // namespace
}  // namespace pelmar
