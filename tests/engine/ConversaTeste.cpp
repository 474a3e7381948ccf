#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/PastaTemporaria.h"
#include "suporte/PlataformaRoteirizada.h"

namespace pelmar::teste {
namespace {

// Three lines to draw (r = 1..3) and a last one that is never drawn.
constexpr std::string_view FALAS =
    "Oi\r\n"
    "Ô, cê é pé-frio!\r\n"
    "Essa mão tá mais fraca que café de rodoviária.\r\n"
    "Quem não arrisca não come pamonha.\r\n";

class ConversaTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
        jogo->historico.NIVEL_HISTORICO = 3;
        jogo->estado.JOGO_EM_ANDAMENTO = true;
    }
    void TearDown() override {
        jogo.reset();
        PastaTemporaria::TearDown();
    }

    void gravaFalas(std::string_view conteudo) {
        gravaBytes(pasta / "TXT" / "FALAS.TXT", conteudo);
        jogo->conversa.CONTA_FALAS();
    }
    // Each seat's talk chance; 1 always talks without a draw, -1 never does.
    void chances(int j1, int j2, int j3, int j4) {
        int p = 1;
        for (int c : {j1, j2, j3, j4}) jogo->personalidades.PERSONALIDADE_JOGADOR[p++].CHANCE_FALA = c;
    }
    void tique() { jogo->turnos.tickPisca(); }
    Controle& balao(int jogador) { return jogo->mesa["FALA_J" + std::to_string(jogador)]; }
    std::vector<int> baloesAbertos() {
        std::vector<int> abertos;
        for (int p = 1; p <= 4; ++p)
            if (balao(p).visivel) abertos.push_back(p);
        return abertos;
    }
    bool logContem(const std::string& linha) const {
        for (const std::string& l : jogo->historico.linhas())
            if (l.size() >= linha.size() && l.compare(l.size() - linha.size(), linha.size(), linha) == 0) return true;
        return false;
    }

    PlataformaRoteirizada plataforma{5};
    TelaHeadless tela;
    std::unique_ptr<Jogo> jogo;
};

TEST_F(ConversaTeste, LinhaSorteadaFicaUmTiquePorTresCaracteres) {
    gravaFalas(FALAS);
    ASSERT_EQ(jogo->conversa.QTD_FALAS, 4);
    chances(1, 1, 1, 1);
    struct Caso {
        int r;
        std::string texto;
        int tiquesAberto;
    };
    // Characters, not bytes: "Ô, cê é pé-frio!" is 16 characters in 20 bytes.
    const Caso casos[] = {{0, "", 1},
                          {1, "Oi", 1},
                          {2, "Ô, cê é pé-frio!", 5},
                          {3, "Essa mão tá mais fraca que café de rodoviária.", 15}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.r);
        plataforma.pedidos.clear();
        plataforma.respostas = {c.r};
        tique();
        EXPECT_EQ(plataforma.pedidos, std::vector<int>{4});
        EXPECT_EQ(baloesAbertos(), std::vector<int>{1});
        EXPECT_EQ(balao(1).texto, c.texto);
        EXPECT_TRUE(logContem("FALA - JOG_1 " + c.texto));
        int tiques = 0;
        while (balao(1).visivel && tiques < 100) {
            tique();
            ++tiques;
        }
        EXPECT_EQ(tiques, c.tiquesAberto);
        // Nobody else talks, or even draws, while a balloon is up.
        EXPECT_EQ(plataforma.pedidos, std::vector<int>{4});
    }
}

TEST_F(ConversaTeste, NoMaximoUmBalaoAbrePorTiqueNaOrdemDosAssentos) {
    gravaFalas(FALAS);
    struct Caso {
        std::deque<int> chancesSorteadas;  // 1 talks
        std::vector<int> abertos;
        std::vector<int> pedidos;          // each seat's own talk chance, then the line
    };
    const Caso casos[] = {{{1}, {1}, {11, 4}},
                          {{0, 0, 1}, {3}, {11, 12, 13, 4}},
                          {{0, 0, 0, 1}, {4}, {11, 12, 13, 14, 4}},
                          {{0, 0, 0, 0}, {}, {11, 12, 13, 14}}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.abertos));
        jogo->conversa.fechaBaloes();
        chances(11, 12, 13, 14);
        plataforma.pedidos.clear();
        plataforma.respostas = c.chancesSorteadas;
        plataforma.respostas.push_back(2);
        tique();
        EXPECT_EQ(plataforma.pedidos, c.pedidos);
        EXPECT_EQ(baloesAbertos(), c.abertos);
        if (c.abertos.empty()) continue;
        chances(1, 1, 1, 1);
        tique();
        EXPECT_EQ(baloesAbertos(), c.abertos);
    }
}

TEST_F(ConversaTeste, FalasDesligadasFechamOBalaoENaoSorteiamMais) {
    gravaFalas(FALAS);
    chances(1, 1, 1, 1);
    plataforma.respostas = {3};
    tique();
    ASSERT_EQ(baloesAbertos(), std::vector<int>{1});
    jogo->prefs.FALAS = false;
    plataforma.pedidos.clear();
    for (int i = 0; i < 20; ++i) tique();
    EXPECT_TRUE(baloesAbertos().empty());
    EXPECT_TRUE(plataforma.pedidos.empty());
}

TEST_F(ConversaTeste, SoSeConversaDuranteUmaPartidaEParadaFechaOBalao) {
    gravaFalas(FALAS);
    chances(1, 1, 1, 1);
    jogo->estado.JOGO_EM_ANDAMENTO = false;
    for (int i = 0; i < 10; ++i) tique();
    EXPECT_TRUE(baloesAbertos().empty());

    jogo->estado.JOGO_EM_ANDAMENTO = true;
    plataforma.respostas = {3};
    tique();
    ASSERT_EQ(baloesAbertos(), std::vector<int>{1});
    // No blink tick runs once the game is stopped, so nothing else would close it.
    jogo->turnos.PARAR_JOGO();
    EXPECT_TRUE(baloesAbertos().empty());
}

TEST_F(ConversaTeste, ArquivoDeFalasVazioOuAusenteNuncaPoeTexto) {
    for (bool existe : {false, true}) {
        SCOPED_TRACE(existe);
        if (existe) gravaFalas("");
        else jogo->conversa.CONTA_FALAS();
        EXPECT_EQ(jogo->conversa.QTD_FALAS, 0);
        chances(1, 1, 1, 1);
        int abriu = 0;
        for (int i = 0; i < 50; ++i) {
            const bool antes = balao(1).visivel;
            tique();
            if (!antes && balao(1).visivel) ++abriu;
            for (int p = 1; p <= 4; ++p) EXPECT_EQ(balao(p).texto, "");
        }
        EXPECT_GT(abriu, 0);
    }
}

TEST_F(ConversaTeste, LinhasContadasNaPartidaDoProgramaEArquivoEncurtadoDepoisDaVazio) {
    gravaBytes(pasta / "TXT" / "FALAS.TXT", FALAS);
    jogo->INICIALIZA_TUDO();
    EXPECT_EQ(jogo->conversa.QTD_FALAS, 4);

    // Edited during the run ("Falas entre Jogadores"): the count stays, the line is gone.
    gravaBytes(pasta / "TXT" / "FALAS.TXT", "Oi\r\n");
    chances(1, 1, 1, 1);
    plataforma.respostas = {3};
    tique();
    EXPECT_EQ(jogo->conversa.QTD_FALAS, 4);
    EXPECT_EQ(baloesAbertos(), std::vector<int>{1});
    EXPECT_EQ(balao(1).texto, "");
}

TEST_F(ConversaTeste, PiadaSorteadaTrazTodasAsLinhasDoArquivo) {
    struct Caso {
        int numero;
        std::string conteudo;
        std::string texto;
    };
    const Caso casos[] = {
        {0, "Uma linha só.\r\n", "Uma linha só."},
        {42, "O caipira chegou na cidade\r\n\r\ne pediu um pão com ovo.\r\n",
         "O caipira chegou na cidade\n\ne pediu um pão com ovo."},
        {99, "Última\nsem CR\nnem fim", "Última\nsem CR\nnem fim"},
    };
    for (const Caso& c : casos)
        gravaBytes(pasta / "TXT" / "PIADAS" / ("ARQ_" + std::to_string(c.numero) + ".TXT"), c.conteudo);
    Controle& janela = jogo->mesa["TfPIADAS"];
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.numero);
        janela.visivel = false;
        plataforma.pedidos.clear();
        plataforma.respostas = {c.numero};
        jogo->conversa.CONTA_PIADA();
        EXPECT_EQ(plataforma.pedidos, std::vector<int>{100});
        EXPECT_TRUE(janela.visivel);
        EXPECT_EQ(janela.texto, c.texto);
    }
}

TEST_F(ConversaTeste, PiadaAusenteMostraJanelaVazia) {
    Controle& janela = jogo->mesa["TfPIADAS"];
    janela.texto = "a piada de antes";
    plataforma.respostas = {7};
    jogo->conversa.CONTA_PIADA();
    EXPECT_TRUE(janela.visivel);
    EXPECT_EQ(janela.texto, "");
}

}  // namespace
}  // namespace pelmar::teste
