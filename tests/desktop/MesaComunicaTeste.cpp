#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "desktop/VigiaDaPartida.h"
#include "windows/LayoutDaMesa.h"
#include "windows/MesaDesenhada.h"
#include "windows/PecaDaMesa.h"
#include "windows/TForm2.h"
#include "windows/TfPIADAS.h"

namespace pelmar::teste {
namespace {

// What the table tells a player who sits at it for the first time: whose seat is whose, whose
// turn it is, who speaks, what the score is, why a key did nothing.
class MesaComunicaTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao();
        sessao->tela().perguntaDeTruco.defineRespostaAutomatica([](const PerguntaTruco&) { return resposta::ACEITAR; });
        sessao->tela().perguntaDeOnze.defineRespostaAutomatica([] { return resposta::JOGAR_ONZE; });
        sessao->inicia();
        janela().show();
        janela().activateWindow();
    }
    // The announcements reach the history, and through it the test, as each one ends.
    void ouveAnuncios(std::function<void(const std::string&)> ouvinte) {
        jogo().historico.HISTORICO_ATIVO = true;
        jogo().historico.NIVEL_HISTORICO = 2;
        escuta_ = jogo().historico.aoEscrever.assina(std::move(ouvinte));
    }
    void TearDown() override {
        escuta_.cancela();
        SessaoDeTeste::TearDown();
    }

    EstadoJogo& estado() { return jogo().estado; }
    ModeloMesa& mesa() { return jogo().mesa; }

    template <typename W = PecaDaMesa>
    W* controle(const std::string& nome) {
        W* w = janela().findChild<W*>(QString::fromStdString(nome));
        if (!w) ADD_FAILURE() << "a mesa não tem o controle " << nome;
        return w;
    }
    // Shown on the screen now, as the last redraw left it.
    bool aparece(const std::string& nome) {
        QWidget* w = controle<QWidget>(nome);
        return w && w->isVisible();
    }

    // The script runs at each turn of the event loop while the match loop is on the stack, until
    // it stops play and the loop has let go.
    void joga(const std::function<void()>& passo, int limiteMs = 30000) {
        VigiaDaPartida vigia(estado(), limiteMs);
        QTimer roteiro;
        roteiro.setInterval(0);
        bool dentro = false, comecou = false;
        QObject::connect(&roteiro, &QTimer::timeout, [&] {
            if (dentro || !janela().partidaNaPilha() || vigia.passou()) return;
            dentro = comecou = true;
            passo();
            dentro = false;
        });
        roteiro.start();
        vigia.esperaAte([&] { return comecou && !janela().partidaNaPilha(); });
        EXPECT_FALSE(vigia.estourou()) << "o roteiro não terminou a tempo";
    }

    // "Parar Jogo", as F3 or the menu gives it.
    void para() { janela().acao("PARAR_JOGO")->trigger(); }
    int slotNaMao() {
        for (int s = 1; s <= 3; ++s)
            if (!estado().JOGADORES[1].CARTAS[s].JOGADA && mesa().JOG(1, s).visivel) return s;
        return 0;
    }
    void jogaUmaCarta() {
        const int slot = slotNaMao();
        ASSERT_NE(slot, 0);
        QTest::mouseClick(controle("JOG_1_" + std::to_string(slot)), Qt::LeftButton);
    }
    bool vezDoUsuario() { return estado().JOGO_EM_ANDAMENTO && estado().JOGADORES[1].PODE_JOGAR; }
    // "Sua vez" on the screen, in either half of its blink.
    bool suaVezAparece() { return aparece("LOGOTIPO_1") || aparece("LOGOTIPO_0"); }

    Ouvintes<std::string>::Assinatura escuta_;
};

// The user's and the partner's seats carry a tag of their own on the portrait, which stays
// whatever name the draw gives the seat, and the name labels keep only the names.
TEST_F(MesaComunicaTeste, MarcasVoceEParceiroFicamComQualquerNome) {
    const struct {
        const char* marca;
        const char* texto;
        int assento;
    } casos[] = {{"MARCA_VOCE", "Você", 1}, {"MARCA_PARCEIRO", "Parceiro", 3}};
    std::set<std::string> nomesVistos;
    for (int troca = 0; troca < 6; ++troca) {
        janela().acao("TROCAR_JOGADORES")->trigger();
        janela().redesenha();
        for (const auto& c : casos) {
            SCOPED_TRACE(c.marca);
            const std::string n = std::to_string(c.assento);
            ASSERT_TRUE(aparece(c.marca));
            EXPECT_EQ(controle(c.marca)->texto(), QString::fromUtf8(c.texto));
            const QRect marca = controle(c.marca)->geometry();
            // On the portrait's lower edge, within its width.
            const QRect retrato = controle("IMG_JOGADOR_" + n)->geometry();
            EXPECT_TRUE(retrato.intersects(marca) && marca.left() >= retrato.left() && marca.right() <= retrato.right())
                << "a marca não está no retrato";
            EXPECT_FALSE(controle("NOME_JOG_" + n)->geometry().intersects(marca)) << "a marca cobre o nome";
            const QString nome = controle("NOME_JOG_" + n)->texto();
            EXPECT_FALSE(nome.isEmpty());
            EXPECT_FALSE(nome.contains(QString::fromUtf8(c.texto))) << nome.toStdString();
            nomesVistos.insert(nome.toStdString());
        }
    }
    EXPECT_GT(nomesVistos.size(), 2u) << "as trocas deviam mudar os nomes";
}

// The big announcement and the list of last ones are drawn in the speaker's colours, with
// faces and name beside the same words: a seat, a side and the table itself look apart.
TEST_F(MesaComunicaTeste, AvisoDesenhadoConformeQuemFala) {
    jogo().prefs.NOME_JOGADOR[2] = "FULANO";
    jogo().prefs.DIFICULDADE = 1;  // the list of last announcements is shown
    const Falante falantes[] = {Falante::mesa(), Falante::doLado('C'), Falante::doLado('J'),
                                Falante::doAssento(2, "FULANO")};
    std::vector<QImage> vistos;
    for (const Falante& quem : falantes) {
        jogo().anuncios.FALA("NÓS GANHAMOS !", "", quem);
        mesa()["AVISO_M"].visivel = true;
        janela().redesenha();
        PecaDaMesa* aviso = controle("AVISO_M");
        EXPECT_EQ(aviso->texto(), QString::fromUtf8("NÓS GANHAMOS !"));
        EXPECT_EQ(aviso->falante(), quem);
        EXPECT_EQ(controle("ULTIMA_AVISO_1")->falante(), quem);
        vistos.push_back(aviso->grab().toImage());
    }
    for (std::size_t i = 0; i < vistos.size(); ++i)
        for (std::size_t j = i + 1; j < vistos.size(); ++j) EXPECT_NE(vistos[i], vistos[j]) << i << " e " << j;
}

// In a real hand the hand-end announcement is the computer's side speaking, and the screen says so.
TEST_F(MesaComunicaTeste, FimDaMaoNaVozDosAdversarios) {
    std::vector<std::string> falas;
    ouveAnuncios([&](const std::string& linha) {
        for (const char* fim : {"MSG = NÓS GANHAMOS !", "MSG = VOCÊS GANHARAM ! "}) {
            if (linha.find(fim) == std::string::npos) continue;
            // Still on the screen: the last redraw showed it.
            PecaDaMesa* aviso = controle("AVISO_M");
            falas.push_back(aviso->texto().toStdString() + "|" + aviso->falante().lado);
        }
    });
    joga([&] {
        if (!falas.empty()) para();
        else if (vezDoUsuario()) jogaUmaCarta();
    });
    ASSERT_EQ(falas.size(), 1u);
    EXPECT_TRUE(falas[0] == "NÓS GANHAMOS !|C" || falas[0] == "VOCÊS GANHARAM ! |C") << falas[0];
}

// "Sua vez" is on the screen during the user's turn and gone when it ends, in whichever half of
// the blink the card goes down; a stop in the middle of the turn takes it away too.
TEST_F(MesaComunicaTeste, SuaVezSoDuranteAVez) {
    int vezes = 0;
    bool parou = false;
    joga([&] {
        if (parou || !vezDoUsuario()) return;
        janela().redesenha();
        EXPECT_TRUE(suaVezAparece()) << "na vez do usuário";
        // The blink caught in its dark half on alternate turns.
        if (vezes % 2 == 1) jogo().turnos.tickPisca();
        janela().redesenha();
        if (++vezes == 4) {
            para();
            parou = true;
            return;
        }
        jogaUmaCarta();
        janela().redesenha();
        EXPECT_FALSE(suaVezAparece()) << "depois da carta jogada, vez " << vezes;
    });
    EXPECT_TRUE(parou);
    janela().redesenha();
    EXPECT_FALSE(suaVezAparece()) << "depois de parar";
}

// F3 leaves only the prompt to start again: no lead frame, no turn, no stake, no old score.
// F2 while a hand runs says why nothing happens, and the hand goes on.
TEST_F(MesaComunicaTeste, F3LimpaAMesaEF2NoMeioDaMaoExplica) {
    bool explicou = false, parou = false;
    joga([&] {
        if (parou || !vezDoUsuario()) return;
        const bool placarAntigo = mesa()["PONTOS_JOG"].texto != "0" || mesa()["PONTOS_COM"].texto != "0";
        if (!placarAntigo || !mesa()["CARTA_MAIOR"].visivel) {
            jogaUmaCarta();
            return;
        }
        if (!explicou) {
            janela().redesenha();
            EXPECT_TRUE(janela().mesa().recado().isEmpty());
            // Its menu item is off while a game runs: the key reaches the window itself.
            ASSERT_FALSE(janela().acao("NOVA_PARTIDA")->isEnabled());
            QTest::keyClick(&janela(), Qt::Key_F2);
            EXPECT_FALSE(janela().mesa().recado().isEmpty()) << "F2 no meio da mão não disse nada";
            EXPECT_FALSE(estado().PARAR);
            EXPECT_TRUE(vezDoUsuario()) << "o F2 mexeu na mão";
            explicou = true;
            return;
        }
        para();
        parou = true;
    });
    ASSERT_TRUE(parou);
    janela().redesenha();
    for (const char* nome : {"CARTA_MAIOR", "LOGOTIPO_1", "LOGOTIPO_0", "STA_JOG_TRUCOU", "STA_COM_TRUCOU", "TRUCO3",
                             "FUGIR", "ESCONDIDA", "AVISO_M", "MAO11"})
        EXPECT_FALSE(aparece(nome)) << nome;
    EXPECT_EQ(controle("PONTOS_JOG")->texto(), "0");
    EXPECT_EQ(controle("PONTOS_COM")->texto(), "0");
    EXPECT_TRUE(aparece("INICIO"));
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

// When a hand ends the match, its points are on the score while the end is announced; the new
// match starts from 0 to 0.
TEST_F(MesaComunicaTeste, PlacarFinalVistoNoFimDaPartida) {
    std::vector<std::string> vistos;
    bool preparado = false, novaPartida = false;
    ouveAnuncios([&](const std::string& linha) {
        if (linha.find("MSG = Você ganhou a Partida") == std::string::npos &&
            linha.find("MSG = Eu ganhei Partida") == std::string::npos)
            return;
        // The screen against the points the match ended with (a call may have raised the stake).
        EXPECT_GE(std::max(estado().PONTOS_JOG, estado().PONTOS_COM), 12);
        vistos.push_back(controle("PONTOS_JOG")->texto().toStdString() + "x" +
                         controle("PONTOS_COM")->texto().toStdString() + " / " +
                         std::to_string(estado().PONTOS_JOG) + "x" + std::to_string(estado().PONTOS_COM));
    });
    joga([&] {
        if (!vezDoUsuario()) return;
        if (!preparado) {
            // Whoever takes this hand reaches 12.
            estado().PONTOS_JOG = estado().PONTOS_COM = 11;
            estado().MAO_DE_ONZE = false;
            preparado = true;
        } else if (!vistos.empty() && estado().RODADA >= 1 && estado().PONTOS_JOG + estado().PONTOS_COM < 22) {
            janela().redesenha();
            novaPartida = controle("PONTOS_JOG")->texto() == "0" && controle("PONTOS_COM")->texto() == "0";
            para();
            return;
        }
        jogaUmaCarta();
    });
    ASSERT_EQ(vistos.size(), 1u);
    const auto barra = vistos[0].find(" / ");
    EXPECT_EQ(vistos[0].substr(0, barra), vistos[0].substr(barra + 3)) << "placar na tela / pontos finais";
    EXPECT_TRUE(novaPartida);
}

// At the smallest size the window takes, the smallest words are still of a readable size, the
// user's controls lie clear of his cards and of each other, and two-line announcements fit
// their place in the list.
TEST_F(MesaComunicaTeste, NoTamanhoMinimoTudoSeLeESeVe) {
    janela().resize(200, 150);
    QCoreApplication::processEvents();
    MesaDesenhada& m = janela().mesa();
    EXPECT_GE(m.width(), LARGURA_DA_MESA * ESCALA_MINIMA - 1);
    EXPECT_GE(m.height(), ALTURA_DA_MESA * ESCALA_MINIMA - 1);
    EXPECT_GE(m.escala() * 9, 8.0) << "as letras menores ficam ilegíveis";

    // Everything of the user's corner shown at once, the suggestion over each card in turn.
    for (const char* nome : {"LOGOTIPO_1", "STA_JOG_TRUCOU", "TRUCO3", "FUGIR", "ESCONDIDA", "imgSUJESTAO_TRUCAR",
                             "imgSUJESTAO_ENCOBRIR", "TXT_QTE_RODADAS", "strNR_REGRA"})
        mesa()[nome].visivel = true;
    mesa()["STA_JOG_TRUCOU"].texto = "Pode Trucar!";
    mesa()["TXT_QTE_RODADAS"].texto = "Cartas: 40";
    mesa()["strNR_REGRA"].texto = "Calculado";
    mesa()["ESCONDIDA"].texto = "Jogar carta fechada";
    for (int s = 1; s <= 3; ++s) {
        mesa().JOG(1, s).visivel = true;
        mesa().JOG(1, s).face = Face::Frente;
    }
    const std::vector<std::string> fixos = {"LOGOTIPO_1", "STA_JOG_TRUCOU", "TRUCO3",     "FUGIR",
                                            "ESCONDIDA",  "TXT_QTE_RODADAS", "strNR_REGRA", "NOME_JOG_1",
                                            "MARCA_VOCE", "JOG_1_1",         "JOG_1_2",    "JOG_1_3"};
    for (int sugerida = 1; sugerida <= 3; ++sugerida) {
        SCOPED_TRACE("sugestão na carta " + std::to_string(sugerida));
        for (int s = 1; s <= 3; ++s) mesa()["imgSUJESTAO_" + std::to_string(s)].visivel = s == sugerida;
        janela().redesenha();
        std::vector<std::string> todos = fixos;
        for (const char* marca : {"imgSUJESTAO_TRUCAR", "imgSUJESTAO_ENCOBRIR"}) todos.push_back(marca);
        todos.push_back("imgSUJESTAO_" + std::to_string(sugerida));
        for (std::size_t i = 0; i < todos.size(); ++i) {
            ASSERT_TRUE(aparece(todos[i])) << todos[i];
            for (std::size_t j = i + 1; j < todos.size(); ++j)
                EXPECT_FALSE(controle<QWidget>(todos[i])->geometry().intersects(controle<QWidget>(todos[j])->geometry()))
                    << todos[i] << " cobre " << todos[j];
        }
        // The arrow points at the card it advises.
        const QRect seta = controle<QWidget>("imgSUJESTAO_" + std::to_string(sugerida))->geometry();
        const QRect carta = controle<QWidget>("JOG_1_" + std::to_string(sugerida))->geometry();
        EXPECT_TRUE(seta.left() >= carta.left() && seta.right() <= carta.right()) << "a seta não está sobre a carta";
    }

    // Two-line announcements, the longest the game makes, fit their place in the list at the
    // list's own letter size: neither cut nor drawn smaller.
    jogo().prefs.DIFICULDADE = 1;
    for (const char* texto : {"NÃO VOU JOGAR ESTA MÃO DE ONZE", "Não pode TRUCAR na MÃO de ONZE",
                              "Computador Aceitou o DOZE!", "DOZE A ZERO PATO! 0/12"})
        jogo().anuncios.FALA(texto, "");
    janela().redesenha();
    for (int i = 1; i <= 4; ++i) {
        PecaDaMesa* aviso = controle("ULTIMA_AVISO_" + std::to_string(i));
        const QRect area = aviso->rect();
        const QFont propria = aviso->fonteQueCabe(QRect(0, 0, 10000, 10000));
        EXPECT_EQ(aviso->fonteQueCabe(area).pixelSize(), propria.pixelSize()) << aviso->texto().toStdString();
        const QRect ocupado = QFontMetrics(propria).boundingRect(area, Qt::TextWordWrap, aviso->texto());
        EXPECT_LE(ocupado.height(), area.height()) << aviso->texto().toStdString();
        EXPECT_LE(ocupado.width(), area.width()) << aviso->texto().toStdString();
    }
}

// The jokes window sits on the table's cloth in a frame, not on the bare window colour, and its
// joke is on light paper in dark letters.
TEST_F(MesaComunicaTeste, JanelaDePiadasComOAspectoDaMesa) {
    TfPIADAS& piadas = janela().piadas();
    piadas.show();
    QCoreApplication::processEvents();
    const QImage visto = piadas.grab().toImage();
    const QColor fundoComum = piadas.palette().color(QPalette::Window);
    // The frame's edge and the margin between the frame and the sheet.
    for (const QPoint ponto : {QPoint(1, visto.height() / 2), QPoint(8, visto.height() / 2)})
        EXPECT_NE(visto.pixelColor(ponto).rgb(), fundoComum.rgb()) << ponto.x();
    auto* papel = piadas.findChild<QWidget*>("TEXTO");
    ASSERT_NE(papel, nullptr);
    const QImage folha = papel->grab().toImage();
    const QColor meio = folha.pixelColor(folha.width() / 2, folha.height() / 2);
    EXPECT_GT(meio.lightness(), 160) << "o papel da piada devia ser claro";
    EXPECT_GT(meio.green(), meio.blue()) << "o papel da piada devia ser verde-limão";
    piadas.hide();
}

}  // namespace
}  // namespace pelmar::teste
