#include "windows/TForm2.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <filesystem>

#include "base/AoSair.h"
#include "jogo/Jogo.h"
#include "presentation/ImagensDaMesa.h"
#include "windows/ComandosHistorico.h"
#include "windows/EscolhaDeImagens.h"
#include "windows/GanchosDeJanela.h"
#include "windows/MesaDesenhada.h"
#include "windows/TelaQt.h"
#include "windows/TfABOUT.h"
#include "windows/TfBARALHOS.h"
#include "windows/TfCONTADOR.h"
#include "windows/TfJOGADORES.h"
#include "windows/TfLOG.h"
#include "windows/TfMESAS.h"
#include "windows/TfPARAMETROS.h"
#include "windows/TfPIADAS.h"
#include "windows/TfPONTOS.h"
#include "windows/TfREGRAS.h"
#include "windows/TfTRUCO_INFO.h"
#include "windows/TfVERSOS.h"
#include "windows/TfmtPERSONALIDADE.h"
#include "windows/TfmtRECORDE.h"

namespace pelmar {

namespace {

// How often the window looks at the model between the game's own redraws.
constexpr int INTERVALO_DESENHO_MS = 30;

}  // namespace

TForm2::TForm2(Jogo& jogo, ImagensDaMesa& imagens, TelaQt& tela) : jogo_(jogo), imagens_(imagens), tela_(tela) {
    setObjectName("TForm2");
    setWindowTitle("PELMAR - Versão 6.2.01 - 08/08/2009");
    mesa_ = new MesaDesenhada(jogo.mesa, imagens, this);
    setCentralWidget(mesa_);
    criaJanelasAuxiliares();
    criaMenus();
    // A question holds the table modal; F4 still reaches the saving exit from inside it.
    for (QWidget* pergunta : {static_cast<QWidget*>(&tela_.perguntaDeTruco), static_cast<QWidget*>(&tela_.perguntaDeOnze)})
        pergunta->addAction(acao("SAIR_E_SALVAR"));
    ligaGestos();
    tela_.aoRedesenhar = [this] { redesenha(); };
    tela_.defineJanela(this);
    tela_.mesaNaTela = [this](const QRect& casa) {
        const QRect r = mesa_->naJanela(casa);
        return QRect(mesa_->mapToGlobal(r.topLeft()), r.size());
    };
    desenho_ = new QTimer(this);
    desenho_->setInterval(INTERVALO_DESENHO_MS);
    connect(desenho_, &QTimer::timeout, this, [this] { tique(); });
    resize(LARGURA_DA_MESA, ALTURA_DA_MESA);
}

// Created once, in the order the game has always created them, hidden until asked for.
void TForm2::criaJanelasAuxiliares() {
    const auto gancho = [this](const QString& titulo, const QString& texto) { mensagem(titulo, texto); };
    // Read at each call: tests set the hook after the window exists. Each window says itself
    // when the system refused what it asked for.
    const auto abre = [this](const QUrl& url) { return entregaAoSistema(aoAbrirEndereco, url); };
    contador_ = new TfCONTADOR(jogo_.mesa, this);
    pontos_ = new TfPONTOS(jogo_.pontos, this);
    sobre_ = new TfABOUT(this);
    infoTruco_ = new TfTRUCO_INFO(this);
    parametros_ = new TfPARAMETROS(jogo_, this);
    jogadores_ = new TfJOGADORES(jogo_, tela_, this);
    jogadores_->mensagem = gancho;
    jogadores_->aoMudarJogadores = [this] { redesenha(); };
    versos_ = new TfVERSOS(jogo_.pasta, this);
    baralhos_ = new TfBARALHOS(jogo_.pasta, this);
    mesas_ = new TfMESAS(jogo_.pasta, this);
    for (SeletorDeImagens* seletor : std::initializer_list<SeletorDeImagens*>{versos_, baralhos_, mesas_}) {
        seletor->mensagem = gancho;
        seletor->abreEndereco = abre;
    }
    escolhaDeImagens_ = std::make_unique<EscolhaDeImagens>(jogo_, imagens_, *mesas_, *versos_, *baralhos_, *this,
                                                           [this] { mesa_->trocaImagens(); });
    log_ = new TfLOG(jogo_.historico, this);
    comandosHistorico_ = std::make_unique<ComandosHistorico>(jogo_, *log_);
    comandosHistorico_->abreEndereco = abre;
    comandosHistorico_->mostraMensagem = [this](const QString& texto) { mensagem("Pelmar", texto); };
    piadas_ = new TfPIADAS(imagens_, this);
    piadas_->aoFechar = [this] { jogo_.mesa["TfPIADAS"].visivel = false; };
    personalidade_ = new TfmtPERSONALIDADE(this);
    jogadores_->janelaDaPersonalidade = personalidade_;
    recorde_ = new TfmtRECORDE(jogo_, this);
    recorde_->abreEndereco = abre;
    regras_ = new TfREGRAS(jogo_.ia.edicao, jogo_.pasta, this);
    regras_->protege = [this](const std::function<void()>& f) { protege(f); };
}

void TForm2::mensagem(const QString& titulo, const QString& texto) {
    tela_.caixaMensagem(titulo.toStdString(), texto.toStdString());
}

TForm2::~TForm2() {
    tela_.aoRedesenhar = nullptr;
    tela_.defineJanela(nullptr);
    tela_.mesaNaTela = nullptr;
    jogo_.plataforma.ativaTimer(INICIO_JOGO, false);
}

QAction* TForm2::acao(const QString& nome) const { return findChild<QAction*>(nome); }

void TForm2::protege(const std::function<void()>& acao) {
    struct EmCurso {
        int& comandos;
        explicit EmCurso(int& c) : comandos(++c) {}
        ~EmCurso() { --comandos; }
    } emCurso(comandosEmCurso_);
    try {
        acao();
    } catch (const std::exception& falha) {
        jogo_.log(0, std::string("ERRO: ") + falha.what());
        tela_.mostraErro(falha.what());
    }
}

void TForm2::INICIA_JANELA() {
    // The pickers were built before the working folder received the bundled pictures.
    for (SeletorDeImagens* seletor : std::initializer_list<SeletorDeImagens*>{versos_, baralhos_, mesas_})
        seletor->preencheLista();
    imagens_.carregaMesa(jogo_.prefs.NOME_MESA);
    imagens_.carregaVerso(jogo_.prefs.NOME_VERSO);
    imagens_.carregaBaralho(jogo_.prefs.NOME_BARALHO);
    imagens_.carregaMarcasDaVez();
    atualizaPersonagens();
    mesa_->trocaImagens();
    for (const LugarNaMesa& lugar : lugaresDaMesa())
        if (lugar.deInicio) jogo_.mesa[lugar.nome].visivel = true;
    jogo_.estado.PARAR = true;
    jogo_.baralho.INICIA_BARALHO();
    jogo_.distribuicao.NOVA_MAO_MESA();
    INICIO_JOGO = jogo_.plataforma.criaTimer(100, [this] {
        if (comandosEmCurso_ > 0) return;  // tried again at the next tick, once the command is over
        jogo_.plataforma.ativaTimer(INICIO_JOGO, false);
        protege([this] { NOVO_JOGO(); });
    });
    jogo_.plataforma.ativaTimer(INICIO_JOGO, true);
    // Drawn from here on: before, the working folder may not hold the pictures yet.
    desenho_->start();
    redesenha();
}

void TForm2::NOVO_JOGO() {
    // A game asked for by hand spends the start that was waiting on its timer.
    jogo_.plataforma.ativaTimer(INICIO_JOGO, false);
    if (partidasNaPilha_ > 0) {
        // The match loop is still on the stack under this event. Stopped, or being stopped, it
        // is unwinding: the new game starts once it has let go. Running, it is the game asked for.
        if (jogo_.estado.PARAR || parando_) {
            novoJogoPedido_ = true;
            novaPartida_->setEnabled(false);
        } else {
            explicaPartidaEmAndamento();
        }
        return;
    }
    novoJogoPedido_ = false;
    novaPartida_->setEnabled(false);
    pararJogo_->setEnabled(true);
    ++partidasNaPilha_;
    {
        // However the loop ends, it has let go of the stack and the menu is as it was before.
        const AoSair aoDesenrolar([this] {
            --partidasNaPilha_;
            novaPartida_->setEnabled(true);
            pararJogo_->setEnabled(false);
        });
        // A loop that fails is a stopped game; no new one is started after it.
        AoSair seFalhar([this] {
            jogo_.estado.PARAR = true;
            novoJogoPedido_ = false;
        });
        jogo_.turnos.NOVO_JOGO();
        seFalhar.dispensa();
    }
    redesenha();
    // A close asked for while the match loop ran happens now that it has let go.
    if (fecharAoDesenrolar_) {
        close();
        return;
    }
    if (novoJogoPedido_) {
        novaPartida_->setEnabled(false);
        // Started from the event loop, once nothing of the stopped game is left on the stack.
        QTimer::singleShot(0, this, [this] {
            if (novoJogoPedido_) protege([this] { NOVO_JOGO(); });
        });
    }
}

void TForm2::PARAR_JOGO() {
    pararJogo_->setEnabled(false);
    // The stop serves events while it clears the table: an F2 pressed meanwhile is a new game
    // to start once the stopped one has let go, not a key lost on a disabled item.
    novaPartida_->setEnabled(true);
    parando_ = true;
    {
        const AoSair fimDaParada([this] { parando_ = false; });
        jogo_.turnos.PARAR_JOGO();
    }
    novaPartida_->setEnabled(!novoJogoPedido_);
    redesenha();
}

void TForm2::redesenha() {
    atualizaPersonagens();
    mesa_->sincroniza();
    infoTruco_->sincroniza(jogo_.mesa["TfTRUCO_INFO"], [this] {
        const int assento = jogo_.mesa["TfTRUCO_INFO"].carta;
        const auto& rostos = assento >= 1 && assento <= 4 ? imagens_.rostos(assento) : std::vector<QImage>{};
        return rostos.empty() ? QImage() : rostos.front();
    }());
    if (infoTruco_->isVisible() && !infoTruco_->property("posto").toBool()) {
        infoTruco_->move(mapToGlobal(QPoint(width() / 2 - infoTruco_->width() / 2, height() / 3)));
        infoTruco_->setProperty("posto", true);
    } else if (!infoTruco_->isVisible()) {
        infoTruco_->setProperty("posto", false);
    }
    if (piadas_->sincroniza(jogo_.mesa["TfPIADAS"])) {
        const QRect mao11 = mesa_->naJanela(casaNaMesa("MAO11"));
        piadas_->move(mesa_->mapToGlobal(mao11.topLeft() + QPoint(5, 45)));
    }
}

void TForm2::tique() {
    EstadoJogo& e = jogo_.estado;
    contador_->sincroniza();
    pontos_->sincroniza();
    log_->sincroniza();
    // Nothing lifts a card once the user's turn is over.
    if (!e.JOGADORES[1].PODE_JOGAR) baixaCartas();
    // "This hand" ends when the trick count starts again.
    if (jogaPorMimAteRodada_ > 0 && (e.RODADA < jogaPorMimAteRodada_ || !e.JOGO_EM_ANDAMENTO))
        jogaPorMimAteRodada_ = 0;
    if (jogaPorMimAteRodada_ > 0 && e.JOGADORES[1].PODE_JOGAR) {
        jogaPorMimAteRodada_ = std::max(jogaPorMimAteRodada_, e.RODADA);
        protege([this] { jogo_.turnos.PARCEIRO_JOGA(1); });
    }
    // The steal and peek items come and go with the game.
    for (const auto& [item, controle] : itensDoJogo_) item->setVisible(controle->visivel);
    redesenha();
}

void TForm2::joguePorMim(bool pedido) {
    EstadoJogo& e = jogo_.estado;
    // Only while the user's own card is awaited: any other time it would play out of turn.
    if (!e.JOGO_EM_ANDAMENTO || !e.JOGADORES[1].PODE_JOGAR) return;
    if (pedido) {
        jogo_.log(0, "PEDE PARA JOGAR");
    } else {
        jogaPorMimAteRodada_ = std::max(1, e.RODADA);
    }
    jogo_.turnos.PARCEIRO_JOGA(1);
}

void TForm2::abreMenuDoAssento(int assento) {
    const QRect retrato = mesa_->naJanela(casaNaMesa("IMG_JOGADOR_" + std::to_string(assento)));
    const QPoint canto = mesa_->mapTo(this, retrato.topLeft()) + QPoint(25, 90);
    menuDoAssento(assento)->popup(mapToGlobal(canto));
}

void TForm2::alternaDebug() {
    Controle& debug = jogo_.mesa["DEBUG"];
    debug.visivel = !debug.visivel;
    jogo_.chaves.MODO_DEBUG = debug.visivel;
    menuDebug_->menuAction()->setEnabled(debug.visivel);
}

void TForm2::mostraForaDoJogo(const std::function<void()>& show) {
    EstadoJogo& e = jogo_.estado;
    if (e.JOGO_EM_ANDAMENTO) {
        show();
        return;
    }
    e.PARAR = false;
    try {
        show();
    } catch (...) {
        e.PARAR = true;
        throw;
    }
    e.PARAR = true;
    redesenha();
}

void TForm2::testaSom() {
    Anuncios& a = jogo_.anuncios;
    for (const char* chave : {"DISTRIBUI_CARTAS", "BATE_MESA", "TESTE"}) a.TOCA_SOM(chave, 500);
    const bool existe = std::filesystem::exists(jogo_.pasta.resolve("WAV\\TESTE.WAV"));
    tela_.caixaMensagem("", existe ? "Teve ter saido algum som, arquivo de som \"TESTE.WAV\" encontrado !"
                                   : "Arquivo de som \"TESTE.WAV\" não encontrado, Verifique se os arquivos WAV "
                                     "estão no diretório do PELMAR");
}

void TForm2::atualizaPersonagens() {
    bool trocou = false;
    for (int assento = 1; assento <= 4; ++assento) {
        const std::string& nome = jogo_.prefs.PERSONAGEM[assento];
        if (personagensCarregados_[static_cast<std::size_t>(assento)] == nome) continue;
        // Tried once per name: a missing character is reported once, not at every redraw.
        personagensCarregados_[static_cast<std::size_t>(assento)] = nome;
        trocou = imagens_.carregaPersonagem(assento, nome) || trocou;
    }
    if (trocou) mesa_->trocaImagens();
}

void TForm2::contaPiada() {
    jogo_.conversa.CONTA_PIADA();
    redesenha();
}

void TForm2::ESCOLHE_PERSONAGEM() { jogadores_->abre(posicaoDeJanelaAuxiliar(*this)); }

void TForm2::trocaJogadores() { jogo_.troca.TROCA_JOGADORES(); }

void TForm2::semJogadores(const std::function<void()>& operacao) {
    // A brain operation serves events as it goes: no seat may consult a half-built table, and
    // the first game may not start in its middle (it would run nested until the game ends).
    struct Suspenso {
        Plataforma& p;
        int timer;
        bool ativo;
        Suspenso(Plataforma& plataforma, int t) : p(plataforma), timer(t), ativo(plataforma.timerAtivo(t)) {
            p.ativaTimer(timer, false);
        }
        ~Suspenso() { p.ativaTimer(timer, ativo); }
    };
    const Suspenso jogadores(jogo_.plataforma, jogo_.turnos.TEMPO_JOGADORES);
    const Suspenso inicio(jogo_.plataforma, INICIO_JOGO);
    operacao();
}

void TForm2::juntaRegras() {
    if (!jogo_.prefs.CEREBRO_APRENDE_REGRAS || jogo_.demonstracao()) return;
    semJogadores([this] {
        jogo_.ia.aprendizado.COMPILA_CEREBRO();
        // The join leaves only the learned rules in the table: the playing brain comes back at once.
        jogo_.ia.arquivos.LE_REGRAS();
    });
}

void TForm2::sairSalvando() {
    // A show learned nothing, so it has nothing to join; the saves below leave its files alone.
    const bool juntar =
        !jogo_.demonstracao() &&
        (perguntaJuntar ? perguntaJuntar()
                        : QMessageBox::question(this, "I.A.", "Você deseja juntar as regras aprendidas?",
                                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes);
    if (juntar && jogo_.prefs.CEREBRO_APRENDE_REGRAS) semJogadores([this] { jogo_.ia.aprendizado.COMPILA_CEREBRO(); });
    jogo_.pontuacao.SALVA_ESTATISTICAS();
    if (auto erro = jogo_.historico.SALVA_HISTORICO(jogo_.pasta)) jogo_.log(0, *erro);
    jogo_.prefs.JANELA_ESQUERDA = x();
    jogo_.prefs.JANELA_TOPO = y();
    jogo_.gravaPreferencias();
    jogo_.estado.PARAR = true;
    jogo_.Wait(10);
    close();
}

void TForm2::sair() {
    if (auto erro = jogo_.historico.SALVA_HISTORICO(jogo_.pasta)) jogo_.log(0, *erro);
    jogo_.estado.PARAR = true;
    jogo_.Wait(10);
    close();
}

void TForm2::closeEvent(QCloseEvent* evento) {
    if (!estatisticasSalvas_) {
        estatisticasSalvas_ = true;
        jogo_.pontuacao.SALVA_ESTATISTICAS();
    }
    jogo_.estado.PARAR = true;
    if (partidasNaPilha_ > 0) {
        // The match loop is still on the stack under this event: let it unwind first. A question
        // it is waiting on is ended without an answer, and the game decides nothing in its place.
        fecharAoDesenrolar_ = true;
        tela_.encerraPerguntas();
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(0);
        evento->ignore();
        return;
    }
    novoJogoPedido_ = false;
    desenho_->stop();
    pontos_->close();
    piadas_->hide();
    infoTruco_->hide();
    evento->accept();
}

void TForm2::explicaPartidaEmAndamento() {
    // A key that does nothing looks broken: say why the game goes on.
    mesa_->mostraRecado(QString::fromUtf8(
        "Já tem uma partida em andamento.\nPara começar outra, pare esta com F3 e aperte F2 de novo."));
}

void TForm2::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape || evento->key() == Qt::Key_Space) {
        showMinimized();
        return;
    }
    // While a game runs its menu item is off, so F2 arrives here instead of starting one.
    if (evento->key() == Qt::Key_F2 && evento->modifiers() == Qt::NoModifier && partidasNaPilha_ > 0 &&
        !jogo_.estado.PARAR && !parando_) {
        explicaPartidaEmAndamento();
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

void TForm2::moveEvent(QMoveEvent* evento) {
    QMainWindow::moveEvent(evento);
    // The shout window follows the table.
    infoTruco_->setProperty("posto", false);
}

}  // namespace pelmar
