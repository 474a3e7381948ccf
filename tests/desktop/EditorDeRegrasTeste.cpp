#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "brain/FormatoRegra.h"
#include "desktop/SessaoDeTeste.h"
#include "jogo/Jogo.h"
#include "windows/GanchosDeJanela.h"
#include "windows/TForm2.h"
#include "windows/TfREGRAS.h"

namespace pelmar::teste {
namespace {

class EditorDeRegrasTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao();
        sessao->inicia();
    }

    TfREGRAS& editor() { return janela().editorDeRegras(); }

    template <typename W>
    W* controle(const char* nome) {
        W* w = editor().findChild<W*>(nome);
        if (!w) throw std::runtime_error(std::string("o editor não tem o controle ") + nome);
        return w;
    }
    void clica(const char* texto) {
        QAbstractButton* b = editor().botao(QString::fromUtf8(texto));
        if (!b) throw std::runtime_error(std::string("o editor não tem o botão ") + texto);
        b->click();
    }
    std::string linha() { return controle<QLineEdit>("LINHA")->text().toStdString(); }

    // Opens the editor from the "Debug" menu and runs `comoUsuario` in it; the window is closed
    // afterwards if the steps left it open.
    void usaOEditor(const std::function<void()>& comoUsuario) {
        bool usado = false;
        editor().aoMostrar = [&] {
            usado = true;
            comoUsuario();
            if (editor().isVisible()) clica("Sair");
        };
        janela().acao("EDITOR_DE_REGRAS")->trigger();
        EXPECT_TRUE(usado) << "the editor did not open";
        EXPECT_FALSE(editor().isVisible());
    }

    // The computer's consultation for seat 2, holding three small cards, second to play in the
    // first trick, which seat 1 leads.
    int consultaDoSegundo(bool& trucar) {
        EstadoJogo& e = jogo().estado;
        e.RODADA = 1;
        e.JOGADORES[2].ORDEM = 2;
        e.DADOS_RODADAS[1].GANHADOR = 1;
        for (int s = 1; s <= 3; ++s) {
            e.JOGADORES[2].CARTAS[s].FORCA = 0x0001;  // three small cards
            e.JOGADORES[2].ORDEM_CARTAS[s] = s;
        }
        int slot = 0, regra = 0;
        bool encobrir = false;
        jogo().ia.consulta.CONSULTA_CEREBRO(2, slot, trucar, regra, encobrir);
        if (regra != 0) {
            EXPECT_EQ(slot, 2) << "the rule's middle card";
        }
        return regra;
    }
};

const char* const PRIMEIRO_A_JOGAR = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  *,*,*,  *,*,*,  2,-,T,   5";

// A seat consulting the brain while a tool of the editor reworks it would read a half-built
// table: the players wait while the editor is open, and go on after it.
TEST_F(EditorDeRegrasTeste, JogadoresEsperamEnquantoOEditorEstaAberto) {
    Plataforma& p = jogo().plataforma;
    const int timer = jogo().turnos.TEMPO_JOGADORES;
    p.ativaTimer(timer, true);
    bool ativoNoEditor = true;
    usaOEditor([&] { ativoNoEditor = p.timerAtivo(timer); });
    EXPECT_FALSE(ativoNoEditor);
    EXPECT_TRUE(p.timerAtivo(timer));
}

TEST_F(EditorDeRegrasTeste, RegraEditadaNoEditorEhAQueOComputadorConsultaDepois) {
    jogo().prefs.CEREBRO_USA_REGRAS = true;
    jogo().ia.cerebro.defineQuantidade(0);
    jogo().ia.cerebro.acrescenta(analisaLinhaRegra(PRIMEIRO_A_JOGAR).regra);
    bool trucar = false;
    ASSERT_EQ(consultaDoSegundo(trucar), 0);

    janela().move(100, 60);
    usaOEditor([&] {
        EXPECT_EQ(editor().windowTitle(), "Editor de Regras do Pelmar");
        EXPECT_EQ(controle<QWidget>("AREA")->size(), QSize(779, 557));
        EXPECT_EQ(editor().pos(), posicaoDeJanelaAuxiliar(janela()));
        clica("INICIO");
        EXPECT_EQ(linha(), PRIMEIRO_A_JOGAR);
        EXPECT_EQ(controle<QLabel>("QTE")->text(), "5");
        EXPECT_TRUE(controle<QLabel>("lTRUCO")->isVisible());
        EXPECT_FALSE(controle<QWidget>("RESULTADO_1_RODADA")->isVisible()) << "seat 1 has seen no card of trick 1";

        controle<QAbstractButton>("POSICAO_2")->click();
        EXPECT_TRUE(controle<QWidget>("RESULTADO_1_RODADA")->isVisible());
        controle<QAbstractButton>("R1_QLQ")->click();
        EXPECT_EQ(controle<QLabel>("STR_1R")->text(), "QLQ");
        // A right press moves a card picture forward, a left press back.
        QTest::mouseClick(controle<QWidget>("IMG_CARTA_J3"), Qt::RightButton);
        EXPECT_EQ(linha(), "=,  1,2,  1,S, *,*, ?,?, ?,?,  *,*,*,  *,*,P,  2,-,T,   5");
        QTest::mouseClick(controle<QWidget>("IMG_CARTA_J3"), Qt::LeftButton);
        clica("Alterar");
        EXPECT_EQ(controle<QLabel>("INDEX")->text(), "000001");
    });

    EXPECT_EQ(TEXTO_REGRA(jogo().ia.cerebro[1]), "=,  1,2,  1,S, *,*, ?,?, ?,?,  *,*,*,  *,*,*,  2,-,T,   5");
    EXPECT_EQ(consultaDoSegundo(trucar), 1);
    EXPECT_TRUE(trucar);
}

TEST_F(EditorDeRegrasTeste, FerramentasRelatamNaCaixaDeTextoEOArquivoFechaAJanelaNoCerebroRecarregado) {
    gravaBytes(pasta / "P-BRAIN.TXT", std::string(TITULO_CEREBRO) + "\r\n");
    gravaBytes(pasta / "P-LEARN.TXT", std::string(TITULO_CEREBRO) + "\r\n");
    gravaBytes(pasta / "P-NEURON.TXT", std::string(TITULO_CEREBRO) + "\r\n" + PRIMEIRO_A_JOGAR + "\r\n" +
                                           PRIMEIRO_A_JOGAR + "\r\n");
    jogo().ia.cerebro.defineQuantidade(0);
    usaOEditor([&] {
        editor().findChild<QAction*>("VARIAVEL_NEURON")->trigger();
        EXPECT_EQ(controle<QLabel>("MAX")->text(), "0002");
        EXPECT_EQ(controle<QLabel>("NOME")->text(), "P-NEURON.TXT");
        clica("Sorteia");
        EXPECT_EQ(controle<QPlainTextEdit>("TEXT")->toPlainText().toStdString(), "Sorteando: \n--- FIM Ordenação: \n =2");
        clica("Limpa");
        EXPECT_TRUE(controle<QPlainTextEdit>("TEXT")->toPlainText().isEmpty());
        editor().findChild<QAction*>("SALVAR_BRAIN_AUX")->trigger();
        EXPECT_FALSE(editor().isVisible()) << "the menu item closes the editor";
    });
    EXPECT_TRUE(std::filesystem::exists(pasta / "P-BRAIN-AUX.TXT"));
    EXPECT_EQ(jogo().ia.editor.ARQUIVO_EDITOR, "P-BRAIN-AUX.TXT");
    EXPECT_EQ(jogo().ia.cerebro.QTE_REGRAS(), 2);

    // The state lasts until the next opening; opening loads nothing.
    jogo().ia.cerebro.defineQuantidade(0);
    usaOEditor([&] {
        EXPECT_EQ(controle<QLabel>("INDEX")->text(), "000001");
        EXPECT_EQ(controle<QLabel>("MAX")->text(), "0000");
        EXPECT_EQ(linha(), PRIMEIRO_A_JOGAR);
    });
}

}  // namespace
}  // namespace pelmar::teste
