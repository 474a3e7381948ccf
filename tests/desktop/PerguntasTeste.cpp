#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <stdexcept>
#include <string>

#include "engine/ModeloMesa.h"
#include "engine/Tela.h"
#include "windows/TfMao11.h"
#include "windows/TfTRUCO_INFO.h"
#include "windows/TfTRUCO_QUEST.h"

namespace pelmar {
namespace {

QImage retratoDeTeste() {
    return QImage(QString::fromUtf8(PELMAR_DADOS "/JOG/Chico-Viola/NORMAL.BMP"));
}

PerguntaTruco perguntaDe(int valor) {
    PerguntaTruco p;
    p.chamador = 2;
    p.valor = valor;
    p.verso = "Truco, compadre, vê se aguenta, que a brincadeira agora esquenta!";
    p.legenda = " TRUCO : Valendo " + std::to_string(valor) + " tentos";
    if (valor < 10) p.textoSubir = "RE-TRUCA : " + std::to_string(valor + 3);
    return p;
}

// Runs the modal dialog and, once it is up, inspects it and clicks the named button. A missing
// or hidden button ends the dialog with an answer no button gives, so a fault never hangs.
template <typename Janela>
int respondeClicando(Janela& janela, const char* botao, const std::function<int()>& pergunta,
                     const std::function<void()>& confere = {}) {
    QTimer::singleShot(0, &janela, [&janela, botao, confere] {
        EXPECT_TRUE(janela.isVisible());
        if (confere) confere();
        auto* b = janela.template findChild<QPushButton*>(botao);
        if (b == nullptr || !b->isVisible()) {
            ADD_FAILURE() << "botão ausente ou escondido: " << botao;
            janela.done(99);
            return;
        }
        b->click();
    });
    return pergunta();
}

TEST(TfTRUCO_QUEST, CadaBotaoDaSuaResposta) {
    const QImage retrato = retratoDeTeste();
    ASSERT_FALSE(retrato.isNull());
    TfTRUCO_QUEST janela;
    const auto pergunta = [&] { return janela.pergunta(perguntaDe(3), retrato); };
    EXPECT_EQ(respondeClicando(janela, "ACEITAR", pergunta), resposta::ACEITAR);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(respondeClicando(janela, "FUGIR", pergunta), resposta::FUGIR);
    EXPECT_EQ(respondeClicando(janela, "BT_PONTOS", pergunta), resposta::SUBIR);
}

TEST(TfTRUCO_QUEST, MostraVersoLegendaPontosERetrato) {
    const QImage retrato = retratoDeTeste();
    ASSERT_FALSE(retrato.isNull());
    TfTRUCO_QUEST janela;
    const PerguntaTruco p = perguntaDe(6);
    const int r = respondeClicando(
        janela, "ACEITAR", [&] { return janela.pergunta(p, retrato); },
        [&] {
            EXPECT_EQ(janela.windowTitle(), QString::fromUtf8(" TRUCO : Valendo 6 tentos"));
            auto* memo = janela.findChild<QPlainTextEdit*>("Memo1");
            ASSERT_NE(memo, nullptr);
            EXPECT_EQ(memo->toPlainText(), QString::fromStdString(p.verso));
            auto* pontos = janela.findChild<QLabel*>("PONTOS");
            ASSERT_NE(pontos, nullptr);
            EXPECT_EQ(pontos->text(), "6");
            auto* subir = janela.findChild<QPushButton*>("BT_PONTOS");
            ASSERT_NE(subir, nullptr);
            EXPECT_TRUE(subir->isVisible());
            EXPECT_EQ(subir->text(), "RE-TRUCA : 9");
            auto* aceitar = janela.findChild<QPushButton*>("ACEITAR");
            auto* fugir = janela.findChild<QPushButton*>("FUGIR");
            ASSERT_NE(aceitar, nullptr);
            ASSERT_NE(fugir, nullptr);
            EXPECT_EQ(aceitar->text(), "ACEITAR");
            EXPECT_EQ(fugir->text(), "FUGIR");
            auto* foto = janela.findChild<QLabel*>("IMG_CHAMADOR");
            ASSERT_NE(foto, nullptr);
            EXPECT_EQ(foto->pixmap().size(), retrato.size());
        });
    EXPECT_EQ(r, resposta::ACEITAR);
}

TEST(TfTRUCO_QUEST, SemTextoDeSubirOBotaoSome) {
    TfTRUCO_QUEST janela;
    const QImage retrato = retratoDeTeste();
    // A raise offered before must not linger into a twelve.
    EXPECT_EQ(respondeClicando(janela, "BT_PONTOS", [&] { return janela.pergunta(perguntaDe(9), retrato); }),
              resposta::SUBIR);
    const int r = respondeClicando(
        janela, "FUGIR", [&] { return janela.pergunta(perguntaDe(12), retrato); },
        [&] {
            auto* subir = janela.findChild<QPushButton*>("BT_PONTOS");
            ASSERT_NE(subir, nullptr);
            EXPECT_FALSE(subir->isVisible());
            EXPECT_EQ(janela.windowTitle(), QString::fromUtf8(" TRUCO : Valendo 12 tentos"));
        });
    EXPECT_EQ(r, resposta::FUGIR);
}

TEST(TfTRUCO_QUEST, RespondaPiscaEnquantoPergunta) {
    TfTRUCO_QUEST janela;
    auto* timer = janela.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    const int r = respondeClicando(
        janela, "ACEITAR", [&] { return janela.pergunta(perguntaDe(3), QImage()); },
        [&] {
            EXPECT_TRUE(timer->isActive());
            auto* responda = janela.findChild<QLabel*>("RESPONDA");
            ASSERT_NE(responda, nullptr);
            EXPECT_EQ(responda->text(), "RESPONDA");
            EXPECT_TRUE(responda->isVisible());
            janela.piscaResponda();
            EXPECT_FALSE(responda->isVisible());
            janela.piscaResponda();
            EXPECT_TRUE(responda->isVisible());
        });
    EXPECT_EQ(r, resposta::ACEITAR);
    EXPECT_FALSE(timer->isActive());
}

TEST(TfTRUCO_QUEST, EscapeNaoResponde) {
    TfTRUCO_QUEST janela;
    const int r = respondeClicando(
        janela, "BT_PONTOS", [&] { return janela.pergunta(perguntaDe(3), QImage()); },
        [&] {
            static_cast<QDialog&>(janela).reject();
            EXPECT_TRUE(janela.isVisible());
        });
    EXPECT_EQ(r, resposta::SUBIR);
}

TEST(TfTRUCO_QUEST, GanchoRespondeSemMostrar) {
    TfTRUCO_QUEST janela;
    PerguntaTruco vista;
    bool mostrada = true;
    janela.defineRespostaAutomatica([&](const PerguntaTruco& p) {
        vista = p;
        mostrada = janela.isVisible();
        return resposta::SUBIR;
    });
    EXPECT_EQ(janela.pergunta(perguntaDe(6), retratoDeTeste()), resposta::SUBIR);
    EXPECT_FALSE(mostrada);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(vista.valor, 6);
    EXPECT_EQ(vista.textoSubir, "RE-TRUCA : 9");

    janela.defineRespostaAutomatica([](const PerguntaTruco&) { return resposta::FUGIR; });
    EXPECT_EQ(janela.pergunta(perguntaDe(12), QImage()), resposta::FUGIR);
}

TEST(TfTRUCO_QUEST, GanchoComRespostaInvalidaAvisa) {
    TfTRUCO_QUEST janela;
    janela.defineRespostaAutomatica([](const PerguntaTruco&) { return 7; });
    try {
        janela.pergunta(perguntaDe(3), QImage());
        FAIL() << "a resposta 7 foi aceita";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("7"), std::string::npos) << e.what();
    }
}

TEST(TfMao11, CadaBotaoDaSuaResposta) {
    TfMao11 janela;
    const auto pergunta = [&] { return janela.pergunta(); };
    EXPECT_EQ(respondeClicando(janela, "ACEITAR", pergunta, [&] {
                  auto* aceitar = janela.findChild<QPushButton*>("ACEITAR");
                  auto* recusar = janela.findChild<QPushButton*>("RECUSAR");
                  ASSERT_NE(aceitar, nullptr);
                  ASSERT_NE(recusar, nullptr);
                  EXPECT_EQ(aceitar->text(), "ACEITAR");
                  EXPECT_EQ(recusar->text(), "RECUSAR");
                  EXPECT_EQ(janela.windowTitle(), QString::fromUtf8("Mão de ONZE !"));
              }),
              resposta::JOGAR_ONZE);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(respondeClicando(janela, "RECUSAR", pergunta), resposta::RECUSAR_ONZE);
}

TEST(TfMao11, EscapeNaoResponde) {
    TfMao11 janela;
    const int r = respondeClicando(janela, "RECUSAR", [&] { return janela.pergunta(); }, [&] {
        static_cast<QDialog&>(janela).reject();
        EXPECT_TRUE(janela.isVisible());
    });
    EXPECT_EQ(r, resposta::RECUSAR_ONZE);
}

TEST(TfMao11, GanchoRespondeSemMostrar) {
    TfMao11 janela;
    bool mostrada = true;
    janela.defineRespostaAutomatica([&] {
        mostrada = janela.isVisible();
        return resposta::RECUSAR_ONZE;
    });
    EXPECT_EQ(janela.pergunta(), resposta::RECUSAR_ONZE);
    EXPECT_FALSE(mostrada);
    janela.defineRespostaAutomatica([] { return resposta::JOGAR_ONZE; });
    EXPECT_EQ(janela.pergunta(), resposta::JOGAR_ONZE);
    janela.defineRespostaAutomatica([] { return 0; });
    EXPECT_THROW(janela.pergunta(), std::invalid_argument);
}

TEST(TfTRUCO_INFO, SegueOControleDoModelo) {
    ModeloMesa mesa;
    Controle& info = mesa["TfTRUCO_INFO"];
    TfTRUCO_INFO janela;
    EXPECT_EQ(janela.objectName(), "TfTRUCO_INFO");

    janela.sincroniza(info, QImage());
    EXPECT_FALSE(janela.isVisible());

    // A shout of player 1, as the engine leaves it.
    const QImage retrato = retratoDeTeste();
    ASSERT_FALSE(retrato.isNull());
    info.visivel = true;
    info.texto = "SEIS";
    info.carta = 1;
    info.contador = 3;
    janela.sincroniza(info, retrato);
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.chamador(), 1);
    auto* texto = janela.findChild<QLabel*>("TEXTO");
    auto* foto = janela.findChild<QLabel*>("IMG_CHAMADOR");
    ASSERT_NE(texto, nullptr);
    ASSERT_NE(foto, nullptr);
    EXPECT_EQ(texto->text(), "SEIS");
    EXPECT_EQ(foto->pixmap().size(), retrato.size());

    // The blink ticks count down but the window stays until the model hides it.
    info.contador = 1;
    janela.sincroniza(info, retrato);
    EXPECT_TRUE(janela.isVisible());

    info.contador = 0;
    info.visivel = false;
    janela.sincroniza(info, retrato);
    EXPECT_FALSE(janela.isVisible());

    // The next shout, by another seat and without a picture, shows again with its own text.
    info.visivel = true;
    info.texto = "DOZE";
    info.carta = 3;
    janela.sincroniza(info, QImage());
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(texto->text(), "DOZE");
    EXPECT_EQ(janela.chamador(), 3);
    EXPECT_TRUE(foto->pixmap().isNull());
}

}  // namespace
}  // namespace pelmar
