#include <gtest/gtest.h>

#include <random>

#include "brain/CerebroDeTeste.h"
#include "brain/Codigos.h"
#include "brain/TabelaAleatoria.h"
#include "engine/OrdenaMao.h"
#include "suporte/ReferenciaLiteral.h"

namespace pelmar::teste {
namespace {

// Strengths of one card of each class, as the deck ranks them.
constexpr int ZAP = 0x8000 | 4, TRES = 0x0900, AS = 0x0300, FIGURA = 0x0010, PEQUENA = 0x0001;

struct EscolhaFixa : EscolhaCalculada {
    int slot = 3;
    bool trucar = true, encobrir = true;
    int chamadas = 0;
    void ANALISA_CARTA(int, int& s, bool& t, bool& e) override {
        ++chamadas;
        s = slot;
        t = trucar;
        e = encobrir;
    }
};

class ConsultaCerebroTeste : public CerebroDeTeste {
protected:
    void SetUp() override {
        CerebroDeTeste::SetUp();
        ia().consulta.usaEscolhaCalculada(&escolha);
        // Seat 2 leads the first trick; seat 2's partner is 4.
        EstadoJogo& e = jogo->estado;
        e.RODADA = 1;
        for (int p = 1; p <= 4; ++p) {
            e.JOGADORES[p].ORDEM = (p + 2) % 4 + 1;
            e.JOGADORES[p].PARCEIRO = (p + 1) % 4 + 1;
        }
        mao(2, {PEQUENA, ZAP, AS});
        mao(4, {TRES, FIGURA, PEQUENA});
    }
    void mao(int jogador, std::initializer_list<int> forcas) {
        RegistroJogador& r = jogo->estado.JOGADORES[jogador];
        int s = 1;
        for (int f : forcas) r.CARTAS[s++].FORCA = f;
        ORDENA_MAO(r);
    }
    bool consulta(int jogador = 2) {
        slot = -1;
        regraAchada = -1;
        return ia().consulta.CONSULTA_CEREBRO(jogador, slot, trucar, regraAchada, encobrir);
    }
    EscolhaFixa escolha;
    int slot = -1, regraAchada = -1;
    bool trucar = true, encobrir = true;
};

// Seat 2 of the order 1 in trick 1, partner 3,M,P, own Z,A,P.
const char* const EXATA = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  2,-,-,   5";
const char* const CORINGA = "=,  1,1,  1,*, *,*, *,*, *,*,  *,*,*,  *,*,*,  1,E,T,   1";
const char* const RESULTADO_BOM = "=,  1,1,  1,S, B,*, *,*, *,*,  *,*,*,  *,*,*,  1,-,-,   900";

TEST_F(ConsultaCerebroTeste, SemUsarRegrasNadaServe) {
    poeNaTabela({regra(CORINGA)});
    jogo->prefs.CEREBRO_USA_REGRAS = false;
    EXPECT_FALSE(consulta());
    EXPECT_FALSE(trucar);
    EXPECT_FALSE(encobrir);
    EXPECT_EQ(ia().consulta.REGRA_USADA, 0);
    EXPECT_EQ(regraAchada, 0);
}

TEST_F(ConsultaCerebroTeste, APrimeiraQueServeNaOrdemDaTabelaVenceMesmoMaisLeve) {
    poeNaTabela({regra(RESULTADO_BOM), comPeso(EXATA, 0), regra(CORINGA)});
    ASSERT_TRUE(consulta());
    EXPECT_EQ(regraAchada, 2);  // "B" in R1 cannot fit a trick not begun; weight 0 still fits
    EXPECT_EQ(ia().consulta.REGRA_USADA, 4);
    EXPECT_EQ(ia().consulta.PESO_REGRA_USADA, 0);
    EXPECT_EQ(slot, 3);  // ACAO 2: the ace, second strongest, is in slot 3
    EXPECT_FALSE(trucar);
    EXPECT_FALSE(encobrir);
    EXPECT_EQ(escolha.chamadas, 0);

    poeNaTabela({regra(CORINGA), regra(EXATA)});
    ASSERT_TRUE(consulta());
    EXPECT_EQ(regraAchada, 1);
    EXPECT_EQ(slot, 2);
    EXPECT_TRUE(trucar);
    EXPECT_TRUE(encobrir);
    EXPECT_TRUE(logContem("REGRA ENCOBRIR IA ACHADA 3/1"));
    EXPECT_TRUE(logContem("REGRA TRUCAR IA ACHADA 3/1 IA:1"));
    EXPECT_TRUE(logContem("J2: ROD-1 POS-1 (1)** (2)** (3)** P[*.*.*] CARTAS-[*.*.*] JOGAR:1ª E:E T:T R3/1"));
    EXPECT_TRUE(logContem("IA - C:2 3/1"));
}

TEST_F(ConsultaCerebroTeste, SemCartaPropriaAEscolhaCalculadaDecideEAsMarcasDaRegraValem) {
    const struct {
        const char* fim;  // ACAO, ENCOBRIR, TRUCAR
        int slot;
        bool trucar, encobrir;
    } casos[] = {
        {"0,E,-", 3, false, true},  // the rule's marks override the calculated wishes
        {"0,?,?", 3, true, true},   // other letters let them stand
        {"7,-,-", 3, false, false}, // an action outside 1..3 is no card of its own
    };
    for (const auto& c : casos) {
        poeNaTabela({regra(std::string("=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  ") + c.fim + ",   3")});
        ASSERT_TRUE(consulta()) << c.fim;
        EXPECT_EQ(slot, c.slot) << c.fim;
        EXPECT_EQ(trucar, c.trucar) << c.fim;
        EXPECT_EQ(encobrir, c.encobrir) << c.fim;
    }
    EXPECT_EQ(escolha.chamadas, 3);
    EXPECT_TRUE(logContem("SEM IA 3"));

    // A card the seat no longer holds: the calculated choice too.
    jogo->estado.JOGADORES[2].CARTAS[3].FORCA = 0;
    ORDENA_MAO(jogo->estado.JOGADORES[2]);
    poeNaTabela({regra("=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,P,?,  3,-,-,   3")});
    ASSERT_TRUE(consulta());
    EXPECT_EQ(escolha.chamadas, 4);
}

TEST_F(ConsultaCerebroTeste, RegraDePeso300EEspecial) {
    poeNaTabela({regra("=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   299")});
    consulta();
    EXPECT_FALSE(logContem("IA ESPECIAL"));
    poeNaTabela({regra("=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   300")});
    consulta();
    EXPECT_TRUE(logContem("IA ESPECIAL - C:2 3/300"));
}

TEST_F(ConsultaCerebroTeste, ChaveDaRodadaEmAndamentoTemResultadoECartaLider) {
    EstadoJogo& e = jogo->estado;
    e.RODADA = 2;
    e.DADOS_RODADAS[1] = {};
    e.DADOS_RODADAS[1].GANHADOR = 4;
    e.DADOS_RODADAS[1].MAIOR_VALOR = TRES;
    e.DADOS_RODADAS[2].GANHADOR = -1;
    e.DADOS_RODADAS[2].MAIOR_VALOR = FIGURA;
    const ChaveSituacao chave = ia().consulta.chaveDe(2);
    const std::string padrao(chave.padrao.begin(), chave.padrao.end());
    EXPECT_EQ(padrao, "B3EM??3MPZAP");
}

// Rebuilding the index after each change must give the plain scan's winner every time.
TEST_F(ConsultaCerebroTeste, IndiceDaSempreOMesmoVencedorQueAVarreduraNaOrdem) {
    std::mt19937 g(21);
    for (int rodada = 0; rodada < 200; ++rodada) {
        const auto tabela = tabelaAleatoria(g, static_cast<int>(g() % 300));
        cerebro().defineQuantidade(0);
        for (const Regra& r : tabela) cerebro().acrescenta(r);
        for (int mudanca = 0; mudanca < 4; ++mudanca) {
            for (int k = 0; k < 50; ++k) {
                ChaveSituacao chave;
                chave.rodada = static_cast<std::uint8_t>(1 + g() % 3);
                chave.posicao = static_cast<std::uint8_t>(1 + g() % 2);
                for (auto& letra : chave.padrao) letra = static_cast<std::uint8_t>("??Z3BM"[g() % 6]);
                ASSERT_EQ(cerebro().primeiraQueServe(chave),
                          referencia::primeiraQueServe(cerebro().todas(), cerebro().QTE_REGRAS(), chave));
            }
            const int n = cerebro().QTE_REGRAS();
            if (n == 0) break;
            switch (mudanca) {
                case 0: cerebro().altera(1 + static_cast<int>(g() % static_cast<unsigned>(n)))[R1] = '*'; break;
                case 1: cerebro().defineQuantidade(n / 2); break;
                default: cerebro().acrescenta(tabela.front()); break;
            }
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
