#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "windows/SessaoDesktop.h"
#include "windows/TfPARAMETROS.h"

namespace pelmar::teste {
namespace {

// 1 when every condition holds, 0 when none does, -1 for a mix: one switch, one consistent state.
int todos(std::initializer_list<bool> condicoes) {
    int verdadeiras = 0;
    for (bool c : condicoes) verdadeiras += c ? 1 : 0;
    if (verdadeiras == 0) return 0;
    return verdadeiras == static_cast<int>(condicoes.size()) ? 1 : -1;
}

bool mostraVerso(const Jogo& j, int jogador, int slot) { return j.mesa.JOG(jogador, slot).face == Face::Verso; }

// A desktop run in a temporary folder with the parameters window over its table. The game is
// never started unless a test pumps events, so each test sees the state it sets.
class TfPARAMETROSTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreRodada();
    }

    // A new run in the same folder: what was saved is what it finds.
    void abreRodada() {
        abreSessao(4101);
        sessao->inicia();
        // Owned by the table window, as in the game.
        parametros = new TfPARAMETROS(jogo(), &janela());
        parametros->carrega();
    }


    template <typename W>
    W* controle(const char* nome) {
        W* w = parametros->findChild<W*>(QString::fromUtf8(nome));
        if (!w) throw std::runtime_error(std::string("a janela não tem o controle ") + nome);
        return w;
    }
    bool marcado(const char* nome) { return controle<QAbstractButton>(nome)->isChecked(); }
    QString texto(const char* nome) { return controle<QLabel>(nome)->text(); }

    // The hands as a deal leaves them: the user's face up, the computer-played partner's backs.
    void daCartas() {
        for (int s = 1; s <= 3; ++s) {
            jogo().mesa.JOG(1, s).carta = s;
            jogo().mesa.JOG(1, s).face = Face::Frente;
            jogo().mesa.JOG(3, s).carta = 10 + s;
            jogo().mesa.JOG(3, s).face = Face::Verso;
        }
    }

    // Plays from the start until the user is to play (at either seat of the side), runs `naVez`
    // there, and stops the game.
    void jogaAteAVezDoUsuario(const std::function<void()>& naVez) {
        janela().show();
        bool feito = false, dentro = false;
        QTimer roteiro;
        roteiro.setInterval(2);
        QObject::connect(&roteiro, &QTimer::timeout, [&] {
            const auto& jogadores = jogo().estado.JOGADORES;
            if (dentro || feito || !janela().partidaNaPilha()) return;
            if (!jogadores[1].PODE_JOGAR && !jogadores[3].PODE_JOGAR) return;
            dentro = true;
            naVez();
            feito = true;
            janela().acao("PARAR_JOGO")->trigger();
            dentro = false;
        });
        roteiro.start();
        QElapsedTimer relogio;
        relogio.start();
        while (!(feito && !janela().partidaNaPilha()) && relogio.elapsed() < 30000) {
            QCoreApplication::processEvents();
            QTest::qSleep(1);
        }
        EXPECT_TRUE(feito) << "a vez do usuário não chegou";
    }

    TfPARAMETROS* parametros = nullptr;
};

TEST_F(TfPARAMETROSTeste, CadaCaixaMudaOJogoNosDoisSentidos) {
    struct Caso {
        const char* nome;
        std::function<int(Jogo&)> estado;  // todos(...) of what "checked" means
    };
    const Caso casos[] = {
        {"Falas1", [](Jogo& j) { return todos({j.prefs.FALAS}); }},
        {"Som1", [](Jogo& j) { return todos({j.prefs.SOM}); }},
        {"ROUBA_BARALHO", [](Jogo& j) { return todos({j.prefs.ROUBA_BARALHO}); }},
        {"CEREBRO_USA_REGRAS", [](Jogo& j) { return todos({j.prefs.CEREBRO_USA_REGRAS}); }},
        {"CEREBRO_APRENDE_REGRAS", [](Jogo& j) { return todos({j.prefs.CEREBRO_APRENDE_REGRAS}); }},
        {"CK_PERSONALIDADE", [](Jogo& j) { return todos({j.prefs.USA_PERSONALIDADE}); }},
        {"ckADV_MOSTRA_CARTAS", [](Jogo& j) { return todos({j.chaves.ADV_MOSTRA_CARTAS}); }},
        {"ckPAR_MOSTRA_CARTAS", [](Jogo& j) { return todos({j.chaves.PAR_MOSTRA_CARTAS}); }},
        {"ckMOSTRA_CARTAS_FINAL", [](Jogo& j) { return todos({j.chaves.MOSTRA_CARTAS_FINAL}); }},
        {"MUDANCA_NIVEL_ATIVADA", [](Jogo& j) { return todos({j.chaves.MUDANCA_NIVEL_AUTOMATICA}); }},
        {"Jogador3jogasozinho1",
         [](Jogo& j) {
             return todos({j.prefs.J3_JOGA_SOZINHO, mostraVerso(j, 3, 1), mostraVerso(j, 3, 2), mostraVerso(j, 3, 3)});
         }},
        {"ckSUGESTAO", [](Jogo& j) { return todos({j.chaves.MOSTRA_SUGESTAO, j.mesa["strNR_REGRA"].visivel}); }},
        {"CK_CARTAS_SAIRAM",
         [](Jogo& j) { return todos({j.chaves.MOSTRA_CARTAS_SAIRAM, j.mesa["CAIXA_CARTAS_SAIRAM"].visivel}); }},
        {"ckDEMO",
         [this](Jogo& j) {
             return todos({j.chaves.MODO_DEMO, j.prefs.J1_JOGA_SOZINHO, marcado("Jogador1jogasozinho1"),
                           mostraVerso(j, 1, 1), mostraVerso(j, 1, 2), mostraVerso(j, 1, 3)});
         }},
        {"ckNO_TIME",
         [this](Jogo& j) { return todos({j.chaves.SEM_ESPERA, !j.prefs.SOM, !marcado("Som1")}); }},
    };
    daCartas();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        auto* caixa = controle<QCheckBox>(caso.nome);
        const bool inicial = caixa->isChecked();
        caixa->click();
        EXPECT_EQ(caso.estado(jogo()), inicial ? 0 : 1);
        caixa->click();
        EXPECT_EQ(caso.estado(jogo()), inicial ? 1 : 0);
    }
}

TEST_F(TfPARAMETROSTeste, RapidoDesligaOSomEReligaAoSair) {
    // The run starts fast, so the box is loaded checked and the sound off.
    ASSERT_TRUE(marcado("ckNO_TIME"));
    ASSERT_FALSE(jogo().prefs.SOM);
    controle<QCheckBox>("ckNO_TIME")->click();
    EXPECT_FALSE(jogo().chaves.SEM_ESPERA);
    EXPECT_TRUE(jogo().prefs.SOM);
    EXPECT_TRUE(marcado("Som1"));
    // Fast again with the sound already switched off by hand: the box shows it, nothing else moves.
    controle<QCheckBox>("Som1")->click();
    controle<QCheckBox>("ckNO_TIME")->click();
    EXPECT_TRUE(jogo().chaves.SEM_ESPERA);
    EXPECT_FALSE(jogo().prefs.SOM);
    EXPECT_FALSE(marcado("Som1"));
}

TEST_F(TfPARAMETROSTeste, SoCartasDadasViramEODebugDeixaTudoAberto) {
    daCartas();
    jogo().mesa.JOG(3, 3).face = Face::Nada;  // a slot the deal has not reached
    auto* parceiro = controle<QCheckBox>("Jogador3jogasozinho1");
    ASSERT_TRUE(parceiro->isChecked());
    parceiro->click();
    EXPECT_EQ(jogo().mesa.JOG(3, 1).face, Face::Frente);
    EXPECT_EQ(jogo().mesa.JOG(3, 3).face, Face::Nada);
    parceiro->click();
    EXPECT_EQ(jogo().mesa.JOG(3, 2).face, Face::Verso);
    EXPECT_EQ(jogo().mesa.JOG(3, 3).face, Face::Nada);

    // The debug deal leaves every card face up, and so they stay.
    jogo().chaves.MODO_DEBUG = true;
    for (int s = 1; s <= 3; ++s) jogo().mesa.JOG(3, s).face = Face::Frente;
    parceiro->click();
    parceiro->click();
    ASSERT_TRUE(parceiro->isChecked());
    controle<QCheckBox>("ckDEMO")->click();
    ASSERT_TRUE(jogo().prefs.J1_JOGA_SOZINHO);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(jogo().mesa.JOG(1, s).face, Face::Frente);
        EXPECT_EQ(jogo().mesa.JOG(3, s).face, Face::Frente);
    }
}

TEST_F(TfPARAMETROSTeste, SoODemoMudaACaixaDoJogador1) {
    EXPECT_FALSE(controle<QCheckBox>("Jogador1jogasozinho1")->isEnabled());
    // Demo from the command line: the window shows it, and leaving demo gives the seat back.
    jogo().chaves.MODO_DEMO = true;
    jogo().prefs.J1_JOGA_SOZINHO = true;
    parametros->carrega();
    ASSERT_TRUE(marcado("ckDEMO"));
    ASSERT_TRUE(marcado("Jogador1jogasozinho1"));
    controle<QCheckBox>("ckDEMO")->click();
    EXPECT_FALSE(jogo().chaves.MODO_DEMO);
    EXPECT_FALSE(jogo().prefs.J1_JOGA_SOZINHO);
    EXPECT_FALSE(marcado("Jogador1jogasozinho1"));
}

TEST_F(TfPARAMETROSTeste, ModoDoBaralhoPelosBotoes) {
    struct Caso {
        const char* botao;
        bool tradicional, limpo;
    };
    // From the fresh window's São Paulo complete, each choice differs from the one before.
    ASSERT_TRUE(marcado("PAULISTA_COMPLETO"));
    for (const Caso& caso : {Caso{"PAULISTA_LIMPO", false, true}, Caso{"TRADICIONAL_COMPLETO", true, false},
                             Caso{"PAULISTA_COMPLETO", false, false}, Caso{"TRADICIONAL_COMPLETO", true, false},
                             Caso{"PAULISTA_LIMPO", false, true}}) {
        SCOPED_TRACE(caso.botao);
        controle<QRadioButton>(caso.botao)->click();
        EXPECT_EQ(jogo().prefs.MODO_TRADICIONAL, caso.tradicional);
        EXPECT_EQ(jogo().prefs.BARALHO_LIMPO, caso.limpo);
    }
}

TEST_F(TfPARAMETROSTeste, CarregaMostraOModoGravado) {
    struct Caso {
        bool tradicional, limpo;
        const char* botao;
    };
    for (const Caso& caso : {Caso{true, false, "TRADICIONAL_COMPLETO"}, Caso{false, true, "PAULISTA_LIMPO"},
                             Caso{false, false, "PAULISTA_COMPLETO"},
                             // A record from elsewhere with both flags: traditional wins.
                             Caso{true, true, "TRADICIONAL_COMPLETO"}}) {
        SCOPED_TRACE(caso.botao);
        jogo().prefs.MODO_TRADICIONAL = caso.tradicional;
        jogo().prefs.BARALHO_LIMPO = caso.limpo;
        parametros->carrega();
        EXPECT_TRUE(marcado(caso.botao));
        // Loading shows the record; it does not rewrite it.
        EXPECT_EQ(jogo().prefs.MODO_TRADICIONAL, caso.tradicional);
        EXPECT_EQ(jogo().prefs.BARALHO_LIMPO, caso.limpo);
    }
}

TEST_F(TfPARAMETROSTeste, EncobrirMostraOuEscondeACaixaDaMesa) {
    Controle& escondida = jogo().mesa["ESCONDIDA"];
    escondida.visivel = false;
    escondida.habilitado = false;
    controle<QRadioButton>("ENCOBRIR_1")->click();
    EXPECT_TRUE(jogo().prefs.ENCOBRIR_QUALQUER_RODADA);
    EXPECT_TRUE(escondida.visivel);
    EXPECT_TRUE(escondida.habilitado);

    // Ticked, then forbidden: out of sight it must not cover the next card.
    escondida.marcado = true;
    controle<QRadioButton>("ENCOBRIR_2")->click();
    EXPECT_FALSE(jogo().prefs.ENCOBRIR_QUALQUER_RODADA);
    EXPECT_FALSE(escondida.visivel);
    EXPECT_FALSE(escondida.habilitado);
    EXPECT_FALSE(escondida.marcado);
}

TEST_F(TfPARAMETROSTeste, TrilhasDeTempoMudamORegistroESeuRotulo) {
    struct Caso {
        const char* trilha;
        const char* rotulo;
        int Preferencias::*campo;
        int valor;
    };
    for (const Caso& caso : {Caso{"PASSOS", "STR_PASSOS", &Preferencias::PASSOS, 17},
                             Caso{"TEMPO", "STR_TEMPO", &Preferencias::TEMPO, 0},
                             Caso{"DESAPARECER", "STR_DESAPARECE", &Preferencias::DESAPARECER, 170}}) {
        SCOPED_TRACE(caso.trilha);
        controle<QSlider>(caso.trilha)->setValue(caso.valor);
        EXPECT_EQ(jogo().prefs.*caso.campo, caso.valor);
        EXPECT_EQ(texto(caso.rotulo), QString::number(caso.valor));
    }
}

TEST_F(TfPARAMETROSTeste, IntervaloDosSinaisMudaOTimerNaHora) {
    auto* sinais = controle<QSlider>("valSINAIS");
    EXPECT_EQ(sinais->value(), 200);
    EXPECT_EQ(jogo().sinais.intervalo(), 200);
    sinais->setValue(350);
    EXPECT_EQ(jogo().sinais.intervalo(), 350);
    sinais->setValue(120);
    EXPECT_EQ(jogo().sinais.intervalo(), 120);
    // Not a preference: reopening the window keeps the user's choice.
    parametros->carrega();
    EXPECT_EQ(sinais->value(), 120);
    EXPECT_EQ(jogo().sinais.intervalo(), 120);
}

TEST_F(TfPARAMETROSTeste, NivelPendenteAteAProximaMao) {
    ASSERT_EQ(jogo().prefs.DIFICULDADE, 5);
    auto* nivel = controle<QSlider>("VL_DIFICULDADE");
    const Controle& nova = jogo().mesa["VL_DIFICULDADE_NOVA"];
    nivel->setValue(8);
    EXPECT_EQ(jogo().dificuldade.DIFICULDADE_NOVA, 8);
    EXPECT_TRUE(jogo().dificuldade.MUDANCA_PENDENTE);
    EXPECT_TRUE(nova.visivel);
    EXPECT_EQ(nova.texto, "8");
    EXPECT_EQ(texto("DIF"), "8");
    EXPECT_EQ(jogo().prefs.DIFICULDADE, 5);

    // Reopened meanwhile: the track bar still shows the choice waiting, and loading keeps it.
    parametros->carrega();
    EXPECT_EQ(nivel->value(), 8);
    EXPECT_EQ(texto("DIF"), "8");
    EXPECT_TRUE(jogo().dificuldade.MUDANCA_PENDENTE);

    // Back to the level in force before the hand ends: nothing waits any more.
    nivel->setValue(5);
    EXPECT_FALSE(jogo().dificuldade.MUDANCA_PENDENTE);
    EXPECT_FALSE(nova.visivel);
    EXPECT_EQ(texto("DIF"), "5");

    nivel->setValue(2);
    jogo().dificuldade.inicioDaMao();
    EXPECT_EQ(jogo().prefs.DIFICULDADE, 2);
    parametros->carrega();
    EXPECT_EQ(nivel->value(), 2);
}

TEST_F(TfPARAMETROSTeste, CaixaDeManilhasRespeitaONivel) {
    struct Caso {
        int nivel;
        bool visivel;
    };
    for (const Caso& caso : {Caso{0, true}, Caso{6, true}, Caso{7, false}, Caso{10, false}}) {
        SCOPED_TRACE(caso.nivel);
        jogo().dificuldade.DEFINE_DIFICULDADE(caso.nivel);
        auto* caixa = controle<QCheckBox>("CK_CARTAS_SAIRAM");
        caixa->setChecked(false);
        EXPECT_FALSE(jogo().mesa["CAIXA_CARTAS_SAIRAM"].visivel);
        caixa->setChecked(true);
        EXPECT_EQ(jogo().mesa["CAIXA_CARTAS_SAIRAM"].visivel, caso.visivel);
    }
}

TEST_F(TfPARAMETROSTeste, EscolhasValemNaDistribuicaoSeguinte) {
    controle<QCheckBox>("CK_CARTAS_SAIRAM")->click();
    controle<QCheckBox>("Jogador3jogasozinho1")->click();
    controle<QRadioButton>("TRADICIONAL_COMPLETO")->click();
    jogaAteAVezDoUsuario([this] {
        const Jogo& j = jogo();
        EXPECT_FALSE(j.mesa["CAIXA_CARTAS_SAIRAM"].visivel);
        EXPECT_FALSE(j.mesa["CVIRA"].visivel);
        for (int s = 1; s <= 3; ++s) {
            EXPECT_EQ(j.mesa.JOG(3, s).face, Face::Frente);
            const SlotCarta& carta = j.estado.JOGADORES[1].CARTAS[s];
            EXPECT_EQ(carta.FORCA, FORCA_CARTA(j.baralho, carta.CARTA, 0, ModoBaralho{true, false}));
        }
    });
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

TEST_F(TfPARAMETROSTeste, SalvarGravaEOutraSessaoEncontraTudo) {
    controle<QRadioButton>("PAULISTA_LIMPO")->click();
    controle<QRadioButton>("ENCOBRIR_1")->click();
    controle<QCheckBox>("Falas1")->click();
    controle<QCheckBox>("Jogador3jogasozinho1")->click();
    controle<QCheckBox>("ROUBA_BARALHO")->click();
    controle<QSlider>("PASSOS")->setValue(12);
    controle<QSlider>("DESAPARECER")->setValue(90);
    // Shown first, as in a run: a hidden window's position does not yet count its frame.
    janela().show();
    janela().move(137, 91);
    parametros->show();
    controle<QPushButton>("btSALVAR")->click();
    EXPECT_FALSE(parametros->isVisible());

    abreRodada();
    const Preferencias& p = jogo().prefs;
    EXPECT_TRUE(p.BARALHO_LIMPO);
    EXPECT_FALSE(p.MODO_TRADICIONAL);
    EXPECT_TRUE(p.ENCOBRIR_QUALQUER_RODADA);
    EXPECT_FALSE(p.FALAS);
    EXPECT_FALSE(p.J3_JOGA_SOZINHO);
    EXPECT_TRUE(p.ROUBA_BARALHO);
    EXPECT_EQ(p.PASSOS, 12);
    EXPECT_EQ(p.DESAPARECER, 90);
    EXPECT_EQ(p.JANELA_ESQUERDA, 137);
    EXPECT_EQ(p.JANELA_TOPO, 91);

    EXPECT_TRUE(marcado("PAULISTA_LIMPO"));
    EXPECT_TRUE(marcado("ENCOBRIR_1"));
    EXPECT_FALSE(marcado("Falas1"));
    EXPECT_FALSE(marcado("Jogador3jogasozinho1"));
    EXPECT_TRUE(marcado("ROUBA_BARALHO"));
    EXPECT_EQ(controle<QSlider>("PASSOS")->value(), 12);
    EXPECT_EQ(texto("STR_PASSOS"), "12");
    EXPECT_EQ(texto("STR_DESAPARECE"), "90");
}

TEST_F(TfPARAMETROSTeste, FecharNaoGrava) {
    controle<QCheckBox>("Falas1")->click();
    controle<QRadioButton>("TRADICIONAL_COMPLETO")->click();
    parametros->show();
    controle<QPushButton>("FECHAR")->click();
    EXPECT_FALSE(parametros->isVisible());
    abreRodada();
    EXPECT_TRUE(jogo().prefs.FALAS);
    EXPECT_FALSE(jogo().prefs.MODO_TRADICIONAL);
    EXPECT_TRUE(marcado("PAULISTA_COMPLETO"));
}

// The whole window fits a 1024 x 600 screen, title bar and taskbar allowed for, and nothing in it
// is cut: every control lies inside it at no less than the size its text needs.
TEST_F(TfPARAMETROSTeste, CabeNumaTelaDe1024Por600SemCortarNada) {
    // What a window manager's title bar and a taskbar take from a 600-pixel-high screen.
    constexpr int BORDAS = 64;
    parametros->abre();
    QCoreApplication::processEvents();
    const QSize tamanho = parametros->frameGeometry().size();
    EXPECT_LE(tamanho.width(), 1024) << tamanho.width() << "x" << tamanho.height();
    EXPECT_LE(tamanho.height(), 600 - BORDAS) << tamanho.width() << "x" << tamanho.height();

    const QRect dentro = parametros->rect();
    int vistos = 0;
    for (QWidget* w : parametros->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QSlider*>(w)))
            continue;
        ++vistos;
        const QString quem = w->objectName().isEmpty() ? w->property("text").toString() : w->objectName();
        SCOPED_TRACE(quem.toStdString());
        const QRect onde(w->mapTo(parametros, QPoint(0, 0)), w->size());
        EXPECT_TRUE(dentro.contains(onde)) << "fora da janela";
        auto* rotulo = qobject_cast<QLabel*>(w);
        if (rotulo && rotulo->wordWrap()) {
            EXPECT_GE(w->height(), w->heightForWidth(w->width())) << "texto cortado";
        } else {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << "texto cortado";
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << "texto cortado";
        }
    }
    EXPECT_GT(vistos, 40);
}

TEST_F(TfPARAMETROSTeste, AbreJuntoDaMesa) {
    janela().show();
    janela().move(200, 120);
    parametros->abreJuntoDaMesa();
    EXPECT_TRUE(parametros->isVisible());
    EXPECT_EQ(parametros->pos(), QPoint(210, 165));
    EXPECT_EQ(parametros->windowTitle(), QString::fromUtf8("Parâmetros do Jogo"));
}

}  // namespace
}  // namespace pelmar::teste
