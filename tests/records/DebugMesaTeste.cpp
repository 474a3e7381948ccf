#include "records/DebugMesa.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/ArquivoTexto.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

using Linhas = std::vector<std::string>;

TEST(CartaPeloNome, ProcuraSemBrancosESensivelACaixa) {
    const Baralho baralho;
    struct Caso {
        std::string nome;
        int esperado;
    };
    const std::vector<Caso> casos = {
        {"(7) Sete de OUROS", 27},
        {"(A) AS de COPAS", 1},
        {"(K) Rei de PAUS", 40},
        {"  \t(A) AS de ESPADA \t ", 11},
        {"(7) SETE DE OUROS", 1},
        {"(7) Sete  de OUROS", 1},
        {"", 1},
        {"Curinga", 1},
    };
    for (const auto& c : casos) EXPECT_EQ(CARTA_PELO_NOME(baralho, c.nome), c.esperado) << c.nome;
}

TEST(CartaPeloNome, PrimeiraQueCombinaVence) {
    Baralho baralho;
    baralho[33].NOME = " " + baralho[12].NOME + " ";
    EXPECT_EQ(CARTA_PELO_NOME(baralho, baralho[12].NOME), 12);
    baralho[5].NOME = baralho[12].NOME;
    EXPECT_EQ(CARTA_PELO_NOME(baralho, baralho[12].NOME), 5);
}

class DebugEmDisco : public teste::PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        std::filesystem::create_directory(pasta / "TXT");
        trabalho = std::make_unique<PastaTrabalho>(pasta);
        estado.VIRA = 27;
        int carta = 1;
        for (int j = 1; j <= 4; ++j) {
            for (int s = 1; s <= 3; ++s) {
                estado.JOGADORES[j].CARTAS[s].CARTA = carta;
                carta += 3;
            }
        }
        estado.PONTOS_COM = 11;
        estado.PONTOS_JOG = 7;
    }

    void escreveDebug(const Linhas& linhas, std::string_view fimDeLinha = "\r\n") const {
        std::string bytes;
        for (const auto& l : linhas) bytes += l + std::string(fimDeLinha);
        gravaBytes(pasta / "TXT" / "DEBUG.TXT", bytes);
    }

    // The layout of a snapshot, with the given scores after the cards.
    static Linhas arquivoCompleto(const std::string& pontosCom, const std::string& pontosJog) {
        Linhas l = {"DEBUG-PELMAR", "#===================== VIRA", "(3) Tres de PAUS"};
        const Baralho baralho;
        int carta = 2;
        for (int j = 1; j <= 4; ++j) {
            l.push_back("#===================== " + std::to_string(j) + "º JOGADOR");
            for (int s = 1; s <= 3; ++s) {
                l.push_back(baralho[carta].NOME);
                carta += 3;
            }
        }
        l.insert(l.end(), {"#===================== PONTOS COMPUTADOR", pontosCom, "#===================== PONTOS JOGADOR",
                           pontosJog});
        return l;
    }

    Baralho baralho;
    EstadoJogo estado;
    std::unique_ptr<PastaTrabalho> trabalho;
    DebugMesa debug;
};

TEST_F(DebugEmDisco, GravaOFormatoCompleto) {
    ASSERT_EQ(debug.GRAVA_DEBUG(false, *trabalho, baralho, estado), std::nullopt);
    const std::string bytes = leBytes(pasta / "TXT" / "DEBUG.TXT");
    EXPECT_TRUE(bytes.starts_with("DEBUG-PELMAR\r\n#===================== VIRA\r\n(7) Sete de OUROS\r\n"
                                  "#===================== 1\xBA JOGADOR\r\n(A) AS de COPAS\r\n"))
        << bytes;
    EXPECT_TRUE(bytes.ends_with("#===================== PONTOS COMPUTADOR\r\n11\r\n"
                                "#===================== PONTOS JOGADOR\r\n7\r\n"))
        << bytes;
    const auto linhas = leLinhasTexto(pasta / "TXT" / "DEBUG.TXT");
    ASSERT_TRUE(linhas.has_value());
    EXPECT_EQ(linhas->size(), 23u);
    EXPECT_EQ((*linhas)[15], "#===================== 4º JOGADOR");
    EXPECT_EQ((*linhas)[18], baralho[34].NOME);
    EXPECT_EQ(debug.CONTADOR_DEBUG, 0);
}

TEST_F(DebugEmDisco, IdaEVoltaDevolveAMesmaMesa) {
    ASSERT_EQ(debug.GRAVA_DEBUG(false, *trabalho, baralho, estado), std::nullopt);
    EstadoJogo carregado;
    DebugMesa outro;
    const auto resultado = outro.CARREGA_DEBUG(*trabalho, baralho, carregado);
    EXPECT_EQ(resultado.erro, std::nullopt);
    EXPECT_TRUE(resultado.cartasCarregadas);
    EXPECT_TRUE(resultado.nomesDesconhecidos.empty());
    EXPECT_FALSE(outro.DEBUG_DISTRIBUICAO);
    EXPECT_EQ(outro.MESA_DEBUG.vira, 27);
    EXPECT_EQ(outro.MESA_DEBUG.nomeVira, "(7) Sete de OUROS");
    for (int j = 1; j <= 4; ++j) {
        for (int s = 1; s <= 3; ++s) {
            const int carta = estado.JOGADORES[j].CARTAS[s].CARTA;
            EXPECT_EQ(outro.MESA_DEBUG.cartas[j][s], carta) << j << "/" << s;
            EXPECT_EQ(outro.MESA_DEBUG.nomes[j][s], baralho[carta].NOME) << j << "/" << s;
        }
    }
    EXPECT_EQ(carregado.PONTOS_COM, 11);
    EXPECT_EQ(carregado.PONTOS_JOG, 7);
}

TEST_F(DebugEmDisco, InstantaneosRodamDe1A9EDepois0) {
    for (int i = 1; i <= 11; ++i) {
        estado.PONTOS_JOG = i;
        ASSERT_EQ(debug.GRAVA_DEBUG(true, *trabalho, baralho, estado), std::nullopt) << i;
    }
    EXPECT_EQ(debug.CONTADOR_DEBUG, 1);
    EXPECT_FALSE(std::filesystem::exists(pasta / "TXT" / "DEBUG.TXT"));
    EXPECT_FALSE(std::filesystem::exists(pasta / "TXT" / "DEBUG_10.TXT"));
    auto pontosJogDe = [&](int n) {
        const auto linhas = leLinhasTexto(pasta / "TXT" / ("DEBUG_" + std::to_string(n) + ".TXT"));
        return linhas ? linhas->back() : std::string("(ausente)");
    };
    EXPECT_EQ(pontosJogDe(0), "10");
    EXPECT_EQ(pontosJogDe(1), "11");
    EXPECT_EQ(pontosJogDe(2), "2");
    EXPECT_EQ(pontosJogDe(9), "9");
}

TEST_F(DebugEmDisco, SemPastaTxtDaErroSemCriarAPasta) {
    std::filesystem::remove(pasta / "TXT");
    for (bool rotativo : {false, true}) {
        const auto erro = debug.GRAVA_DEBUG(rotativo, *trabalho, baralho, estado);
        ASSERT_TRUE(erro.has_value()) << rotativo;
        EXPECT_NE(erro->find("DEBUG"), std::string::npos) << *erro;
    }
    EXPECT_FALSE(std::filesystem::exists(pasta / "TXT"));
}

TEST_F(DebugEmDisco, PastaENomeEmOutraCaixa) {
    std::filesystem::remove(pasta / "TXT");
    gravaBytes(pasta / "txt" / "debug.txt", "x\r\n-\r\n1\r\n-\r\n2\r\n");
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    EXPECT_EQ(resultado.erro, std::nullopt);
    EXPECT_EQ(estado.PONTOS_COM, 1);
    EXPECT_EQ(estado.PONTOS_JOG, 2);
}

TEST_F(DebugEmDisco, SemCabecalhoSoCarregaOsPontos) {
    escreveDebug({"debug-pelmar", "ignorada", " 4 ", "ignorada", "-2"});
    debug.MESA_DEBUG.vira = 33;
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    EXPECT_EQ(resultado.erro, std::nullopt);
    EXPECT_FALSE(resultado.cartasCarregadas);
    EXPECT_EQ(estado.PONTOS_COM, 4);
    EXPECT_EQ(estado.PONTOS_JOG, 0);  // no hand starts below zero
    EXPECT_EQ(debug.MESA_DEBUG.vira, 33);
}

TEST_F(DebugEmDisco, ArquivoSoComLfCarrega) {
    escreveDebug(arquivoCompleto("3", "9"), "\n");
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    EXPECT_EQ(resultado.erro, std::nullopt);
    EXPECT_TRUE(resultado.cartasCarregadas);
    EXPECT_EQ(debug.MESA_DEBUG.vira, 33);
    EXPECT_EQ(debug.MESA_DEBUG.cartas[1][1], 2);
    EXPECT_EQ(debug.MESA_DEBUG.cartas[4][3], 35);
    EXPECT_EQ(estado.PONTOS_COM, 3);
    EXPECT_EQ(estado.PONTOS_JOG, 9);
}

TEST_F(DebugEmDisco, NomeDesconhecidoViraCarta1EEAvisado) {
    Linhas linhas = arquivoCompleto("0", "0");
    linhas[2] = "  (3) Tres de PAUS  ";
    linhas[8] = "(3) Tres de CURINGA";
    linhas[9] = "(A) AS de COPAS";
    linhas[10] = "";
    escreveDebug(linhas);
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    EXPECT_EQ(resultado.erro, std::nullopt);
    EXPECT_TRUE(resultado.cartasCarregadas);
    EXPECT_EQ(debug.MESA_DEBUG.vira, 33);
    EXPECT_EQ(debug.MESA_DEBUG.nomeVira, "  (3) Tres de PAUS  ");
    EXPECT_EQ(debug.MESA_DEBUG.cartas[2][1], 1);
    EXPECT_EQ(debug.MESA_DEBUG.nomes[2][1], "(3) Tres de CURINGA");
    EXPECT_EQ(debug.MESA_DEBUG.cartas[2][2], 1);
    EXPECT_EQ(debug.MESA_DEBUG.cartas[2][3], 1);
    EXPECT_EQ(resultado.nomesDesconhecidos, (Linhas{"(3) Tres de CURINGA", ""}));
}

struct CasoDeFalha {
    const char* descricao;
    Linhas linhas;
    bool cartasCarregadas;
    int pontosCom;  // what the state holds after the failed load
    int pontosJog;
    int linha;  // the line the message must name
};

bool citaALinha(const std::string& mensagem, int linha) {
    const std::string procurado = "linha " + std::to_string(linha);
    const auto pos = mensagem.find(procurado);
    if (pos == std::string::npos) return false;
    const auto depois = pos + procurado.size();
    return depois == mensagem.size() || mensagem[depois] < '0' || mensagem[depois] > '9';
}

TEST_F(DebugEmDisco, FalhaParaEGuardaOQueJaFoiLido) {
    const Linhas completo = arquivoCompleto("5", "6");
    auto ate = [&](std::size_t n) { return Linhas(completo.begin(), completo.begin() + static_cast<std::ptrdiff_t>(n)); };
    auto trocando = [&](std::size_t i, std::string texto) {
        Linhas l = completo;
        l[i] = std::move(texto);
        return l;
    };
    const std::vector<CasoDeFalha> casos = {
        {"vazio", {}, false, -1, -1, 1},
        {"sem cabecalho, curto", {"x", "y", "8"}, false, 8, -1, 4},
        {"cartas pela metade", ate(9), false, -1, -1, 10},
        {"sem pontos do jogador", ate(22), true, 5, -1, 23},
        {"pontos com letras", trocando(20, "5a"), true, -1, -1, 21},
        {"pontos vazios", trocando(22, "  "), true, 5, -1, 23},
        {"so o sinal", trocando(22, "-"), true, 5, -1, 23},
        {"decimal", trocando(20, "5.0"), true, -1, -1, 21},
        {"grande demais", trocando(20, "99999999999"), true, -1, -1, 21},
        {"dois sinais", trocando(20, "+-5"), true, -1, -1, 21},
        {"espaco no meio", trocando(20, "1 2"), true, -1, -1, 21},
    };
    for (const auto& c : casos) {
        escreveDebug(c.linhas);
        estado.PONTOS_COM = -1;
        estado.PONTOS_JOG = -1;
        DebugMesa mesa;
        const auto resultado = mesa.CARREGA_DEBUG(*trabalho, baralho, estado);
        ASSERT_TRUE(resultado.erro.has_value()) << c.descricao;
        EXPECT_NE(resultado.erro->find("DEBUG.TXT"), std::string::npos) << *resultado.erro;
        EXPECT_TRUE(citaALinha(*resultado.erro, c.linha)) << *resultado.erro;
        EXPECT_EQ(resultado.cartasCarregadas, c.cartasCarregadas) << c.descricao;
        EXPECT_EQ(estado.PONTOS_COM, c.pontosCom) << c.descricao;
        EXPECT_EQ(estado.PONTOS_JOG, c.pontosJog) << c.descricao;
        EXPECT_FALSE(mesa.DEBUG_DISTRIBUICAO) << c.descricao;
    }
}

TEST_F(DebugEmDisco, CartasLidasAntesDeUmaFalhaFicam) {
    Linhas linhas = arquivoCompleto("0", "0");
    linhas.resize(9);
    escreveDebug(linhas);
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    ASSERT_TRUE(resultado.erro.has_value());
    EXPECT_EQ(debug.MESA_DEBUG.vira, 33);
    EXPECT_EQ(debug.MESA_DEBUG.cartas[2][1], 11);
    EXPECT_EQ(debug.MESA_DEBUG.cartas[2][2], 0);
}

// Any decimal integer reads; a score no hand can start from (12 ends the match first) is held
// to 0..11 and noted, so a later hand never adds to a score past the end of the match.
TEST_F(DebugEmDisco, NumerosAceitosNosPontos) {
    struct Caso {
        std::string texto;
        int valor;
        bool nota;
    };
    const std::vector<Caso> casos = {{"0", 0, false},
                                     {"11", 11, false},
                                     {" \t7\t ", 7, false},
                                     {"+3", 3, false},
                                     {"007", 7, false},
                                     {"12", 11, true},
                                     {"-4", 0, true},
                                     {"-1", 0, true},
                                     {"2147483647", 11, true},
                                     {"-2147483648", 0, true}};
    for (const auto& c : casos) {
        for (const bool computador : {true, false}) {
            const std::string nome = computador ? "PONTOS_COM" : "PONTOS_JOG";
            escreveDebug({"x", "x", computador ? c.texto : "1", "x", computador ? "1" : c.texto});
            const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
            EXPECT_EQ(resultado.erro, std::nullopt) << c.texto;
            EXPECT_EQ(computador ? estado.PONTOS_COM : estado.PONTOS_JOG, c.valor) << nome << " " << c.texto;
            EXPECT_EQ(computador ? estado.PONTOS_JOG : estado.PONTOS_COM, 1) << nome << " " << c.texto;
            if (!c.nota) {
                EXPECT_TRUE(resultado.notas.empty()) << nome << " " << c.texto;
                continue;
            }
            ASSERT_EQ(resultado.notas.size(), 1u) << nome << " " << c.texto;
            const std::string& nota = resultado.notas[0];
            EXPECT_NE(nota.find("DEBUG.TXT"), std::string::npos) << nota;
            EXPECT_TRUE(citaALinha(nota, computador ? 3 : 5)) << nota;
            EXPECT_NE(nota.find(nome), std::string::npos) << nota;
            EXPECT_NE(nota.find("usado " + std::to_string(c.valor)), std::string::npos) << nota;
        }
    }
}

TEST_F(DebugEmDisco, ArquivoAusenteDaErroENadaMuda) {
    estado.PONTOS_COM = 4;
    const auto resultado = debug.CARREGA_DEBUG(*trabalho, baralho, estado);
    ASSERT_TRUE(resultado.erro.has_value());
    EXPECT_NE(resultado.erro->find("DEBUG.TXT"), std::string::npos) << *resultado.erro;
    EXPECT_FALSE(resultado.cartasCarregadas);
    EXPECT_EQ(estado.PONTOS_COM, 4);
}

}  // namespace
}  // namespace pelmar
