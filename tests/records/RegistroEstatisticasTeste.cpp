#include "records/RegistroEstatisticas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

constexpr const char* ARQUIVO = "ESTATISTICAS_6.2.1.PLM";

std::int32_t inteiroEm(const std::string& bytes, std::size_t pos) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
    return static_cast<std::int32_t>(v);
}

// 26 integers, each distinct: 100 + its offset, negated for the reserved ones.
std::string registroNumerado() {
    std::string r(104, '\0');
    for (std::size_t pos = 0; pos < 104; pos += 4) {
        const int n = static_cast<int>(pos);
        const auto v = static_cast<std::uint32_t>(pos < 56 ? 100 + n : -100 - n);
        for (std::size_t i = 0; i < 4; ++i) r[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return r;
}

class RegistroEstatisticas : public teste::PastaTemporaria {
protected:
    std::filesystem::path arquivo() const { return pasta / ARQUIVO; }
    std::vector<std::string> carrega(Estatisticas& e) const { return CARREGA_ESTATISTICAS(e, PastaTrabalho(pasta)); }
};

TEST_F(RegistroEstatisticas, PrimeiraPartidaCriaOArquivoZeradoComRecordeDe5000) {
    Estatisticas e;
    e.PARTIDAS = 4;
    EXPECT_TRUE(carrega(e).empty());
    const std::string b = leBytes(arquivo());
    ASSERT_EQ(b.size(), 104u);
    for (std::size_t pos = 0; pos < 104; ++pos)
        EXPECT_EQ(b[pos], pos == 44 ? '\x88' : pos == 45 ? '\x13' : '\0') << pos;  // 5000 = 0x1388
    EXPECT_EQ(e.PARTIDAS, 0);
    EXPECT_EQ(e.RECORDE, 5000);
}

TEST_F(RegistroEstatisticas, CadaInteiroNaSuaPosicaoIdaEVolta) {
    const std::string original = registroNumerado();
    gravaBytes(arquivo(), original);
    Estatisticas e;
    EXPECT_TRUE(carrega(e).empty());
    const std::vector<std::pair<const char*, int>> campos = {
        {"PARTIDAS", e.PARTIDAS},           {"BOIS_PRO", e.BOIS_PRO},       {"BOIS_CONTRA", e.BOIS_CONTRA},
        {"VITORIAS", e.VITORIAS},           {"DERROTAS", e.DERROTAS},       {"RODADAS", e.RODADAS},
        {"RODADAS_PRO", e.RODADAS_PRO},     {"RODADAS_CONTRA", e.RODADAS_CONTRA},
        {"PONTOS_PRO", e.PONTOS_PRO},       {"PONTOS_CONTRA", e.PONTOS_CONTRA},
        {"PONTUACAO_TOTAL", e.PONTUACAO_TOTAL}, {"RECORDE", e.RECORDE},
        {"PONTUACAO_PARCIAL", e.PONTUACAO_PARCIAL}, {"CARTAS_JOGADAS", e.CARTAS_JOGADAS}};
    for (std::size_t i = 0; i < campos.size(); ++i)
        EXPECT_EQ(campos[i].second, 100 + static_cast<int>(4 * i)) << campos[i].first;
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(e.reservados[i], -156 - 4 * static_cast<int>(i));

    ASSERT_FALSE(SALVA_ESTATISTICAS(e, PastaTrabalho(pasta)));
    EXPECT_EQ(leBytes(arquivo()), original);
}

TEST_F(RegistroEstatisticas, PontuacaoParcialForaDoQueOJogoAlcancaRecomecaDoZero) {
    struct Caso {
        int parcial, cartas;
        int parcialLida, cartasLidas;
        bool nota;
    };
    const std::vector<Caso> casos = {
        {-1, 500, 0, 0, false},  // left negative by the last run: started again, as always
        {250, 999, 250, 999, false},
        {250, 0, 250, 0, false},
        {1000000, 10, 1000000, 10, false},
        {250, 1000, 0, 0, true},
        {250, -1, 0, 0, true},
        {1000001, 10, 0, 0, true},
    };
    for (const Caso& c : casos) {
        Estatisticas gravada;
        gravada.PONTUACAO_PARCIAL = c.parcial;
        gravada.CARTAS_JOGADAS = c.cartas;
        gravada.PARTIDAS = 33;
        ASSERT_FALSE(SALVA_ESTATISTICAS(gravada, PastaTrabalho(pasta)));
        Estatisticas e;
        const std::vector<std::string> notas = carrega(e);
        EXPECT_EQ(e.PONTUACAO_PARCIAL, c.parcialLida) << c.parcial << "/" << c.cartas;
        EXPECT_EQ(e.CARTAS_JOGADAS, c.cartasLidas) << c.parcial << "/" << c.cartas;
        EXPECT_EQ(e.PARTIDAS, 33);
        EXPECT_EQ(notas.size(), c.nota ? 1u : 0u) << c.parcial << "/" << c.cartas;
    }
}

// A counter no play reaches goes back to its reset value with a note; the others are untouched.
TEST_F(RegistroEstatisticas, ContadoresForaDaFaixaVoltamAoValorInicialENotados) {
    const std::vector<std::pair<std::size_t, const char*>> contadores = {
        {0, "PARTIDAS"},     {4, "BOIS_PRO"},        {8, "BOIS_CONTRA"},  {12, "VITORIAS"},     {16, "DERROTAS"},
        {24, "RODADAS_PRO"}, {28, "RODADAS_CONTRA"}, {32, "PONTOS_PRO"},  {36, "PONTOS_CONTRA"}};
    struct Caso {
        std::int32_t gravado, lido;
        bool nota;
    };
    const std::vector<Caso> casos = {{INT32_MAX, 0, true},         {INT32_MIN, 0, true}, {-1, 0, true},
                                     {1000000001, 0, true},        {0, 0, false},        {1000000000, 1000000000, false},
                                     {123456, 123456, false}};
    for (const auto& [pos, nome] : contadores) {
        for (const Caso& c : casos) {
            std::string bytes = registroNumerado();
            const auto v = static_cast<std::uint32_t>(c.gravado);
            for (std::size_t i = 0; i < 4; ++i) bytes[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
            gravaBytes(arquivo(), bytes);
            Estatisticas e;
            const std::vector<std::string> notas = carrega(e);
            const std::vector<std::uint8_t> registro = bytesDasEstatisticas(e);
            const std::string bytesLidos(registro.begin(), registro.end());
            EXPECT_EQ(inteiroEm(bytesLidos, pos), c.lido) << nome << " = " << c.gravado;
            for (std::size_t outro = 0; outro < 104; outro += 4) {
                if (outro == pos) continue;
                EXPECT_EQ(inteiroEm(bytesLidos, outro), inteiroEm(bytes, outro)) << nome << " " << outro;
            }
            if (!c.nota) {
                EXPECT_TRUE(notas.empty()) << nome << " = " << c.gravado;
                continue;
            }
            ASSERT_EQ(notas.size(), 1u) << nome << " = " << c.gravado;
            for (const std::string& trecho : {std::string(ARQUIVO), std::string(nome), std::to_string(c.gravado)})
                EXPECT_NE(notas[0].find(trecho), std::string::npos) << notas[0];
        }
    }
}

// Totals the game only shows, and the record, cannot overflow anything: they read as stored.
TEST_F(RegistroEstatisticas, TotaisERecordeSaoLidosComoGravados) {
    for (const std::int32_t extremo : {INT32_MAX, INT32_MIN}) {
        Estatisticas gravada;
        gravada.RODADAS = extremo;
        gravada.PONTUACAO_TOTAL = extremo;
        gravada.RECORDE = extremo;
        ASSERT_FALSE(SALVA_ESTATISTICAS(gravada, PastaTrabalho(pasta)));
        Estatisticas e;
        EXPECT_TRUE(carrega(e).empty()) << extremo;
        EXPECT_EQ(e.RODADAS, extremo);
        EXPECT_EQ(e.PONTUACAO_TOTAL, extremo);
        EXPECT_EQ(e.RECORDE, extremo);
    }
}

TEST_F(RegistroEstatisticas, ArquivoCurtoLeOsInteirosCompletos) {
    const std::string cheio = registroNumerado();
    struct Caso {
        std::size_t tamanho;
        int bois, recorde, reservadoUltimo;
    };
    const std::vector<Caso> casos = {
        {0, 0, 5000, 0},
        {7, 0, 5000, 0},          // BOIS_PRO at 4 is cut
        {8, 104, 5000, 0},
        {47, 104, 5000, 0},       // RECORDE at 44 is cut
        {48, 104, 144, 0},
        {103, 104, 144, 0},
    };
    for (const Caso& c : casos) {
        gravaBytes(arquivo(), cheio.substr(0, c.tamanho));
        Estatisticas e;
        const std::vector<std::string> notas = carrega(e);
        EXPECT_EQ(e.BOIS_PRO, c.bois) << c.tamanho;
        EXPECT_EQ(e.RECORDE, c.recorde) << c.tamanho;
        EXPECT_EQ(e.reservados[11], c.reservadoUltimo) << c.tamanho;
        ASSERT_FALSE(notas.empty()) << c.tamanho;
        EXPECT_NE(notas[0].find(std::to_string(c.tamanho) + " bytes"), std::string::npos) << notas[0];
        EXPECT_EQ(leBytes(arquivo()), cheio.substr(0, c.tamanho)) << "a load must not rewrite the file";
    }
}

TEST_F(RegistroEstatisticas, ZerarGuardaOsReservados) {
    const std::string original = registroNumerado();
    gravaBytes(arquivo(), original);
    Estatisticas e;
    carrega(e);
    zeraEstatisticas(e);
    ASSERT_FALSE(SALVA_ESTATISTICAS(e, PastaTrabalho(pasta)));
    const std::string b = leBytes(arquivo());
    for (std::size_t pos = 0; pos < 56; pos += 4) EXPECT_EQ(inteiroEm(b, pos), pos == 44 ? 5000 : 0) << pos;
    EXPECT_EQ(b.substr(56), original.substr(56));
}

TEST_F(RegistroEstatisticas, PastaInexistenteDaOsValoresIniciaisEUmaMensagem) {
    const PastaTrabalho ausente(pasta / "nao-existe");
    Estatisticas e;
    e.VITORIAS = 9;
    const std::vector<std::string> notas = CARREGA_ESTATISTICAS(e, ausente);
    EXPECT_EQ(e.VITORIAS, 0);
    EXPECT_EQ(e.RECORDE, 5000);
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_NE(notas[0].find("não existe"), std::string::npos) << notas[0];
}

}  // namespace
}  // namespace pelmar
