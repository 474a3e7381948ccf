#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "records/RegistroEstatisticas.h"
#include "records/RegistroPreferencias.h"
#include "desktop/SessaoDeTeste.h"
#include "desktop/VigiaDaPartida.h"
#include "windows/MesaDesenhada.h"
#include "windows/PecaDaMesa.h"
#include "windows/SeletorDeImagens.h"
#include "windows/TfBARALHOS.h"
#include "windows/TfMESAS.h"
#include "windows/TfVERSOS.h"
#include "windows/SessaoDesktop.h"
#include "windows/TfPIADAS.h"

namespace pelmar::teste {
namespace {

// The whole desktop game in a temporary folder, fast, answering its questions through hooks.
// The match loop runs nested inside the window's events, so each test drives it from a script
// ticking on a timer, exactly as a user's clicks arrive.
class JanelaMesaTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao();
        sessao->tela().perguntaDeTruco.defineRespostaAutomatica([this](const PerguntaTruco& p) {
            ++perguntasDeTruco;
            return aoPerguntarTruco ? aoPerguntarTruco(p) : resposta::ACEITAR;
        });
        sessao->tela().perguntaDeOnze.defineRespostaAutomatica([] { return resposta::JOGAR_ONZE; });
        sessao->inicia();
        janela().show();
        // Keys reach the menus' shortcuts only in the active window.
        janela().activateWindow();
    }

    EstadoJogo& estado() { return sessao->jogo().estado; }

    template <typename W = PecaDaMesa>
    W* controle(const std::string& nome) {
        W* w = janela().findChild<W*>(QString::fromStdString(nome));
        if (!w) ADD_FAILURE() << "a mesa não tem o controle " << nome;
        return w;
    }

    // Runs the game from its start by itself until the script stops it, or fails after the limit.
    void joga(const std::function<void()>& passo, int limiteMs = 30000) {
        bool comecou = false;
        jogaAte(
            [&] {
                comecou = true;
                passo();
            },
            [&] { return comecou && !janela().partidaNaPilha(); }, limiteMs);
    }

    // The script runs at each tick while a match loop is on the stack, until `fim` holds outside
    // one. An interval of 0 ticks at every turn of the event loop, inside the game's own waits.
    void jogaAte(const std::function<void()>& passo, const std::function<bool()>& fim, int limiteMs = 30000,
                 int intervaloMs = 2) {
        VigiaDaPartida vigia(estado(), limiteMs);
        QTimer roteiro;
        roteiro.setInterval(intervaloMs);
        bool dentro = false;
        QObject::connect(&roteiro, &QTimer::timeout, [&] {
            if (dentro || vigia.passou()) return;
            dentro = true;
            if (janela().partidaNaPilha()) passo();
            dentro = false;
        });
        roteiro.start();
        vigia.esperaAte([&] { return fim() && !janela().partidaNaPilha(); });
        EXPECT_FALSE(vigia.estourou()) << "o roteiro não terminou a tempo";
    }

    // A key on the table, as the user presses it.
    void tecla(Qt::Key k) {
        EXPECT_EQ(QApplication::activeWindow(), &janela()) << "a mesa não é a janela ativa";
        QTest::keyClick(&janela(), k);
    }

    // Counts the match loops that start, by the block each writes to the history.
    void contaInicios() {
        contagemDeInicios = jogo().historico.aoEscrever.assina([this](const std::string& linha) {
            if (linha.find("INICIO DO JOGO AS ") != std::string::npos) ++inicios;
        });
    }

    bool cartaNaMao(int slot) { return !estado().JOGADORES[1].CARTAS[slot].JOGADA; }
    int slotNaMao() {
        for (int s = 1; s <= 3; ++s)
            if (cartaNaMao(s) && jogo().mesa.JOG(1, s).visivel) return s;
        return 0;
    }
    void clicaCarta(int slot) { QTest::mouseClick(controle("JOG_1_" + std::to_string(slot)), Qt::LeftButton); }
    void paraPeloMenu() { janela().acao("PARAR_JOGO")->trigger(); }

    std::function<int(const PerguntaTruco&)> aoPerguntarTruco;
    int perguntasDeTruco = 0;
    int inicios = 0;
    Ouvintes<std::string>::Assinatura contagemDeInicios;
};

TEST_F(JanelaMesaTeste, UmaMaoInteiraJogadaComCliquesNasCartas) {
    int cliques = 0;
    QString vistoJog, vistoCom;
    joga([&] {
        // Stopped once the hand's points are on the score, as the user sees them (the stop
        // itself clears the score).
        const int pontos = estado().PONTOS_JOG + estado().PONTOS_COM;
        if (pontos > 0 && jogo().mesa["PONTOS_JOG"].texto == std::to_string(estado().PONTOS_JOG) &&
            jogo().mesa["PONTOS_COM"].texto == std::to_string(estado().PONTOS_COM)) {
            janela().redesenha();
            vistoJog = controle("PONTOS_JOG")->texto();
            vistoCom = controle("PONTOS_COM")->texto();
            paraPeloMenu();
            return;
        }
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        const int slot = slotNaMao();
        ASSERT_NE(slot, 0);
        clicaCarta(slot);
        EXPECT_FALSE(cartaNaMao(slot)) << "o clique na carta não a jogou";
        ++cliques;
    });
    EXPECT_GE(cliques, 2);
    EXPECT_EQ(vistoJog, QString::number(estado().PONTOS_JOG));
    EXPECT_EQ(vistoCom, QString::number(estado().PONTOS_COM));
    EXPECT_GT(estado().PONTOS_JOG + estado().PONTOS_COM, 0);
    EXPECT_EQ(jogo().estatisticas.CARTAS_JOGADAS, cliques);
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

TEST_F(JanelaMesaTeste, CliquesForaDaVezNaoFazemNada) {
    int tentativas = 0;
    joga([&] {
        const int slot = slotNaMao();
        if (slot != 0 && !estado().JOGADORES[1].PODE_JOGAR && estado().JOGADOR_DA_VEZ != 1 &&
            estado().JOGADOR_DA_VEZ != 0) {
            const int cartas = jogo().estatisticas.CARTAS_JOGADAS;
            clicaCarta(slot);
            QTest::mousePress(controle("JOG_1_" + std::to_string(slot)), Qt::RightButton);
            EXPECT_TRUE(cartaNaMao(slot));
            EXPECT_EQ(jogo().estatisticas.CARTAS_JOGADAS, cartas);
            ++tentativas;
        }
        if (estado().JOGADORES[1].PODE_JOGAR) clicaCarta(slotNaMao());
        if (tentativas >= 5) paraPeloMenu();
    });
    EXPECT_GE(tentativas, 5);
}

// The right button plays covered from trick 2, when the box is offered; face up in trick 1.
TEST_F(JanelaMesaTeste, BotaoDireitoJogaEncobertoDaSegundaRodada) {
    bool primeira = false, segunda = false;
    joga([&] {
        if (!estado().JOGADORES[1].PODE_JOGAR || estado().MAO_DE_ONZE) return;
        const int rodada = estado().RODADA;
        const int slot = slotNaMao();
        QTest::mousePress(controle("JOG_1_" + std::to_string(slot)), Qt::RightButton);
        EXPECT_FALSE(cartaNaMao(slot));
        const Face face = jogo().mesa.MESA(1, rodada).face;
        if (rodada == 1) {
            EXPECT_EQ(face, Face::Frente);
            primeira = true;
        } else if (rodada == 2) {
            EXPECT_EQ(face, Face::Verso);
            segunda = true;
        }
        if (primeira && segunda) paraPeloMenu();
    });
    EXPECT_TRUE(primeira && segunda);
}

TEST_F(JanelaMesaTeste, TrucoPeloBotaoRespondidoPeloComputador) {
    bool trucou = false;
    joga([&] {
        if (trucou) {
            paraPeloMenu();
            return;
        }
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        janela().redesenha();
        auto* botao = controle<QPushButton>("TRUCO3");
        if (botao->isVisible()) {
            EXPECT_EQ(estado().ESTADO_TRUCO, 0);
            QTest::mouseClick(botao, Qt::LeftButton);
            trucou = true;
            EXPECT_NE(estado().ESTADO_TRUCO, 0) << "o computador não respondeu ao truco";
            EXPECT_FALSE(jogo().mesa["TRUCO3"].visivel);
            return;
        }
        clicaCarta(slotNaMao());
    });
    EXPECT_TRUE(trucou);
}

TEST_F(JanelaMesaTeste, TrucoDoComputadorRespondidoNaJanelaDePergunta) {
    jogo().computador.truco.FORCA_COMPUTADOR_TRUCAR = true;
    aoPerguntarTruco = [](const PerguntaTruco& p) {
        EXPECT_TRUE(p.chamador == 2 || p.chamador == 4);
        EXPECT_EQ(p.valor, 3);
        return resposta::ACEITAR;
    };
    joga([&] {
        if (perguntasDeTruco > 0) {
            paraPeloMenu();
            return;
        }
        if (estado().JOGADORES[1].PODE_JOGAR) clicaCarta(slotNaMao());
    });
    EXPECT_GE(perguntasDeTruco, 1);
}

TEST_F(JanelaMesaTeste, FugirEntregaAMaoAosAdversarios) {
    bool fugiu = false;
    joga([&] {
        if (fugiu) {
            if (estado().PONTOS_COM > 0) paraPeloMenu();
            return;
        }
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        janela().redesenha();  // what the user sees within a frame
        auto* fugir = controle<QPushButton>("FUGIR");
        ASSERT_TRUE(fugir->isVisible());
        QTest::mouseClick(fugir, Qt::LeftButton);
        fugiu = true;
    });
    EXPECT_TRUE(fugiu);
    EXPECT_EQ(estado().PONTOS_COM, 1);
    EXPECT_EQ(estado().PONTOS_JOG, 0);
}

// Stopping while a question is open: the answer comes, the loop returns, and a new game
// starts at 0-0.
TEST_F(JanelaMesaTeste, PararNoMeioDaPerguntaDepoisNovaPartidaDoZero) {
    jogo().computador.truco.FORCA_COMPUTADOR_TRUCAR = true;
    int pontosAntes = -1;
    aoPerguntarTruco = [&](const PerguntaTruco&) {
        pontosAntes = estado().PONTOS_JOG + estado().PONTOS_COM;
        paraPeloMenu();
        return resposta::ACEITAR;
    };
    joga([&] {
        if (estado().JOGADORES[1].PODE_JOGAR) clicaCarta(slotNaMao());
    });
    ASSERT_GE(pontosAntes, 0);
    EXPECT_EQ(estado().PONTOS_JOG + estado().PONTOS_COM, pontosAntes);
    EXPECT_FALSE(estado().JOGO_EM_ANDAMENTO);
    EXPECT_TRUE(janela().acao("NOVA_PARTIDA")->isEnabled());
    EXPECT_FALSE(janela().acao("PARAR_JOGO")->isEnabled());

    aoPerguntarTruco = nullptr;
    jogo().computador.truco.FORCA_COMPUTADOR_TRUCAR = false;
    bool zeroAZero = false;
    QTimer::singleShot(0, [&] { janela().acao("NOVA_PARTIDA")->trigger(); });
    joga([&] {
        if (estado().RODADA >= 1) {
            zeroAZero = estado().PONTOS_JOG == 0 && estado().PONTOS_COM == 0;
            paraPeloMenu();
        }
    });
    EXPECT_TRUE(zeroAZero);
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

TEST_F(JanelaMesaTeste, FecharAJanelaNoMeioDaPartidaSalvaEstatisticasESai) {
    const auto estatisticas = pasta / std::string(ARQUIVO_ESTATISTICAS);
    int cliques = 0;
    bool fechou = true;
    joga([&] {
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        clicaCarta(slotNaMao());
        if (++cliques == 2) {
            // Only the close itself can have written this figure.
            jogo().estatisticas.PARTIDAS = 77;
            jogo().prefs.PASSOS = 17;
            fechou = janela().close();
        }
    });
    EXPECT_FALSE(fechou) << "a janela fechou com o laço da partida ainda na pilha";
    EXPECT_FALSE(janela().isVisible());
    EXPECT_FALSE(estado().JOGO_EM_ANDAMENTO);
    ASSERT_TRUE(std::filesystem::exists(estatisticas));
    Estatisticas lidas;
    CARREGA_ESTATISTICAS(lidas, PastaTrabalho(pasta));
    EXPECT_EQ(lidas.PARTIDAS, 77);
    EXPECT_EQ(lidas.CARTAS_JOGADAS, 2);
    // The close box saves the statistics only.
    Preferencias prefs;
    CARREGA_PREFERENCIAS(prefs, PastaTrabalho(pasta));
    EXPECT_NE(prefs.PASSOS, 17);
}

// The saving exit answered No still saves the statistics, the history and the preferences with
// the window's place, and quits once the match loop has let go.
TEST_F(JanelaMesaTeste, SairESalvarGuardaPreferenciasComAPosicaoDaJanela) {
    bool perguntou = false;
    janela().perguntaJuntar = [&] {
        perguntou = true;
        return false;
    };
    janela().move(40, 30);
    joga([&] {
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        jogo().prefs.PASSOS = 9;
        janela().acao("SAIR_E_SALVAR")->trigger();
    });
    EXPECT_TRUE(perguntou);
    EXPECT_FALSE(janela().isVisible());
    Preferencias prefs;
    CARREGA_PREFERENCIAS(prefs, PastaTrabalho(pasta));
    EXPECT_EQ(prefs.PASSOS, 9);
    EXPECT_EQ(prefs.JANELA_ESQUERDA, janela().x());
    EXPECT_EQ(prefs.JANELA_TOPO, janela().y());
    EXPECT_TRUE(std::filesystem::exists(pasta / "P-HISTORICO_NEW.TXT"));
}

TEST_F(JanelaMesaTeste, PiadaDoMenuApareceNaJanelaDePiadas) {
    std::filesystem::create_directories(pasta / "TXT" / "PIADAS");
    for (int i = 0; i < 100; ++i) {
        std::ofstream(pasta / "TXT" / "PIADAS" / ("ARQ_" + std::to_string(i) + ".TXT"))
            << "Piada " << i << "\nsegunda linha\n";
    }
    janela().acao("CONTE_UMA_PIADA")->trigger();
    EXPECT_TRUE(janela().piadas().isVisible());
    EXPECT_TRUE(janela().piadas().texto().startsWith("Piada "));
    EXPECT_TRUE(janela().piadas().texto().contains("segunda linha"));
    QTest::mouseClick(janela().piadas().findChild<QPushButton*>("Fechar"), Qt::LeftButton);
    EXPECT_FALSE(janela().piadas().isVisible());
    EXPECT_FALSE(jogo().mesa["TfPIADAS"].visivel);
}

// A seat's new character shows on the table at once; a missing one is reported once and the
// old picture stays.
TEST_F(JanelaMesaTeste, RetratoSegueOPersonagemDoAssento) {
    janela().redesenha();
    PecaDaMesa* retrato = controle("IMG_JOGADOR_2");
    const QImage antes = retrato->grab().toImage();
    const std::string atual = jogo().prefs.PERSONAGEM[2];
    std::string outro;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta / "JOG"))
        if (entrada.path().filename() != atual) outro = entrada.path().filename().string();
    ASSERT_FALSE(outro.empty());
    jogo().prefs.PERSONAGEM[2] = outro;
    janela().redesenha();
    const QImage depois = retrato->grab().toImage();
    EXPECT_NE(antes, depois) << "o retrato não mostra o personagem novo";

    jogo().prefs.PERSONAGEM[2] = "NAO-EXISTE";
    janela().redesenha();
    janela().redesenha();
    EXPECT_EQ(tomaMensagens(), std::vector<std::string>{": Arquivo de IMG Jogadores não encontrado"});
    EXPECT_EQ(retrato->grab().toImage(), depois);
}

// Over a hand card during the user's turn the card lifts over its shadow; over anything else,
// or out of turn, the hand lies flat.
TEST_F(JanelaMesaTeste, CartaSobeComASombraSobOMouse) {
    auto entra = [&](QWidget* w) {
        QEnterEvent evento(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(w, &evento);
    };
    bool viu = false;
    joga([&] {
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        const int slot = slotNaMao();
        entra(controle("JOG_1_" + std::to_string(slot)));
        const Controle& carta = jogo().mesa.JOG(1, slot);
        EXPECT_EQ(carta.deslocX, -3);
        EXPECT_EQ(carta.deslocY, -3);
        EXPECT_TRUE(jogo().mesa["SOMBRA"].visivel);
        EXPECT_EQ(jogo().mesa["SOMBRA"].alvo, "JOG_1_" + std::to_string(slot));
        // The shadow lies at the card's home, the card 3 pixels up and left of it.
        EXPECT_EQ(controle("SOMBRA")->geometry(),
                  janela().mesa().naJanela(casaNaMesa("JOG_1_" + std::to_string(slot))));
        entra(controle("CVIRA"));
        EXPECT_EQ(carta.deslocX, 0);
        EXPECT_FALSE(jogo().mesa["SOMBRA"].visivel);
        viu = true;
        paraPeloMenu();
    });
    EXPECT_TRUE(viu);
}

TEST_F(JanelaMesaTeste, MenusAbremOsArquivosDaPastaDeTrabalho) {
    std::vector<QUrl> abertos;
    janela().aoAbrirEndereco = [&](const QUrl& url) {
        abertos.push_back(url);
        return true;
    };
    const std::pair<const char*, std::filesystem::path> casos[] = {
        {"FALAS_ENTRE_JOGADORES", pasta / "TXT" / "FALAS.TXT"},
        {"TEXTO_TRUCO_9", pasta / "TXT" / "TRUCO-9.TXT"},
        {"SONS_DO_JOGO", pasta / "WAV"},
        {"MANUAL_DO_JOGO", pasta / "Manual.PDF"},
    };
    // The name is found whatever its letter case on disk.
    std::filesystem::remove(pasta / "manual.pdf");
    std::ofstream(pasta / "Manual.PDF") << "%PDF";
    for (const auto& [acao, arquivo] : casos) {
        abertos.clear();
        janela().acao(acao)->trigger();
        ASSERT_EQ(abertos.size(), 1u) << acao;
        EXPECT_EQ(std::filesystem::path(abertos[0].toLocalFile().toStdString()), arquivo) << acao;
    }
}

TEST_F(JanelaMesaTeste, TesteDeSomDizSeOArquivoExiste) {
    janela().acao("TESTE_SOM")->trigger();
    std::filesystem::remove(pasta / "WAV" / "TESTE.WAV");
    janela().acao("TESTE_SOM")->trigger();
    EXPECT_EQ(tomaMensagens(), (std::vector<std::string>{
                             ": Teve ter saido algum som, arquivo de som \"TESTE.WAV\" encontrado !",
                             ": Arquivo de som \"TESTE.WAV\" não encontrado, Verifique se os arquivos WAV estão no "
                             "diretório do PELMAR"}));
}

// The chips hide the debug switch: a double click shows the label and opens the Debug menu.
TEST_F(JanelaMesaTeste, FichaLigaEDesligaODebug) {
    janela().redesenha();
    QWidget* ficha = controle("FICHA_JOG_1");
    ASSERT_TRUE(ficha->isVisible()) << "o lugar da ficha deve estar na mesa mesmo sem ficha ganha";
    QTest::mouseDClick(ficha, Qt::LeftButton);
    EXPECT_TRUE(jogo().mesa["DEBUG"].visivel);
    EXPECT_TRUE(jogo().chaves.MODO_DEBUG);
    EXPECT_TRUE(janela().acao("MENU_DEBUG")->isEnabled());
    QTest::mouseDClick(ficha, Qt::LeftButton);
    EXPECT_FALSE(jogo().mesa["DEBUG"].visivel);
    EXPECT_FALSE(jogo().chaves.MODO_DEBUG);
    EXPECT_FALSE(janela().acao("MENU_DEBUG")->isEnabled());
}

// Out of a game the shows still play, and the game stays stopped after them.
TEST_F(JanelaMesaTeste, DozeAZeroDoMenuForaDoJogo) {
    const int parcial = jogo().estatisticas.PONTUACAO_PARCIAL;
    ASSERT_TRUE(estado().PARAR);
    janela().acao("DOZE_A_ZERO_JOGADOR")->trigger();
    EXPECT_GT(jogo().estatisticas.PONTUACAO_PARCIAL, parcial);
    EXPECT_EQ(jogo().mesa["ULTIMA_AVISO_1"].texto, "DOZE A ZERO SABIDO ! 12/0");
    EXPECT_TRUE(estado().PARAR);
    EXPECT_TRUE(jogo().mesa["IMG_JOGADOR_3"].visivel);
}

// A click folds the trick-results box to its title and a second one unfolds it.
TEST_F(JanelaMesaTeste, CaixaDeResultadosDobraEDesdobra) {
    janela().redesenha();
    QWidget* caixa = controle("PAINEL_RESULTADO");
    const int altura = caixa->height();
    QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(caixa->width() - 4, 4));
    EXPECT_LT(caixa->height(), altura / 4);
    EXPECT_FALSE(controle("RESULTADO_1")->isVisible());
    EXPECT_TRUE(controle("PONTOS_JOG")->isVisible());
    QTest::mouseClick(caixa, Qt::LeftButton, {}, QPoint(caixa->width() - 4, 4));
    EXPECT_EQ(caixa->height(), altura);
    EXPECT_TRUE(controle("RESULTADO_1")->isVisible());
}

// Each auxiliary window opens from its menu item, beside the table, with its caption.
TEST_F(JanelaMesaTeste, JanelasAbremPelosMenus) {
    janela().move(100, 80);
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"PARAMETROS_PELMAR", "TfPARAMETROS", "Parâmetros do Jogo"},
        {"ESTATISTICAS_DO_JOGO", "TfPONTOS", "Informações Uteis"},
        {"VALIDAR_RECORDE", "TfmtRECORDE", "Validação do RECORDE"},
        {"VER_HISTORICO", "TfLOG", "Log"},
    };
    for (const auto& [acao, nome, titulo] : casos) {
        QAction* item = janela().acao(acao);
        ASSERT_NE(item, nullptr) << acao;
        item->trigger();
        auto* aberta = janela().findChild<QWidget*>(nome);
        ASSERT_NE(aberta, nullptr) << nome;
        EXPECT_TRUE(aberta->isVisible()) << nome;
        EXPECT_EQ(aberta->windowTitle(), QString::fromUtf8(titulo)) << nome;
        aberta->close();
    }
    EXPECT_EQ(janela().findChild<QWidget*>("TfPONTOS")->pos(), janela().pos() + QPoint(10, 45));
}

// The pickers apply a table, a back and a deck through the menus, and the table shows them.
TEST_F(JanelaMesaTeste, SeletoresAplicamPelosMenus) {
    const std::tuple<SeletorDeImagens*, const char*, QString, std::string Preferencias::*> casos[] = {
        {&janela().seletorDeMesas(), "IMAGEM_DA_MESA", "MADEIRA", &Preferencias::NOME_MESA},
        {&janela().seletorDeVersos(), "CARREGAR_VERSOS", "VERMELHO", &Preferencias::NOME_VERSO},
        {&janela().seletorDeBaralhos(), "CARREGAR_BARALHOS", "MODERNO", &Preferencias::NOME_BARALHO},
    };
    for (const auto& [seletor, acao, nome, campo] : casos) {
        seletor->escolhaAutomatica = [n = nome] { return std::optional<QString>(n); };
        janela().redesenha();
        const QImage antes = janela().mesa().grab().toImage();
        janela().acao(acao)->trigger();
        EXPECT_EQ(jogo().prefs.*campo, nome.toStdString()) << acao;
        janela().redesenha();
        if (std::string(acao) == "IMAGEM_DA_MESA") {
            EXPECT_NE(janela().mesa().grab().toImage(), antes) << "a mesa não mostra o pano novo";
        }
    }
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

// The join leaves only the learned rules in the table; the playing brain is read again at once,
// and the players' timer is back on afterwards.
TEST_F(JanelaMesaTeste, JuntarRegrasDeixaOCerebroDeJogoCarregado) {
    // Loaded as a command would load it: it serves events, and the first game must not start inside.
    janela().protege([this] { jogo().ia.aoComecarPartida(); });
    const int regras = jogo().ia.cerebro.QTE_REGRAS();
    ASSERT_GT(jogo().ia.cerebro.QTE_REGRAS_FIXAS, 0);
    janela().acao("JUNTAR_REGRAS")->trigger();
    EXPECT_EQ(jogo().ia.cerebro.QTE_REGRAS(), regras);
    EXPECT_GT(jogo().ia.cerebro.QTE_REGRAS_FIXAS, 0);
    EXPECT_TRUE(jogo().plataforma.timerAtivo(jogo().turnos.TEMPO_JOGADORES));
}


// A command that serves events while the first game waits on its timer: the game starts after
// it, never inside it, where it would wait for the user's card until the game ended.
TEST_F(JanelaMesaTeste, PrimeiroJogoNaoComecaDentroDeUmComando) {
    contaInicios();
    // Whenever a game starts, it is stopped at once, so the test ends either way.
    QTimer paraQuemComecar;
    paraQuemComecar.setInterval(5);
    QObject::connect(&paraQuemComecar, &QTimer::timeout, [this] {
        if (inicios > 0) estado().PARAR = true;
    });
    paraQuemComecar.start();
    int iniciosDentro = -1;
    janela().protege([&] {
        // Serves events for well past the start timer's 100 ms, as a long command does.
        QElapsedTimer relogio;
        relogio.start();
        while (relogio.elapsed() < 400) {
            jogo().plataforma.processaEventos();
            QTest::qSleep(5);
        }
        iniciosDentro = inicios;
    });
    EXPECT_EQ(iniciosDentro, 0) << "o jogo começou dentro do comando";
    QElapsedTimer relogio;
    relogio.start();
    while ((inicios == 0 || janela().partidaNaPilha()) && relogio.elapsed() < 10000) {
        QCoreApplication::processEvents();
        QTest::qSleep(1);
    }
    EXPECT_EQ(inicios, 1) << "o primeiro jogo não começou depois do comando";
}

// F3 then F2 at once, while the stopped match loop is still on the stack: the stop stands, and the
// new game starts once the stopped one has let go, at 0 to 0. Whenever the keys fall, the user
// never sees the "BUG !!!" box (the fixture fails on any box).
TEST_F(JanelaMesaTeste, F2F3F2LogoEmSeguidaComecaUmJogoNovo) {
    struct Caso {
        const char* nome;
        std::function<bool(const EstadoJogo&)> momento;
        bool f2DuranteAParada;  // F2 arrives while "Parar Jogo" is still clearing the table
    };
    const auto naVezDoUsuario = [](const EstadoJogo& e) { return e.JOGO_EM_ANDAMENTO && e.JOGADORES[1].PODE_JOGAR; };
    const Caso casos[] = {
        // The greeting and the change of players, before the loop has marked a game as running.
        {"antes de a partida começar", [](const EstadoJogo& e) { return !e.JOGO_EM_ANDAMENTO; }, false},
        {"na vez do usuário", naVezDoUsuario, false},
        {"F2 durante a parada", naVezDoUsuario, true},
    };
    contaInicios();
    bool primeiro = true;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        // The first game starts by itself; the next ones by F2.
        if (!std::exchange(primeiro, false)) QTimer::singleShot(0, [&] { tecla(Qt::Key_F2); });
        const int iniciosAntes = inicios;
        int fase = 0;
        bool zeroAZero = false;
        jogaAte(
            [&] {
                if (fase == 0 && caso.momento(estado())) {
                    if (estado().JOGO_EM_ANDAMENTO) estado().PONTOS_JOG = 7;  // the stopped game's own score
                    // Delivered at the first events the stop serves, before it has finished.
                    if (caso.f2DuranteAParada) QTimer::singleShot(0, [&] { tecla(Qt::Key_F2); });
                    tecla(Qt::Key_F3);
                    EXPECT_TRUE(estado().PARAR) << "F3 não parou o jogo";
                    if (!caso.f2DuranteAParada) tecla(Qt::Key_F2);
                    fase = 1;
                } else if (fase == 1 && inicios == iniciosAntes + 2 && estado().JOGO_EM_ANDAMENTO &&
                           estado().RODADA >= 1) {
                    zeroAZero = estado().PONTOS_JOG == 0 && estado().PONTOS_COM == 0;
                    fase = 2;
                    tecla(Qt::Key_F3);
                }
            },
            [&] { return fase == 2; }, 30000, 0);
        EXPECT_EQ(fase, 2) << "o jogo novo não começou depois do parado";
        EXPECT_EQ(inicios, iniciosAntes + 2) << "cada F2 começa um jogo, e só um";
        EXPECT_TRUE(zeroAZero);
        EXPECT_FALSE(estado().JOGO_EM_ANDAMENTO);
        EXPECT_TRUE(janela().acao("NOVA_PARTIDA")->isEnabled());
        EXPECT_FALSE(janela().acao("PARAR_JOGO")->isEnabled());
    }
}

// A fault inside the match loop reaches the user as an error box; the loop lets go of the game,
// so the next F2 starts one.
TEST_F(JanelaMesaTeste, FalhaNoLacoAvisaEONovoJogoComecaDepois) {
    bool falhar = false;
    const auto falha = jogo().plataforma.criaTimer(1, [&] {
        if (!std::exchange(falhar, false)) return;
        throw std::runtime_error("falha de teste no laço");
    });
    jogo().plataforma.ativaTimer(falha, true);
    joga([&] {
        if (estado().JOGADORES[1].PODE_JOGAR) falhar = true;
    });
    jogo().plataforma.ativaTimer(falha, false);
    EXPECT_EQ(tomaMensagens(), std::vector<std::string>{"Pelmar: falha de teste no laço"});
    EXPECT_FALSE(estado().JOGO_EM_ANDAMENTO);
    EXPECT_TRUE(estado().PARAR);
    EXPECT_TRUE(janela().acao("NOVA_PARTIDA")->isEnabled());
    EXPECT_FALSE(janela().acao("PARAR_JOGO")->isEnabled());

    contaInicios();
    bool jogou = false;
    QTimer::singleShot(0, [&] { tecla(Qt::Key_F2); });
    joga([&] {
        if (inicios == 0 || estado().RODADA < 1 || !estado().JOGADORES[1].PODE_JOGAR) return;
        jogou = true;
        paraPeloMenu();
    });
    EXPECT_TRUE(jogou) << "F2 não começou um jogo depois da falha";
}

// After every draw, at a new game or by "Trocar Jogadores", each seat's name label, portrait and
// voice belong to one row of the personality table.
TEST_F(JanelaMesaTeste, NomeRostoEVozDeCadaAssentoVemDaMesmaLinha) {
    const Personalidades& tabela = jogo().personalidades;
    ASSERT_GE(tabela.NR_PERSONALIDADES, 5);
    std::map<std::string, std::string> personagemDaChave;
    std::set<std::string> personagens;
    for (int i = 1; i <= tabela.NR_PERSONALIDADES; ++i) {
        personagemDaChave[tabela.PERSONALIDADE[i].CHAVE] = tabela.PERSONALIDADE[i].PERSONAGEM;
        personagens.insert(tabela.PERSONALIDADE[i].PERSONAGEM);
    }
    const auto retrato = [&](int assento) {
        janela().redesenha();
        return controle("IMG_JOGADOR_" + std::to_string(assento))->grab().toImage();
    };
    // How each seat's portrait looks with each character, to tell which one it shows.
    std::map<std::pair<int, std::string>, QImage> aparencia;
    const auto personagensAntes = jogo().prefs.PERSONAGEM;
    for (int p = 1; p <= 4; ++p) {
        for (const std::string& personagem : personagens) {
            jogo().prefs.PERSONAGEM[p] = personagem;
            const QImage imagem = retrato(p);
            for (const auto& [lugar, outra] : aparencia) {
                if (lugar.first != p) continue;
                ASSERT_NE(outra, imagem) << personagem << " e " << lugar.second;
            }
            aparencia[{p, personagem}] = imagem;
        }
        jogo().prefs.PERSONAGEM[p] = personagensAntes[p];
    }
    retrato(1);
    const auto confere = [&] {
        for (int p = 1; p <= 4; ++p) {
            SCOPED_TRACE("assento " + std::to_string(p));
            const std::string chave = controle("NOME_JOG_" + std::to_string(p))->texto().toStdString();
            ASSERT_TRUE(personagemDaChave.count(chave)) << "o rótulo mostra " << chave;
            const std::string& personagem = personagemDaChave[chave];
            EXPECT_EQ(jogo().prefs.PERSONAGEM[p], personagem) << "a voz é de outro personagem";
            const QImage visto = retrato(p);
            std::string mostrado = "nenhum";
            for (const auto& [lugar, imagem] : aparencia)
                if (lugar.first == p && imagem == visto) mostrado = lugar.second;
            EXPECT_EQ(mostrado, personagem) << "o rótulo diz " << chave;
        }
    };
    joga([&] {
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        confere();
        paraPeloMenu();
    });
    for (int troca = 0; troca < 8; ++troca) {
        janela().acao("TROCAR_JOGADORES")->trigger();
        confere();
    }
}

// The markers beside the seats follow the turn round the table: each seat lit in its turn, the
// user's blinking while his card is awaited, the holder of the trick marked; every index has its
// own picture, the same beside every seat.
TEST_F(JanelaMesaTeste, MarcasDaVezAndamComARodada) {
    std::map<int, QImage> figuras;  // marker index -> its picture as drawn
    std::set<int> acesos;           // seats seen lit in their turn
    std::set<int> estadosDoUsuario;  // the user's marker while he is awaited
    joga([&] {
        const int p = estado().JOGADOR_DA_VEZ;
        if (p < 1 || p > 4 || !estado().JOGADORES[p].PODE_JOGAR) return;
        janela().redesenha();
        for (int q = 1; q <= 4; ++q) {
            SCOPED_TRACE("assento " + std::to_string(q));
            PecaDaMesa* marca = controle("JOGUE_J" + std::to_string(q));
            ASSERT_NE(marca, nullptr);
            ASSERT_TRUE(marca->isVisible());
            const int indice = jogo().mesa["JOGUE_J" + std::to_string(q)].imagem;
            ASSERT_GE(indice, 1);
            ASSERT_LE(indice, 6);
            const QImage visto = marca->grab().toImage();
            auto [onde, nova] = figuras.emplace(indice, visto);
            if (!nova) {
                EXPECT_EQ(onde->second, visto) << "a marca " << indice << " muda de assento para assento";
            }
            if (q == p && indice == 5) acesos.insert(q);
            if (q == p && p == 1) estadosDoUsuario.insert(indice);
        }
        const bool vistoTudo = acesos.size() == 4 && figuras.size() == 6;
        // The user's card waits until his marker has blinked.
        if (p == 1 && estadosDoUsuario.size() >= 2) {
            if (vistoTudo) {
                paraPeloMenu();
                return;
            }
            estadosDoUsuario.clear();
            clicaCarta(slotNaMao());
        }
    });
    EXPECT_EQ(acesos, (std::set<int>{1, 2, 3, 4}));
    ASSERT_EQ(figuras.size(), 6u);
    for (auto a = figuras.begin(); a != figuras.end(); ++a)
        for (auto b = std::next(a); b != figuras.end(); ++b)
            EXPECT_NE(a->second, b->second) << "marcas " << a->first << " e " << b->first << " iguais";
    for (int q = 1; q <= 4; ++q) EXPECT_FALSE(jogo().mesa["JOGUE_J" + std::to_string(q)].visivel) << "depois de parar";
}

// "Maior Carta" from the partner's pop-up menu: the label shows it, the partner plays its
// strongest card, and the menu is back on "Joga sozinho" and "Truca sozinho" afterwards.
TEST_F(JanelaMesaTeste, OrdemAoParceiroPeloMenu) {
    QMenu* menu = janela().menuDoAssento(3);
    ASSERT_NE(menu, nullptr);
    int naMaoAntes = 0, maisForte = 0;
    std::string rotulo;
    // The partner's cards as they go down, passed on to the game's own hooks.
    struct Cartas : GanchosRepassados {
        using GanchosRepassados::GanchosRepassados;
        std::vector<int> doParceiro;
        void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
            GanchosRepassados::APRENDE_REGRA(jogador, slot, valor, encoberta);
            if (jogador == 3 && slot != 0) doParceiro.push_back(slot);
        }
    } cartas(jogo().ganchos());
    Ganchos& doJogo = jogo().ganchos();
    jogo().usaGanchos(&cartas);
    bool conferiu = false;
    const auto naMao = [this] {
        int n = 0;
        for (int s = 1; s <= 3; ++s) n += !estado().JOGADORES[3].CARTAS[s].JOGADA;
        return n;
    };
    joga([&] {
        if (conferiu) return;
        if (maisForte == 0) {
            if (!estado().JOGADORES[1].PODE_JOGAR) return;
            // Given in trick 1 before the partner has played: its card is the next of this hand.
            if (estado().RODADA != 1 || naMao() != 3) {
                clicaCarta(slotNaMao());
                return;
            }
            naMaoAntes = naMao();
            cartas.doParceiro.clear();
            for (int s = 1; s <= 3; ++s) {
                const SlotCarta& c = estado().JOGADORES[3].CARTAS[s];
                if (!c.JOGADA && (maisForte == 0 || c.FORCA > estado().JOGADORES[3].CARTAS[maisForte].FORCA))
                    maisForte = s;
            }
            Q_EMIT menu->aboutToShow();
            QAction* maior = janela().acao("MaiorCarta1");
            ASSERT_NE(maior, nullptr);
            EXPECT_TRUE(janela().acao("JOGAR_SOZINHO")->isChecked());
            maior->trigger();
            QAction* quieto = janela().acao("J1_FORCA_J3_NAO_TRUCAR");
            ASSERT_NE(quieto, nullptr);
            quieto->trigger();
            EXPECT_FALSE(janela().acao("JOGAR_SOZINHO")->isChecked()) << "os itens de \"Jogar\" se excluem";
            janela().redesenha();
            rotulo = controle("DECISAO_CARTA")->texto().toStdString() + "|" +
                     controle("DECISAO_TRUCO")->texto().toStdString();
            clicaCarta(slotNaMao());
            return;
        }
        // Looked at on the user's next turn, when the partner's turn is over.
        if (!estado().JOGADORES[1].PODE_JOGAR) return;
        if (naMao() == naMaoAntes) {
            clicaCarta(slotNaMao());
            return;
        }
        conferiu = true;
        ASSERT_FALSE(cartas.doParceiro.empty());
        EXPECT_EQ(cartas.doParceiro.front(), maisForte) << "o parceiro não jogou a maior carta";
        Q_EMIT menu->aboutToShow();
        EXPECT_TRUE(janela().acao("JOGAR_SOZINHO")->isChecked());
        EXPECT_FALSE(janela().acao("MaiorCarta1")->isChecked());
        EXPECT_TRUE(janela().acao("J1_FORCA_J3_TRUCAR_SOZINHO")->isChecked());
        paraPeloMenu();
    });
    jogo().usaGanchos(&doJogo);
    EXPECT_TRUE(conferiu);
    EXPECT_EQ(rotulo, "Maior!|Quieto!");
    int linhas = 0;
    for (const std::string& linha : jogo().historico.linhas())
        linhas += linha.find("J1 FORÇA J3 A JOGAR MAIOR CARTA") != std::string::npos;
    EXPECT_EQ(linhas, 1);
}

// A click on the personality badge says "yeeh".
TEST_F(JanelaMesaTeste, SeloDaPersonalidadeFazYeeh) {
    std::vector<std::string> sons;
    sessao->tela().aoTocarSom = [&sons](std::string_view chave) { sons.emplace_back(chave); };
    jogo().prefs.SOM = true;  // the fast mode of the tests turns the sounds off
    jogo().mesa["img_PERSONALIDADE"].visivel = true;
    janela().redesenha();
    QTest::mouseClick(controle("img_PERSONALIDADE"), Qt::LeftButton);
    EXPECT_EQ(sons, std::vector<std::string>{"yeeh"});
}

}  // namespace
}  // namespace pelmar::teste
