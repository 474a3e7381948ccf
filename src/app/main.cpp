#include <QApplication>
#include <QIcon>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>

#include <sys/signalfd.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/LinhaDeComando.h"
#include "base/InstalacaoDados.h"
#include "base/PastaTrabalho.h"
#include "windows/SessaoDesktop.h"
#include "windows/TfABOUT.h"
#include "windows/TfmtSPLASH.h"
#include "windows/TraducoesDoQt.h"

namespace {

sigset_t sinaisDeFechar() {
    sigset_t sinais;
    sigemptyset(&sinais);
    sigaddset(&sinais, SIGINT);
    sigaddset(&sinais, SIGTERM);
    return sinais;
}

// Blocked before Qt starts any thread, so every thread inherits the mask: otherwise the kernel
// hands the signal to a thread that does not block it (the display's reader under X11) and
// the process dies without saving. One that arrives while the table loads waits for the loop.
bool bloqueiaSinaisDeFechar() {
    const sigset_t sinais = sinaisDeFechar();
    return pthread_sigmask(SIG_BLOCK, &sinais, nullptr) == 0;
}

// SIGINT and SIGTERM close the table the way its close box does. They are read from a file
// descriptor in the event loop, so no handler runs at an arbitrary moment.
std::unique_ptr<QSocketNotifier> fechaComSinais(QWidget& janela) {
    const sigset_t sinais = sinaisDeFechar();
    const int fd = signalfd(-1, &sinais, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd < 0) return nullptr;
    auto aviso = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(aviso.get(), &QSocketNotifier::activated, &janela, [fd, &janela] {
        signalfd_siginfo info;
        while (read(fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        }
        janela.close();
    });
    return aviso;
}

// The saved position, when it still lies on a screen.
void posicionaJanela(QWidget& janela, int esquerda, int topo) {
    if (esquerda == 0 && topo == 0) return;
    const QPoint canto(esquerda, topo);
    for (const QScreen* tela : QGuiApplication::screens())
        if (tela->availableGeometry().contains(canto + QPoint(40, 40))) {
            janela.move(canto);
            return;
        }
}

}  // namespace

int main(int argc, char** argv) {
    const auto inicio = std::chrono::steady_clock::now();
    // Read before the GUI exists: help, version and a mistyped option need no display.
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i) argumentos.emplace_back(argv[i]);
    const pelmar::LinhaDeComando linha = pelmar::leLinhaDeComando(argumentos);
    if (linha.ajuda) {
        std::cout << pelmar::AJUDA_DA_LINHA_DE_COMANDO;
        return 0;
    }
    if (linha.versao) {
        std::cout << "Pelmar " << pelmar::VERSAO_DO_PROGRAMA << "\n";
        return 0;
    }
    if (!linha.erro.empty()) {
        std::cerr << "pelmar: " << linha.erro << "\n" << pelmar::AJUDA_DA_LINHA_DE_COMANDO;
        return 2;
    }

    const bool sinaisBloqueados = bloqueiaSinaisDeFechar();

    // Qt sees only its own options; they outlive the application, as it requires.
    std::vector<char*> argumentosDoQt{argv[0]};
    std::vector<std::string> opcoesDoQt = linha.opcoesDoQt;
    for (std::string& opcao : opcoesDoQt) argumentosDoQt.push_back(opcao.data());
    argumentosDoQt.push_back(nullptr);
    int quantosDoQt = static_cast<int>(argumentosDoQt.size()) - 1;
    QApplication app(quantosDoQt, argumentosDoQt.data());
    QApplication::setApplicationName("Pelmar");
    // The menu entry's id: the desktop shell matches the window to it, and the icon theme
    // has the game's icon under the same name once installed.
    QApplication::setDesktopFileName("example.pelmar.Pelmar");
    QApplication::setWindowIcon(QIcon::fromTheme("example.pelmar.Pelmar"));
    // Qt's own buttons and dialogs speak the game's language.
    pelmar::instalaTraducoesDoQt();

    pelmar::OpcoesDaSessao opcoes;
    opcoes.pasta = linha.pasta ? std::filesystem::path(*linha.pasta) : pelmar::pastaPadraoDoJogo();
    opcoes.dados = pelmar::pastaDosDadosDoJogo(PELMAR_DADOS_DA_COMPILACAO);
    opcoes.demo = linha.demo;
    opcoes.rapido = linha.rapido;
    opcoes.semente = linha.semente;
    std::error_code ec;
    std::filesystem::create_directories(opcoes.pasta, ec);
    if (ec || !std::filesystem::is_directory(opcoes.pasta)) {
        const QString texto = QString("Não foi possível usar a pasta de trabalho %1: %2")
                                  .arg(QString::fromStdString(opcoes.pasta.string()),
                                       QString::fromStdString(ec ? ec.message() : "não é uma pasta"));
        std::cerr << texto.toStdString() << "\n";
        QMessageBox::critical(nullptr, "Pelmar", texto);
        return 1;
    }

    // Measured or not, the start is the one a player gets: the splash while the table loads.
    pelmar::TfmtSPLASH abertura;
    abertura.mostra();
    pelmar::SessaoDesktop sessao(opcoes);
    sessao.inicia([&abertura](const QString& texto) { abertura.progresso(texto); });
    posicionaJanela(sessao.janela(), sessao.jogo().prefs.JANELA_ESQUERDA, sessao.jogo().prefs.JANELA_TOPO);
    sessao.janela().show();
    abertura.close();
    // The table is ready when the player can see it: painted once. The event loop would do it
    // next; measured, it is done here, as the loop is never entered.
    if (linha.medeInicio) sessao.janela().repaint();
    const auto pronta = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio);
    sessao.jogo().log(0, "MESA PRONTA EM " + std::to_string(pronta.count()) + " ms");
    if (linha.medeInicio) {
        // The first game loads the playing brain before its first deal: measured here too.
        const auto antes = std::chrono::steady_clock::now();
        sessao.jogo().ia.aoComecarPartida();
        const auto cerebro =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - antes);
        std::cout << "mesa pronta em " << pronta.count() << " ms; cérebro carregado em " << cerebro.count()
                  << " ms\n";
        return 0;
    }
    const auto sinais = sinaisBloqueados ? fechaComSinais(sessao.janela()) : nullptr;
    return QApplication::exec();
}
