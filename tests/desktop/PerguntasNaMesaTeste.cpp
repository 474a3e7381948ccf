#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "desktop/VigiaDaPartida.h"
#include "records/RegistroEstatisticas.h"
#include "records/RegistroPreferencias.h"
#include "windows/LayoutDaMesa.h"
#include "windows/MesaDesenhada.h"
#include "windows/SessaoDesktop.h"

namespace pelmar::teste {
namespace {

PerguntaTruco trucoDe(int chamador) {
    PerguntaTruco p;
    p.chamador = chamador;
    p.valor = 3;
    p.verso = "Doze! Eu aposto o chapéu, a mula e o violão, essa mão é do meu coração!";
    p.legenda = " TRUCO : Valendo 3 tentos";
    p.textoSubir = "RE-TRUCA : 6";
    return p;
}

// The table window shown offscreen over a whole run; the questions are the real modal windows.
class PerguntasNaMesaTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreMesa();
    }

    // A new run in the same folder, its table shown at the screen's corner. Not started, no game
    // comes: the match loop would otherwise begin inside a question's own event loop.
    void abreMesa(bool iniciada = false) {
        abreSessao();
        if (iniciada) sessao->inicia();
        janela().move(0, 0);
        janela().show();
        janela().activateWindow();
    }

    EstadoJogo& estado() { return jogo().estado; }

    // A control's home on the screen, where the player sees it once it shows (a hidden card's
    // widget has no place yet, so its home on the scaled table is used).
    QRect naTela(const std::string& nome) {
        auto* mesa = janela().findChild<MesaDesenhada*>("MESA");
        if (!mesa) {
            ADD_FAILURE() << "a janela não tem a mesa";
            return {};
        }
        if (nome == "MESA") return {mesa->mapToGlobal(QPoint(0, 0)), mesa->size()};
        const QRect r = mesa->naJanela(casaNaMesa(nome));
        return {mesa->mapToGlobal(r.topLeft()), r.size()};
    }

    // The names of the cards that must stay in sight while the question is up.
    static std::vector<std::string> maos() {
        std::vector<std::string> nomes;
        for (int p : {1, 3})
            for (int s = 1; s <= 3; ++s) nomes.push_back("JOG_" + std::to_string(p) + "_" + std::to_string(s));
        nomes.push_back("CVIRA");
        for (int i = 1; i <= 3; ++i) nomes.push_back("MONTE_" + std::to_string(i));
        return nomes;
    }
    static std::vector<std::string> cartasDasVazas() {
        std::vector<std::string> nomes;
        for (int p = 1; p <= 4; ++p)
            for (int t = 1; t <= 3; ++t) nomes.push_back("MESA_J" + std::to_string(p) + std::to_string(t));
        return nomes;
    }

    // Where a question window stood while it was up, answered by a click on `botao`.
    template <typename Janela>
    QRect ondeAbriu(Janela& pergunta, const char* botao, const std::function<void()>& pergunte) {
        QRect onde;
        QTimer::singleShot(0, &pergunta, [&] {
            EXPECT_TRUE(pergunta.isVisible());
            onde = pergunta.frameGeometry();
            if (auto* b = pergunta.template findChild<QPushButton*>(botao)) b->click();
            else pergunta.done(resposta::ACEITAR);
        });
        pergunte();
        return onde;
    }

    // Plays from the start, clicking the user's cards at his turns, until a computer's truco opens
    // the question; `naPergunta` runs with it up. Returns once the match loop has let go. Past
    // the limit the question is answered and play stopped, so a fault fails instead of hanging.
    void jogaAteAPergunta(const std::function<void(TfTRUCO_QUEST&)>& naPergunta, int limiteMs = 30000) {
        jogo().computador.truco.FORCA_COMPUTADOR_TRUCAR = true;
        TfTRUCO_QUEST& pergunta = sessao->tela().perguntaDeTruco;
        bool feito = false, comecou = false;
        VigiaDaPartida vigia(estado(), limiteMs, [&pergunta] {
            if (pergunta.isVisible()) pergunta.done(resposta::FUGIR);
        });
        QTimer roteiro;
        roteiro.setInterval(2);
        QObject::connect(&roteiro, &QTimer::timeout, [&] {
            // The match loop runs nested in these ticks; the loop below sees it only once it is over.
            comecou = comecou || janela().partidaNaPilha();
            if (feito || vigia.passou()) return;
            if (pergunta.isVisible()) {
                feito = true;
                naPergunta(pergunta);
                return;
            }
            if (!janela().partidaNaPilha() || !estado().JOGADORES[1].PODE_JOGAR) return;
            for (int s = 1; s <= 3; ++s)
                if (!estado().JOGADORES[1].CARTAS[s].JOGADA && jogo().mesa.JOG(1, s).visivel) {
                    QTest::mouseClick(janela().findChild<QWidget*>(QString("JOG_1_%1").arg(s)), Qt::LeftButton);
                    return;
                }
        });
        roteiro.start();
        vigia.esperaAte([&] { return comecou && feito && !janela().partidaNaPilha(); });
        EXPECT_TRUE(feito) << "nenhuma pergunta de truco apareceu";
        EXPECT_FALSE(vigia.estourou()) << "a pergunta continuou aberta";
    }

    // History lines that would record an answer to the question or its announcement.
    std::vector<std::string> respostasNoHistorico() {
        std::vector<std::string> achadas;
        for (const std::string& linha : jogo().historico.linhas())
            for (const char* trecho : {"ACEITOU TRUCO", "FUGIU DO TRUCO", "SUBIU TRUCO", "MSG = Tá Louco", "MSG = JOGA"})
                if (linha.find(trecho) != std::string::npos) achadas.push_back(linha);
        return achadas;
    }

};

// The truco question opens in the band beside the caller's seat: on its side of the table,
// level with its portrait, with the tricks, the pile, the vira and both hands of the user's side
// in sight, and wholly on the screen. At the table's own size and on a wider, lower window.
TEST_F(PerguntasNaMesaTeste, TrucoAbreAoLadoDoChamadorSemCobrirAsCartas) {
    const QRect tela = janela().screen()->availableGeometry();
    for (const QSize tamanho : {QSize(780, 560), QSize(800, 470)}) {
        janela().resize(tamanho);
        QCoreApplication::processEvents();
        for (const int chamador : {2, 4}) {
            SCOPED_TRACE("chamador " + std::to_string(chamador) + ", janela " + std::to_string(janela().width()) +
                         "x" + std::to_string(janela().height()));
            TfTRUCO_QUEST& pergunta = sessao->tela().perguntaDeTruco;
            const QRect onde = ondeAbriu(pergunta, "ACEITAR", [&] {
                EXPECT_EQ(sessao->tela().perguntaTruco(trucoDe(chamador)), resposta::ACEITAR);
            });
            ASSERT_FALSE(onde.isEmpty());
            EXPECT_TRUE(tela.contains(onde)) << "fora da tela";
            std::vector<std::string> visiveis = maos();
            for (const std::string& nome : cartasDasVazas()) visiveis.push_back(nome);
            for (const std::string& nome : visiveis) EXPECT_FALSE(onde.intersects(naTela(nome))) << "cobre " << nome;
            const QRect mesa = naTela("MESA");
            if (chamador == 2) {
                EXPECT_GT(onde.left(), mesa.center().x()) << "não está do lado do chamador";
            } else {
                EXPECT_LT(onde.right(), mesa.center().x()) << "não está do lado do chamador";
            }
            const QRect retrato = naTela("IMG_JOGADOR_" + std::to_string(chamador));
            EXPECT_TRUE(onde.top() <= retrato.bottom() && onde.bottom() >= retrato.top())
                << "não está à altura do assento";
            // The score and the tricks' results, above the seat, stay in sight.
            EXPECT_GE(onde.top(), naTela(chamador == 2 ? "RJ2b" : "PALITO_MESA_01").bottom());
        }
    }
}

// The hand-of-eleven question opens beside the user's seat, between the vira and his hand,
// where no card lies yet: both hands of his side and the vira stay in sight.
TEST_F(PerguntasNaMesaTeste, MaoDeOnzeAbreJuntoDoUsuarioSemCobrirAsCartas) {
    const QRect tela = janela().screen()->availableGeometry();
    for (const QSize tamanho : {QSize(780, 560), QSize(800, 470)}) {
        janela().resize(tamanho);
        QCoreApplication::processEvents();
        SCOPED_TRACE(std::to_string(janela().width()) + "x" + std::to_string(janela().height()));
        TfMao11& pergunta = sessao->tela().perguntaDeOnze;
        const QRect onde = ondeAbriu(pergunta, "ACEITAR", [&] {
            EXPECT_EQ(sessao->tela().perguntaOnze(), resposta::JOGAR_ONZE);
        });
        ASSERT_FALSE(onde.isEmpty());
        EXPECT_TRUE(tela.contains(onde)) << "fora da tela";
        for (const std::string& nome : maos()) EXPECT_FALSE(onde.intersects(naTela(nome))) << "cobre " << nome;
        const QRect mao = naTela("JOG_1_1") | naTela("JOG_1_3");
        EXPECT_TRUE(onde.left() < mao.right() && onde.right() > mao.left())
            << "longe da mão do usuário " << onde.x() << "," << onde.y() << " " << onde.width() << "x" << onde.height()
            << " mao " << mao.x() << "," << mao.y() << " " << mao.width() << "x" << mao.height();
    }
}

// Closing the table while the question is up — its close event (the close box, SIGTERM) or
// F4 pressed in the question — answers nothing, and the game closes as that exit always does.
TEST_F(PerguntasNaMesaTeste, FecharComAPerguntaAbertaNaoRespondeNada) {
    struct Caso {
        const char* nome;
        bool f4;
    };
    const Caso casos[] = {{"evento de fechar", false}, {"F4", true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        abreMesa(true);
        int perguntasDeJuntar = 0;
        janela().perguntaJuntar = [&] {
            ++perguntasDeJuntar;
            return false;
        };
        bool fechou = true;
        int estadoNaPergunta = -1;
        jogaAteAPergunta([&](TfTRUCO_QUEST& pergunta) {
            estadoNaPergunta = estado().ESTADO_TRUCO;
            // Only the close itself can have written these figures.
            jogo().estatisticas.PARTIDAS = 77;
            jogo().prefs.PASSOS = 17;
            if (c.f4) {
                // The key goes where the player's focus is: the question, active over the table.
                pergunta.activateWindow();
                QElapsedTimer espera;
                espera.start();
                while (QApplication::activeWindow() != &pergunta && espera.elapsed() < 5000)
                    QCoreApplication::processEvents();
                EXPECT_EQ(QApplication::activeWindow(), &pergunta);
                QTest::keyClick(&pergunta, Qt::Key_F4);
            } else {
                fechou = janela().close();
                EXPECT_FALSE(fechou) << "a janela fechou com o laço da partida ainda na pilha";
            }
        });
        EXPECT_FALSE(sessao->tela().perguntaDeTruco.isVisible());
        EXPECT_FALSE(janela().isVisible());
        EXPECT_FALSE(estado().JOGO_EM_ANDAMENTO);
        EXPECT_EQ(estado().ESTADO_TRUCO, estadoNaPergunta) << "a pergunta foi decidida";
        EXPECT_EQ(respostasNoHistorico(), std::vector<std::string>{});
        EXPECT_EQ(perguntasDeJuntar, c.f4 ? 1 : 0);

        Estatisticas lidas;
        CARREGA_ESTATISTICAS(lidas, PastaTrabalho(pasta));
        EXPECT_EQ(lidas.PARTIDAS, 77) << "as estatísticas não foram salvas";
        // The saving exit stores the preferences and the history; the close box neither.
        Preferencias prefs;
        CARREGA_PREFERENCIAS(prefs, PastaTrabalho(pasta));
        EXPECT_EQ(prefs.PASSOS == 17, c.f4);
        if (c.f4) {
            EXPECT_TRUE(std::filesystem::exists(pasta / "P-HISTORICO_NEW.TXT"));
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
