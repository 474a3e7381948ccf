#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/MesaDeTeste.h"
#include "suporte/PastaTemporaria.h"
#include "suporte/PlataformaRoteirizada.h"

namespace pelmar::teste {
namespace {

constexpr int NUNCA = -1000;  // a chance that never comes true, even with 100 added

// A table whose hands, vira and signal chances are set by hand, ticked by hand.
class SinaisTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
        jogo->historico.NIVEL_HISTORICO = 3;
        for (int p = 1; p <= 4; ++p) chances(p, {NUNCA, NUNCA, NUNCA}, NUNCA, NUNCA);
        jogo->sinais.ativa();
    }
    void TearDown() override {
        jogo.reset();
        PastaTemporaria::TearDown();
    }

    void chances(int jogador, std::array<int, 3> porRodada, int falso, int gesto) {
        LinhaPersonalidade& linha = jogo->personalidades.PERSONALIDADE_JOGADOR[jogador];
        for (int r = 1; r <= 3; ++r) linha.CHANCE_SINAL[r] = porRodada[static_cast<std::size_t>(r - 1)];
        linha.CHANCE_SINAL_FALSO = falso;
        linha.CHANCE_GESTO = gesto;
    }
    void vira(std::string_view codigo) { jogo->estado.VIRA = carta(codigo); }
    // Cards in "3P" form; a leading '-' marks one already played.
    void mao(int jogador, std::initializer_list<std::string_view> cartas) {
        int s = 1;
        for (std::string_view c : cartas) {
            SlotCarta& slot = jogo->estado.JOGADORES[jogador].CARTAS[s++];
            slot.JOGADA = c.front() == '-';
            if (slot.JOGADA) c.remove_prefix(1);
            slot.CARTA = carta(c);
            slot.FORCA = slot.JOGADA ? 0 : jogo->forca(slot.CARTA);
        }
    }
    // One tick of the signal timer testing signal kind `tipo`.
    void tique(int tipo) {
        jogo->sinais.TIPO_SINAL = (tipo + 7) % 8;
        jogo->sinais.PASSA_SINAIS();
        ASSERT_EQ(jogo->sinais.TIPO_SINAL, tipo);
    }
    int rosto(int jogador) const { return jogo->mesa["IMG_JOGADOR_" + std::to_string(jogador)].carta; }
    std::vector<int> rostos() const { return {rosto(1), rosto(2), rosto(3), rosto(4)}; }
    int linhasComTrecho(std::string_view trecho) const {
        int n = 0;
        for (const std::string& l : jogo->historico.linhas()) n += l.find(trecho) != std::string::npos;
        return n;
    }

    PlataformaRoteirizada plataforma{11};
    TelaHeadless tela;
    std::unique_ptr<Jogo> jogo;
};

TEST_F(SinaisTeste, ZapNaMaoDoParceiroSoApareceNoTiqueDoPausEDuraUmTique) {
    vira("3C");  // Fours are the manilhas: the Four of PAUS is the ZAP
    mao(3, {"4P", "5C", "6E"});
    ASSERT_TRUE(jogo->estado.JOGADORES[3].CARTAS[1].FORCA & naipe::PAUS);
    chances(3, {1, 1, 1}, NUNCA, NUNCA);
    jogo->sinais.TIPO_SINAL = 0;
    for (int i = 0; i < 24; ++i) {
        jogo->sinais.PASSA_SINAIS();
        const int tipo = jogo->sinais.TIPO_SINAL;
        SCOPED_TRACE("TIPO_SINAL " + std::to_string(tipo));
        EXPECT_EQ(rosto(3), tipo == 5 ? sinal::PAUS : sinal::NORMAL);
        EXPECT_EQ(jogo->sinais.SINAL_MOSTRADO[3], rosto(3));
        EXPECT_EQ(rosto(1), sinal::NORMAL);
    }
    EXPECT_EQ(linhasComTrecho("JOG_3 PASSA SINAL:8"), 3);
}

TEST_F(SinaisTeste, SinalVerdadeiroSoDeCartaNaoJogadaENadaSoComCartasBaixas) {
    struct Caso {
        const char* nome;
        const char* vira;
        std::initializer_list<std::string_view> mao;
        std::array<int, 8> porTipo;  // the face shown at TIPO_SINAL 0..7
    };
    using namespace sinal;
    const Caso casos[] = {
        {"Dois e Três comuns", "KC", {"2C", "3E", "7O"}, {DOIS, TRES, 0, 0, 0, 0, 0, 0}},
        {"Dois é manilha com vira Ás", "AE", {"2C", "5E", "6O"}, {0, 0, 0, 0, COPAS, 0, 0, 0}},
        {"Três é manilha com vira Dois", "2E", {"3O", "3P", "5C"}, {0, 0, OUROS, 0, 0, PAUS, 0, 0}},
        {"Espadilha", "3C", {"4E", "5C", "6C"}, {0, 0, 0, ESPADA, 0, 0, 0, 0}},
        {"só cartas baixas", "KC", {"4C", "5E", "7O"}, {0, 0, 0, 0, 0, 0, NADA, 0}},
        {"uma Dama não é carta baixa", "KC", {"QC", "4E", "5O"}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"um Sete é carta baixa", "KC", {"7C", "7E", "6O"}, {0, 0, 0, 0, 0, 0, NADA, 0}},
        {"o ZAP já jogado não é sinalizado", "3C", {"-4P", "5C", "6E"}, {0, 0, 0, 0, 0, 0, NADA, 0}},
        {"o Dois jogado também não", "KC", {"-2C", "-QE", "3O"}, {0, TRES, 0, 0, 0, 0, 0, 0}},
        {"sem cartas na mão não há NADA", "KC", {"-4C", "-5E", "-6O"}, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        vira(caso.vira);
        for (int p : {1, 3}) {
            mao(p, caso.mao);
            chances(p, {1, 1, 1}, NUNCA, NUNCA);
        }
        for (int tipo = 0; tipo < 8; ++tipo) {
            tique(tipo);
            const int esperado = caso.porTipo[static_cast<std::size_t>(tipo)];
            EXPECT_EQ(rosto(1), esperado) << "TIPO_SINAL " << tipo;
            EXPECT_EQ(rosto(3), esperado) << "TIPO_SINAL " << tipo;
        }
    }
}

TEST_F(SinaisTeste, ChanceDaRodadaParaOsParceirosEColunaTresMaisCemParaOsAdversarios) {
    vira("3C");
    for (int p = 1; p <= 4; ++p) mao(p, {"4P", "5C", "6E"});
    chances(2, {7, 8, 9}, NUNCA, NUNCA);
    chances(3, {11, 22, 33}, NUNCA, NUNCA);
    chances(4, {13, 14, 15}, NUNCA, NUNCA);
    plataforma.porFaixa = [](int) { return 0; };  // every chance fails
    const int daRodada[] = {11, 22, 33};
    for (int rodada = 1; rodada <= 3; ++rodada) {
        SCOPED_TRACE("rodada " + std::to_string(rodada));
        jogo->estado.RODADA = rodada;
        plataforma.pedidos.clear();
        tique(5);
        EXPECT_EQ(plataforma.pedidos, (std::vector<int>{107, daRodada[rodada - 1], 113}));
    }
    // When a chance comes true, the seat's signal shows.
    jogo->estado.RODADA = 2;
    plataforma.porFaixa = [](int n) { return n == 22 ? 1 : 0; };
    tique(5);
    EXPECT_EQ(rostos(), (std::vector<int>{0, 0, sinal::PAUS, 0}));
}

TEST_F(SinaisTeste, GestoPelaColunaSeteNoTiqueDele) {
    mao(3, {"4C", "5E", "6O"});
    chances(3, {NUNCA, NUNCA, NUNCA}, NUNCA, 1);
    for (int tipo = 0; tipo < 8; ++tipo) {
        tique(tipo);
        EXPECT_EQ(rosto(3), tipo == 7 ? sinal::GESTO : sinal::NORMAL) << "TIPO_SINAL " << tipo;
    }
}

TEST_F(SinaisTeste, AdversarioComColunaSeisUmMenteEmTodoTiqueESoAdversariosMentem) {
    vira("KC");
    for (int p = 1; p <= 4; ++p) {
        mao(p, {"4C", "5E", "6O"});
        chances(p, {NUNCA, NUNCA, NUNCA}, 1, NUNCA);
    }
    chances(4, {NUNCA, NUNCA, NUNCA}, NUNCA, NUNCA);
    // The draw r names the false signal in this order.
    const int porSorteio[] = {sinal::NADA, sinal::OUROS, sinal::ESPADA, sinal::COPAS,
                              sinal::PAUS, sinal::DOIS,  sinal::TRES};
    for (int tiques = 0; tiques < 16; ++tiques) {
        const int r = tiques % 7;
        plataforma.respostas = {r};
        jogo->sinais.PASSA_SINAIS();
        SCOPED_TRACE("r = " + std::to_string(r));
        EXPECT_EQ(rostos(), (std::vector<int>{0, porSorteio[r], 0, 0}));
        EXPECT_EQ(jogo->historico.linhas().back().substr(jogo->historico.linhas().back().find("SINAL FALSO")),
                  "SINAL FALSO JOG_2 CARTA:" + std::to_string(r));
    }
    EXPECT_EQ(linhasComTrecho("SINAL FALSO JOG_1"), 0);
    EXPECT_EQ(linhasComTrecho("SINAL FALSO JOG_3"), 0);
    EXPECT_EQ(linhasComTrecho("SINAL FALSO JOG_4"), 0);
}

TEST_F(SinaisTeste, SinalFalsoCobreOVerdadeiroDoMesmoTique) {
    vira("3C");
    mao(2, {"4P", "5C", "6E"});
    chances(2, {-99, -99, -99}, 1, NUNCA);  // 1 with the 100 added: always true
    plataforma.respostas = {2};
    tique(5);
    EXPECT_EQ(rosto(2), sinal::ESPADA);
}

TEST_F(SinaisTeste, MostraSinalPeloNomeSoComSinaisAtivosELogaDoDoisParaCima) {
    struct Caso {
        const char* nome;
        int indice;
        bool logado;
    };
    const Caso casos[] = {{"PAUS", 8, true},   {"DOIS", 3, true},   {"NADA", 2, false},
                          {"GESTO", 1, false}, {"ZAP", 0, false},   {"paus", 0, false}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const int antes = linhasComTrecho("JOG_4 PASSA SINAL:");
        jogo->sinais.MOSTRA_SINAL(caso.nome, 4);
        EXPECT_EQ(rosto(4), caso.indice);
        EXPECT_EQ(linhasComTrecho("JOG_4 PASSA SINAL:" + std::to_string(caso.indice)) > 0, caso.logado);
        EXPECT_EQ(linhasComTrecho("JOG_4 PASSA SINAL:") - antes, caso.logado ? 1 : 0);
    }
    jogo->sinais.desativa();
    jogo->sinais.MOSTRA_SINAL("COPAS", 4);
    EXPECT_EQ(rosto(4), sinal::NORMAL);
}

// Whatever ends or stops a hand, the faces go back to NORMAL and no tick brings a signal back.
TEST_F(SinaisTeste, MaoAcabadaOuParadaNaoTemSinais) {
    struct Caso {
        const char* nome;
        std::function<void(Jogo&)> encerra;
    };
    const Caso casos[] = {
        {"F3", [](Jogo& j) { j.turnos.PARAR_JOGO(); }},
        {"fim da partida",
         [](Jogo& j) {
             j.estado.PONTOS_JOG = 12;
             j.placar.FIM_PARTIDA();
         }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        jogo->sinais.ativa();
        vira("3C");
        mao(3, {"4P", "5C", "6E"});
        chances(3, {1, 1, 1}, NUNCA, NUNCA);
        chances(2, {NUNCA, NUNCA, NUNCA}, 1, NUNCA);
        tique(5);
        ASSERT_EQ(rosto(3), sinal::PAUS);
        ASSERT_NE(rosto(2), sinal::NORMAL);

        caso.encerra(*jogo);
        EXPECT_FALSE(jogo->sinais.SINAIS_ATIVOS);
        EXPECT_EQ(rostos(), (std::vector<int>{0, 0, 0, 0}));
        mao(3, {"4P", "5C", "6E"});  // a stop may have swept the hands away
        plataforma.pedidos.clear();
        const int falsos = linhasComTrecho("SINAL FALSO");
        for (int tipo = 0; tipo < 8; ++tipo) {
            tique(tipo);
            EXPECT_EQ(rostos(), (std::vector<int>{0, 0, 0, 0}));
        }
        EXPECT_TRUE(plataforma.pedidos.empty()) << "nothing drawn for faces that are not shown";
        EXPECT_EQ(linhasComTrecho("SINAL FALSO"), falsos);
    }
}

TEST_F(SinaisTeste, TrocaDeJogadoresDesligaOsSinaisEReligaNoFim) {
    vira("3C");
    mao(3, {"4P", "5C", "6E"});
    chances(3, {1, 1, 1}, NUNCA, NUNCA);
    tique(5);
    ASSERT_EQ(rosto(3), sinal::PAUS);
    // A game in play: the change pauses between draws with its sound.
    jogo->prefs.SOM = true;
    jogo->estado.PARAR = false;
    const long long inicio = plataforma.agoraMs();
    const int tipo = jogo->sinais.TIPO_SINAL;
    jogo->troca.TROCA_JOGADORES();
    ASSERT_GT(plataforma.agoraMs() - inicio, 4 * jogo->sinais.intervalo()) << "the change took its time";
    EXPECT_EQ(jogo->sinais.TIPO_SINAL, tipo) << "no tick while the players changed";
    EXPECT_EQ(rostos(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_TRUE(plataforma.timerAtivo(jogo->sinais.timerSINAIS));
}

TEST_F(SinaisTeste, TimerDosSinaisNoIntervaloEscolhidoDentroDeCinquentaAQuinhentos) {
    struct Caso {
        int pedido, intervalo;
    };
    for (const Caso& caso : {Caso{200, 200}, Caso{350, 350}, Caso{10, 50}, Caso{900, 500}}) {
        SCOPED_TRACE(caso.pedido);
        jogo->sinais.mudaIntervalo(caso.pedido);
        EXPECT_EQ(jogo->sinais.intervalo(), caso.intervalo);
        // Five and a half intervals of the clock from the change, five ticks.
        const int tipo = jogo->sinais.TIPO_SINAL;
        const long long fim = plataforma.agoraMs() + 5 * caso.intervalo + caso.intervalo / 2;
        while (plataforma.agoraMs() < fim) plataforma.processaEventos();
        EXPECT_EQ(jogo->sinais.TIPO_SINAL, (tipo + 5) % 8);
    }
}

TEST_F(SinaisTeste, Timer3AlternaOPiscaEMantemORostoDaVez) {
    EXPECT_TRUE(plataforma.timerAtivo(jogo->sinais.Timer3));
    jogo->sinais.MOSTRA_SINAL("TRES", 2);
    jogo->estado.JOGADOR_DA_VEZ = 2;
    jogo->mesa["IMG_JOGADOR_2"].carta = sinal::NORMAL;  // drawn over by something else
    const bool pisca = jogo->sinais.PISCA_SINAL;
    jogo->sinais.tickTimer3();
    EXPECT_NE(jogo->sinais.PISCA_SINAL, pisca);
    EXPECT_EQ(rosto(2), sinal::TRES);
}

}  // namespace
}  // namespace pelmar::teste
